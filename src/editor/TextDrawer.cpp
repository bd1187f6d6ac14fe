#include "editor/TextDrawer.h"

#include <algorithm>

namespace tessaly {

TTextDrawer::TTextDrawer(TCanvas& canvas, const TFontSpec& baseFont, int charWidth, int lineHeight)
    : canvas_(canvas), font_(baseFont), charWidth_(charWidth), lineHeight_(lineHeight) {
  canvas_.SetFont(font_);
}

void TTextDrawer::SetStyle(TFontStyles style) {
  if (style == font_.Style) return;
  font_.Style = style;
  canvas_.SetFont(font_);
}

void TTextDrawer::SetForeColor(TColor color) {
  foreground_ = color;
  canvas_.SetTextColor(color);
}

void TTextDrawer::TextOut(int x, int y, const TRect& rect, std::string_view utf8) {
  canvas_.GridTextOut(x, y, etoOpaque | etoClipped, rect, utf8, charWidth_);
}

void TTextDrawer::HexBox(int x, int y, unsigned char byte) {
  static const char kDigits[] = "0123456789ABCDEF";
  const TRect box{x + 1, y + 1, x + charWidth_ - 1, y + lineHeight_ - 1};
  canvas_.SetBrush(foreground_, TBrushStyle::bsSolid);
  canvas_.FrameRect(box);
  TFontSpec small = font_;
  small.Style = 0;
  const int half = std::max(1, (lineHeight_ - 2) / 2);
  small.Height = -std::max(1, half - 1);
  canvas_.SetFont(small);
  canvas_.SetTextBackground(clNone, false);
  const char high[1] = {kDigits[byte >> 4]}, low[1] = {kDigits[byte & 15]};
  canvas_.ExtTextOut(x + 2, y + 2, etoClipped, box, std::string_view(high, 1), 0);
  canvas_.ExtTextOut(x + 2, y + 1 + half, etoClipped, box, std::string_view(low, 1), 0);
  canvas_.SetFont(font_);
}

}  // namespace tessaly
