#pragma once
// The window services a custom-drawn core control asks for, for every Qt
// widget that hosts one: a client widget the control paints, two scroll bars
// carrying the control's ranges (32-bit values), pointer shapes, hints,
// timers, posted calls, and a caret drawn over the client after the control
// has painted, blinking while the control has the focus. The hosting widget
// calls BeginPaint, PaintCaret and EndPaint around the control's painting.
//
// The bars are heard in either of two ways: OnScroll gets the user's actions
// as scroll codes and the control alone decides where the view goes (the
// source editor); OnScrollValue gets each new value of a bar (the viewer).

#include <QImage>
#include <QObject>
#include <QPainter>
#include <QRect>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

#include "editor/SrcEditTypes.h"
#include "platform/ControlHost.h"
#include "qt/QtCanvas.h"

class QAbstractScrollArea;
class QScrollBar;
class QWidget;

namespace tessaly {

class QtControlHost : public QObject, public TControlHost {
  Q_OBJECT
public:
  // The area's viewport is the client; its bars are shown through the area's policies.
  explicit QtControlHost(QAbstractScrollArea& area);
  // `client` is the whole client and takes the focus; it places the bars,
  // its children, itself (OnScrollBarShown says when).
  QtControlHost(QWidget& client, QScrollBar& horizontal, QScrollBar& vertical);
  ~QtControlHost() override;

  // A scroll bar was moved by the user: line, page, track, end of scroll.
  std::function<void(TScrollBarKind bar, TScrollCode code, int position)> OnScroll;
  // A scroll bar's value changed, by the user or by the bar itself.
  std::function<void(TScrollBarKind bar, int value)> OnScrollValue;
  // A bar of the client's own was shown or hidden.
  std::function<void()> OnScrollBarShown;
  // The control asked to start dragging its selection.
  std::function<void()> OnBeginDrag;

  // A page step moves by the control's page less `overlap`, at least 1.
  void SetPageOverlap(TScrollBarKind bar, int overlap);

  void BeginPaint() { painting_ = true; }
  // Draws the caret, when shown, inverting what lies under it.
  void PaintCaret(QPainter& painter);
  void EndPaint();

  TSize ClientSize() const override;
  void Invalidate(const TRect* rect, bool erase) override;
  void ScrollArea(int dx, int dy, const TRect& area) override;
  void UpdateNow() override;

  void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override;
  TScrollInfo ScrollInfo(TScrollBarKind bar) const override;
  void ShowScrollBar(TScrollBarKind bar, bool visible) override;
  void EnableScrollArrows(TScrollBarKind bar, bool first, bool last) override;

  void CreateCaret(int width, int height) override;
  void DestroyCaret() override;
  void SetCaretPos(int x, int y) override;
  void ShowCaret(bool visible) override;
  // Where the caret is drawn now; empty when it is not.
  QRect CaretRect() const;

  void SetCapture(bool capture) override { capture_ = capture; }
  bool HasCapture() const override { return capture_; }
  bool Focused() const override;
  void SetFocus() override;
  void SetCursor(TCursorShape shape) override;
  void ShowHintText(const std::string& text, TPoint at) override;

  int StartTimer(int intervalMs, std::function<void()> tick) override;
  // A timer may be stopped from its own tick: it is deleted once that returns.
  void StopTimer(int id) override;
  void PostCall(std::function<void()> call) override;
  void ProcessEvents() override;

  TCanvas* MeasureCanvas() override { return measureCanvas_.get(); }
  int DragThreshold() const override;
  int WheelScrollLines() const override;
  void BeginDrag() override;

private:
  QtControlHost(QWidget& client, QWidget& focus, QAbstractScrollArea* area, QScrollBar& horizontal,
                QScrollBar& vertical);

  static int Index(TScrollBarKind bar) { return bar == TScrollBarKind::sbHorizontal ? 0 : 1; }
  QScrollBar& Bar(TScrollBarKind bar) const { return *bars_[Index(bar)]; }
  void ScrollBarAction(TScrollBarKind bar, int action);
  void CaretChanged();
  void Blink();

  QWidget& client_;
  QWidget& focus_;
  QAbstractScrollArea* area_;  // null when the client places its own bars
  QScrollBar* bars_[2];        // horizontal, vertical
  int pageOverlap_[2] = {0, 0};
  QImage measureImage_;
  std::unique_ptr<QPainter> measurePainter_;
  std::unique_ptr<QtCanvas> measureCanvas_;
  bool capture_ = false;
  bool painting_ = false;
  // The caret as the control asked for it, and whether its blink phase is on.
  bool caretCreated_ = false;
  bool caretShown_ = false;
  bool blinkOn_ = true;
  QRect caret_;
  QRect drawnCaret_;  // what the last paint put on screen
  QTimer blinkTimer_;
  std::map<int, std::unique_ptr<QTimer>> timers_;
  int nextTimerId_ = 1;
};

}  // namespace tessaly
