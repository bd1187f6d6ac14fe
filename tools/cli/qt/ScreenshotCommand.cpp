// tessaly-cli screenshot OUT.png [--width W --height H] [--page FILE]:
// renders the main window offscreen into a PNG, so its look can be checked
// without a display; --page shows FILE in the source editor.

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <string>

#include "app/window/Application.h"
#include "app/window/MainWindow.h"
#include "app/window/ProgramInfo.h"
#include "cli/Command.h"
#include "cli/qt/WindowApplication.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "qt/QtSrcEditWidget.h"
#include "platform/ScriptedDialogs.h"
#include "qt/QtShell.h"

namespace tessaly::cli {

namespace {

constexpr const char* kUsage = "screenshot OUT.png [--width W --height H] [--page FILE]";
// Long enough for the first layout, paint and the marquee's first steps.
constexpr int SettleMilliseconds = 300;

int SizeArgument(const Arguments& args, size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{kUsage};
  try {
    const int value = std::stoi(args[++i]);
    if (value > 0 && value <= 10000) return value;
  } catch (const std::exception&) {
  }
  throw UsageError{kUsage};
}

void Screenshot(const Arguments& args) {
  if (args.empty()) throw UsageError{kUsage};
  const std::string out = args[0];
  int width = 1024, height = 700;
  std::string page;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--width") width = SizeArgument(args, i);
    else if (args[i] == "--height") height = SizeArgument(args, i);
    else if (args[i] == "--page" && i + 1 < args.size()) page = args[++i];
    else throw UsageError{kUsage};
  }

  WindowApplication application;
  // Nobody is there to answer; a question during start-up is answered with its default.
  ScriptedDialogs dialogs;
  QtShell shell;
  TApplicationForms forms(dialogs, shell, ProgramVersion());
  TOsnovnFRM& window = forms.OsnovnFRM();
  if (!page.empty()) {
    window.SrcEdit->Editor().SetText(ReadFileBytes(page));
  }
  window.resize(width, height);
  window.show();
  QElapsedTimer settle;
  settle.start();
  while (settle.elapsed() < SettleMilliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
  if (!window.grab().save(QString::fromStdString(out), "PNG")) throw Exception("cannot write " + out);
}

const CommandRegistration registration("screenshot", kUsage, Screenshot);

}  // namespace

}  // namespace tessaly::cli
