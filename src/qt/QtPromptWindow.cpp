#include "qt/QtPromptWindow.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <exception>

#include "platform/Dialogs.h"

namespace tessaly {

namespace {

void Place(QWidget* widget, const visual::TPromptControl& control) {
  const int height = control.Height > 0 ? control.Height : widget->sizeHint().height();
  const int width = control.Width > 0 ? control.Width : widget->sizeHint().width();
  widget->setGeometry(control.Left, control.Top, width, height);
  widget->setVisible(control.Visible);
}

}  // namespace

QtPromptWindow::QtPromptWindow(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs) {
  setObjectName(QStringLiteral("PromptWindow"));
  panel_ = new QFrame(this);
  panel_->setObjectName(QStringLiteral("PromptPanel"));
  for (int row = 0; row < visual::TPromptLayout::Rows; ++row) {
    labels_[row] = new QLabel(panel_);
    labels_[row]->setObjectName(QStringLiteral("PromptLabel%1").arg(row + 1));
    edits_[row] = new QLineEdit(panel_);
    edits_[row]->setObjectName(QStringLiteral("PromptEdit%1").arg(row + 1));
  }
  combo_ = new QComboBox(panel_);
  combo_->setObjectName(QStringLiteral("PromptCombo"));
  combo_->hide();
  apply_ = new QPushButton(this);
  apply_->setObjectName(QStringLiteral("PromptApply"));
  cancel_ = new QPushButton(this);
  cancel_->setObjectName(QStringLiteral("PromptCancel"));
  connect(apply_, &QPushButton::clicked, this, [this] { Run(OnApply); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Run(OnCancel); });
}

void QtPromptWindow::Run(const std::function<void()>& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (const std::exception& error) {
    ShowError(dialogs_, error.what());
  }
}

void QtPromptWindow::Show(const visual::TPromptLayout& layout) {
  setWindowTitle(QString::fromStdString(layout.Caption));
  setFixedSize(layout.Width, layout.Height);
  Place(panel_, layout.Panel);
  for (int row = 0; row < visual::TPromptLayout::Rows; ++row) {
    QFont font = labels_[row]->font();
    font.setPointSize(layout.LabelFontSize);
    labels_[row]->setFont(font);
    labels_[row]->setText(QString::fromStdString(layout.Labels[row].Text));
    Place(labels_[row], layout.Labels[row]);
    edits_[row]->setText(QString::fromStdString(layout.Edits[row].Text));
    Place(edits_[row], layout.Edits[row]);
  }
  combo_->clear();
  for (const std::string& item : layout.ComboItems) combo_->addItem(QString::fromStdString(item));
  Place(combo_, layout.Combo);
  apply_->setText(QString::fromStdString(layout.ApplyButton.Text));
  Place(apply_, layout.ApplyButton);
  cancel_->setText(QString::fromStdString(layout.CancelButton.Text));
  Place(cancel_, layout.CancelButton);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(layout.Width / 2, layout.Height / 2));
  }
  show();
  raise();
}

std::string QtPromptWindow::EditText(int row) const {
  if (row < 1 || row > visual::TPromptLayout::Rows) return {};
  return edits_[row - 1]->text().toStdString();
}

std::string QtPromptWindow::ComboText() const { return combo_->currentText().toStdString(); }

}  // namespace tessaly
