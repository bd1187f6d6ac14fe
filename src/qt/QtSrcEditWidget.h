#pragma once
// The source editor on screen: a scroll area whose viewport the editor core
// paints and whose event handlers only hand events on to the core.

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

#include "editor/SrcEdit.h"
#include "qt/DocumentCodec.h"
#include "qt/QtControlHost.h"

namespace tessaly {

class QtSrcEditWidget : public QAbstractScrollArea {
  Q_OBJECT
public:
  explicit QtSrcEditWidget(TClipboard& clipboard, QWidget* parent = nullptr);
  ~QtSrcEditWidget() override;

  TSrcEdit& Editor() { return *editor_; }
  // Typed and dragged text in the document's encoding.
  TDocumentCodec& Codec() { return codec_; }
  QtControlHost& Host() { return *host_; }

  // A key was released (the core has no use for releases; the window has).
  std::function<void(uint16_t key, TShiftState shift)> OnKeyUp;
  // A left click ended in the editor (after the core placed caret and selection).
  std::function<void()> OnClick;

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // The core moves the view itself.
  void scrollContentsBy(int, int) override {}

private:
  void StartDrag();

  std::unique_ptr<QtControlHost> host_;
  std::unique_ptr<TSrcEdit> editor_;
  TDocumentCodec codec_;
};

}  // namespace tessaly
