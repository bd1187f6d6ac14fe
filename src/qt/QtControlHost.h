#pragma once
// The window services a custom-drawn core control asks for, on a
// QAbstractScrollArea: the viewport is the client area, the area's two
// scroll bars carry the control's ranges (32-bit values), and the caret is
// drawn over the viewport after the control has painted, blinking while the
// control has the focus. The widget that hosts the control calls BeginPaint,
// PaintCaret and EndPaint around the control's painting and hands scroll-bar
// actions on through OnScroll.

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
#include "qt/QtWindowServices.h"

class QAbstractScrollArea;
class QScrollBar;

namespace tessaly {

class QtControlHost : public QObject, public TControlHost {
  Q_OBJECT
public:
  explicit QtControlHost(QAbstractScrollArea& area);
  ~QtControlHost() override;

  // A scroll bar was moved by the user: line, page, track, end of scroll.
  std::function<void(TScrollBarKind bar, TScrollCode code, int position)> OnScroll;
  // The control asked to start dragging its selection.
  std::function<void()> OnBeginDrag;

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
  void StopTimer(int id) override;
  void PostCall(std::function<void()> call) override;
  void ProcessEvents() override;

  TCanvas* MeasureCanvas() override { return measureCanvas_.get(); }
  int DragThreshold() const override;
  int WheelScrollLines() const override;
  void BeginDrag() override;

private:
  QScrollBar* Bar(TScrollBarKind bar) const;
  void ScrollBarAction(TScrollBarKind bar, int action);
  void CaretChanged();
  void Blink();

  QAbstractScrollArea& area_;
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
  QtTimerSet timers_;
};

}  // namespace tessaly
