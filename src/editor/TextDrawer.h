#pragma once
// Draws runs of text on a fixed grid: every byte occupies one cell of the
// editor's character width, whatever the font's own advance, so bold and
// italic runs line up with plain ones. Bound to one canvas for one paint.

#include <string_view>

#include "platform/Canvas.h"

namespace tessaly {

class TTextDrawer {
public:
  TTextDrawer(TCanvas& canvas, const TFontSpec& baseFont, int charWidth);

  void SetStyle(TFontStyles style);
  void SetForeColor(TColor color) { canvas_.SetTextColor(color); }
  void SetBackColor(TColor color) { canvas_.SetTextBackground(color, true); }
  // Fills `rect` with the background and draws `text` clipped to it.
  void ExtTextOut(int x, int y, const TRect& rect, std::string_view text);

private:
  TCanvas& canvas_;
  TFontSpec font_;
  int charWidth_;
};

}  // namespace tessaly
