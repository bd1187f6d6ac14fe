// tessaly-cli ui [--program-dir DIR] [--size WxH] [--update-url URL] SCRIPT: runs the real main
// window (offscreen unless QT_QPA_PLATFORM says otherwise) under a script of
// clicks, keys and dialog answers, and prints what the script asks for.

#include <QApplication>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/window/Application.h"
#include "app/window/MainWindow.h"
#include "app/window/ProgramInfo.h"
#include "app/update/UpdateWindow.h"
#include "cli/Command.h"
#include "cli/qt/WindowApplication.h"
#include "cli/qt/ui/UiDialogs.h"
#include "cli/qt/ui/UiDriver.h"
#include "platform/ProgramDirectory.h"

namespace tessaly::cli {

namespace {

constexpr const char* kUsage =
    "ui [--program-dir DIR] [--size WxH] [--update-url URL] SCRIPT   (ui --help: the script vocabulary)";

constexpr const char* kHelp = R"(tessaly-cli ui [--program-dir DIR] [--size WxH] [--update-url URL] SCRIPT

Runs the main window offscreen (unless QT_QPA_PLATFORM is set) with DIR as
the program directory (created and given the shipped defaults it lacks),
URL as the update information page of the update window (instead of the
program's site; an address on this computer counts as reachable offline),
runs SCRIPT line by line and prints results on stdout. A bad line or a
failed step prints "line N: message" on stderr and exits 1. Lines run on
while a modal window of the program is open; actions then act on it.
Words are separated by spaces; "quoted words" may hold spaces and the
escapes \r \n \t \" \\. Blank lines and lines starting with # are skipped.

Dialog answers, queued per kind and used in order (an unanswered dialog is
cancelled; a message box takes its default button):
  answer message yes|no|cancel|ok     answer input "TEXT"|cancel
  answer open "PATH"|cancel           answer save "PATH"|cancel
  answer color RRGGBB|cancel
Every dialog shown prints one line ("dialog message "TEXT" -> yes" ...);
the desktop shell opens nothing and prints "shell open "ADDRESS" "PARAMS"";
a message sound prints "beep 0xTYPE" (0x40: information).

Actions:
  click NAME               button or menu item by object name, else by caption
  type "TEXT"              key presses into the focused control
  key KEY                  one key, e.g. Ctrl+Z, F3, Shift+End, Delete, Return
  focus SrcEdit|Viewer|WebBrowser
  set NAME "TEXT"          the text of a line edit, text area or combo box
  check NAME true|false    a check box or radio button
  caret X Y                click on the editor's character (1-based column, line)
  select X1 Y1 X2 Y2       drag in the editor
  viewer-select "TEXT"     drag across the first occurrence of TEXT in the viewer
  viewer-click "TEXT"      click on its first character
  dblclick JavaList|PHPList|SymbolList ROW   (rows count from 0)
  page HTMLPageControl|EditPageControl|SkriptPageControl N   click on tab N
  drop "PATH" ["PATH" ...] files dropped from the desktop onto the window
  browser-select "TEXT"    select TEXT in the browser page
  browser-element TAG [N]  select the N-th TAG element (from 0) as a whole
  browser-command NAME ["VALUE"]   a document command of the browser editing
                           object on the selection (Bold, JustifyCenter, ...)
  wait MS | wait browser   let time pass | until the browser's document is complete
  wait window NAME         hold the next lines until the modal window NAME is open
  wait update              hold the next lines until the update window's check ended
  close                    prints "closed" or "close refused"
  screenshot "PATH"        the active window as PNG

Queries:
  print text | selection | caret | modified | filename | caption | status
  print encoding           "encoding NAME", then " bom" and " invalid N" when they apply
  print marquee | viewer-text | viewer-selection | viewer-position | gutter
  print focus              SrcEdit, Viewer, WebBrowser, else the control's name or none
  print list NAME | component NAME | enabled NAME | checked NAME | browser-html
  print shortcut NAME      a menu item's shortcuts, as the menu shows them
  print file "PATH"        a text file (a language or settings file), line by line
Texts print as UTF-8; lines of text as "| LINE".
)";

struct Options {
  std::string programDir;
  int width = 0, height = 0;
  std::string updateUrl;
  std::string script;
};

Options ParseOptions(const Arguments& args) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help") {
      std::fputs(kHelp, stdout);
      throw ExitCode{0};
    } else if (args[i] == "--program-dir" && i + 1 < args.size()) {
      options.programDir = args[++i];
    } else if (args[i] == "--update-url" && i + 1 < args.size()) {
      options.updateUrl = args[++i];
    } else if (args[i] == "--size" && i + 1 < args.size()) {
      if (std::sscanf(args[++i].c_str(), "%dx%d", &options.width, &options.height) != 2 || options.width <= 0 ||
          options.height <= 0)
        throw UsageError{kUsage};
    } else if (options.script.empty() && args[i].rfind("--", 0) != 0) {
      options.script = args[i];
    } else {
      throw UsageError{kUsage};
    }
  }
  if (options.script.empty()) throw UsageError{kUsage};
  return options;
}

std::vector<std::string> ScriptLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

void RunUi(const Arguments& args) {
  const Options options = ParseOptions(args);
  const std::vector<std::string> script = ScriptLines(options.script);
  if (!options.programDir.empty()) SetProgramDirectory(options.programDir);
  WindowApplication application;
  // Lines after "close" still run and print.
  QApplication::setQuitOnLastWindowClosed(false);
  DriverDialogs dialogs;
  DriverShell shell;
  int code = 0;
  {
    TApplicationForms forms(dialogs, shell, ProgramVersion());
    TOsnovnFRM& window = forms.OsnovnFRM();
    if (!options.updateUrl.empty()) forms.form_MainWindow().SetUpdateUrl(options.updateUrl);
    if (options.width > 0) {
      window.resize(options.width, options.height);
      window.show();
    } else {
      window.showMaximized();
    }
    window.activateWindow();
    UiDriver driver(window, dialogs, script);
    driver.Start();
    code = QApplication::exec();
  }
  std::fflush(stdout);
  if (code != 0) throw ExitCode{code};
}

const CommandRegistration registration("ui", kUsage, RunUi);

}  // namespace

}  // namespace tessaly::cli
