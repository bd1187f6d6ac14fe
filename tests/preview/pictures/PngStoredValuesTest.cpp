// PNG pictures show their stored values: 16-bit samples and gamma chunks
// that ask nothing of an ordinary display leave them as they are. The files
// are made here, chunk by chunk.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "preview/pictures/PictureError.h"
#include "preview/pictures/PngCodec.h"

namespace tessaly {
namespace {

void PutBigEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutChunk(std::string& out, const std::string& type, const std::string& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()), 4);
  const std::string body = type + data;
  out += body;
  PutBigEndian(out, crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())), 4);
}

struct PngSpec {
  int bitDepth;
  int colorType;            // 0 grey, 2 RGB, 6 RGBA
  uint32_t gamma;           // gAMA value × 100000, 0 for no chunk
  bool srgb;                // an sRGB chunk
  std::vector<uint32_t> samples;  // one row, every sample of every pixel
};

int Channels(int colorType) { return colorType == 0 ? 1 : colorType == 2 ? 3 : 4; }

std::string MakePng(const PngSpec& spec) {
  const int channels = Channels(spec.colorType);
  const uint32_t width = static_cast<uint32_t>(spec.samples.size() / channels);
  std::string png = "\x89PNG\r\n\x1A\n";
  std::string header;
  PutBigEndian(header, width, 4);
  PutBigEndian(header, 1, 4);
  header += {static_cast<char>(spec.bitDepth), static_cast<char>(spec.colorType), 0, 0, 0};
  PutChunk(png, "IHDR", header);
  if (spec.srgb) PutChunk(png, "sRGB", std::string(1, '\0'));
  if (spec.gamma) {
    std::string gamma;
    PutBigEndian(gamma, spec.gamma, 4);
    PutChunk(png, "gAMA", gamma);
  }
  std::string row(1, '\0');  // filter: none
  for (uint32_t sample : spec.samples) PutBigEndian(row, sample, spec.bitDepth / 8);
  uLongf size = compressBound(static_cast<uLong>(row.size()));
  std::string packed(size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(row.data()),
            static_cast<uLong>(row.size()), 9);
  packed.resize(size);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", "");
  return png;
}

std::vector<uint32_t> Wide(std::vector<uint32_t> bytes) {
  for (uint32_t& value : bytes) value *= 257;  // the same level in 16 bits
  return bytes;
}

struct StoredCase {
  const char* name;
  PngSpec spec;
  std::vector<uint8_t> pixels;  // RGB bytes
};

TEST(PngStoredValues, ReachThePictureUnchanged) {
  const StoredCase cases[] = {
      {"16-bit grey, no gamma", {16, 0, 0, false, Wide({32, 128, 208})}, {32, 32, 32, 128, 128, 128, 208, 208, 208}},
      {"16-bit RGB, no gamma", {16, 2, 0, false, Wide({32, 128, 208, 1, 2, 3})}, {32, 128, 208, 1, 2, 3}},
      {"16-bit RGBA, opaque", {16, 6, 0, false, Wide({10, 20, 30, 255})}, {10, 20, 30}},
      {"8-bit grey, gamma 1.0", {8, 0, 100000, false, {32, 128, 208}}, {32, 32, 32, 128, 128, 128, 208, 208, 208}},
      {"8-bit RGB, gamma 1.0", {8, 2, 100000, false, {32, 128, 208}}, {32, 128, 208}},
      {"8-bit RGB, display gamma", {8, 2, 45455, false, {32, 128, 208}}, {32, 128, 208}},
      {"8-bit RGB, sRGB", {8, 2, 45455, true, {32, 128, 208}}, {32, 128, 208}},
      {"16-bit grey, gamma 1.0", {16, 0, 100000, false, Wide({32, 128, 208})},
       {32, 32, 32, 128, 128, 128, 208, 208, 208}},
  };
  for (const auto& c : cases) {
    const TBitmap picture = ReadPng(MakePng(c.spec));
    EXPECT_EQ(picture.Pixels, c.pixels) << c.name;
    EXPECT_FALSE(picture.HasMask()) << c.name;
  }
}

TEST(PngStoredValues, AGammaTheDisplayNeedsIsStillApplied) {
  // File gamma 0.25 on a 2.2 display: mid grey darkens to about 73.
  const TBitmap picture = ReadPng(MakePng({8, 0, 25000, false, {128}}));
  ASSERT_EQ(picture.Pixels.size(), 3u);
  EXPECT_GT(picture.Pixels[0], 65);
  EXPECT_LT(picture.Pixels[0], 80);
}

TEST(PngStoredValues, SixteenBitAlphaMakesTheMask) {
  const TBitmap picture = ReadPng(MakePng({16, 6, 0, false, Wide({1, 2, 3, 0, 4, 5, 6, 255})}));
  EXPECT_EQ(picture.Mask, (std::vector<uint8_t>{1, 0}));
  EXPECT_EQ(picture.Pixels, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
}

TEST(PngStoredValues, ACutFileIsAnError) {
  const std::string png = MakePng({8, 2, 0, false, {1, 2, 3}});
  EXPECT_THROW(ReadPng(png.substr(0, png.size() - 20)), EInvalidGraphic);
}

}  // namespace
}  // namespace tessaly
