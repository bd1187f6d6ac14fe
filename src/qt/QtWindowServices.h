#pragma once
// Window services shared by every Qt host of a core control: pointer shapes,
// repeating timers known by number, the hint window.

#include <QCursor>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/ControlHost.h"

class QWidget;

namespace tessaly {

Qt::CursorShape QtCursorShape(TCursorShape shape);

// Shows `text` (windows-1251 bytes) near `at` of `widget`; empty text hides it.
void ShowHintWindow(QWidget& widget, const std::string& text, TPoint at);

// Repeating timers on the user-interface thread, numbered from 1.
class QtTimerSet {
public:
  explicit QtTimerSet(QObject& context) : context_(context) {}
  int Start(int intervalMs, std::function<void()> tick);
  // A timer may be stopped from its own tick: it is deleted once that returns.
  void Stop(int id);

private:
  QObject& context_;
  std::map<int, std::unique_ptr<QTimer>> timers_;
  int nextId_ = 1;
};

}  // namespace tessaly
