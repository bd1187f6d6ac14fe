// Tool pages and their buttons, in the order the user sees them.

#include "app/window/ToolPages.h"

namespace tessaly {

namespace {

constexpr TToolButtonSpec Separator{nullptr, "", "", nullptr};

TToolButtonSpec ScriptButton(const char* name) { return {name, "", "", "script"}; }

}  // namespace

const std::vector<TToolPageSpec>& ToolPageTable() {
  static const std::vector<TToolPageSpec> table = {
      {"TabStandard", "Стандартная",
       {{"BtnNew", "", "Новая страница", "new"},
        {"BtnOpen", "", "Открыть файл", "open"},
        {"BtnSave", "", "Save", "save"},
        Separator,
        {"EditCut", "", "Cut", "cut", false},
        {"EditCopy", "", "Copy", "copy", false},
        {"EditPaste", "", "Paste", "paste", false},
        Separator,
        {"BtnUndo", "", "Undo", "undo"},
        {"BtnRedo", "", "Redo", "redo"},
        Separator,
        {"BtnFind", "", "Find", "find"},
        {"BtnReplace", "", "Replace", "replace", false}}},
      {"TabText", "Текст",
       {{"BtnLeftJustify", "Left Justify", "", "align-left"},
        {"BtnCenterJustify", "Center Justify", "", "align-center"},
        {"BtnRightJustify", "Right Justify", "", "align-right"},
        {"BtnJustify", "Justify", "", "align-justify"},
        Separator,
        {"BtnBullets1", "Bullets", "", "bullets"},
        Separator,
        {"BtnBold", "Bold", "", "bold"},
        {"BtnItalic", "Italic", "", "italic"},
        {"BtnUnderline", "Underline", "", "underline"},
        {"BtnFont", "Font", "Текст с тенью", "shadow-text"},
        Separator,
        {"BtnInternet", "", "Создать ссылку", "link"},
        Separator,
        {"ToolbarButton1", "BR", "", nullptr},
        {"ToolbarButton2", "NB", "Пробел", nullptr},
        {"ToolbarButton3", "HR", "Линия", nullptr},
        Separator,
        {"inageBtn", "", "Добавление ссылки на рисунок", "font-color"}}},
      {"TabPicture", "Рисунок",
       {{"BtnInsertImage", "Insert Image", "", "image"},
        {"BtnAttach", "Attach", "", "attach"},
        {"BtnRuler", "Ruler", "", "ruler"}}},
      {"TabTables", "Таблицы",
       {{"BtnMonthView", "Month View", "", "month-view"},
        {"BtnWeekView", "Week View", "", "week-view"},
        Separator,
        {"ToolbarButton9", "tr+td", "", nullptr},
        {"ToolbarButton6", "TR", "", nullptr},
        {"ToolbarButton7", "TD", "", nullptr},
        {"ToolbarButton8", "TB", "", nullptr}}},
      {"TabScripts", "Скриты",
       {{"BtnInformation", "Information", "Установленный броузер", "information"},
        {"BtnWarning", "Warning", "", "warning"},
        {"BtnError", "Error", "", "error"},
        {"BtnReminder", "Reminder", "", "reminder"},
        {"BtnFinish", "Finish", "", "finish"},
        Separator,
        ScriptButton("ScriptButton1"), ScriptButton("ScriptButton2"), ScriptButton("ScriptButton3"),
        ScriptButton("ScriptButton4"), ScriptButton("ScriptButton5"), ScriptButton("ScriptButton6"),
        ScriptButton("ScriptButton7"), ScriptButton("ScriptButton8")}},
      {"TabTemplates", "Шаблоны",
       {{"TemplateButton1", "1", "шаблон от Velmora", nullptr},
        {"TemplateButton2", "2", "очень простой", nullptr},
        {"TemplateButton3", "3", "немного картинок", nullptr},
        {"TemplateButton4", "4", " ", nullptr},
        {"TemplateButton5", "5", " ", nullptr},
        {"TemplateButton6", "6", " ", nullptr},
        {"TemplateButton7", "7", " ", nullptr},
        {"TemplateButton8", "8", " ", nullptr},
        {"TemplateButton9", "9", " ", nullptr},
        {"TemplateButton10", "10", " ", nullptr},
        {"TemplateButton11", "11", " ", nullptr},
        {"TemplateButton12", "12", "с квадратными кнопками", nullptr},
        {"TemplateButton13", "13", " ", nullptr},
        Separator,
        {"BtnUtilities", "Utilities", "", "utilities", false}}},
  };
  return table;
}

const std::vector<TToolButtonSpec>& LineNumberBarTable() {
  static const std::vector<TToolButtonSpec> table = {
      {"BtnKey", "", "Показать нумерацию строк", "line-numbers"},
      {"BtnPlaySound", "Play Sound", "", "sound", false},
  };
  return table;
}

}  // namespace tessaly
