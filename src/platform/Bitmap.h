#pragma once
// A picture as the core keeps it: 24-bit pixels, top row first, with an
// optional transparency mask. The toolkit side converts it when drawing.

#include <cstdint>
#include <vector>

#include "platform/Graphics.h"

namespace tessaly {

struct TBitmap {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Pixels;  // Width * Height * 3 bytes: red, green, blue
  std::vector<uint8_t> Mask;    // empty, or Width * Height bytes: non-zero = transparent

  TBitmap() = default;
  TBitmap(int width, int height, TColor fill = clBlack);

  bool Empty() const { return Width <= 0 || Height <= 0; }
  bool HasMask() const { return !Mask.empty(); }
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  bool Transparent(int x, int y) const { return HasMask() && Mask[static_cast<size_t>(y) * Width + x] != 0; }
};

}  // namespace tessaly
