#pragma once
// The application object of a command that shows the program's windows:
// offscreen unless QT_QPA_PLATFORM names a platform, set up as `tessaly`
// sets itself up.

#include <QApplication>

#include "app/window/Application.h"

namespace tessaly::cli {

class WindowApplication {
public:
  WindowApplication() : application_((Prepare(), argc_), argv_) { SetUpApplication(application_); }

private:
  static void Prepare() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareApplication();
  }

  int argc_ = 1;
  char name_[12] = "tessaly-cli";
  char* argv_[2] = {name_, nullptr};
  QApplication application_;
};

}  // namespace tessaly::cli
