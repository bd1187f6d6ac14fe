#include "GifWriter.h"

#include <unordered_map>

namespace tessaly::testing {

namespace {

void PutWord(std::string& out, int value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

// Table size bits: the table is padded to 2^(bits + 1) entries.
int TableBits(size_t size) {
  int bits = 0;
  while ((size_t{2} << bits) < size && bits < 7) ++bits;
  return bits;
}

void PutTable(std::string& out, const TPalette& table) {
  const size_t padded = size_t{2} << TableBits(table.size());
  for (size_t i = 0; i < padded; ++i) {
    const TPaletteEntry e = i < table.size() ? table[i] : TPaletteEntry{};
    out += static_cast<char>(e.Red);
    out += static_cast<char>(e.Green);
    out += static_cast<char>(e.Blue);
  }
}

class TBitWriter {
public:
  void Put(int code, int width) {
    bits_ |= static_cast<uint32_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      out_ += static_cast<char>(bits_ & 0xFF);
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  std::string Finish() {
    if (count_ > 0) out_ += static_cast<char>(bits_ & 0xFF);
    return out_;
  }

private:
  std::string out_;
  uint32_t bits_ = 0;
  int count_ = 0;
};

std::vector<uint8_t> InterlacedOrder(const std::vector<uint8_t>& pixels, int width, int height) {
  std::vector<uint8_t> ordered;
  for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
    for (int y = start; y < height; y += step) {
      ordered.insert(ordered.end(), pixels.begin() + static_cast<size_t>(y) * width,
                     pixels.begin() + static_cast<size_t>(y + 1) * width);
    }
  }
  return ordered;
}

}  // namespace

std::string GifHeader(int width, int height, const TPalette& globalTable, const std::string& signature) {
  std::string out = signature;
  PutWord(out, width);
  PutWord(out, height);
  out += static_cast<char>(globalTable.empty() ? 0x70 : 0xF0 | TableBits(globalTable.size()));
  out += '\0';  // background index
  out += '\0';  // aspect ratio
  if (!globalTable.empty()) PutTable(out, globalTable);
  return out;
}

std::string GraphicControl(int disposal, int delay, int transparentIndex) {
  std::string out = "!\xF9\x04";
  out += static_cast<char>((disposal & 7) << 2 | (transparentIndex >= 0 ? 1 : 0));
  PutWord(out, delay);
  out += static_cast<char>(transparentIndex >= 0 ? transparentIndex : 0);
  out += '\0';
  return out;
}

std::string NetscapeLoop(int count) {
  std::string out = "!\xFF\x0BNETSCAPE2.0\x03\x01";
  PutWord(out, count);
  out += '\0';
  return out;
}

std::string Comment(const std::string& text) { return "!\xFE" + SubBlocks(text); }

std::string SubBlocks(const std::string& data) {
  std::string out;
  for (size_t pos = 0; pos < data.size(); pos += 255) {
    const std::string block = data.substr(pos, 255);
    out += static_cast<char>(block.size());
    out += block;
  }
  out += '\0';
  return out;
}

std::string LzwEncode(const std::vector<uint8_t>& pixels, int minimumCodeSize, bool clearWhenFull) {
  const int clearCode = 1 << minimumCodeSize;
  const int endCode = clearCode + 1;
  TBitWriter out;
  std::unordered_map<uint32_t, int> table;
  int width = minimumCodeSize + 1;
  int nextCode = clearCode + 2;
  bool first = true;  // the next code is the first after a clear

  // The decoder widens its codes one entry behind the encoder.
  auto emit = [&](int code) {
    if (!first && nextCode - 1 == (1 << width) && width < 12) ++width;
    out.Put(code, width);
    first = false;
  };
  auto reset = [&] {
    table.clear();
    width = minimumCodeSize + 1;
    nextCode = clearCode + 2;
    first = true;
  };

  out.Put(clearCode, width);
  int current = -1;
  for (const uint8_t pixel : pixels) {
    if (current < 0) {
      current = pixel;
      continue;
    }
    const uint32_t key = static_cast<uint32_t>(current) << 8 | pixel;
    const auto found = table.find(key);
    if (found != table.end()) {
      current = found->second;
      continue;
    }
    emit(current);
    if (nextCode < 4096) table[key] = nextCode++;
    current = pixel;
    if (clearWhenFull && nextCode >= 4094) {
      emit(clearCode);
      reset();
    }
  }
  if (current >= 0) emit(current);
  emit(endCode);
  return out.Finish();
}

std::string ImageBlock(const TTestImage& image) {
  std::string out = ",";
  PutWord(out, image.Left);
  PutWord(out, image.Top);
  PutWord(out, image.Width);
  PutWord(out, image.Height);
  int packed = image.Interlaced ? 0x40 : 0;
  if (!image.LocalTable.empty()) packed |= 0x80 | TableBits(image.LocalTable.size());
  out += static_cast<char>(packed);
  if (!image.LocalTable.empty()) PutTable(out, image.LocalTable);
  out += static_cast<char>(image.MinimumCodeSize);
  const std::vector<uint8_t> ordered =
      image.Interlaced ? InterlacedOrder(image.Pixels, image.Width, image.Height) : image.Pixels;
  out += SubBlocks(LzwEncode(ordered, image.MinimumCodeSize));
  return out;
}

std::string StillGif(int width, int height, const std::vector<uint8_t>& pixels, const TPalette& palette) {
  return GifHeader(width, height, palette) + ImageBlock({0, 0, width, height, pixels}) + ";";
}

}  // namespace tessaly::testing
