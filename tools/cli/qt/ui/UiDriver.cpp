#include "cli/qt/ui/UiDriver.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "app/window/MainWindow.h"
#include "cli/qt/ui/UiScript.h"
#include "qt/BrowserView.h"

namespace tessaly::cli {

void Output(const std::string& line) { std::printf("%s\n", line.c_str()); }

UiDriver::UiDriver(TOsnovnFRM& window, DriverDialogs& dialogs, std::vector<std::string> script)
    : window_(window), dialogs_(dialogs), script_(std::move(script)) {}

void UiDriver::Start() {
  QTimer::singleShot(0, this, [this] {
    // The browser page's start page is made editable when it completes; on
    // a busy machine that can come late, in the middle of a script. Let it
    // complete before the first line, so every script meets the same window.
    // A start page that never completes is a script's own business.
    window_.WebBrowser->WaitComplete(BrowserWaitMilliseconds);
    RunNext();
  });
}

QWidget* UiDriver::TargetWindow() const {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : &window_;
}

QObject* UiDriver::FindObject(const std::string& name) const {
  const QString objectName = QString::fromStdString(name);
  QWidget* target = TargetWindow();
  if (target->objectName() == objectName) return target;
  if (QObject* found = target->findChild<QObject*>(objectName)) return found;
  if (target != &window_) {
    if (QObject* found = window_.findChild<QObject*>(objectName)) return found;
  }
  // Windows of the program that stay open beside the main window, such as
  // the browser page's link prompt.
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    if (top->objectName() == objectName) return top;
    if (QObject* found = top->findChild<QObject*>(objectName)) return found;
  }
  return nullptr;
}

void UiDriver::RunNext() {
  if (finished_) return;
  // A line waiting for the browser is still running: the next one must not
  // start inside it.
  if (window_.WebBrowser->Waiting()) {
    QTimer::singleShot(5, this, [this] { RunNext(); });
    return;
  }
  if (until_) {
    if (!until_()) {
      if (std::chrono::steady_clock::now() > untilDeadline_) {
        std::fflush(stdout);
        std::fprintf(stderr, "line %zu: %s\n", untilLine_, untilWhat_.c_str());
        Finish(1);
        return;
      }
      QTimer::singleShot(5, this, [this] { RunNext(); });
      return;
    }
    until_ = nullptr;
  }
  if (next_ == script_.size()) {
    Finish(0);
    return;
  }
  // The preview follows edits a little later; a script sees it in step.
  window_.ReloadPendingPreview();
  const size_t number = ++next_;
  // Scheduled first: a line that opens a modal window waits inside it while
  // the next lines run.
  QTimer::singleShot(0, this, [this] { RunNext(); });
  try {
    RunLine(script_[number - 1]);
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "line %zu: %s\n", number, error.what());
    Finish(1);
  }
}

void UiDriver::WaitUntil(std::function<bool()> condition, int timeoutMs, std::string what) {
  until_ = std::move(condition);
  untilDeadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  untilWhat_ = std::move(what);
  untilLine_ = next_;
}

void UiDriver::RunLine(const std::string& line) {
  const std::vector<std::string> words = ScriptWords(line);
  if (words.empty()) return;
  for (const UiVerb& verb : ActionVerbs()) {
    if (words[0] != verb.Name) continue;
    const Words rest(words.begin() + 1, words.end());
    if (rest.size() < verb.MinWords || rest.size() > verb.MaxWords)
      throw ScriptError("wrong number of words for '" + words[0] + "'");
    verb.Run(*this, rest);
    return;
  }
  throw ScriptError("unknown command '" + words[0] + "'");
}

void UiDriver::Finish(int code) {
  finished_ = true;
  std::fflush(stdout);
  // A page completing while the event loops end would wait for the engine
  // in vain and report that: the script is over, nothing is made editable.
  window_.WebBrowser->OnDocumentComplete = nullptr;
  // Ends every event loop, modal ones included.
  QCoreApplication::exit(code);
}

}  // namespace tessaly::cli
