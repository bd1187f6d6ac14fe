#include "preview/pictures/PngCodec.h"

#include <png.h>

#include <algorithm>
#include <vector>

#include "preview/pictures/PictureError.h"

namespace tessaly {

namespace {

constexpr uint8_t kHalfOpaque = 128;

// The simplified interface keeps its state in png_image; this frees it on
// every path out.
struct TPngImage {
  png_image Image{};
  TPngImage() { Image.version = PNG_IMAGE_VERSION; }
  ~TPngImage() { png_image_free(&Image); }
  [[noreturn]] void Fail() const { throw EInvalidGraphic(std::string("PNG error: ") + Image.message); }
};

}  // namespace

TBitmap ReadPng(std::string_view data) {
  TPngImage png;
  if (!png_image_begin_read_from_memory(&png.Image, data.data(), data.size())) png.Fail();
  if (static_cast<size_t>(png.Image.width) * png.Image.height > kMaxPicturePixels || png.Image.width == 0) {
    throw EInvalidGraphic("PNG error: picture too large");
  }
  png.Image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(png.Image));
  if (!png_image_finish_read(&png.Image, nullptr, rgba.data(), 0, nullptr)) png.Fail();

  TBitmap bitmap(static_cast<int>(png.Image.width), static_cast<int>(png.Image.height));
  const size_t count = static_cast<size_t>(bitmap.Width) * bitmap.Height;
  bool transparent = false;
  for (size_t i = 0; i < count; ++i) {
    std::copy_n(&rgba[i * 4], 3, &bitmap.Pixels[i * 3]);
    transparent = transparent || rgba[i * 4 + 3] < kHalfOpaque;
  }
  if (transparent) {
    bitmap.Mask.resize(count);
    for (size_t i = 0; i < count; ++i) bitmap.Mask[i] = rgba[i * 4 + 3] < kHalfOpaque ? 1 : 0;
  }
  return bitmap;
}

std::string EncodePng(const TBitmap& bitmap) {
  if (bitmap.Empty()) throw EInvalidGraphic("PNG error: empty picture");
  TPngImage png;
  png.Image.width = static_cast<png_uint_32>(bitmap.Width);
  png.Image.height = static_cast<png_uint_32>(bitmap.Height);
  png.Image.format = bitmap.HasMask() ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  std::vector<uint8_t> pixels;
  if (bitmap.HasMask()) {
    const size_t count = static_cast<size_t>(bitmap.Width) * bitmap.Height;
    pixels.resize(count * 4);
    for (size_t i = 0; i < count; ++i) {
      std::copy_n(&bitmap.Pixels[i * 3], 3, &pixels[i * 4]);
      pixels[i * 4 + 3] = bitmap.Mask[i] ? 0 : 255;
    }
  }
  const void* source = bitmap.HasMask() ? pixels.data() : bitmap.Pixels.data();
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png.Image, nullptr, &size, 0, source, 0, nullptr)) png.Fail();
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&png.Image, bytes.data(), &size, 0, source, 0, nullptr)) png.Fail();
  bytes.resize(size);
  return bytes;
}

}  // namespace tessaly
