#pragma once
// The preview viewer as a Qt widget: the window side of THtmlPreview. It
// paints double-buffered through QtCanvas, forwards input to the core, keeps
// the two scroll bars, and makes the real widgets behind form controls.

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

#include "platform/ControlHost.h"
#include "preview/FormWidgets.h"
#include "preview/HtmlPreview.h"
#include "qt/QtCanvas.h"
#include "qt/QtWindowServices.h"

class QScrollBar;

namespace tessaly {

class QtPreviewWidget : public QWidget, public TControlHost, public preview::TFormWidgetHost {
public:
  explicit QtPreviewWidget(QWidget* parent = nullptr);
  ~QtPreviewWidget() override;

  preview::THtmlPreview& Viewer() { return *viewer_; }
  // A mouse button was released over the page (after the core's own handling).
  std::function<void()> OnMouseUp;

  // TControlHost
  TSize ClientSize() const override;
  void Invalidate(const TRect* rect, bool erase) override;
  void ScrollArea(int dx, int dy, const TRect& area) override;
  void UpdateNow() override;
  void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override;
  TScrollInfo ScrollInfo(TScrollBarKind bar) const override;
  void ShowScrollBar(TScrollBarKind bar, bool visible) override;
  void CreateCaret(int, int) override {}
  void DestroyCaret() override {}
  void SetCaretPos(int, int) override {}
  void ShowCaret(bool) override {}
  void SetCapture(bool) override {}
  bool HasCapture() const override;
  bool Focused() const override;
  void SetFocus() override;
  void SetCursor(TCursorShape shape) override;
  void ShowHintText(const std::string& text, TPoint at) override;
  int StartTimer(int intervalMs, std::function<void()> tick) override;
  void StopTimer(int id) override;
  void PostCall(std::function<void()> call) override;
  void ProcessEvents() override;

  // TFormWidgetHost
  void PlaceControl(preview::TFormControlObj& control, const TRect& rect) override;
  void ClearControls() override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  void PlaceScrollBars();
  QWidget* MakeControl(preview::TFormControlObj& control);
  void SyncRadioButtons();

  QImage measureImage_;
  QPainter measurePainter_;
  std::unique_ptr<QtCanvas> measureCanvas_;
  QScrollBar* vBar_;
  QScrollBar* hBar_;
  std::unique_ptr<preview::THtmlPreview> viewer_;
  QtTimerSet timers_;
  std::map<preview::TFormControlObj*, QWidget*> controls_;
};

}  // namespace tessaly
