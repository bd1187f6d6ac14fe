#include "app/search/TextSearchDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/search/SearchState.h"
#include "qt/QtFonts.h"

namespace tessaly {

namespace {

QCheckBox* NewCheckBox(const char* name, const char* caption, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromUtf8(name));
  return box;
}

QPushButton* NewButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromUtf8(name));
  return button;
}

}  // namespace

TTextSearchDialog::TTextSearchDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TextSearchDialog"));
  setWindowTitle(QStringLiteral("Search Text"));
  setFont(PointFont("MS Sans Serif", 8));
  setFixedSize(ClientWidth, ClientHeight);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* label = new QLabel(QStringLiteral("&Search for:"), this);
  label->setObjectName(QStringLiteral("Label1"));
  cbSearchText = new QComboBox(this);
  cbSearchText->setObjectName(QStringLiteral("cbSearchText"));
  cbSearchText->setEditable(true);
  // The history is kept by the close rule, not by the combo box.
  cbSearchText->setInsertPolicy(QComboBox::NoInsert);
  label->setBuddy(cbSearchText);

  auto* options = new QGroupBox(QStringLiteral("Options"), this);
  options->setObjectName(QStringLiteral("gbSearchOptions"));
  cbSearchCaseSensitive = NewCheckBox("cbSearchCaseSensitive", "C&ase sensitivity", options);
  cbSearchWholeWords = NewCheckBox("cbSearchWholeWords", "&Whole words only", options);
  cbSearchFromCursor = NewCheckBox("cbSearchFromCursor", "Search from &caret", options);
  cbSearchSelectedOnly = NewCheckBox("cbSearchSelectedOnly", "&Selected text only", options);
  auto* optionsLayout = new QVBoxLayout(options);
  for (QCheckBox* box : {cbSearchCaseSensitive, cbSearchWholeWords, cbSearchFromCursor, cbSearchSelectedOnly})
    optionsLayout->addWidget(box);

  rgSearchDirection = new QGroupBox(QStringLiteral("Direction"), this);
  rgSearchDirection->setObjectName(QStringLiteral("rgSearchDirection"));
  auto* directionLayout = new QVBoxLayout(rgSearchDirection);
  const char* const directionCaptions[] = {"&Forward", "&Backward"};
  for (int i = 0; i < 2; ++i) {
    directions_[i] = new QRadioButton(QString::fromUtf8(directionCaptions[i]), rgSearchDirection);
    directions_[i]->setObjectName(QStringLiteral("rgSearchDirectionItem%1").arg(i));
    directionLayout->addWidget(directions_[i]);
  }
  directionLayout->addStretch(1);
  directions_[0]->setChecked(true);

  btnOK = NewButton("btnOK", "OK", this);
  btnOK->setDefault(true);
  btnCancel = NewButton("btnCancel", "Cancel", this);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  auto* textRow = new QHBoxLayout;
  textRow->addWidget(label);
  textRow->addWidget(cbSearchText, 1);
  layout->addLayout(textRow);
  auto* groups = new QHBoxLayout;
  groups->addWidget(options, 1);
  groups->addWidget(rgSearchDirection, 1);
  layout->addLayout(groups, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);
}

bool TTextSearchDialog::SearchBackwards() const { return directions_[1]->isChecked(); }
void TTextSearchDialog::SetSearchBackwards(bool value) { directions_[value ? 1 : 0]->setChecked(true); }
bool TTextSearchDialog::SearchCaseSensitive() const { return cbSearchCaseSensitive->isChecked(); }
void TTextSearchDialog::SetSearchCaseSensitive(bool value) { cbSearchCaseSensitive->setChecked(value); }
bool TTextSearchDialog::SearchFromCaret() const { return cbSearchFromCursor->isChecked(); }
void TTextSearchDialog::SetSearchFromCaret(bool value) { cbSearchFromCursor->setChecked(value); }
bool TTextSearchDialog::SearchSelectedOnly() const { return cbSearchSelectedOnly->isChecked(); }
void TTextSearchDialog::SetSearchSelectedOnly(bool value) { cbSearchSelectedOnly->setChecked(value); }
bool TTextSearchDialog::SearchWholeWords() const { return cbSearchWholeWords->isChecked(); }
void TTextSearchDialog::SetSearchWholeWords(bool value) { cbSearchWholeWords->setChecked(value); }

std::string TTextSearchDialog::SearchText() const { return cbSearchText->currentText().toStdString(); }
void TTextSearchDialog::SetSearchText(const std::string& value) { cbSearchText->setEditText(QString::fromStdString(value)); }

std::vector<std::string> TTextSearchDialog::HistoryEntries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < cbSearchText->count(); ++i) entries.push_back(cbSearchText->itemText(i).toStdString());
  return entries;
}

void TTextSearchDialog::SetHistoryEntries(const std::vector<std::string>& entries) {
  const QString text = cbSearchText->currentText();
  cbSearchText->clear();
  for (const std::string& entry : entries) cbSearchText->addItem(QString::fromStdString(entry));
  cbSearchText->setEditText(text);
}

std::string TTextSearchDialog::SearchTextHistory() const { return SearchHistoryText(HistoryEntries()); }
void TTextSearchDialog::SetSearchTextHistory(const std::string& value) { SetHistoryEntries(SearchHistoryEntries(value)); }

void TTextSearchDialog::FormCloseQuery() {
  std::vector<std::string> entries = HistoryEntries();
  const std::string text = AddToSearchHistory(entries, SearchText());
  if (text.empty()) return;
  SetHistoryEntries(entries);
  SetSearchText(text);
}

void TTextSearchDialog::done(int result) {
  if (result == QDialog::Accepted) FormCloseQuery();
  QDialog::done(result);
}

}  // namespace tessaly
