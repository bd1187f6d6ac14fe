#include "qt/QtPreviewWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "preview/document/Forms.h"
#include "qt/Cp1251Text.h"
#include "qt/QtCanvas.h"
#include "qt/QtControlHost.h"

namespace tessaly {

using namespace preview;

namespace {

constexpr int kBar = THtmlPreview::kScrollBarSize;

TMouseButton ButtonOf(Qt::MouseButton button) {
  if (button == Qt::RightButton) return TMouseButton::mbRight;
  if (button == Qt::MiddleButton) return TMouseButton::mbMiddle;
  return TMouseButton::mbLeft;
}

unsigned ShiftOf(Qt::KeyboardModifiers modifiers) {
  unsigned shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  return shift;
}

}  // namespace

QtPreviewWidget::QtPreviewWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  vBar_ = new QScrollBar(Qt::Vertical, this);
  hBar_ = new QScrollBar(Qt::Horizontal, this);
  vBar_->hide();
  hBar_->hide();
  // The viewer's small steps; a page step keeps 16 (20) pixels of the last page in view.
  vBar_->setSingleStep(16);
  hBar_->setSingleStep(15);
  host_ = std::make_unique<QtControlHost>(*this, *hBar_, *vBar_);
  host_->SetPageOverlap(TScrollBarKind::sbVertical, 16);
  host_->SetPageOverlap(TScrollBarKind::sbHorizontal, 20);
  host_->OnScrollBarShown = [this] { PlaceScrollBars(); };
  viewer_ = std::make_unique<THtmlPreview>(*host_, *host_->MeasureCanvas(), this);
  host_->OnScrollValue = [this](TScrollBarKind bar, int value) { viewer_->ScrollBarMoved(bar, value); };
}

// The core goes first: it still talks to the host while it is destroyed.
QtPreviewWidget::~QtPreviewWidget() { viewer_.reset(); }

void QtPreviewWidget::PlaceScrollBars() {
  const bool v = vBar_->isVisibleTo(this), h = hBar_->isVisibleTo(this);
  vBar_->setGeometry(width() - kBar, 0, kBar, height() - (h ? kBar : 0));
  hBar_->setGeometry(0, height() - kBar, width() - (v ? kBar : 0), kBar);
  vBar_->raise();
  hBar_->raise();
}

void QtPreviewWidget::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect();
  // Painted off-screen first so the page never flickers.
  const TRect clip{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
  auto paint = [&](QPainter& painter) {
    QtCanvas canvas(painter, clip);
    canvas.SetBrush(clBtnFace, TBrushStyle::bsSolid);
    canvas.FillRect(clip);
    viewer_->Paint(canvas, clip);
  };
  QImage buffer(area.size() * devicePixelRatioF(), QImage::Format_RGB32);
  if (buffer.isNull()) {
    // Without memory for the off-screen picture the page is drawn directly:
    // it may flicker, but an error escaping a paint event would end the program.
    QPainter painter(this);
    paint(painter);
    return;
  }
  buffer.setDevicePixelRatio(devicePixelRatioF());
  {
    QPainter painter(&buffer);
    painter.translate(-area.topLeft());
    paint(painter);
  }
  QPainter(this).drawImage(area.topLeft(), buffer);
}

void QtPreviewWidget::resizeEvent(QResizeEvent*) {
  PlaceScrollBars();
  viewer_->Resize();
}

void QtPreviewWidget::mousePressEvent(QMouseEvent* event) {
  viewer_->MouseDown(ButtonOf(event->button()), ShiftOf(event->modifiers()), event->position().toPoint().x(),
                     event->position().toPoint().y());
}

void QtPreviewWidget::mouseMoveEvent(QMouseEvent* event) {
  viewer_->MouseMove(ShiftOf(event->modifiers()), event->position().toPoint().x(), event->position().toPoint().y());
}

void QtPreviewWidget::mouseReleaseEvent(QMouseEvent* event) {
  viewer_->MouseUp(ButtonOf(event->button()), ShiftOf(event->modifiers()), event->position().toPoint().x(),
                   event->position().toPoint().y());
  if (OnMouseUp) OnMouseUp();
}

void QtPreviewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  viewer_->DoubleClick(ButtonOf(event->button()), ShiftOf(event->modifiers()), event->position().toPoint().x(),
                       event->position().toPoint().y());
}

void QtPreviewWidget::keyPressEvent(QKeyEvent* event) {
  using K = THtmlPreview::TKey;
  K key = K::Other;
  switch (event->key()) {
    case Qt::Key_PageUp: key = K::PageUp; break;
    case Qt::Key_PageDown: key = K::PageDown; break;
    case Qt::Key_Home: key = K::Home; break;
    case Qt::Key_End: key = K::End; break;
    case Qt::Key_Up: key = K::Up; break;
    case Qt::Key_Down: key = K::Down; break;
    case Qt::Key_Left: key = K::Left; break;
    case Qt::Key_Right: key = K::Right; break;
    default: QWidget::keyPressEvent(event);
  }
  viewer_->KeyDown(key);
}

void QtPreviewWidget::wheelEvent(QWheelEvent* event) { viewer_->Wheel(event->angleDelta().y()); }

void QtPreviewWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  viewer_->FocusChanged();
}

void QtPreviewWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  viewer_->FocusChanged();
}

// Form controls ---------------------------------------------------------------

void QtPreviewWidget::PlaceControl(TFormControlObj& control, const TRect& rect) {
  auto it = controls_.find(&control);
  if (rect.IsEmpty()) {
    if (it == controls_.end()) return;
    // A control holding the focus stays alive far to the left; others hide.
    QWidget* focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused)) it->second->move(-4000, it->second->y());
    else it->second->hide();
    return;
  }
  QWidget* widget = it != controls_.end() ? it->second : MakeControl(control);
  if (!widget) return;
  widget->setGeometry(ToQRect(rect));
  widget->show();
}

void QtPreviewWidget::ClearControls() {
  for (auto& [control, widget] : controls_) widget->deleteLater();
  controls_.clear();
}

void QtPreviewWidget::SyncRadioButtons() {
  for (auto& [control, widget] : controls_)
    if (auto* radio = dynamic_cast<TRadioButtonFormControlObj*>(control)) {
      const QSignalBlocker blocker(widget);
      static_cast<QRadioButton*>(widget)->setChecked(radio->Checked);
    }
}

QWidget* QtPreviewWidget::MakeControl(TFormControlObj& control) {
  QWidget* widget = nullptr;
  TFormControlObj* obj = &control;
  QFont font(QStringFromCp1251(viewer_->DefPreFontName()));
  font.setPointSize(10);
  if (auto* edit = dynamic_cast<TEditFormControlObj*>(obj)) {
    auto* line = new QLineEdit(QString::fromStdString(edit->Text), this);
    if (edit->Password) line->setEchoMode(QLineEdit::Password);
    if (edit->MaxLength > 0) line->setMaxLength(edit->MaxLength);
    connect(line, &QLineEdit::textEdited, this, [edit](const QString& text) { edit->Text = text.toStdString(); });
    connect(line, &QLineEdit::returnPressed, this, [edit] { edit->MyForm->SubmitTheForm(""); });
    widget = line;
  } else if (auto* button = dynamic_cast<TButtonFormControlObj*>(obj)) {
    auto* push = new QPushButton(QString::fromStdString(button->Caption()), this);
    connect(push, &QPushButton::clicked, this, [this, button] {
      button->Click();
      if (button->Which != TButtonFormControlObj::Kind::Reset) return;
      // A reset changes every control of the form: the widgets are made
      // again from the controls' state on the next paint.
      ClearControls();
      update();
    });
    widget = push;
  } else if (auto* radio = dynamic_cast<TRadioButtonFormControlObj*>(obj)) {
    auto* box = new QRadioButton(this);
    box->setAutoExclusive(false);
    box->setChecked(radio->Checked);
    connect(box, &QRadioButton::clicked, this, [this, radio] {
      radio->SetChecked();
      SyncRadioButtons();
    });
    widget = box;
  } else if (auto* check = dynamic_cast<TCheckBoxFormControlObj*>(obj)) {
    auto* box = new QCheckBox(this);
    box->setChecked(check->Checked);
    connect(box, &QCheckBox::toggled, this, [check](bool on) { check->Checked = on; });
    widget = box;
  } else if (auto* combo = dynamic_cast<TComboFormControlObj*>(obj)) {
    auto* box = new QComboBox(this);
    for (const TOptionObj& option : combo->Options) box->addItem(QString::fromStdString(option.Caption));
    for (int i = 0; i < static_cast<int>(combo->Options.size()); ++i)
      if (combo->Options[i].IsSelected) box->setCurrentIndex(i);
    connect(box, &QComboBox::currentIndexChanged, this, [combo](int index) {
      for (int i = 0; i < static_cast<int>(combo->Options.size()); ++i) combo->Options[i].IsSelected = i == index;
    });
    widget = box;
  } else if (auto* list = dynamic_cast<TListBoxFormControlObj*>(obj)) {
    auto* box = new QListWidget(this);
    box->setSelectionMode(list->Multiple ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    for (const TOptionObj& option : list->Options) {
      auto* item = new QListWidgetItem(QString::fromStdString(option.Caption), box);
      item->setSelected(option.IsSelected);
    }
    connect(box, &QListWidget::itemSelectionChanged, this, [box, list] {
      for (int i = 0; i < box->count() && i < static_cast<int>(list->Options.size()); ++i)
        list->Options[i].IsSelected = box->item(i)->isSelected();
    });
    widget = box;
  } else if (auto* area = dynamic_cast<TTextAreaFormControlObj*>(obj)) {
    auto* edit = new QPlainTextEdit(this);
    QStringList lines;
    for (const std::string& line : area->Lines) lines << QString::fromStdString(line);
    edit->setPlainText(lines.join('\n'));
    edit->setLineWrapMode(area->Wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    connect(edit, &QPlainTextEdit::textChanged, this, [edit, area] {
      area->Lines.clear();
      for (const QString& line : edit->toPlainText().split('\n')) area->Lines.push_back(line.toStdString());
    });
    widget = edit;
  }
  if (!widget) return nullptr;
  widget->setFont(font);
  connect(qApp, &QApplication::focusChanged, widget, [this, widget, obj](QWidget*, QWidget* now) {
    if (now == widget) viewer_->ControlFocused(*obj);
  });
  controls_[obj] = widget;
  vBar_->raise();
  hBar_->raise();
  return widget;
}

}  // namespace tessaly
