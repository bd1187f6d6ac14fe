#include "preview/document/DocumentDump.h"

#include <cstdio>
#include <sstream>

#include "platform/Utf8.h"
#include "preview/document/Section.h"
#include "preview/document/Spaces.h"
#include "preview/document/Table.h"

namespace tessaly::preview {

namespace {

std::string Quoted(std::string_view text) { return "\"" + EscapeText(text) + "\""; }
std::string Quoted(std::u32string_view text) { return "\"" + EscapeText(text) + "\""; }

std::string Indent(int depth) { return std::string(static_cast<size_t>(depth) * 2, ' '); }

std::string StyleText(TFontStyles style) {
  std::string text;
  if (style & fsBold) text += 'B';
  if (style & fsItalic) text += 'I';
  if (style & fsUnderline) text += 'U';
  if (style & fsStrikeOut) text += 'S';
  return text.empty() ? "-" : text;
}

class Dumper {
public:
  explicit Dumper(std::ostringstream& out) : out_(out) {}

  void Cell(const TCell& cell, int depth) {
    for (const auto& block : cell) Block(*block, depth);
  }

private:
  std::ostringstream& out_;

  void Block(const TSectionBase& block, int depth) {
    if (auto* section = dynamic_cast<const TSection*>(&block)) Section(*section, depth);
    else if (auto* table = dynamic_cast<const THtmlTable*>(&block)) Table(*table, depth);
    else if (auto* rule = dynamic_cast<const THorzLine*>(&block)) Rule(*rule, depth);
    else if (auto* heading = dynamic_cast<const THeadingSpace*>(&block))
      out_ << Indent(depth) << "THeadingSpace level=" << heading->HeadingLevel << " height=" << block.SectionHeight
           << "\n";
    else out_ << Indent(depth) << "TParagraphSpace height=" << block.SectionHeight << "\n";
  }

  void Section(const TSection& section, int depth) {
    const char* kind = dynamic_cast<const TPreFormated*>(&section) ? "TPreFormated"
                       : dynamic_cast<const TOListItem*>(&section) ? "TOListItem"
                       : dynamic_cast<const TDListItem*>(&section) ? "TDListItem"
                       : dynamic_cast<const TUListItem*>(&section) ? "TUListItem"
                                                                  : "TSection";
    out_ << Indent(depth) << kind << " align=" << Name(section.AlignmentValue) << " level=" << section.ListLevel
         << " indent=" << section.Indent;
    if (section.ClearValue != TClear::None) out_ << " clear=" << Name(section.ClearValue);
    if (auto* item = dynamic_cast<const TUListItem*>(&section);
        item && item->Plain && section.ListType == TListKind::Unordered)
      out_ << " plain";
    if (const std::string marker = section.MarkerText(); !marker.empty()) out_ << " marker=" << Quoted(marker);
    out_ << " text=" << Quoted(section.Buff) << "\n";
    for (const auto& run : section.Fonts) FontRun(*run, depth + 1);
    for (const auto& image : section.Images) Image(*image, depth + 1);
    for (const TFormControlObj* control : section.FormControls) Control(*control, depth + 1);
  }

  void FontRun(const TFontObj& run, int depth) {
    const TMyFont& font = run.TheFont;
    out_ << Indent(depth) << "font " << run.Pos << ": " << Quoted(font.Spec.Name) << " " << font.PointSize() << "pt"
         << " nominal=" << font.NominalSize << " style=" << StyleText(font.Spec.Style)
         << " color=" << ColorText(font.Spec.Color) << " charset=" << font.Spec.Charset;
    if (font.FixedPitch) out_ << " fixed";
    if (run.SubSup) out_ << (run.SubSup == 1 ? " sub" : " sup");
    if (!run.UrlTarget.Empty()) {
      out_ << " link=" << Quoted(run.UrlTarget.Url);
      if (!run.UrlTarget.Target.empty()) out_ << " target=" << Quoted(run.UrlTarget.Target);
    }
    out_ << "\n";
  }

  void Image(const TImageObj& image, int depth) {
    out_ << Indent(depth) << "image " << image.Pos << ": src=" << Quoted(image.Source) << " align=" << Name(image.ImageAlign)
         << " hspace=" << image.HSpace << " vspace=" << image.VSpace;
    if (!image.Alt.empty()) out_ << " alt=" << Quoted(image.Alt);
    if (image.SpecWidth.Given()) out_ << " width=" << image.SpecWidth.Text();
    if (image.SpecHeight) out_ << " height=" << *image.SpecHeight;
    if (image.NoBorder) out_ << " noborder";
    if (image.Transparent) out_ << " transp";
    if (image.IsMap) out_ << " ismap";
    if (image.UseMap) out_ << " usemap=" << Quoted(image.MapName);
    if (image.Active) out_ << " active";
    if (image.MyFormControl) out_ << " control=" << Quoted(image.MyFormControl->Name);
    out_ << "\n";
  }

  void Control(const TFormControlObj& control, int depth) {
    out_ << Indent(depth) << "control " << control.Pos << ": " << control.KindName()
         << " name=" << Quoted(control.Name) << " value=" << Quoted(control.Value);
    if (const std::string state = control.StateText(); !state.empty()) out_ << " " << EscapeText(state);
    out_ << "\n";
    if (auto* list = dynamic_cast<const TListBoxFormControlObj*>(&control)) {
      for (const auto& option : list->Options) {
        out_ << Indent(depth + 1) << "option " << Quoted(option.Caption);
        if (option.HasValue) out_ << " value=" << Quoted(option.Value);
        if (option.Selected) out_ << " selected";
        out_ << "\n";
      }
    }
    if (auto* area = dynamic_cast<const TTextAreaFormControlObj*>(&control))
      for (const auto& line : area->TheText) out_ << Indent(depth + 1) << "line " << Quoted(line) << "\n";
  }

  void Rule(const THorzLine& rule, int depth) {
    out_ << Indent(depth) << "THorzLine size=" << rule.VSize;
    if (rule.Width.Given()) out_ << " width=" << rule.Width.Text();
    out_ << " align=" << Name(rule.Align) << " height=" << rule.SectionHeight;
    if (rule.HasColor) out_ << " color=" << ColorText(rule.Color);
    if (rule.NoShade) out_ << " noshade";
    out_ << "\n";
  }

  void CellObj(const char* what, const TCellObj& cell, int depth) {
    out_ << Indent(depth) << what << " colspan=" << cell.ColSpan << " rowspan=" << cell.RowSpan
         << " valign=" << Name(cell.VAlign);
    if (cell.SpecWd.Positive()) out_ << " width=" << cell.SpecWd.Text();
    if (cell.SpecHt) out_ << " height=" << cell.SpecHt;
    if (cell.Cell->BkGnd) out_ << " bgcolor=" << ColorText(cell.Cell->BkColor);
    out_ << "\n";
    Cell(*cell.Cell, depth + 1);
  }

  void Table(const THtmlTable& table, int depth) {
    out_ << Indent(depth) << "THtmlTable align=" << Name(table.Align) << (table.Float ? " float" : "")
         << " border=" << table.Border << " padding=" << table.CellPadding << " spacing=" << table.CellSpacing
         << " hspace=" << table.HSpace << " vspace=" << table.VSpace;
    if (table.SpecWidth.Positive()) out_ << " width=" << table.SpecWidth.Text();
    if (table.SpecHeight.Positive()) out_ << " height=" << table.SpecHeight.Text();
    if (table.BkGnd) out_ << " bgcolor=" << ColorText(table.BkColor);
    if (table.HasBorderColor) out_ << " bordercolor=" << ColorText(table.BdrColor);
    out_ << "\n";
    if (table.Caption) CellObj(table.TopCaption ? "caption top" : "caption bottom", *table.Caption, depth + 1);
    for (const auto& row : table.Rows) {
      out_ << Indent(depth + 1) << "row";
      if (row->BkGnd) out_ << " bgcolor=" << ColorText(row->BkColor);
      out_ << "\n";
      for (const auto& cell : *row)
        if (cell) CellObj("cell", *cell, depth + 2);  // laid-out rows hold no cell where a span reaches
    }
  }
};

}  // namespace

std::string EscapeText(std::u32string_view text) {
  std::string escaped;
  for (const char32_t ch : text) {
    if (ch < 32 || (ch >= 127 && ch <= 0xA0) || ch == '\\') {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(ch));
      escaped += code;
    } else {
      AppendUtf8(escaped, ch);
    }
  }
  return escaped;
}

std::string EscapeText(std::string_view utf8) { return EscapeText(ToUtf32(utf8)); }

std::string ColorText(TColor color) {
  if (color == clNone) return "none";
  char text[16];
  if (color & 0x80000000u) std::snprintf(text, sizeof text, "sys%u", color & 0xFF);
  else std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
  return std::string(text) + (color & kPaletteRelative ? "p" : "");
}

std::string DumpDocument(const TSectionList& document, const TDumpHeader& header) {
  std::ostringstream out;
  out << "title " << Quoted(header.Title) << "\n";
  out << "base " << Quoted(header.Base) << "\n";
  out << "basetarget " << Quoted(header.BaseTarget) << "\n";
  out << "page background=" << ColorText(document.Background) << " text=" << ColorText(document.FontColor)
      << " link=" << ColorText(document.HotSpotColor) << " vlink=" << ColorText(document.LinkVisitedColor);
  if (document.LinksActive) out << " olink=" << ColorText(document.LinkActiveColor);
  if (!document.BackgroundImageName.empty()) out << " image=" << Quoted(document.BackgroundImageName);
  out << " margins=" << document.MarginWidth << "," << document.MarginHeight << "\n";
  Dumper(out).Cell(document, 0);
  if (header.Names)
    for (const auto& entry : *header.Names) out << "anchor " << Quoted(entry.Name) << "\n";
  for (const auto& form : document.HtmlFormList) {
    out << "form method=" << Quoted(form->Method) << " action=" << Quoted(form->Action)
        << " target=" << Quoted(form->Target) << " enctype=" << Quoted(form->EncType)
        << " controls=" << form->ControlList.size() << " shown=" << form->NonHiddenCount << "\n";
    for (const std::string& pair : form->Submission()) out << "  submits " << Quoted(pair) << "\n";
  }
  for (const auto& map : document.MapList) {
    out << "map " << Quoted(map->MapName) << "\n";
    static constexpr const char* kShapes[] = {"rect", "circle", "poly"};
    for (size_t i = 0; i < map->Areas.size(); ++i) {
      const auto& area = map->Areas[i];
      out << "  area " << kShapes[static_cast<int>(area.Region.Kind)];
      for (const TPoint& p : area.Region.Points) out << " " << p.X << "," << p.Y;
      out << " href=" << Quoted(area.Href) << " target=" << Quoted(map->Targets[i]) << "\n";
    }
  }
  return out.str();
}

void ForEachSection(const TCell& cell, const std::function<void(const TSection&)>& visit) {
  for (const auto& block : cell) {
    if (auto* section = dynamic_cast<const TSection*>(block.get())) {
      visit(*section);
    } else if (auto* table = dynamic_cast<const THtmlTable*>(block.get())) {
      if (table->Caption && table->TopCaption) ForEachSection(*table->Caption->Cell, visit);
      for (const auto& row : table->Rows)
        for (const auto& item : *row)
          if (item) ForEachSection(*item->Cell, visit);  // spanned places hold no cell
      if (table->Caption && !table->TopCaption) ForEachSection(*table->Caption->Cell, visit);
    }
  }
}

std::string DumpSectionTexts(const TSectionList& document) {
  std::string out;
  ForEachSection(document, [&](const TSection& section) { out += EscapeText(section.Buff) + "\n"; });
  return out;
}

std::string DumpIndexRuns(const TSectionList& document) {
  std::string out;
  ForEachSection(document, [&](const TSection& section) {
    std::string line;
    for (const IndexObj& run : section.SIndexList)
      line += (line.empty() ? "" : " ") + std::to_string(run.Pos) + ":" + std::to_string(run.Index) +
              (run.Width == 1 ? "" : "*" + std::to_string(run.Width));
    out += line + "\n";
  });
  return out;
}

}  // namespace tessaly::preview
