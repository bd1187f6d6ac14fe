#include "preview/pictures/BuiltinPictures.h"

#include <cstdlib>

namespace tessaly {

namespace {

constexpr int kLast = kBuiltinPictureSize - 1;

bool OnFrame(int x, int y) { return x == 0 || y == 0 || x == kLast || y == kLast; }

// A framed page with a sun and a hill: "a picture goes here".
TBitmap MakePlaceholder() {
  TBitmap picture(kBuiltinPictureSize, kBuiltinPictureSize, clWhite);
  for (int y = 0; y < kBuiltinPictureSize; ++y) {
    for (int x = 0; x < kBuiltinPictureSize; ++x) {
      if (OnFrame(x, y)) {
        picture.SetPixel(x, y, clGray);
      } else if ((x - 5) * (x - 5) + (y - 5) * (y - 5) <= 4) {
        picture.SetPixel(x, y, clYellow);
      } else if (y >= 10 + std::abs(x - 9) / 2) {
        picture.SetPixel(x, y, clGreen);
      }
    }
  }
  return picture;
}

// A red cross in a grey frame; the rest lets the page show through.
TBitmap MakeErrorPicture() {
  TBitmap picture(kBuiltinPictureSize, kBuiltinPictureSize, clWhite);
  picture.Mask.assign(static_cast<size_t>(kBuiltinPictureSize) * kBuiltinPictureSize, 1);
  for (int y = 0; y < kBuiltinPictureSize; ++y) {
    for (int x = 0; x < kBuiltinPictureSize; ++x) {
      const bool cross = y >= 3 && y <= kLast - 3 && (std::abs(x - y) <= 1 || std::abs(x + y - kLast) <= 1);
      if (!OnFrame(x, y) && !cross) continue;
      picture.SetPixel(x, y, cross ? clRed : clGray);
      picture.Mask[static_cast<size_t>(y) * kBuiltinPictureSize + x] = 0;
    }
  }
  return picture;
}

}  // namespace

const TBitmap& PlaceholderPicture() {
  static const TBitmap picture = MakePlaceholder();
  return picture;
}

const TBitmap& ErrorPicture() {
  static const TBitmap picture = MakeErrorPicture();
  return picture;
}

TBitmap WithLowerLeftTransparency(const TBitmap& bitmap) {
  TBitmap result = bitmap;
  if (result.Empty()) return result;
  const size_t count = static_cast<size_t>(result.Width) * result.Height;
  if (!result.HasMask()) result.Mask.assign(count, 0);
  const TColor key = result.Pixel(0, result.Height - 1);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* p = &result.Pixels[i * 3];
    if (RGB(p[0], p[1], p[2]) == key) result.Mask[i] = 1;
  }
  return result;
}

}  // namespace tessaly
