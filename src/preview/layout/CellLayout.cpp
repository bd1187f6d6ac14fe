// Cells lay out and paint their blocks one below the other and pass hit
// tests on to them.

#include <algorithm>

#include "preview/document/Cell.h"

namespace tessaly::preview {

int TCell::DoLayout(TCanvas& canvas, int y, int left, int width, int& maxWidth, int& curs) {
  IMgr.Reset(left, left + width);
  YValue = y;
  StartCurs = curs;
  int blockY = y;
  for (const auto& block : *this) blockY += block->Layout(canvas, blockY, IMgr, maxWidth, curs);
  Len = curs - StartCurs;
  CellHeight = std::max(blockY, IMgr.LowestFloatBottom()) - y;
  return CellHeight;
}

void TCell::Draw(TCanvas& canvas, const TRect& clip, int dx, int dy) {
  for (const auto& block : *this) {
    const int top = block->YValue + dy;
    if (top >= clip.Bottom) break;
    if (top + std::max(block->SectionHeight, block->DrawHeight) <= clip.Top) continue;
    block->Paint(canvas, clip, IMgr, dx, top);
  }
}

void TCell::ShiftY(int dy) {
  YValue += dy;
  for (const auto& block : *this) block->ShiftY(dy);
}

void TCell::WidthRange(TCanvas& canvas, int& min, int& max) {
  min = max = 0;
  for (const auto& block : *this) {
    int blockMin = 0, blockMax = 0;
    block->WidthRange(canvas, blockMin, blockMax);
    min = std::max(min, blockMin);
    max = std::max(max, blockMax);
  }
}

bool TCell::LinkAt(TCanvas& canvas, int x, int y, TFontObj*& font, TUrlTarget*& target) {
  for (const auto& block : *this)
    if (block->LinkAt(canvas, x, y, font, target)) return true;
  return false;
}

TImageObj* TCell::ImageAt(int x, int y, TPoint& inImage) {
  for (const auto& block : *this)
    if (TImageObj* image = block->ImageAt(x, y, inImage)) return image;
  return nullptr;
}

int TCell::CursorAt(TCanvas& canvas, int x, int y) {
  for (const auto& block : *this)
    if (const int curs = block->CursorAt(canvas, x, y); curs >= 0) return curs;
  return -1;
}

bool TCell::CursorPoint(TCanvas& canvas, int curs, TPoint& at) {
  for (const auto& block : *this)
    if (block->CursorPoint(canvas, curs, at)) return true;
  return false;
}

bool TCell::CharAt(int curs, char32_t& ch, TSection*& section) {
  for (const auto& block : *this)
    if (block->CharAt(curs, ch, section)) return true;
  return false;
}

}  // namespace tessaly::preview
