#pragma once
// The "Add Script" dialog `TAddForm`: a snippet's name, its text and its type.
// "Add" stores the snippet and keeps the dialog open, so the same text can be
// stored again; "Cancel" or the close box end it.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QGroupBox;
class QRadioButton;
class QPushButton;

namespace tessaly {

class TAddForm : public QDialog {
  Q_OBJECT
public:
  static constexpr int NameMaxLength = 25;

  explicit TAddForm(QWidget* parent = nullptr);

  // Name and text in windows-1251, as the libraries hold them.
  std::string Name() const;
  void SetName(const std::string& name);
  std::vector<std::string> ScriptLines() const;
  void SetScriptLines(const std::vector<std::string>& lines);
  int Type() const;  // the item index of tipGroup
  void SetType(int type);

  bool EditMode() const { return editMode_; }
  void SetEditMode(bool editMode) { editMode_ = editMode; }

  // What "Add" does; errors it raises are shown by the caller's error box.
  std::function<void(TAddForm&)> OnAdd;

  void Button1Click();
  void Button2Click() { reject(); }

  QLineEdit* NameEdit = nullptr;
  QPlainTextEdit* Script = nullptr;
  QGroupBox* tipGroup = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

private:
  QRadioButton* types_[3] = {};
  bool editMode_ = false;
};

}  // namespace tessaly
