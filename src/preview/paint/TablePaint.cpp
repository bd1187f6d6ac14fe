// Painting tables and finding the cell under a point.

#include <algorithm>

#include "preview/document/SectionList.h"
#include "preview/document/Table.h"

namespace tessaly::preview {

namespace {

// Device coordinates stay within a range every surface accepts.
TRect Clamped(const TRect& r) {
  auto c = [](int v) { return std::clamp(v, -200, 3000); };
  return {c(r.Left), c(r.Top), c(r.Right), c(r.Bottom)};
}

TRect Shifted(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
TRect Grown(const TRect& r, int by) { return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

void Frame(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
  canvas.SetPen(topLeft, 1, TPenStyle::psSolid);
  canvas.Line({r.Left, r.Bottom - 1}, {r.Left, r.Top});
  canvas.Line({r.Left, r.Top}, {r.Right, r.Top});
  canvas.SetPen(bottomRight, 1, TPenStyle::psSolid);
  canvas.Line({r.Right - 1, r.Top + 1}, {r.Right - 1, r.Bottom});
  canvas.Line({r.Left + 1, r.Bottom - 1}, {r.Right, r.Bottom - 1});
}

}  // namespace

int THtmlTable::Paint(TCanvas& canvas, const TRect& clip, IndentManager&, int x, int y) {
  const int dy = y - YValue;
  const TRect table = Shifted(TableRect, x, dy);
  if (IntersectRect(table, clip).IsEmpty()) return y + SectionHeight;
  const TColor light = ColorToRGB(Document->Background) == clWhite ? clSilver : clBtnHighlight;
  if (HasBorderColor) {
    canvas.SetBrush(BdrColor, TBrushStyle::bsSolid);
    canvas.FillRect(Clamped(table));
  }
  for (const TCellPlace& place : Places) {
    const TRect box = Shifted(place.Box, x, dy);
    const TCell& cell = *place.Cell->Cell;
    if (cell.BkGnd || HasBorderColor) {
      canvas.SetBrush(cell.BkGnd ? cell.BkColor : Document->Background, TBrushStyle::bsSolid);
      canvas.FillRect(Clamped(Border ? Grown(box, 1) : box));
    }
    if (Border) Frame(canvas, Grown(box, 1), clBtnShadow, light);
  }
  if (Border) Frame(canvas, table, light, clBtnShadow);
  if (Caption && TopCaption) Caption->Cell->Draw(canvas, clip, x, dy);
  for (const TCellPlace& place : Places) {
    if (IntersectRect(Shifted(place.Box, x, dy), clip).IsEmpty()) continue;
    place.Cell->Cell->Draw(canvas, clip, x, dy);
  }
  if (Caption && !TopCaption) Caption->Cell->Draw(canvas, clip, x, dy);
  return y + SectionHeight;
}

void THtmlTable::ShiftY(int dy) {
  TSectionBase::ShiftY(dy);
  TableRect = Shifted(TableRect, 0, dy);
  for (TCellPlace& place : Places) place.Box = Shifted(place.Box, 0, dy);
  for (TCell* cell : CellsInOrder()) cell->ShiftY(dy);
}

TCell* THtmlTable::CellAt(int x, int y) const {
  for (const TCellPlace& place : Places)
    if (Grown(place.Box, CellSpacing).Contains({x, y})) return place.Cell->Cell.get();
  if (Caption && TableRect.Left <= x && x < TableRect.Right) return Caption->Cell.get();
  return nullptr;
}

bool THtmlTable::LinkAt(TCanvas& canvas, int x, int y, TFontObj*& font, TUrlTarget*& target) {
  TCell* cell = CellAt(x, y);
  return cell && cell->LinkAt(canvas, x, y, font, target);
}

TImageObj* THtmlTable::ImageAt(int x, int y, TPoint& inImage) {
  TCell* cell = CellAt(x, y);
  return cell ? cell->ImageAt(x, y, inImage) : nullptr;
}

int THtmlTable::CursorAt(TCanvas& canvas, int x, int y) {
  TCell* cell = CellAt(x, y);
  return cell ? cell->CursorAt(canvas, x, y) : -1;
}

bool THtmlTable::CursorPoint(TCanvas& canvas, int curs, TPoint& at) {
  // The place after the table's last character is still the table's.
  if (curs < StartCurs || curs > StartCurs + Len) return false;
  return FindCell(false, [&](TCell& cell) { return cell.CursorPoint(canvas, curs, at); }) != nullptr;
}

bool THtmlTable::CharAt(int curs, char32_t& ch, TSection*& section) {
  if (curs < StartCurs || curs >= StartCurs + Len) return false;
  return FindCell(false, [&](TCell& cell) { return cell.CharAt(curs, ch, section); }) != nullptr;
}

}  // namespace tessaly::preview
