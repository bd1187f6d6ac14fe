#include "app/window/CommandTable.h"

#include <cstring>

#include "app/window/MainWindow.h"
#include "platform/Exception.h"

namespace tessaly {

const std::vector<TCommandRow>& CommandTable() {
  using W = TOsnovnFRM;
  static const std::vector<TCommandRow> table = {
      // "Файл"
      {"New1", "Создать...", "BtnNew", {"Ctrl+N"}, &W::New1Click},
      {"Open1", "Открыть...", "BtnOpen", {"Ctrl+O"}, &W::Open1Click},
      {"Save1", "Сохранить", "BtnSave", {"Ctrl+S"}, &W::Save1Click},
      {"Saveas1", "Сохранить как", nullptr, {"Ctrl+Shift+S"}, &W::Saveas1Click},
      {"ExitItem", "E&xit", nullptr, {"Alt+X", "Ctrl+Q"}, &W::ExitItemClick},
      // "Правка" and the editing buttons of "Стандартная"
      {"Copy1", "Копировать", "EditCopy", {}, &W::EditCopy, TEnabledWhen::EditorHasSelection},
      {"Cut1", "Вырезать", "EditCut", {}, &W::EditCut, TEnabledWhen::EditorHasSelection},
      {"Paste1", "Вставить", "EditPaste", {}, &W::EditPaste, TEnabledWhen::ClipboardFilled},
      {"FormatTextBTN", "Форматировать текст", nullptr, {}, &W::FormatTextBTNClick},
      {"BtnUndo", nullptr, "BtnUndo", {}, &W::BtnUndoClick},
      {"BtnRedo", nullptr, "BtnRedo", {}, &W::BtnRedoClick},
      {"BtnFind", nullptr, "BtnFind", {"Ctrl+F"}, &W::BtnFindClick},
      // "Настройки"
      {"Ruslang", "Русский", nullptr, {}, &W::RuslangClick},
      {"LanguageEnglish1", "English", nullptr, {}, &W::LanguageEnglish1Click},
      {"Ruslang2", "Другой...", nullptr, {}, &W::RuslangClick},
      // "&Help"
      {"N4", "&About...", nullptr, {}, &W::N4Click},
      {"SiteItem", "Сайт программы", nullptr, {}, &W::SiteItemClick},
      {"Ubgrade", "Проверить обновление...", nullptr, {}, &W::UbgradeClick},
      // The line-number bar and the side panel's snippet buttons
      {"BtnKey", nullptr, "BtnKey", {}, &W::BtnKeyClick},
      {"AddScriptJavaBtn", nullptr, "AddScriptJavaBtn", {}, &W::AddScriptJavaBtnClick},
      {"ToolButton33", nullptr, "ToolButton33", {}, &W::ToolButton33Click},
      {"ToolButton34", nullptr, "ToolButton34", {}, &W::ToolButton34Click},
  };
  return table;
}

const TCommandRow& CommandNamed(const char* name) {
  for (const TCommandRow& row : CommandTable())
    if (std::strcmp(row.Name, name) == 0) return row;
  throw Exception(std::string("no command ") + name);
}

}  // namespace tessaly
