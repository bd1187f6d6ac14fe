#include "editor/TextDrawer.h"

#include "platform/CodePage1251.h"

namespace tessaly {

TTextDrawer::TTextDrawer(TCanvas& canvas, const TFontSpec& baseFont, int charWidth)
    : canvas_(canvas), font_(baseFont), charWidth_(charWidth) {
  canvas_.SetFont(font_);
}

void TTextDrawer::SetStyle(TFontStyles style) {
  if (style == font_.Style) return;
  font_.Style = style;
  canvas_.SetFont(font_);
}

void TTextDrawer::ExtTextOut(int x, int y, const TRect& rect, std::string_view text) {
  // The editor's cells are windows-1251 bytes; the canvas takes Unicode.
  canvas_.ExtTextOut(x, y, etoOpaque | etoClipped, rect, cp1251::ToUtf8(text), charWidth_);
}

}  // namespace tessaly
