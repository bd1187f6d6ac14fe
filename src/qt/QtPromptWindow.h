#pragma once
// The prompt window of the browser editing commands on Qt widgets: a small
// modeless window on top of the others whose controls are created once and
// placed anew by every prompt.

#include <QWidget>
#include <array>

#include "visual/PromptWindow.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly {

class Dialogs;

class QtPromptWindow : public QWidget, public visual::TPromptWindow {
  Q_OBJECT
public:
  // Errors the buttons' commands raise are shown through `dialogs`, as the
  // message loop would show them.
  explicit QtPromptWindow(Dialogs& dialogs, QWidget* parent = nullptr);

  void Show(const visual::TPromptLayout& layout) override;
  void Hide() override { hide(); }
  bool Visible() const override { return isVisible(); }
  std::string EditText(int row) const override;
  std::string ComboText() const override;

  QLineEdit* Edit(int row) const { return edits_.at(row - 1); }
  QLabel* Label(int row) const { return labels_.at(row - 1); }
  QComboBox* Combo() const { return combo_; }
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* CancelButton() const { return cancel_; }

private:
  void Run(const std::function<void()>& handler);

  Dialogs& dialogs_;
  QFrame* panel_ = nullptr;
  std::array<QLabel*, visual::TPromptLayout::Rows> labels_{};
  std::array<QLineEdit*, visual::TPromptLayout::Rows> edits_{};
  QComboBox* combo_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tessaly
