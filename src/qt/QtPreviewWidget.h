#pragma once
// The preview viewer as a Qt widget: the window side of THtmlPreview. It
// paints double-buffered through QtCanvas, forwards input to the core, places
// its own two scroll bars (the control host carries their values), and, as
// the viewer's container, makes the real widgets behind form controls.

#include <QWidget>

#include <functional>
#include <map>
#include <memory>

#include "preview/document/PreviewContainer.h"
#include "preview/viewer/HtmlPreview.h"

class QScrollBar;

namespace tessaly {

class QtControlHost;

class QtPreviewWidget : public QWidget, public preview::TPreviewContainer {
public:
  explicit QtPreviewWidget(QWidget* parent = nullptr);
  ~QtPreviewWidget() override;

  preview::THtmlPreview& Viewer() { return *viewer_; }
  // A mouse button was released over the page (after the core's own handling).
  std::function<void()> OnMouseUp;

  // TPreviewContainer
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

  QScrollBar* vBar_;
  QScrollBar* hBar_;
  std::unique_ptr<QtControlHost> host_;
  std::unique_ptr<preview::THtmlPreview> viewer_;
  std::map<preview::TFormControlObj*, QWidget*> controls_;
};

}  // namespace tessaly
