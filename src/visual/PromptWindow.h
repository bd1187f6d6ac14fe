#pragma once
// The prompt window of the browser editing commands, as the commands see it:
// a modeless window that stays on top, with up to four captioned rows (edit
// boxes, row 3 optionally a combo box) and the buttons "Применить" and
// "Отмена". The commands decide every caption and position; the window only
// shows them.

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tessaly::visual {

struct TPromptControl {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;  // 0: the control's natural height
  bool Visible = true;
  std::string Text;  // caption or preset text, UTF-8
};

struct TPromptLayout {
  static constexpr int Rows = 4;

  std::string Caption;
  int Width = 350;
  int Height = 115;
  TPromptControl Panel;
  int LabelFontSize = 10;
  std::array<TPromptControl, Rows> Labels;
  std::array<TPromptControl, Rows> Edits;
  TPromptControl Combo;  // sits on row 3
  std::vector<std::string> ComboItems;
  TPromptControl ApplyButton;
  TPromptControl CancelButton;
};

class TPromptWindow {
public:
  virtual ~TPromptWindow() = default;
  // Arranges the window as laid out, centres it on the screen and shows it
  // without waiting for the user.
  virtual void Show(const TPromptLayout& layout) = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // What the user typed into row 1..4's edit box, UTF-8.
  virtual std::string EditText(int row) const = 0;
  virtual std::string ComboText() const = 0;

  // The buttons; the owner of the window assigns them.
  std::function<void()> OnApply;
  std::function<void()> OnCancel;
};

}  // namespace tessaly::visual
