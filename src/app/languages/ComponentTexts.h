#pragma once
// The texts of a window's component as the language files know them: its
// caption, hint and text. Each kind of component has the ones its row in one
// table gives it; a kind without a text has it empty and cannot be given it.

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

class QObject;

namespace tessaly {

struct TComponentTexts {
  QString Caption;
  QString Hint;
  QString Text;
};

enum class TTextProperty { Caption, Hint, Text };

// Caption: an action's, button's, label's, group's, menu's or status pane's
// title, a tab page's tab text, a window's caption. Hint: the tool tip.
// Text: what a line edit, text area or combo box holds.
TComponentTexts ComponentTexts(const QObject& component);

// "Caption", "Hint" or "Text", in any letter case.
std::optional<TTextProperty> TextPropertyNamed(std::string_view name);
// Sets one text; false (and nothing changed) when the kind has no such text.
bool SetComponentText(QObject& component, TTextProperty property, const QString& value);

// A component whose text is the same in every language (an encoding's name)
// carries this property set to true and is no component of the language
// files.
inline constexpr const char* kSameInEveryLanguage = "sameInEveryLanguage";

// The components a window owns, in creation order: its named objects, other
// than the toolkit's own parts, those the same in every language, and the
// windows of other forms it parents.
std::vector<QObject*> OwnedComponents(const QObject& window);
// The owned component of that name, or none.
QObject* OwnedComponent(const QObject& window, const QString& name);

}  // namespace tessaly
