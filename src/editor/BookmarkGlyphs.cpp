#include "editor/BookmarkGlyphs.h"

#include <array>

namespace tessaly {
namespace {

// Digits 0-9 in a 3 x 5 pixel font, one row per string, '#' set.
constexpr std::array<std::array<const char*, 5>, 10> kDigits{{
    {"###", "#.#", "#.#", "#.#", "###"},
    {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"},
    {"###", "..#", ".##", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"},
    {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"},
    {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"},
}};

constexpr TColor kRibbon = 0x006000;  // dark green (BGR)
constexpr TColor kRibbonEdge = 0x003000;
constexpr TColor kDigit = clWhite;

// A ribbon 9 wide and 13 tall with a notch cut into its lower end; the
// digit is drawn at double size inside it.
void DrawGlyph(TBitmap& strip, int index) {
  const int left = index * kBookmarkGlyphWidth + 1;
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 9; ++x) {
      const int notch = y - 10;  // the notch widens towards the bottom
      if (notch > 0 && x >= 4 - notch + 1 && x <= 4 + notch - 1) continue;
      const bool edge = x == 0 || x == 8 || y == 0 || (y == 12);
      strip.SetPixel(left + x, y, edge ? kRibbonEdge : kRibbon);
      strip.Mask[static_cast<size_t>(y) * strip.Width + left + x] = 0;
    }
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col)
      if (kDigits[static_cast<size_t>(index)][static_cast<size_t>(row)][col] == '#')
        for (int dy = 0; dy < 2; ++dy)
          for (int dx = 0; dx < 2; ++dx) strip.SetPixel(left + 1 + col * 2 + dx, 1 + row * 2 + dy, kDigit);
}

TBitmap MakeStrip() {
  TBitmap strip(kBookmarkGlyphWidth * 10, kBookmarkGlyphHeight, clWhite);
  strip.Mask.assign(static_cast<size_t>(strip.Width) * strip.Height, 1);
  for (int i = 0; i < 10; ++i) DrawGlyph(strip, i);
  return strip;
}

}  // namespace

const TBitmap& SrcEditInternalImages() {
  static const TBitmap strip = MakeStrip();
  return strip;
}

}  // namespace tessaly
