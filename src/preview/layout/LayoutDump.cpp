#include "preview/layout/LayoutDump.h"

#include <sstream>

#include "preview/document/DocumentDump.h"
#include "preview/document/Forms.h"
#include "preview/document/Section.h"
#include "preview/document/Spaces.h"
#include "preview/document/Table.h"

namespace tessaly::preview {

namespace {

std::string Rect(int x, int y, int w, int h) {
  return "(" + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) + "x" + std::to_string(h) + ")";
}

std::string Rect(const TRect& r) { return Rect(r.Left, r.Top, r.Width(), r.Height()); }

void DumpCell(std::ostringstream& out, const TCell& cell, const std::string& pad);

void DumpSection(std::ostringstream& out, const TSection& section, const std::string& pad) {
  for (const LineRec& line : section.Lines) {
    out << pad << "  line " << Rect(line.LineIndent, line.Y, line.Width, line.Height());
    if (line.SpaceBefore || line.SpaceAfter) out << " above=" << line.SpaceBefore << " below=" << line.SpaceAfter;
    out << " \"" << EscapeText(std::u32string_view(section.Buff).substr(line.Start, line.Ln)) << "\"\n";
  }
  for (const auto& image : section.Images)
    out << pad << "  image " << (image->Floating() ? "float " + std::string(Name(image->ImageAlign)) + " " : "")
        << Rect(image->DrawRect()) << " \""
        << EscapeText(image->Source) << "\"\n";
  for (const TFormControlObj* control : section.FormControls)
    out << pad << "  control " << control->KindName() << " " << Rect(control->Place) << "\n";
}

void DumpBlock(std::ostringstream& out, const TSectionBase& block, const std::string& pad) {
  if (const auto* table = dynamic_cast<const THtmlTable*>(&block)) {
    out << pad << "table " << Rect(table->TableRect) << " columns=";
    for (size_t c = 0; c < table->Widths.size(); ++c) out << (c ? "," : "") << table->Widths[c];
    out << "\n";
    if (table->Caption) {
      out << pad << "  caption\n";
      DumpCell(out, *table->Caption->Cell, pad + "    ");
    }
    for (const auto& place : table->Places) {
      out << pad << "  cell " << place.Row << "," << place.Col << " " << Rect(place.Box) << "\n";
      DumpCell(out, *place.Cell->Cell, pad + "    ");
    }
    return;
  }
  const char* kind = dynamic_cast<const TSection*>(&block) ? "section"
                     : dynamic_cast<const THorzLine*>(&block) ? "rule"
                                                             : "space";
  out << pad << kind << " y=" << block.YValue << " h=" << block.SectionHeight;
  if (block.DrawHeight != block.SectionHeight) out << " draw=" << block.DrawHeight;
  out << "\n";
  if (const auto* section = dynamic_cast<const TSection*>(&block)) DumpSection(out, *section, pad);
}

void DumpCell(std::ostringstream& out, const TCell& cell, const std::string& pad) {
  for (const auto& block : cell) DumpBlock(out, *block, pad);
}

}  // namespace

std::string DumpLayout(const TSectionList& document) {
  std::ostringstream out;
  out << "document width=" << document.MaxWidth << " height=" << document.DocHeight << "\n";
  DumpCell(out, document, "");
  return out.str();
}

}  // namespace tessaly::preview
