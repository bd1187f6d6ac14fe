#include <gtest/gtest.h>

#include "preview/pictures/BmpReader.h"
#include "preview/pictures/PictureError.h"

namespace tessaly {
namespace {

constexpr TColor K = clBlack, R = RGB(255, 0, 0), G = RGB(0, 255, 0), B = RGB(0, 0, 255);

void PutLE(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct BmpSpec {
  int width = 2;
  int height = 2;  // negative: top-down
  int bits = 8;
  uint32_t compression = 0;
  bool core = false;            // the 12-byte OS/2 header
  std::vector<uint32_t> masks;  // bit fields after the header
  std::string pixels;           // as stored
};

// Palette: black, red, green, blue.
std::string MakeBmp(const BmpSpec& s) {
  std::string header;
  std::string table;
  const TColor palette[] = {K, R, G, B};
  if (s.bits <= 8) {
    for (int i = 0; i < std::min(4, 1 << s.bits); ++i) {
      table += static_cast<char>(GetBValue(palette[i]));
      table += static_cast<char>(GetGValue(palette[i]));
      table += static_cast<char>(GetRValue(palette[i]));
      if (!s.core) table += '\0';
    }
  }
  if (s.core) {
    PutLE(header, 12, 4);
    PutLE(header, s.width, 2);
    PutLE(header, s.height, 2);
    PutLE(header, 1, 2);
    PutLE(header, s.bits, 2);
  } else {
    PutLE(header, 40, 4);
    PutLE(header, static_cast<uint32_t>(s.width), 4);
    PutLE(header, static_cast<uint32_t>(s.height), 4);
    PutLE(header, 1, 2);
    PutLE(header, s.bits, 2);
    PutLE(header, s.compression, 4);
    PutLE(header, static_cast<uint32_t>(s.pixels.size()), 4);
    PutLE(header, 0, 4);
    PutLE(header, 0, 4);
    PutLE(header, s.bits <= 8 ? std::min(4, 1 << s.bits) : 0, 4);
    PutLE(header, 0, 4);
    for (uint32_t mask : s.masks) PutLE(header, mask, 4);
  }
  std::string file = "BM";
  const size_t offset = 14 + header.size() + table.size();
  PutLE(file, static_cast<uint32_t>(offset + s.pixels.size()), 4);
  PutLE(file, 0, 4);
  PutLE(file, static_cast<uint32_t>(offset), 4);
  return file + header + table + s.pixels;
}

std::vector<TColor> Colors(const TBitmap& bitmap) {
  std::vector<TColor> colors;
  for (int y = 0; y < bitmap.Height; ++y)
    for (int x = 0; x < bitmap.Width; ++x) colors.push_back(bitmap.Pixel(x, y));
  return colors;
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out += static_cast<char>(b);
  return out;
}

TEST(BmpReader, ReadsEveryDepthAndLayout) {
  struct Case {
    const char* name;
    BmpSpec spec;
    std::vector<TColor> expected;  // top row first
  };
  const Case cases[] = {
      {"1 bit", {2, 2, 1, 0, false, {}, Bytes({0x40, 0, 0, 0, 0x80, 0, 0, 0})}, {R, K, K, R}},
      {"4 bits", {2, 2, 4, 0, false, {}, Bytes({0x23, 0, 0, 0, 0x10, 0, 0, 0})}, {R, K, G, B}},
      {"8 bits", {2, 2, 8, 0, false, {}, Bytes({3, 2, 0, 0, 0, 1, 0, 0})}, {K, R, B, G}},
      {"8 bits top-down", {2, -2, 8, 0, false, {}, Bytes({3, 2, 0, 0, 0, 1, 0, 0})}, {B, G, K, R}},
      {"8 bits OS/2 header", {2, 2, 8, 0, true, {}, Bytes({3, 2, 0, 0, 0, 1, 0, 0})}, {K, R, B, G}},
      {"16 bits 5-5-5", {2, 1, 16, 0, false, {}, Bytes({0x00, 0x7C, 0x1F, 0x00})}, {R, B}},
      {"16 bits 5-6-5 fields", {2, 1, 16, 3, false, {0xF800, 0x07E0, 0x001F}, Bytes({0xE0, 0x07, 0x00, 0xF8})}, {G, R}},
      {"24 bits",
       {2, 2, 24, 0, false, {}, Bytes({255, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0})},
       {G, K, B, R}},
      {"32 bits", {2, 1, 32, 0, false, {}, Bytes({0, 0, 255, 0, 0, 255, 0, 0})}, {R, G}},
      {"32 bits fields", {1, 1, 32, 3, false, {0xFF, 0xFF00, 0xFF0000}, Bytes({0, 0, 255, 0})}, {B}},
      {"RLE8 runs, literal, line end",
       {4, 2, 8, 1, false, {}, Bytes({2, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 1})},
       {G, B, R, K, R, R, K, K}},
      {"RLE8 jump", {4, 2, 8, 1, false, {}, Bytes({1, 1, 0, 2, 1, 1, 1, 2, 0, 1})}, {K, K, G, K, R, K, K, K}},
      {"RLE4 run", {4, 1, 4, 2, false, {}, Bytes({3, 0x12, 0, 1})}, {R, G, R, K}},
      {"RLE4 literal", {4, 1, 4, 2, false, {}, Bytes({0, 4, 0x12, 0x30, 0, 1})}, {R, G, B, K}},
      {"RLE data ending early", {3, 1, 8, 1, false, {}, Bytes({2, 3})}, {B, B, K}},
  };
  for (const Case& c : cases) {
    try {
      const TBitmap bitmap = ReadBmp(MakeBmp(c.spec));
      EXPECT_EQ(bitmap.Width, c.spec.width) << c.name;
      EXPECT_EQ(Colors(bitmap), c.expected) << c.name;
      EXPECT_FALSE(bitmap.HasMask()) << c.name;
    } catch (const EInvalidGraphic& error) {
      ADD_FAILURE() << c.name << ": " << error.what();
    }
  }
}

TEST(BmpReader, AlphaOf32BitPixelsBecomesTheMask) {
  // Opaque red, transparent green, a quarter-opaque blue, three-quarters black.
  const TBitmap bitmap =
      ReadBmp(MakeBmp({4, 1, 32, 0, false, {}, Bytes({0, 0, 255, 255, 0, 255, 0, 0, 255, 0, 0, 64, 0, 0, 0, 192})}));
  EXPECT_EQ(Colors(bitmap), (std::vector<TColor>{R, G, B, K}));
  EXPECT_EQ(bitmap.Mask, (std::vector<uint8_t>{0, 1, 1, 0}));
}

TEST(BmpReader, RejectsWhatItCannotShow) {
  struct Case {
    const char* name;
    std::string data;
  };
  const std::string good = MakeBmp({2, 2, 8, 0, false, {}, Bytes({3, 2, 0, 0, 0, 1, 0, 0})});
  const Case cases[] = {
      {"too short", "BM\x10"},
      {"cut inside the header", good.substr(0, 30)},
      {"pixel rows cut short", good.substr(0, good.size() - 2)},
      {"2 bits", MakeBmp({2, 1, 2, 0, false, {}, Bytes({0, 0, 0, 0})})},
      {"zero width", MakeBmp({0, 1, 8, 0, false, {}, Bytes({0, 0, 0, 0})})},
      {"RLE8 on 4 bits", MakeBmp({2, 1, 4, 1, false, {}, Bytes({0, 1})})},
      {"top-down RLE", MakeBmp({2, -1, 8, 1, false, {}, Bytes({0, 1})})},
      {"unknown compression", MakeBmp({2, 1, 8, 9, false, {}, Bytes({0, 0, 0, 0})})},
      {"huge", MakeBmp({100000, 100000, 24, 0, false, {}, Bytes({0, 0, 0, 0})})},
  };
  for (const Case& c : cases) EXPECT_THROW(ReadBmp(c.data), EInvalidGraphic) << c.name;
}

}  // namespace
}  // namespace tessaly
