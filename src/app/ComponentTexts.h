#pragma once
// The texts of a window's component as the language files know them: its
// caption, hint and text. A kind without such a text has it empty.

#include <QString>

class QObject;

namespace tessaly {

struct TComponentTexts {
  QString Caption;
  QString Hint;
  QString Text;
};

// Caption: an action's, button's, label's, group's or menu's title, a
// window's caption. Hint: the tool tip. Text: what a line edit, text area or
// combo box holds.
TComponentTexts ComponentTexts(const QObject& component);

}  // namespace tessaly
