#include "qt/QtSrcEditWidget.h"

#include <QDrag>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>

#include "qt/QtCanvas.h"
#include "qt/QtKeys.h"

namespace tessaly {
namespace {

// Text dragged out of an editor, with the editor it comes from.
class SrcEditDragData : public QMimeData {
public:
  explicit SrcEditDragData(TSrcEdit& source) : Source(source) {}
  TSrcEdit& Source;
};

TSrcEdit* DragSource(const QMimeData* data) {
  const auto* drag = dynamic_cast<const SrcEditDragData*>(data);
  return drag ? &drag->Source : nullptr;
}

bool MouseButtonOf(Qt::MouseButton qtButton, TMouseButton& button) {
  switch (qtButton) {
    case Qt::LeftButton: button = TMouseButton::mbLeft; return true;
    case Qt::RightButton: button = TMouseButton::mbRight; return true;
    case Qt::MiddleButton: button = TMouseButton::mbMiddle; return true;
    default: return false;
  }
}

TShiftState ShiftOf(const QMouseEvent& event) { return ShiftStateOf(event.modifiers(), event.buttons()); }

}  // namespace

QtSrcEditWidget::QtSrcEditWidget(TClipboard& clipboard, QWidget* parent)
    : QAbstractScrollArea(parent), host_(std::make_unique<QtControlHost>(*this)) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  setAcceptDrops(true);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  viewport()->setCursor(Qt::IBeamCursor);
  editor_ = std::make_unique<TSrcEdit>(*host_, clipboard);
  host_->OnScroll = [this](TScrollBarKind bar, TScrollCode code, int position) {
    if (bar == TScrollBarKind::sbHorizontal) editor_->HorizontalScroll(code, position);
    else editor_->VerticalScroll(code, position);
  };
  host_->OnBeginDrag = [this] { StartDrag(); };
}

// The core goes first: it still talks to the host while it is destroyed.
QtSrcEditWidget::~QtSrcEditWidget() { editor_.reset(); }

bool QtSrcEditWidget::event(QEvent* event) {
  // Tab moves the focus unless the editor wants it as input.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        editor_->WantsKey(VK_TAB, ShiftStateOf(key->modifiers()))) {
      keyPressEvent(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

void QtSrcEditWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect area = event->rect();
  QtCanvas canvas(painter, {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
  host_->BeginPaint();
  editor_->Paint(canvas);
  host_->PaintCaret(painter);
  host_->EndPaint();
}

void QtSrcEditWidget::resizeEvent(QResizeEvent*) { editor_->Resize(); }

void QtSrcEditWidget::keyPressEvent(QKeyEvent* event) {
  const TShiftState shift = ShiftStateOf(event->modifiers());
  uint16_t key = VirtualKeyOf(event->key());
#ifdef Q_OS_WIN
  // Letters of other keyboard layouts still have their key's code there.
  if (key == 0) key = static_cast<uint16_t>(event->nativeVirtualKey());
#endif
  if (key != 0) editor_->KeyDown(key, shift);
  // Characters follow their key as on the system the bindings were made
  // for: none with Alt alone (AltGr counts as Ctrl+Alt) and none for Delete.
  const QString text = event->text();
  const bool altOnly = (shift & ssAlt) && !(shift & ssCtrl);
  if (!text.isEmpty() && !altOnly && text != QStringLiteral("\x7f")) {
    std::string bytes = codec_.Encode(text);
    // One byte is one typed character; a character of several bytes (or a
    // reference for one the encoding lacks) goes in whole, as one edit.
    if (bytes.size() == 1)
      editor_->KeyPress(bytes.front());
    else if (!bytes.empty())
      editor_->RunCommand(ecImeStr, '\0', &bytes);
  }
  event->accept();
}

void QtSrcEditWidget::keyReleaseEvent(QKeyEvent* event) {
  if (OnKeyUp) OnKeyUp(VirtualKeyOf(event->key()), ShiftStateOf(event->modifiers()));
}

void QtSrcEditWidget::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty()) return;
  std::string text = codec_.Encode(event->commitString());
  editor_->RunCommand(ecImeStr, '\0', &text);
}

void QtSrcEditWidget::mousePressEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!MouseButtonOf(event->button(), button)) return;
  const QPoint at = event->position().toPoint();
  editor_->MouseDown(button, ShiftOf(*event), at.x(), at.y());
}

void QtSrcEditWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  editor_->MouseMove(ShiftOf(*event), at.x(), at.y());
  host_->SetCursor(editor_->CursorAt(at.x(), at.y()));
}

void QtSrcEditWidget::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!MouseButtonOf(event->button(), button)) return;
  const QPoint at = event->position().toPoint();
  editor_->MouseUp(button, ShiftOf(*event), at.x(), at.y());
  if (button == TMouseButton::mbLeft && OnClick) OnClick();
}

// The second press of a double click: the word is selected first, then the
// press arrives flagged so that it leaves that selection alone.
void QtSrcEditWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!MouseButtonOf(event->button(), button)) return;
  const QPoint at = event->position().toPoint();
  if (button == TMouseButton::mbLeft) editor_->DblClick();
  editor_->MouseDown(button, ShiftOf(*event) | ssDouble, at.x(), at.y());
}

void QtSrcEditWidget::wheelEvent(QWheelEvent* event) {
  editor_->MouseWheel(event->angleDelta().y(), ShiftStateOf(event->modifiers(), event->buttons()));
  event->accept();
}

void QtSrcEditWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  editor_->FocusIn();
}

void QtSrcEditWidget::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  editor_->FocusOut();
}

// ---- dragging text ------------------------------------------------------------

void QtSrcEditWidget::StartDrag() {
  auto data = std::make_unique<SrcEditDragData>(*editor_);
  data->setText(codec_.Decode(editor_->SelText()));
  auto* drag = new QDrag(this);  // Qt deletes it when the drag ends
  drag->setMimeData(data.release());
  drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

void QtSrcEditWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (editor_->DragOverAccept(DragSource(event->mimeData()))) event->acceptProposedAction();
}

void QtSrcEditWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (editor_->DragOverAccept(DragSource(event->mimeData()))) event->acceptProposedAction();
}

void QtSrcEditWidget::dropEvent(QDropEvent* event) {
  TSrcEdit* source = DragSource(event->mimeData());
  if (!source) return;
  const QPoint at = event->position().toPoint();
  editor_->DragDrop(*source, at.x(), at.y(), ShiftStateOf(event->modifiers()));
  event->acceptProposedAction();
}

}  // namespace tessaly
