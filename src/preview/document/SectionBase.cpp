#include "preview/document/SectionBase.h"

namespace tessaly::preview {

int TSectionBase::Layout(TCanvas&, int y, IndentManager&, int&, int& curs) {
  YValue = y;
  NumberCursorPositions(curs);
  DrawHeight = SectionHeight;
  return SectionHeight;
}

int TSectionBase::Paint(TCanvas&, const TRect&, IndentManager&, int, int y) { return y + SectionHeight; }

bool TSectionBase::LinkAt(TCanvas&, int, int, TFontObj*&, TUrlTarget*&) { return false; }

TImageObj* TSectionBase::ImageAt(int, int, TPoint&) { return nullptr; }

int TSectionBase::CursorAt(TCanvas&, int, int) { return -1; }

int TSectionBase::SourcePosOf(int) { return -1; }

int TSectionBase::DocPosOf(int, bool) { return -1; }

bool TSectionBase::CursorPoint(TCanvas&, int, TPoint&) { return false; }

bool TSectionBase::CharAt(int, char32_t&, TSection*&) { return false; }

void TSectionBase::WidthRange(TCanvas&, int& min, int& max) { min = max = 0; }

void TSectionBase::NumberCursorPositions(int& curs) {
  StartCurs = curs;
  curs += Len;
}

}  // namespace tessaly::preview
