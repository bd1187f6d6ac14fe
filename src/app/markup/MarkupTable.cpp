#include "app/markup/MarkupTable.h"

#include "editor/SrcEdit.h"
#include "visual/WBEdit.h"

namespace tessaly {

namespace {

using S = TSourceAction;
using B = TBrowserAction;

constexpr const char* TableOpen =
    "<table valign=center cellSpacing=0 cellPadding=1 width=\"100%\" bgColor=#b6cce1 border=1><tr><td>\n";
constexpr const char* TableClose = "\n</td></tr></table>";

// UTF-8 here; the window hands it to the editor in windows-1251.
constexpr const char* BrowserReport =
    "<script language=\"JavaScript\" type=\"text/javascript\">\n"
    "<!--\n"
    "document.write(\"У Вас \" + navigator.appName + \" \" + navigator.appVersion);\n"
    "// -->\n"
    "</script>";

}  // namespace

const std::vector<TMarkupCommand>& MarkupCommandTable() {
  static const std::vector<TMarkupCommand> table = {
      // "Текст"
      {"BtnLeftJustify", S::Wrap, "<P align=\"left\">", "</P>", B::Command, "JustifyLeft"},
      {"BtnCenterJustify", S::Wrap, "<P align=\"center\">", "</P>", B::Command, "JustifyCenter"},
      {"BtnRightJustify", S::Wrap, "<P align=\"right\">", "</P>", B::Command, "JustifyRight"},
      {"BtnJustify", S::Wrap, "<P align=\"middle\">", "</p>", B::Command, "JustifyMiddle"},
      {"BtnBullets1", S::Wrap, "<LI>", "</LI>", B::PasteHtml, "<li></li>"},
      {"BtnBold", S::Wrap, "<B>", "</B>", B::Command, "Bold"},
      {"BtnItalic", S::Wrap, "<I>", "</I>", B::Command, "Italic"},
      {"BtnUnderline", S::Wrap, "<U>", "</U>", B::Command, "Underline"},
      {"BtnFont", S::WrapInPlace, "<SHAD>", "</SHAD>", B::Nothing, ""},
      {"BtnInternet", S::LinkPrompt, "", "</A>", B::LinkPrompt, ""},
      {"ToolbarButton1", S::Wrap, "", "<br>", B::PasteHtml, "<BR><BR>"},
      {"ToolbarButton2", S::Wrap, "", "&nbsp;", B::PasteHtml, "&nbsp;"},
      {"ToolbarButton3", S::Wrap, "", "<hr>", B::PasteHtml, "<HR>"},
      {"inageBtn", S::ColorPrompt, "", "</FONT>", B::ColorPrompt, ""},
      // "Рисунок"
      {"BtnInsertImage", S::ImagePrompt, "", "", B::Source, ""},
      // "Таблицы"
      {"BtnMonthView", S::Wrap, TableOpen, TableClose, B::Source, ""},
      {"ToolbarButton9", S::Wrap, "<tr><td>", "</td></tr>", B::Source, ""},
      {"ToolbarButton6", S::Wrap, "<tr>", "</tr>", B::PasteHtml, "<tr>"},
      {"ToolbarButton7", S::Wrap, "<td>", "</td>", B::TableCell, ""},
      {"ToolbarButton8", S::Wrap, "<tbody>", "</tbody>", B::Source, ""},
      // "Скриты"
      {"BtnInformation", S::InsertFocus, BrowserReport, "", B::Source, ""},
  };
  return table;
}

const TMarkupCommand* FindMarkupCommand(const std::string& button) {
  for (const TMarkupCommand& command : MarkupCommandTable()) {
    if (button == command.Button) return &command;
  }
  return nullptr;
}

void WrapSelection(TSrcEdit& editor, const std::string& open, const std::string& close) {
  // One assignment, so the whole command is one undo item.
  editor.SetSelText(open + editor.SelText() + close);
}

void InsertText(TSrcEdit& editor, const std::string& text) { editor.SetSelText(text); }

std::string LinkOpenText(const std::string& address) { return "<A href=\"" + address + "\">"; }

std::string ImageText(const std::string& reference) { return "<IMG src=\"" + reference + "\">"; }

std::string ColorOpenText(TColor color) {
  // The same digits the browser page gives its "ForeColor" command.
  return "<FONT color=\"" + visual::TWBEdit::ColorValue(color) + "\">";
}

}  // namespace tessaly
