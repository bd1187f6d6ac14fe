#pragma once
// The main window's menu bar and the browser's context menu.

#include <string>
#include <string_view>

#include "platform/text/Encoding.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace tessaly {

// The File menu's encoding submenus name their items PREFIX + the
// encoding's name with every '-' written '_': "Reopen_windows_1251",
// "Convert_UTF_8".
inline constexpr const char* kReopenItemPrefix = "Reopen_";
inline constexpr const char* kConvertItemPrefix = "Convert_";
inline constexpr const char* kDefaultItemPrefix = "Default_";
std::string EncodingItemName(std::string_view prefix, text::Encoding encoding);

// Fills the menu bar with "Файл", "Правка", "Настройки" and "&Help".
void BuildMainMenu(QMenuBar* menuBar);
// The context menu of the browser page, `PopupMenuControl`. None of its
// items has a command.
QMenu* BuildBrowserPopupMenu(QWidget* parent);

}  // namespace tessaly
