#include "preview/pictures/PngCodec.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "preview/pictures/PictureError.h"

namespace tessaly {

namespace {

constexpr uint8_t kHalfOpaque = 128;

// The writer's state lives in png_image; this frees it on every path out.
struct TPngImage {
  png_image Image{};
  TPngImage() { Image.version = PNG_IMAGE_VERSION; }
  ~TPngImage() { png_image_free(&Image); }
  [[noreturn]] void Fail() const { throw EInvalidGraphic(std::string("PNG error: ") + Image.message); }
};

// The reader goes through the full interface: the simplified one treats
// 16-bit data without a gamma chunk, and gamma 1.0, as linear light and
// brightens it on the way to 8 bits.
struct TPngSource {
  std::string_view Data;
  size_t Pos = 0;
  char Message[160] = "";
};

void ReadSource(png_structp png, png_bytep out, size_t length) {
  auto* source = static_cast<TPngSource*>(png_get_io_ptr(png));
  if (length > source->Data.size() - source->Pos) png_error(png, "file is cut short");
  std::copy_n(source->Data.data() + source->Pos, length, out);
  source->Pos += length;
}

void OnError(png_structp png, png_const_charp message) {
  auto* source = static_cast<TPngSource*>(png_get_error_ptr(png));
  std::snprintf(source->Message, sizeof source->Message, "%s", message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

struct TPngReader {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  explicit TPngReader(TPngSource& source) {
    Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, OnError, OnWarning);
    if (Png) Info = png_create_info_struct(Png);
    if (!Info) throw EInvalidGraphic("PNG error: out of memory");
    png_set_read_fn(Png, &source, ReadSource);
  }
  ~TPngReader() { png_destroy_read_struct(&Png, &Info, nullptr); }
};

// Gamma 1.0 is what many writers put in without meaning linear light, and
// sRGB needs nothing on an sRGB display; any other gamma is honoured.
bool NeedsGammaCorrection(png_structp png, png_infop info, double& fileGamma) {
  if (png_get_valid(png, info, PNG_INFO_sRGB)) return false;
  if (!png_get_gAMA(png, info, &fileGamma) || fileGamma <= 0) return false;
  return std::abs(fileGamma - 1.0) > 0.01;
}

}  // namespace

TBitmap ReadPng(std::string_view data) {
  TPngSource source{data};
  TPngReader reader(source);
  // Locals changed after setjmp are unreliable once libpng jumps back: the
  // buffers live behind a pointer that does not change.
  struct TBuffers {
    std::vector<uint8_t> Rgba;
    std::vector<png_bytep> Rows;
  };
  const auto buffers = std::make_unique<TBuffers>();
  std::vector<uint8_t>& rgba = buffers->Rgba;
  std::vector<png_bytep>& rows = buffers->Rows;
  png_uint_32 width = 0, height = 0;
  if (setjmp(png_jmpbuf(reader.Png))) throw EInvalidGraphic(std::string("PNG error: ") + source.Message);
  png_read_info(reader.Png, reader.Info);
  width = png_get_image_width(reader.Png, reader.Info);
  height = png_get_image_height(reader.Png, reader.Info);
  if (static_cast<size_t>(width) * height > kMaxPicturePixels || width == 0) {
    throw EInvalidGraphic("PNG error: picture too large");
  }
  png_set_expand(reader.Png);  // palette, low-bit grey and tRNS to RGB(A) bytes
  png_set_scale_16(reader.Png);
  png_set_gray_to_rgb(reader.Png);
  png_set_filler(reader.Png, 0xFF, PNG_FILLER_AFTER);
  if (double fileGamma = 0; NeedsGammaCorrection(reader.Png, reader.Info, fileGamma)) {
    png_set_gamma(reader.Png, PNG_DEFAULT_sRGB, fileGamma);
  }
  png_set_interlace_handling(reader.Png);
  png_read_update_info(reader.Png, reader.Info);
  rgba.resize(static_cast<size_t>(width) * height * 4);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = &rgba[static_cast<size_t>(y) * width * 4];
  png_read_image(reader.Png, rows.data());
  png_read_end(reader.Png, nullptr);

  TBitmap bitmap(static_cast<int>(width), static_cast<int>(height));
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
