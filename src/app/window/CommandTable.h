#pragma once
// The window's commands as one table: each row is one QAction, named as the
// menus, the tool buttons, the window driver and the language files know it,
// serving its menu item and its tool button alike, with its shortcuts and
// the rule that says when it can run.

#include <vector>

class QAction;

namespace tessaly {

class TOsnovnFRM;

enum class TEnabledWhen {
  Always,
  EditorHasSelection,  // Cut and Copy
  ClipboardFilled,     // Paste: once Cut or Copy put text on the clipboard
};

struct TCommandRow {
  const char* Name;     // the action's name: its menu item's, else its tool button's
  const char* Caption;  // the menu item's caption; nullptr when it has no menu item
  const char* Button;   // the tool button that runs it too, or nullptr
  std::vector<const char*> Shortcuts;  // portable texts such as "Ctrl+N"; the first is shown
  void (TOsnovnFRM::*Handler)();
  TEnabledWhen EnabledWhen = TEnabledWhen::Always;
};

const std::vector<TCommandRow>& CommandTable();
// The row named so; a name the table lacks is a fault of the program.
const TCommandRow& CommandNamed(const char* name);

}  // namespace tessaly
