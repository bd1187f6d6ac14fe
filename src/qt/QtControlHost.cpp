#include "qt/QtControlHost.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCursor>
#include <QScrollBar>
#include <QStyleHints>

namespace tessaly {

QtControlHost::QtControlHost(QAbstractScrollArea& area)
    : area_(area), measureImage_(1, 1, QImage::Format_RGB32), timers_(*this) {
  measurePainter_ = std::make_unique<QPainter>(&measureImage_);
  measureCanvas_ = std::make_unique<QtCanvas>(*measurePainter_, TRect{0, 0, 1, 1});
  const int flash = QApplication::cursorFlashTime();
  blinkTimer_.setInterval(flash > 0 ? flash / 2 : 500);
  connect(&blinkTimer_, &QTimer::timeout, this, [this] { Blink(); });
  for (const TScrollBarKind kind : {TScrollBarKind::sbHorizontal, TScrollBarKind::sbVertical}) {
    QScrollBar* bar = Bar(kind);
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, kind](int action) { ScrollBarAction(kind, action); });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, kind, bar] {
      if (!OnScroll) return;
      OnScroll(kind, TScrollCode::scThumbPosition, bar->sliderPosition());
      OnScroll(kind, TScrollCode::scEndScroll, 0);
    });
  }
}

QtControlHost::~QtControlHost() {
  measureCanvas_.reset();
  measurePainter_->end();
}

QScrollBar* QtControlHost::Bar(TScrollBarKind bar) const {
  return bar == TScrollBarKind::sbHorizontal ? area_.horizontalScrollBar() : area_.verticalScrollBar();
}

// The slider's proposed position is overridden by whatever the control sets
// in answer, so the control alone decides where the view goes.
void QtControlHost::ScrollBarAction(TScrollBarKind bar, int action) {
  if (!OnScroll) return;
  QScrollBar* scrollBar = Bar(bar);
  const int value = scrollBar->value();
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: OnScroll(bar, TScrollCode::scLineDown, 0); break;
    case QAbstractSlider::SliderSingleStepSub: OnScroll(bar, TScrollCode::scLineUp, 0); break;
    case QAbstractSlider::SliderPageStepAdd: OnScroll(bar, TScrollCode::scPageDown, 0); break;
    case QAbstractSlider::SliderPageStepSub: OnScroll(bar, TScrollCode::scPageUp, 0); break;
    case QAbstractSlider::SliderToMinimum: OnScroll(bar, TScrollCode::scTop, 0); break;
    case QAbstractSlider::SliderToMaximum: OnScroll(bar, TScrollCode::scBottom, 0); break;
    case QAbstractSlider::SliderMove: OnScroll(bar, TScrollCode::scThumbTrack, scrollBar->sliderPosition()); return;
    default: return;
  }
  // A step that the control ignored leaves the bar where it was.
  if (scrollBar->value() == value) scrollBar->setSliderPosition(value);
  OnScroll(bar, TScrollCode::scEndScroll, 0);
}

// ---- painting ---------------------------------------------------------------------

TSize QtControlHost::ClientSize() const {
  const QSize size = area_.viewport()->size();
  return {size.width(), size.height()};
}

void QtControlHost::Invalidate(const TRect* rect, bool) {
  if (rect) area_.viewport()->update(ToQRect(*rect));
  else area_.viewport()->update();
}

// Repainting rather than moving pixels keeps the drawn caret out of the moved area.
void QtControlHost::ScrollArea(int, int, const TRect& area) { area_.viewport()->update(ToQRect(area)); }

void QtControlHost::UpdateNow() {
  if (!painting_) area_.viewport()->repaint();
}

QRect QtControlHost::CaretRect() const {
  return caretCreated_ && caretShown_ && blinkOn_ && Focused() ? caret_ : QRect();
}

void QtControlHost::PaintCaret(QPainter& painter) {
  drawnCaret_ = CaretRect();
  if (drawnCaret_.isEmpty()) return;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.fillRect(drawnCaret_, Qt::white);
  painter.restore();
}

void QtControlHost::EndPaint() {
  painting_ = false;
  CaretChanged();
}

// Repaints where the caret was drawn and where it is to be drawn now.
void QtControlHost::CaretChanged() {
  if (painting_) return;
  const QRect now = CaretRect();
  if (now == drawnCaret_) return;
  area_.viewport()->update(drawnCaret_.united(now));
}

void QtControlHost::Blink() {
  blinkOn_ = !blinkOn_;
  CaretChanged();
}

void QtControlHost::CreateCaret(int width, int height) {
  caretCreated_ = true;
  caretShown_ = false;
  caret_.setSize({width, height});
  blinkTimer_.start();
  CaretChanged();
}

void QtControlHost::DestroyCaret() {
  caretCreated_ = false;
  blinkTimer_.stop();
  CaretChanged();
}

void QtControlHost::SetCaretPos(int x, int y) {
  caret_.moveTopLeft({x, y});
  blinkOn_ = true;  // a moved caret is seen at once
  if (caretCreated_) blinkTimer_.start();
  CaretChanged();
}

void QtControlHost::ShowCaret(bool visible) {
  caretShown_ = visible;
  CaretChanged();
}

// ---- scroll bars ------------------------------------------------------------------

void QtControlHost::SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) {
  QScrollBar* scrollBar = Bar(bar);
  const QSignalBlocker blocker(scrollBar);
  // The control counts a range of Min..Max positions with a page; the bar's
  // largest value is where the page's end meets Max.
  scrollBar->setRange(info.Min, std::max(info.Min, info.Max - std::max(info.Page, 1) + 1));
  scrollBar->setPageStep(std::max(info.Page, 1));
  // A thumb being dragged stays under the pointer; scaled positions would
  // otherwise pull it back by rounding.
  if (!scrollBar->isSliderDown()) scrollBar->setValue(info.Pos);
}

TScrollInfo QtControlHost::ScrollInfo(TScrollBarKind bar) const {
  const QScrollBar* scrollBar = Bar(bar);
  const int page = scrollBar->pageStep();
  return {scrollBar->minimum(), scrollBar->maximum() + page - 1, page, scrollBar->value()};
}

void QtControlHost::ShowScrollBar(TScrollBarKind bar, bool visible) {
  const Qt::ScrollBarPolicy policy = visible ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  // Setting a policy lays the area out again, which resizes the control.
  if (bar == TScrollBarKind::sbHorizontal) {
    if (area_.horizontalScrollBarPolicy() != policy) area_.setHorizontalScrollBarPolicy(policy);
  } else if (area_.verticalScrollBarPolicy() != policy) {
    area_.setVerticalScrollBarPolicy(policy);
  }
}

// Qt's bars cannot disable one arrow: a bar is disabled when neither end can scroll.
void QtControlHost::EnableScrollArrows(TScrollBarKind bar, bool first, bool last) {
  Bar(bar)->setEnabled(first || last);
}

// ---- focus, mouse, hint -------------------------------------------------------------

bool QtControlHost::Focused() const { return area_.hasFocus(); }

void QtControlHost::SetFocus() { area_.setFocus(Qt::MouseFocusReason); }

void QtControlHost::SetCursor(TCursorShape shape) {
  const Qt::CursorShape cursor = QtCursorShape(shape);
  if (area_.viewport()->cursor().shape() != cursor) area_.viewport()->setCursor(cursor);
}

void QtControlHost::ShowHintText(const std::string& text, TPoint at) { ShowHintWindow(*area_.viewport(), text, at); }

int QtControlHost::DragThreshold() const { return QApplication::startDragDistance(); }

int QtControlHost::WheelScrollLines() const { return QApplication::wheelScrollLines(); }

void QtControlHost::BeginDrag() {
  if (OnBeginDrag) OnBeginDrag();
}

// ---- timers and posted calls ----------------------------------------------------------

int QtControlHost::StartTimer(int intervalMs, std::function<void()> tick) {
  return timers_.Start(intervalMs, std::move(tick));
}

void QtControlHost::StopTimer(int id) { timers_.Stop(id); }

void QtControlHost::PostCall(std::function<void()> call) {
  QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void QtControlHost::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace tessaly
