#include "app/UpdateWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly {

Tform_MainWindow::Tform_MainWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("form_MainWindow"));
  setWindowTitle(QStringLiteral("Проверка и загрузка обновлений программы"));
  auto* layout = new QVBoxLayout(this);
  auto* info = new QLabel(QStringLiteral("Проверка обновлений в этой сборке недоступна."), this);
  info->setObjectName(QStringLiteral("InfoLabel"));
  info->setAlignment(Qt::AlignCenter);
  layout->addWidget(info, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* exit = new QPushButton(QStringLiteral("Закрыть"), this);
  exit->setObjectName(QStringLiteral("btn_Exit"));
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(exit);
  layout->addLayout(buttons);
  resize(420, 160);
}

}  // namespace tessaly
