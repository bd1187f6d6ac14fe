#include "qt/QtWindowServices.h"

#include <QToolTip>
#include <QWidget>

#include "qt/Cp1251Text.h"

namespace tessaly {

Qt::CursorShape QtCursorShape(TCursorShape shape) {
  switch (shape) {
    case TCursorShape::crDefault:
    case TCursorShape::crArrow: break;
    case TCursorShape::crIBeam: return Qt::IBeamCursor;
    case TCursorShape::crHandPoint: return Qt::PointingHandCursor;
    case TCursorShape::crDrag: return Qt::DragMoveCursor;
    case TCursorShape::crNoDrop: return Qt::ForbiddenCursor;
    case TCursorShape::crSizeAll: return Qt::SizeAllCursor;
    case TCursorShape::crHourGlass: return Qt::WaitCursor;
  }
  return Qt::ArrowCursor;
}

void ShowHintWindow(QWidget& widget, const std::string& text, TPoint at) {
  if (text.empty()) QToolTip::hideText();
  else QToolTip::showText(widget.mapToGlobal(QPoint(at.X, at.Y)), QStringFromCp1251(text), &widget);
}

int QtTimerSet::Start(int intervalMs, std::function<void()> tick) {
  auto timer = std::make_unique<QTimer>();
  timer->setInterval(intervalMs);
  QObject::connect(timer.get(), &QTimer::timeout, &context_, std::move(tick));
  timer->start();
  const int id = nextId_++;
  timers_[id] = std::move(timer);
  return id;
}

void QtTimerSet::Stop(int id) {
  const auto found = timers_.find(id);
  if (found == timers_.end()) return;
  found->second->stop();
  found->second.release()->deleteLater();
  timers_.erase(found);
}

}  // namespace tessaly
