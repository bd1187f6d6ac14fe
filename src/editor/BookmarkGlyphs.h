#pragma once
// The editor's own ten bookmark pictures, one strip of equal cells: glyph N
// is a small ribbon carrying the digit N.

#include "platform/Bitmap.h"

namespace tessaly {

constexpr int kBookmarkGlyphWidth = 11;
constexpr int kBookmarkGlyphHeight = 14;

// The strip, kBookmarkGlyphWidth * 10 wide, with a transparency mask.
const TBitmap& SrcEditInternalImages();

}  // namespace tessaly
