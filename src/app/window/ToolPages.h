#pragma once
// The top panel: the folding line-number tool bar and `EditPageControl` with
// its six tool pages.

#include <vector>

class QTabWidget;
class QToolBar;
class QWidget;

namespace tessaly {

struct TToolButtonSpec {
  const char* Name;     // nullptr makes a separator
  const char* Caption;  // shown as text when the button has no picture
  const char* Hint;
  const char* Icon;     // data/icons name, or nullptr for a text button
  bool Enabled = true;
};

struct TToolPageSpec {
  const char* Name;
  const char* Caption;
  std::vector<TToolButtonSpec> Buttons;
};

// The six pages in order: "Стандартная", "Текст", "Рисунок", "Таблицы", "Скриты", "Шаблоны".
const std::vector<TToolPageSpec>& ToolPageTable();
// The vertical bar at the left edge: `BtnKey` and the disabled "Play Sound".
const std::vector<TToolButtonSpec>& LineNumberBarTable();

// A tool bar holding the table's buttons, each a QToolButton named after its row.
QToolBar* BuildToolBar(const std::vector<TToolButtonSpec>& buttons, QWidget* parent);
QTabWidget* BuildEditPageControl(QWidget* parent);
QWidget* BuildTopPanel(QWidget* parent);

}  // namespace tessaly
