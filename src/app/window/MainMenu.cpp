#include "app/window/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <deque>
#include <string>

#include "app/window/MenuSpec.h"

namespace tessaly {

std::string EncodingItemName(std::string_view prefix, text::Encoding encoding) {
  std::string name(prefix);
  for (const char c : text::Name(encoding)) name += c == '-' ? '_' : c;
  return name;
}

namespace {

struct TTopMenuSpec {
  const char* Name;
  const char* Caption;
  std::vector<TMenuItemSpec> Items;
};

// One item per encoding, captioned with its name; EncodingItemName names it.
std::vector<TMenuItemSpec> EncodingItems(const char* prefix) {
  // The specs hold pointers: the names live as long as the program.
  static std::deque<std::string> names;
  std::vector<TMenuItemSpec> items;
  for (const text::Encoding encoding : text::AllEncodings()) {
    const std::string& name = names.emplace_back(EncodingItemName(prefix, encoding));
    const std::string& caption = names.emplace_back(text::Name(encoding));
    items.push_back({name.c_str(), caption.c_str(), nullptr, true, {}, true});
  }
  return items;
}

const std::vector<TTopMenuSpec>& MainMenuTable() {
  static const std::vector<TTopMenuSpec> table = {
      // Items without a caption are commands of the window's command table.
      {"File1",
       "Файл",
       {{"New1"},
        {"Open1"},
        {"N1", "-"},
        {"Save1"},
        {"Saveas1"},
        {"EncodingMenu",
         "Кодировка",
         nullptr,
         true,
         {{"ReopenMenu", "Открыть заново в кодировке", nullptr, true, EncodingItems(kReopenItemPrefix)},
          {"ConvertMenu", "Преобразовать в", nullptr, true, EncodingItems(kConvertItemPrefix)},
          {"DefaultEncodingMenu", "Кодировка новых страниц", nullptr, true, EncodingItems(kDefaultItemPrefix)}}},
        {"N2", "-"},
        {"ExitItem"}}},
      {"Edit1", "Правка", {{"Copy1"}, {"Cut1"}, {"Paste1"}, {"FormatTextBTN"}}},
      {"Settings1", "Настройки",
       {{"Language1", "Язык(Language)", nullptr, true, {{"Ruslang"}, {"LanguageEnglish1"}, {"Ruslang2"}}}}},
      {"Help1", "&Help", {{"N4"}, {"SiteItem"}, {"N3", "-"}, {"Ubgrade"}}},
  };
  return table;
}

const std::vector<TMenuItemSpec>& BrowserPopupTable() {
  static const std::vector<TMenuItemSpec> table = {
      {"PopupCode", "Код"},
      {"PopupView", "Просмотр"},
      {"PopupQuickEdit", "Quick Edit", nullptr, false},
      {"PopupN1", "-"},
      {"PopupCut", "Вырезать", "Ctrl+X"},
      {"PopupCopy", "Копировать", "Ctrl+C"},
      {"PopupPaste", "Вставить", "Ctrl+V"},
      {"PopupSelectAll", "Выбрать все...", "Ctrl+A"},
      {"PopupN2", "-"},
      {"PopupUndo", "Отменить", "Ctrl+Z"},
      {"PopupRedo", "Вернуть", "Ctrl+Y"},
      {"PopupN3", "-"},
      {"PopupN4", "-"},
      {"PopupAccept", "Принять...", "Ctrl+P"},
      {"PopupPrintSelection", "Печать выбранное..."},
      {"PopupN5", "-"},
      {"PopupFind", "Найти...", "Ctrl+F"},
      {"PopupReplace", "Найти и заменить...", "Ctrl+H"},
      {"PopupN6", "-"},
      {"PopupSelectCase", "Select Case", nullptr, true,
       {{"PopupTagsUpper", "Tags to Upper Case"},
        {"PopupTagsLower", "Tags to Lower Case"},
        {"PopupN7", "-"},
        {"PopupAllUpper", "All Upper Case"},
        {"PopupAllLower", "All Lower Case"},
        {"PopupSelectionUpper", "Select to Upper Case", "Ctrl+Alt+U"},
        {"PopupSelectionLower", "Select to Lower Case", "Ctrl+Alt+L"}}},
      {"PopupResizeIndent", "Resize Indent..."},
      {"PopupClearAll", "Clear All"},
      {"PopupWordWrap", "WordWrap", "Ctrl+W"},
      {"PopupFTP", "FTP", nullptr, false},
      {"PopupN8", "-"},
      {"PopupExit", "Exit", "Alt+F4"},
  };
  return table;
}

}  // namespace

void BuildMainMenu(QMenuBar* menuBar) {
  for (const TTopMenuSpec& top : MainMenuTable()) {
    QMenu* menu = menuBar->addMenu(QString::fromUtf8(top.Caption));
    menu->setObjectName(QString::fromUtf8(top.Name));
    AddMenuItems(menu, top.Items);
  }
}

QMenu* BuildBrowserPopupMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("PopupMenuControl"));
  AddMenuItems(menu, BrowserPopupTable());
  // The items do nothing: their shortcuts are shown, and only the open menu
  // hears them, so none takes a key from the window or the browser page.
  for (QAction* action : menu->findChildren<QAction*>()) action->setShortcutContext(Qt::WidgetShortcut);
  return menu;
}

}  // namespace tessaly
