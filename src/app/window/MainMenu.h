#pragma once
// The main window's menu bar and the browser's context menu.

class QMenu;
class QMenuBar;
class QWidget;

namespace tessaly {

// Fills the menu bar with "Файл", "Правка", "Настройки" and "&Help".
void BuildMainMenu(QMenuBar* menuBar);
// The context menu of the browser page, `PopupMenuControl`. None of its
// items has a command.
QMenu* BuildBrowserPopupMenu(QWidget* parent);

}  // namespace tessaly
