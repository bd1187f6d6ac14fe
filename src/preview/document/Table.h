#pragma once
// Tables: rows of cells, each cell holding blocks of its own.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "preview/document/Alignment.h"
#include "preview/document/Attributes.h"
#include "preview/document/Cell.h"
#include "preview/document/SectionBase.h"

namespace tessaly::preview {

constexpr int kMaxColumns = 200;

class TCellObj {
public:
  // `vAlign` is the row's default, used when the cell gives none.
  TCellObj(TSectionList* document, const TAttributeList& attributes, TVertAlign vAlign);
  int ColSpan = 1;
  int RowSpan = 1;
  TVertAlign VAlign = TVertAlign::Middle;
  TLength SpecWd;
  int SpecHt = 0;          // HEIGHT, 0 when not given
  std::unique_ptr<TCell> Cell;
};

// One row; a null entry is a place covered by a spanning cell.
class TCellList : public TFreeList<TCellObj> {
public:
  TCellList(const TAttributeList& attributes);
  TColor BkColor = clNone;
  bool BkGnd = false;
  std::optional<THorzAlign> RowAlign;  // ALIGN of the row
  TVertAlign RowVAlign = TVertAlign::Middle;
};

// "top" and "baseline" are Top; nothing for a value that names no alignment.
std::optional<TVertAlign> VAlignOf(const std::string& value);
std::optional<THorzAlign> AlignOf(const std::string& value);

class THtmlTable : public TSectionBase {
public:
  // `align` is the paragraph alignment in effect; `inDocument` tells whether
  // the table sits directly in the document (percent heights).
  THtmlTable(TSectionList* document, const TAttributeList& attributes, THorzAlign align, TCell* enclosing,
             bool inDocument);

  TFreeList<TCellList> Rows;
  std::unique_ptr<TCellObj> Caption;
  bool TopCaption = true;
  bool Border = false;
  int CellPadding = 1;
  int CellSpacing = 2;
  THorzAlign Align;
  bool Float = false;
  TLength SpecWidth;
  TLength SpecHeight;
  int HSpace = 5;
  int VSpace = 0;
  TColor BkColor = clNone;
  bool BkGnd = false;
  TColor BdrColor = clNone;
  bool HasBorderColor = false;
  int NumCols = 0;
  std::vector<int> Widths;      // column widths, set by layout
  std::vector<int> Percents;    // per-column shares in tenths of a percent
  TCell* MyCell;                // the enclosing cell

  int SourcePosOf(int curs) override;
  int DocPosOf(int sourceIndex, bool prev) override;
  void NumberCursorPositions(int& curs) override;
  void FontsChanged() override;
  int Layout(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) override;
  int Paint(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y) override;
  bool LinkAt(TCanvas& canvas, int x, int y, TFontObj*& font, TUrlTarget*& target) override;
  TImageObj* ImageAt(int x, int y, TPoint& inImage) override;
  int CursorAt(TCanvas& canvas, int x, int y) override;
  bool CursorPoint(TCanvas& canvas, int curs, TPoint& at) override;
  bool CharAt(int curs, char32_t& ch, TSection*& section) override;
  void WidthRange(TCanvas& canvas, int& min, int& max) override;
  void ShiftY(int dy) override;

  // Where layout put the table and each cell (document coordinates).
  struct TCellPlace {
    TCellObj* Cell;
    int Row, Col;
    TRect Box;  // the cell without the spacing
  };
  TRect TableRect;
  std::vector<TCellPlace> Places;

private:
  bool spansExpanded_ = false;
  // Inserts the empty places spanning cells cover and gives cells the
  // row's or table's colour; counts the columns.
  void ExpandSpans();
  void ColumnRanges(TCanvas& canvas, int workWidth, std::vector<int>& mn, std::vector<int>& mx);
  void ColumnPercents(int workWidth);
  void ColumnWidths(int workWidth, bool ownWidth, const std::vector<int>& mn, const std::vector<int>& mx);
  // Row heights from the cells' contents, laid out once each.
  std::vector<int> RowHeights(TCanvas& canvas, std::vector<int>& contentHeights);
  TCell* CellAt(int x, int y) const;

  // The caption on top, the rows' cells in order, the caption at the bottom.
  std::vector<TCell*> CellsInOrder() const;
  // The first cell in that order (or the reverse) `found` accepts; for the
  // lookups that run through every table of a page, without a list per call.
  template <typename Found>
  TCell* FindCell(bool backwards, Found found) const;
};

template <typename Found>
TCell* THtmlTable::FindCell(bool backwards, Found found) const {
  TCell* const top = Caption && TopCaption ? Caption->Cell.get() : nullptr;
  TCell* const bottom = Caption && !TopCaption ? Caption->Cell.get() : nullptr;
  TCell* const first = backwards ? bottom : top;
  if (first && found(*first)) return first;
  const auto visitRow = [&](const auto& row) -> TCell* {
    if (backwards) {
      for (auto cell = row->rbegin(); cell != row->rend(); ++cell)
        if (*cell && found(*(*cell)->Cell)) return (*cell)->Cell.get();
    } else {
      for (const auto& cell : *row)
        if (cell && found(*cell->Cell)) return cell->Cell.get();
    }
    return nullptr;
  };
  if (backwards) {
    for (auto row = Rows.rbegin(); row != Rows.rend(); ++row)
      if (TCell* cell = visitRow(*row)) return cell;
  } else {
    for (const auto& row : Rows)
      if (TCell* cell = visitRow(row)) return cell;
  }
  TCell* const last = backwards ? top : bottom;
  return last && found(*last) ? last : nullptr;
}

}  // namespace tessaly::preview
