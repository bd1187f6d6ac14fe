#include <QApplication>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/ProgramInfo.h"
#include "qt/QtDialogs.h"
#include "qt/QtShell.h"

int main(int argc, char** argv) {
  using namespace tessaly;
  PrepareApplication();
  QApplication application(argc, argv);
  SetUpApplication(application);
  QtDialogs dialogs;
  QtShell shell;
  TApplicationForms forms(dialogs, shell, ProgramVersion());
  forms.OsnovnFRM().showMaximized();
  return QApplication::exec();
}
