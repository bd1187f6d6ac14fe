#include "app/libraries/AddForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/Cp1251Text.h"
#include "strlib/StrLibItem.h"

namespace tessaly {

TAddForm::TAddForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AddForm"));
  setWindowTitle(QStringLiteral("Add Script"));
  setFixedSize(518, 313);

  auto* nameLabel = new QLabel(QStringLiteral("Name"), this);
  nameLabel->setObjectName(QStringLiteral("Label1"));
  NameEdit = new QLineEdit(this);
  NameEdit->setObjectName(QStringLiteral("NameEdit"));
  NameEdit->setMaxLength(NameMaxLength);
  NameEdit->setToolTip(QStringLiteral("НЕ больше  10 символов"));
  nameLabel->setBuddy(NameEdit);

  auto* scriptLabel = new QLabel(QStringLiteral("Script"), this);
  scriptLabel->setObjectName(QStringLiteral("Label2"));
  Script = new QPlainTextEdit(this);
  Script->setObjectName(QStringLiteral("Script"));
  Script->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Script->setLineWrapMode(QPlainTextEdit::NoWrap);
  scriptLabel->setBuddy(Script);

  tipGroup = new QGroupBox(QStringLiteral("выбор типа"), this);
  tipGroup->setObjectName(QStringLiteral("tipGroup"));
  auto* typeLayout = new QVBoxLayout(tipGroup);
  const char* const typeNames[] = {"Java", "PHP", "Шаблон"};
  for (int i = 0; i < 3; ++i) {
    types_[i] = new QRadioButton(QString::fromUtf8(typeNames[i]), tipGroup);
    types_[i]->setObjectName(QStringLiteral("tipGroupItem%1").arg(i));
    typeLayout->addWidget(types_[i]);
  }
  typeLayout->addStretch(1);
  types_[0]->setChecked(true);

  Button1 = new QPushButton(QStringLiteral("Add"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(NameEdit, 0, 1);
  grid->addWidget(scriptLabel, 1, 0, Qt::AlignTop);
  grid->addWidget(Script, 1, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(tipGroup);
  side->addStretch(1);
  side->addWidget(Button1);
  side->addWidget(Button2);
  grid->addLayout(side, 0, 2, 2, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
}

std::string TAddForm::Name() const { return Cp1251FromQString(NameEdit->text()); }

void TAddForm::SetName(const std::string& name) { NameEdit->setText(QStringFromCp1251(name)); }

std::vector<std::string> TAddForm::ScriptLines() const {
  return strlib::SplitLines(Cp1251FromQString(Script->toPlainText()));
}

void TAddForm::SetScriptLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  Script->setPlainText(QStringFromCp1251(text));
}

int TAddForm::Type() const {
  for (int i = 0; i < 3; ++i)
    if (types_[i]->isChecked()) return i;
  return -1;
}

void TAddForm::SetType(int type) {
  if (type >= 0 && type < 3) types_[type]->setChecked(true);
}

void TAddForm::Button1Click() {
  if (OnAdd) OnAdd(*this);
}

}  // namespace tessaly
