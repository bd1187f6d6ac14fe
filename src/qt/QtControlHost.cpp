#include "qt/QtControlHost.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCursor>
#include <QScrollBar>
#include <QStyleHints>
#include <QToolTip>

#include "qt/Cp1251Text.h"

namespace tessaly {
namespace {

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

}  // namespace

QtControlHost::QtControlHost(QAbstractScrollArea& area)
    : QtControlHost(*area.viewport(), area, &area, *area.horizontalScrollBar(), *area.verticalScrollBar()) {}

QtControlHost::QtControlHost(QWidget& client, QScrollBar& horizontal, QScrollBar& vertical)
    : QtControlHost(client, client, nullptr, horizontal, vertical) {}

QtControlHost::QtControlHost(QWidget& client, QWidget& focus, QAbstractScrollArea* area, QScrollBar& horizontal,
                             QScrollBar& vertical)
    : client_(client),
      focus_(focus),
      area_(area),
      bars_{&horizontal, &vertical},
      measureImage_(1, 1, QImage::Format_RGB32) {
  measurePainter_ = std::make_unique<QPainter>(&measureImage_);
  measureCanvas_ = std::make_unique<QtCanvas>(*measurePainter_, TRect{0, 0, 1, 1});
  const int flash = QApplication::cursorFlashTime();
  blinkTimer_.setInterval(flash > 0 ? flash / 2 : 500);
  connect(&blinkTimer_, &QTimer::timeout, this, [this] { Blink(); });
  for (const TScrollBarKind kind : {TScrollBarKind::sbHorizontal, TScrollBarKind::sbVertical}) {
    QScrollBar* bar = &Bar(kind);
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, kind](int action) { ScrollBarAction(kind, action); });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, kind, bar] {
      if (!OnScroll) return;
      OnScroll(kind, TScrollCode::scThumbPosition, bar->sliderPosition());
      OnScroll(kind, TScrollCode::scEndScroll, 0);
    });
    connect(bar, &QAbstractSlider::valueChanged, this, [this, kind](int value) {
      if (OnScrollValue) OnScrollValue(kind, value);
    });
  }
}

QtControlHost::~QtControlHost() {
  measureCanvas_.reset();
  measurePainter_->end();
}

// The slider's proposed position is overridden by whatever the control sets
// in answer, so the control alone decides where the view goes.
void QtControlHost::ScrollBarAction(TScrollBarKind bar, int action) {
  if (!OnScroll) return;
  QScrollBar& scrollBar = Bar(bar);
  const int value = scrollBar.value();
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: OnScroll(bar, TScrollCode::scLineDown, 0); break;
    case QAbstractSlider::SliderSingleStepSub: OnScroll(bar, TScrollCode::scLineUp, 0); break;
    case QAbstractSlider::SliderPageStepAdd: OnScroll(bar, TScrollCode::scPageDown, 0); break;
    case QAbstractSlider::SliderPageStepSub: OnScroll(bar, TScrollCode::scPageUp, 0); break;
    case QAbstractSlider::SliderToMinimum: OnScroll(bar, TScrollCode::scTop, 0); break;
    case QAbstractSlider::SliderToMaximum: OnScroll(bar, TScrollCode::scBottom, 0); break;
    case QAbstractSlider::SliderMove: OnScroll(bar, TScrollCode::scThumbTrack, scrollBar.sliderPosition()); return;
    default: return;
  }
  // A step that the control ignored leaves the bar where it was.
  if (scrollBar.value() == value) scrollBar.setSliderPosition(value);
  OnScroll(bar, TScrollCode::scEndScroll, 0);
}

// ---- painting ---------------------------------------------------------------------

TSize QtControlHost::ClientSize() const { return {client_.width(), client_.height()}; }

void QtControlHost::Invalidate(const TRect* rect, bool) {
  if (rect) client_.update(ToQRect(*rect));
  else client_.update();
}

// Repainting rather than moving pixels keeps the drawn caret out of the moved
// area, and child widgets (the viewer's form controls) are placed by the next paint.
void QtControlHost::ScrollArea(int, int, const TRect& area) { client_.update(ToQRect(area)); }

void QtControlHost::UpdateNow() {
  if (!painting_) client_.repaint();
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
  client_.update(drawnCaret_.united(now));
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

void QtControlHost::SetPageOverlap(TScrollBarKind bar, int overlap) { pageOverlap_[Index(bar)] = overlap; }

void QtControlHost::SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) {
  QScrollBar& scrollBar = Bar(bar);
  const QSignalBlocker blocker(scrollBar);
  // The control counts a range of Min..Max positions with a page; the bar's
  // largest value is where the page's end meets Max.
  scrollBar.setRange(info.Min, std::max(info.Min, info.Max - std::max(info.Page, 1) + 1));
  scrollBar.setPageStep(std::max(info.Page - pageOverlap_[Index(bar)], 1));
  // A thumb being dragged stays under the pointer; scaled positions would
  // otherwise pull it back by rounding.
  if (!scrollBar.isSliderDown()) scrollBar.setValue(info.Pos);
}

TScrollInfo QtControlHost::ScrollInfo(TScrollBarKind bar) const {
  const QScrollBar& scrollBar = Bar(bar);
  const int page = scrollBar.pageStep() + pageOverlap_[Index(bar)];
  return {scrollBar.minimum(), scrollBar.maximum() + page - 1, page, scrollBar.value()};
}

void QtControlHost::ShowScrollBar(TScrollBarKind bar, bool visible) {
  if (!area_) {
    Bar(bar).setVisible(visible);
    if (OnScrollBarShown) OnScrollBarShown();
    return;
  }
  const Qt::ScrollBarPolicy policy = visible ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  // Setting a policy lays the area out again, which resizes the control.
  if (bar == TScrollBarKind::sbHorizontal) {
    if (area_->horizontalScrollBarPolicy() != policy) area_->setHorizontalScrollBarPolicy(policy);
  } else if (area_->verticalScrollBarPolicy() != policy) {
    area_->setVerticalScrollBarPolicy(policy);
  }
}

// Qt's bars cannot disable one arrow: a bar is disabled when neither end can scroll.
void QtControlHost::EnableScrollArrows(TScrollBarKind bar, bool first, bool last) {
  Bar(bar).setEnabled(first || last);
}

// ---- focus, mouse, hint -------------------------------------------------------------

bool QtControlHost::Focused() const { return focus_.hasFocus(); }

void QtControlHost::SetFocus() { focus_.setFocus(Qt::MouseFocusReason); }

void QtControlHost::SetCursor(TCursorShape shape) {
  // Setting the same shape again on every pointer move would only make work;
  // a client that never set one shows its parent's, so the first is set.
  const Qt::CursorShape cursor = QtCursorShape(shape);
  if (!client_.testAttribute(Qt::WA_SetCursor) || client_.cursor().shape() != cursor) client_.setCursor(cursor);
}

void QtControlHost::ShowHintText(const std::string& text, TPoint at) {
  if (text.empty()) QToolTip::hideText();
  else QToolTip::showText(client_.mapToGlobal(QPoint(at.X, at.Y)), QStringFromCp1251(text), &client_);
}

int QtControlHost::DragThreshold() const { return QApplication::startDragDistance(); }

int QtControlHost::WheelScrollLines() const { return QApplication::wheelScrollLines(); }

void QtControlHost::BeginDrag() {
  if (OnBeginDrag) OnBeginDrag();
}

// ---- timers and posted calls ----------------------------------------------------------

int QtControlHost::StartTimer(int intervalMs, std::function<void()> tick) {
  auto timer = std::make_unique<QTimer>();
  timer->setInterval(intervalMs);
  connect(timer.get(), &QTimer::timeout, this, std::move(tick));
  timer->start();
  const int id = nextTimerId_++;
  timers_[id] = std::move(timer);
  return id;
}

void QtControlHost::StopTimer(int id) {
  const auto found = timers_.find(id);
  if (found == timers_.end()) return;
  found->second->stop();
  found->second.release()->deleteLater();
  timers_.erase(found);
}

void QtControlHost::PostCall(std::function<void()> call) {
  QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void QtControlHost::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace tessaly
