#include "platform/Bitmap.h"

namespace tessaly {

TBitmap::TBitmap(int width, int height, TColor fill) : Width(width), Height(height) {
  const size_t count = width > 0 && height > 0 ? static_cast<size_t>(width) * height : 0;
  Pixels.resize(count * 3);
  for (size_t i = 0; i < count; ++i) {
    Pixels[i * 3] = static_cast<uint8_t>(GetRValue(fill));
    Pixels[i * 3 + 1] = static_cast<uint8_t>(GetGValue(fill));
    Pixels[i * 3 + 2] = static_cast<uint8_t>(GetBValue(fill));
  }
}

TColor TBitmap::Pixel(int x, int y) const {
  const size_t i = (static_cast<size_t>(y) * Width + x) * 3;
  return RGB(Pixels[i], Pixels[i + 1], Pixels[i + 2]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  const size_t i = (static_cast<size_t>(y) * Width + x) * 3;
  Pixels[i] = static_cast<uint8_t>(GetRValue(color));
  Pixels[i + 1] = static_cast<uint8_t>(GetGValue(color));
  Pixels[i + 2] = static_cast<uint8_t>(GetBValue(color));
}

}  // namespace tessaly
