#pragma once
// Menus described as tables: one row per item, in order, with the component
// name the item is known by (language files find items by that name).

#include <vector>

class QMenu;

namespace tessaly {

struct TMenuItemSpec {
  const char* Name;
  const char* Caption = nullptr;     // "-" makes a separator; nullptr: the command named so
  const char* Shortcut = nullptr;    // portable text such as "Alt+X"
  bool Enabled = true;
  std::vector<TMenuItemSpec> Items = {};  // a submenu when not empty
  bool SameInEveryLanguage = false;       // no text for the language files
};

// Appends the items to `menu`: actions, separators and submenus named after
// the rows; a row without a caption takes its command's caption. Commands
// are connected afterwards by name.
void AddMenuItems(QMenu* menu, const std::vector<TMenuItemSpec>& items);

}  // namespace tessaly
