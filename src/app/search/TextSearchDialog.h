#pragma once
// The "Search Text" dialog `TTextSearchDialog`: a search text with its
// history and the search options. Closing with OK puts the text at the top of
// the history.

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tessaly {

class TTextSearchDialog : public QDialog {
  Q_OBJECT
public:
  static constexpr int ClientWidth = 332;
  static constexpr int ClientHeight = 180;

  explicit TTextSearchDialog(QWidget* parent = nullptr);

  bool SearchBackwards() const;
  void SetSearchBackwards(bool value);
  bool SearchCaseSensitive() const;
  void SetSearchCaseSensitive(bool value);
  bool SearchFromCaret() const;
  void SetSearchFromCaret(bool value);
  bool SearchSelectedOnly() const;
  void SetSearchSelectedOnly(bool value);
  bool SearchWholeWords() const;
  void SetSearchWholeWords(bool value);
  // Texts are windows-1251, as the editor holds them.
  std::string SearchText() const;
  void SetSearchText(const std::string& value);
  // At most the first 10 entries, joined with CR LF; setting replaces the
  // list by the lines of the text and keeps the edit text.
  std::string SearchTextHistory() const;
  void SetSearchTextHistory(const std::string& value);

  // Closing with OK records the edit text in the history; closing is never refused.
  void FormCloseQuery();
  void done(int result) override;

  QComboBox* cbSearchText = nullptr;
  QCheckBox* cbSearchCaseSensitive = nullptr;
  QCheckBox* cbSearchWholeWords = nullptr;
  QCheckBox* cbSearchFromCursor = nullptr;
  QCheckBox* cbSearchSelectedOnly = nullptr;
  QGroupBox* rgSearchDirection = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

private:
  std::vector<std::string> HistoryEntries() const;
  void SetHistoryEntries(const std::vector<std::string>& entries);

  QRadioButton* directions_[2] = {};
};

}  // namespace tessaly
