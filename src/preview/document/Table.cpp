#include "preview/document/Table.h"

#include <algorithm>

#include "platform/CodePage1251.h"
#include "preview/document/SectionList.h"

namespace tessaly::preview {

std::optional<TVertAlign> VAlignOf(const std::string& value) {
  if (cp1251::SameText(value, "top") || cp1251::SameText(value, "baseline")) return TVertAlign::Top;
  if (cp1251::SameText(value, "middle")) return TVertAlign::Middle;
  if (cp1251::SameText(value, "bottom")) return TVertAlign::Bottom;
  return std::nullopt;
}

std::optional<THorzAlign> AlignOf(const std::string& value) {
  if (cp1251::SameText(value, "left")) return THorzAlign::Left;
  if (cp1251::SameText(value, "center")) return THorzAlign::Center;
  if (cp1251::SameText(value, "right")) return THorzAlign::Right;
  return std::nullopt;
}

TCellObj::TCellObj(TSectionList* document, const TAttributeList& attributes, TVertAlign vAlign)
    : VAlign(vAlign), Cell(std::make_unique<TCell>(document)) {
  for (const auto& attribute : attributes.Items()) {
    switch (attribute.Which) {
      case Attr::COLSPAN: ColSpan = std::max(attribute.Value, 1); break;
      case Attr::ROWSPAN: RowSpan = std::max(attribute.Value, 1); break;
      case Attr::VALIGN: VAlign = VAlignOf(attribute.Text).value_or(VAlign); break;
      case Attr::WIDTH: ReadLength(attribute, 100, SpecWd); break;
      case Attr::HEIGHT: SpecHt = std::max(attribute.Value, 0); break;
      case Attr::BGCOLOR: ReadColor(attribute, Cell->BkColor, Cell->BkGnd); break;
      default: break;
    }
  }
}

TCellList::TCellList(const TAttributeList& attributes) {
  if (const TAttribute* color = attributes.Find(Attr::BGCOLOR)) ReadColor(*color, BkColor, BkGnd);
  RowAlign = AlignOf(attributes.Text(Attr::ALIGN));
  RowVAlign = VAlignOf(attributes.Text(Attr::VALIGN)).value_or(TVertAlign::Middle);
}

THtmlTable::THtmlTable(TSectionList* document, const TAttributeList& attributes, THorzAlign align, TCell* enclosing,
                       bool inDocument)
    : TSectionBase(document), Align(align), MyCell(enclosing) {
  for (const auto& attribute : attributes.Items()) {
    switch (attribute.Which) {
      case Attr::BORDER: Border = attribute.Value > 0; break;
      case Attr::CELLPADDING: CellPadding = std::clamp(attribute.Value, 0, 50); break;
      case Attr::CELLSPACING: CellSpacing = std::clamp(attribute.Value, 0, 40); break;
      case Attr::ALIGN: {
        const std::string upper = cp1251::UpperCase(attribute.Text);
        if (upper == "LEFT" || upper == "RIGHT") Float = true;
        Align = AlignOf(upper).value_or(Align);
        break;
      }
      case Attr::WIDTH: ReadLength(attribute, 100, SpecWidth); break;
      case Attr::HEIGHT:
        // Percent heights only count for a table directly in the document.
        if (inDocument) ReadLength(attribute, 110, SpecHeight);
        else SpecHeight = TLength::Pixels(std::max(attribute.Value, 0));
        break;
      case Attr::HSPACE: HSpace = LimitedAbs(attribute.Value, 40); break;
      case Attr::VSPACE: VSpace = LimitedAbs(attribute.Value, 200); break;
      case Attr::BGCOLOR: ReadColor(attribute, BkColor, BkGnd); break;
      case Attr::BORDERCOLOR: ReadColor(attribute, BdrColor, HasBorderColor); break;
      default: break;
    }
  }
  if (Border) CellSpacing = std::max(CellSpacing + 2, 1);
}

std::vector<TCell*> THtmlTable::CellsInOrder() const {
  std::vector<TCell*> cells;
  if (Caption && TopCaption) cells.push_back(Caption->Cell.get());
  for (const auto& row : Rows)
    for (const auto& cell : *row)
      if (cell) cells.push_back(cell->Cell.get());
  if (Caption && !TopCaption) cells.push_back(Caption->Cell.get());
  return cells;
}

int THtmlTable::SourcePosOf(int curs) {
  // The cells number their positions inside the table's.
  if (curs < StartCurs || curs >= StartCurs + Len) return -1;
  int index = -1;
  FindCell(false, [&](TCell& cell) { return (index = cell.SourcePosOf(curs)) >= 0; });
  return index;
}

int THtmlTable::DocPosOf(int sourceIndex, bool prev) {
  int curs = -1;
  FindCell(prev, [&](TCell& cell) { return (curs = cell.DocPosOf(sourceIndex, prev)) >= 0; });
  return curs;
}


void THtmlTable::NumberCursorPositions(int& curs) {
  StartCurs = curs;
  for (TCell* cell : CellsInOrder()) cell->NumberCursorPositions(curs);
  Len = curs - StartCurs;
}

void THtmlTable::FontsChanged() {
  for (TCell* cell : CellsInOrder()) cell->FontsChanged();
}

}  // namespace tessaly::preview
