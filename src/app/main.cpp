#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/window/Application.h"
#include "app/documents/CommandLine.h"
#include "app/window/MainWindow.h"
#include "app/window/ProgramInfo.h"
#include "qt/QtDialogs.h"
#include "qt/QtShell.h"

int main(int argc, char** argv) {
  using namespace tessaly;
  PrepareApplication();
  // The toolkit takes its own options (-platform, -style, ...) out of argv first.
  QApplication application(argc, argv);
  const std::optional<std::string> startFile = StartFile(std::vector<std::string>(argv + 1, argv + argc));
  if (!startFile) {
    std::fprintf(stderr, "%s\n", CommandLineUsage);
    return 2;
  }
  SetUpApplication(application);
  QtDialogs dialogs;
  QtShell shell;
  TApplicationForms forms(dialogs, shell, ProgramVersion());
  forms.OsnovnFRM().showMaximized();
  if (!startFile->empty()) OpenStartFile(forms.OsnovnFRM(), *startFile);
  return QApplication::exec();
}
