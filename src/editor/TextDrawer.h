#pragma once
// Draws runs of text on a fixed grid: every character occupies one cell of
// the editor's character width (two for wide East Asian characters and
// emoji), whatever the font's own advance, so bold and italic runs line up
// with plain ones. Bound to one canvas for one paint.

#include <string_view>

#include "platform/Canvas.h"

namespace tessaly {

class TTextDrawer {
public:
  TTextDrawer(TCanvas& canvas, const TFontSpec& baseFont, int charWidth, int lineHeight);

  void SetStyle(TFontStyles style);
  void SetForeColor(TColor color);
  void SetBackColor(TColor color) { canvas_.SetTextBackground(color, true); }
  // Fills `rect` with the background and draws Unicode `utf8` from cell x
  // on, clipped to it.
  void TextOut(int x, int y, const TRect& rect, std::string_view utf8);
  // A byte no character shows (a byte the encoding cannot read, a control
  // character): a small frame in one cell holding its two hex digits, one
  // above the other.
  void HexBox(int x, int y, unsigned char byte);

private:
  TCanvas& canvas_;
  TFontSpec font_;
  int charWidth_;
  int lineHeight_;
  TColor foreground_ = clBlack;
};

}  // namespace tessaly
