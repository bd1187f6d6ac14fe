#pragma once
// The window driver: runs a script line by line against the real main
// window. Each line runs from the event loop, and the next one is scheduled
// before it starts, so lines go on while a modal window of the program is
// open (the next lines then act on that window).

#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace tessaly {
class TOsnovnFRM;
}

namespace tessaly::cli {

class DriverDialogs;
class UiDriver;

using Words = std::vector<std::string>;  // the words after the verb

// How long a line waits for the browser's page to complete.
constexpr int BrowserWaitMilliseconds = 15000;

struct UiVerb {
  const char* Name;
  size_t MinWords, MaxWords;
  void (*Run)(UiDriver& driver, const Words& words);
};

// Verbs that act (UiActions.cpp) and the objects of "print" (UiQueries.cpp).
const std::vector<UiVerb>& ActionVerbs();
const std::vector<UiVerb>& QueryVerbs();

class UiDriver : public QObject {
public:
  UiDriver(TOsnovnFRM& window, DriverDialogs& dialogs, std::vector<std::string> script);

  // Schedules the first line; the application's event loop ends with the
  // exit code once the script has run or a line failed.
  void Start();

  TOsnovnFRM& Window() { return window_; }
  DriverDialogs& Dialogs() { return dialogs_; }
  // The window actions act on: the program's open modal window, else the main window.
  QWidget* TargetWindow() const;
  // The object named `name` in the target window (then in the main window).
  QObject* FindObject(const std::string& name) const;
  template <typename T>
  T* Find(const std::string& name) const {
    return qobject_cast<T*>(FindObject(name));
  }

  // Holds the next lines back, without blocking the event loop, until
  // `condition` holds; the script fails when it has not within `timeoutMs`.
  void WaitUntil(std::function<bool()> condition, int timeoutMs, std::string what);

private:
  void RunNext();
  void RunLine(const std::string& line);
  void Finish(int code);

  TOsnovnFRM& window_;
  DriverDialogs& dialogs_;
  std::vector<std::string> script_;
  size_t next_ = 0;
  bool finished_ = false;
  std::function<bool()> until_;
  std::chrono::steady_clock::time_point untilDeadline_;
  std::string untilWhat_;
  size_t untilLine_ = 0;
};

// Prints one line of the driver's output.
void Output(const std::string& line);

}  // namespace tessaly::cli
