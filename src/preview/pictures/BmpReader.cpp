#include "preview/pictures/BmpReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>

#include "preview/pictures/Palette.h"
#include "preview/pictures/PictureError.h"

namespace tessaly {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kLargestHeaderSize = 124;  // the fifth version

enum TBmpCompression : uint32_t { biRgb = 0, biRle8 = 1, biRle4 = 2, biBitFields = 3 };

[[noreturn]] void Fail(const char* what) { throw EInvalidGraphic(std::string("Invalid bitmap: ") + what); }

uint32_t Get(std::string_view data, size_t offset, int bytes) {
  if (offset > data.size() || data.size() - offset < static_cast<size_t>(bytes)) Fail("the file is too short");
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(data[offset + i]);
  return value;
}

// One channel of a bit-field pixel, scaled to 0..255.
struct TBitField {
  uint32_t Mask = 0;
  int Shift = 0;
  uint32_t Max = 0;

  explicit TBitField(uint32_t mask = 0) : Mask(mask) {
    if (mask == 0) return;
    Shift = std::countr_zero(mask);
    Max = mask >> Shift;
  }
  uint8_t Value(uint32_t pixel) const {
    if (Max == 0) return 0;
    return static_cast<uint8_t>(static_cast<uint64_t>((pixel & Mask) >> Shift) * 255 / Max);
  }
};

struct TBmpHeader {
  int Width = 0;
  int Height = 0;  // rows, always positive
  bool TopDown = false;
  int BitCount = 0;
  uint32_t Compression = biRgb;
  std::array<TBitField, 3> Fields;  // red, green, blue
  TBitField Alpha;                  // none when the pixels carry no alpha
  std::array<TPaletteEntry, 256> Colors{};
  size_t PixelOffset = 0;
};

TBmpHeader ReadHeader(std::string_view data) {
  TBmpHeader h;
  const uint32_t headerSize = Get(data, kFileHeaderSize, 4);
  size_t tableOffset = kFileHeaderSize + headerSize;
  int colorsUsed = 0;
  int entrySize = 4;
  if (headerSize == kCoreHeaderSize) {
    h.Width = static_cast<int>(Get(data, 18, 2));
    h.Height = static_cast<int>(Get(data, 20, 2));
    h.BitCount = static_cast<int>(Get(data, 24, 2));
    entrySize = 3;
  } else if (headerSize >= kInfoHeaderSize && headerSize <= kLargestHeaderSize) {
    h.Width = static_cast<int32_t>(Get(data, 18, 4));
    const auto height = static_cast<int32_t>(Get(data, 22, 4));
    h.TopDown = height < 0;
    h.Height = height == INT32_MIN ? 0 : std::abs(height);
    h.BitCount = static_cast<int>(Get(data, 28, 2));
    h.Compression = Get(data, 30, 4);
    colorsUsed = static_cast<int>(std::min<uint32_t>(Get(data, 46, 4), 256));
    if (h.Compression == biBitFields) {
      // The masks follow a plain info header, and sit inside the later ones.
      for (int i = 0; i < 3; ++i) h.Fields[i] = TBitField(Get(data, kFileHeaderSize + kInfoHeaderSize + i * 4, 4));
      if (headerSize == kInfoHeaderSize) tableOffset += 12;
      // The headers from the third version on hold an alpha mask too.
      else if (headerSize >= kInfoHeaderSize + 16) h.Alpha = TBitField(Get(data, kFileHeaderSize + kInfoHeaderSize + 12, 4));
    }
  } else {
    Fail("unknown header");
  }

  if (h.Width <= 0 || h.Height <= 0) Fail("empty picture");
  if (static_cast<size_t>(h.Width) * h.Height > kMaxPicturePixels) Fail("picture too large");
  const bool rle = h.Compression == biRle8 || h.Compression == biRle4;
  if ((h.Compression == biRle8 && h.BitCount != 8) || (h.Compression == biRle4 && h.BitCount != 4) ||
      (h.Compression == biBitFields && h.BitCount != 16 && h.BitCount != 32) || h.Compression > biBitFields ||
      (rle && h.TopDown)) {
    Fail("unsupported compression");
  }
  switch (h.BitCount) {
    case 1:
    case 4:
    case 8:
    case 24: break;
    case 16:
      if (h.Compression == biRgb) h.Fields = {TBitField(0x7C00), TBitField(0x03E0), TBitField(0x001F)};
      break;
    case 32:
      if (h.Compression == biRgb) {
        h.Fields = {TBitField(0xFF0000), TBitField(0xFF00), TBitField(0xFF)};
        h.Alpha = TBitField(0xFF000000);  // the fourth byte: alpha, or unused
      }
      break;
    default: Fail("unsupported bit count");
  }

  if (h.BitCount <= 8) {
    const int entries = colorsUsed > 0 ? std::min(colorsUsed, 1 << h.BitCount) : 1 << h.BitCount;
    for (int i = 0; i < entries; ++i) {
      const size_t at = tableOffset + static_cast<size_t>(i) * entrySize;
      if (at + 3 > data.size()) break;  // a short table leaves the rest black
      h.Colors[i] = {static_cast<uint8_t>(data[at + 2]), static_cast<uint8_t>(data[at + 1]),
                     static_cast<uint8_t>(data[at])};
    }
  }
  h.PixelOffset = Get(data, 10, 4);
  if (h.PixelOffset == 0 || h.PixelOffset >= data.size()) Fail("no pixel data");
  return h;
}

// Rows as stored, bottom row first unless top-down.
class TRowPlacer {
public:
  TRowPlacer(TBitmap& bitmap, bool topDown) : bitmap_(bitmap), topDown_(topDown) {}
  void Set(int x, int storedRow, const TPaletteEntry& c) {
    const int y = topDown_ ? storedRow : bitmap_.Height - 1 - storedRow;
    uint8_t* p = &bitmap_.Pixels[(static_cast<size_t>(y) * bitmap_.Width + x) * 3];
    p[0] = c.Red;
    p[1] = c.Green;
    p[2] = c.Blue;
  }
  size_t Index(int x, int storedRow) const {
    return static_cast<size_t>(topDown_ ? storedRow : bitmap_.Height - 1 - storedRow) * bitmap_.Width + x;
  }

private:
  TBitmap& bitmap_;
  bool topDown_;
};

void ReadUncompressed(std::string_view data, const TBmpHeader& h, TBitmap& bitmap) {
  const size_t stride = (static_cast<size_t>(h.Width) * h.BitCount + 31) / 32 * 4;
  if ((data.size() - h.PixelOffset) / stride < static_cast<size_t>(h.Height)) Fail("pixel data cut short");
  TRowPlacer placer(bitmap, h.TopDown);
  std::vector<uint8_t> alpha;  // per pixel, top row first
  if (h.Alpha.Mask) alpha.assign(static_cast<size_t>(h.Width) * h.Height, 0);
  for (int row = 0; row < h.Height; ++row) {
    const auto* line = reinterpret_cast<const uint8_t*>(data.data() + h.PixelOffset + row * stride);
    for (int x = 0; x < h.Width; ++x) {
      switch (h.BitCount) {
        case 1: placer.Set(x, row, h.Colors[(line[x / 8] >> (7 - x % 8)) & 1]); break;
        case 4: placer.Set(x, row, h.Colors[(line[x / 2] >> (x % 2 ? 0 : 4)) & 15]); break;
        case 8: placer.Set(x, row, h.Colors[line[x]]); break;
        case 24: placer.Set(x, row, {line[x * 3 + 2], line[x * 3 + 1], line[x * 3]}); break;
        default: {
          const int bytes = h.BitCount / 8;
          uint32_t pixel = 0;
          for (int i = bytes - 1; i >= 0; --i) pixel = pixel << 8 | line[x * bytes + i];
          placer.Set(x, row, {h.Fields[0].Value(pixel), h.Fields[1].Value(pixel), h.Fields[2].Value(pixel)});
          if (!alpha.empty()) alpha[placer.Index(x, row)] = h.Alpha.Value(pixel);
        }
      }
    }
  }
  // An alpha byte that is zero everywhere is unused, not a picture of nothing;
  // otherwise pixels less than half opaque are transparent.
  if (std::any_of(alpha.begin(), alpha.end(), [](uint8_t a) { return a != 0; })) {
    bitmap.Mask.resize(alpha.size());
    std::transform(alpha.begin(), alpha.end(), bitmap.Mask.begin(), [](uint8_t a) { return a < 128 ? 1 : 0; });
  }
}

// Run-length data: runs, literal stretches, line ends and jumps; data ending
// early ends the picture.
void ReadRunLength(std::string_view data, const TBmpHeader& h, TBitmap& bitmap) {
  const bool nibbles = h.Compression == biRle4;
  TRowPlacer placer(bitmap, false);

  int x = 0, row = 0;
  auto put = [&](uint8_t index) {
    if (x < h.Width && row < h.Height) placer.Set(x, row, h.Colors[index]);
    ++x;
  };
  size_t pos = h.PixelOffset;
  auto byteAt = [&](size_t at) { return static_cast<uint8_t>(data[at]); };
  while (pos + 1 < data.size() && row < h.Height) {
    const uint8_t count = byteAt(pos), value = byteAt(pos + 1);
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(nibbles ? (i % 2 ? value & 15 : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of picture
      break;
    } else if (value == 2) {  // jump right and up
      if (pos + 1 >= data.size()) break;
      x += byteAt(pos);
      row += byteAt(pos + 1);
      pos += 2;
    } else {  // literal indexes, padded to a word
      const size_t bytes = nibbles ? (value + 1) / 2 : value;
      if (data.size() - pos < bytes) break;
      for (int i = 0; i < value; ++i) {
        const uint8_t b = byteAt(pos + (nibbles ? i / 2 : i));
        put(nibbles ? (i % 2 ? b & 15 : b >> 4) : b);
      }
      pos += (bytes + 1) & ~size_t{1};
    }
  }
}

}  // namespace

TBitmap ReadBmp(std::string_view data) {
  if (data.size() < kFileHeaderSize || data.substr(0, 2) != "BM") Fail("not a bitmap file");
  const TBmpHeader header = ReadHeader(data);
  // Pixels run-length data never reach keep the first colour.
  TBitmap bitmap(header.Width, header.Height, header.Colors[0].Color());
  if (header.Compression == biRle8 || header.Compression == biRle4) {
    ReadRunLength(data, header, bitmap);
  } else {
    ReadUncompressed(data, header, bitmap);
  }
  return bitmap;
}

}  // namespace tessaly
