#pragma once
// Reducing true-colour pictures to 8-bit pictures with a palette, for
// displays of 256 colours or fewer.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/DisplayDepth.h"
#include "preview/pictures/Palette.h"

namespace tessaly {

// An 8-bit picture: one palette index per pixel, top row first.
struct TIndexedPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Indexes;
  TPalette Palette;

  uint8_t Index(int x, int y) const { return Indexes[static_cast<size_t>(y) * Width + x]; }
  // The picture as the display shows it.
  TBitmap ToBitmap() const;
};

enum TReductionMode {
  rmNone = 0,           // no conversion
  rmSystemPalette = 1,  // the 20 static colours
  rmWebCube = 3,        // the 216-colour cube
  rmSharedPalette = 4,  // the preview's shared palette
  rmOptimized = 5,      // 236 colours of the picture itself between the static colours
};

enum TDitherMode { dmNearest = 0, dmFloydSteinberg = 1 };

// The picture in the mode's palette; nothing for rmNone.
std::optional<TIndexedPicture> Reduce(const TBitmap& picture, TReductionMode mode, TDitherMode dither);

// The 256-entry palette rmOptimized uses for `picture`.
TPalette OptimizedPalette(const TBitmap& picture);

// A BMP or JPEG picture as the display of the current depth class shows it:
// reduced with Floyd–Steinberg to the static colours on 4-bit displays and to
// the shared palette on 8-bit ones; unchanged on deeper displays. The mask
// stays as it was.
TBitmap PreparePicture(const TBitmap& picture, TDisplayDepthClass depth = DisplayDepthClass());

}  // namespace tessaly
