#include "preview/pictures/GifLzw.h"

#include <array>

#include "preview/pictures/GifDecoder.h"

namespace tessaly {

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

// Reads codes of a growing width, least significant bit first.
class TCodeReader {
public:
  explicit TCodeReader(std::string_view data) : data_(data) {}

  // False when the data is used up before a whole code.
  bool Read(int width, int& code) {
    while (bitCount_ < width) {
      if (pos_ >= data_.size()) return false;
      bits_ |= static_cast<uint32_t>(static_cast<uint8_t>(data_[pos_++])) << bitCount_;
      bitCount_ += 8;
    }
    code = static_cast<int>(bits_ & ((1u << width) - 1));
    bits_ >>= width;
    bitCount_ -= width;
    return true;
  }

private:
  std::string_view data_;
  size_t pos_ = 0;
  uint32_t bits_ = 0;
  int bitCount_ = 0;
};

// Places decoded pixels row by row, in the interlace passes when asked.
class TPixelSink {
public:
  TPixelSink(std::vector<uint8_t>& pixels, int width, int height, bool interlaced)
      : pixels_(pixels), width_(width), height_(height), interlaced_(interlaced) {
    full_ = width_ <= 0 || height_ <= 0;
  }

  void Put(uint8_t index) {
    if (full_) return;
    pixels_[static_cast<size_t>(row_) * width_ + x_] = index;
    if (++x_ < width_) return;
    x_ = 0;
    NextRow();
  }

private:
  void NextRow() {
    static constexpr int kPassStart[] = {0, 4, 2, 1};
    static constexpr int kPassStep[] = {8, 8, 4, 2};
    if (!interlaced_) {
      full_ = ++row_ >= height_;
      return;
    }
    row_ += kPassStep[pass_];
    while (row_ >= height_) {
      if (++pass_ == 4) {
        full_ = true;
        return;
      }
      row_ = kPassStart[pass_];
    }
  }

  std::vector<uint8_t>& pixels_;
  int width_, height_;
  bool interlaced_;
  int x_ = 0, row_ = 0, pass_ = 0;
  bool full_;
};

}  // namespace

void DecodeGifLzw(std::string_view data, int minimumCodeSize, int width, int height, bool interlaced,
                  std::vector<uint8_t>& pixels) {
  if (minimumCodeSize < 1 || minimumCodeSize > kMaxCodeBits - 1) throw EGifDecoderError(geLzwCodeSize);
  const int clearCode = 1 << minimumCodeSize;
  const int endCode = clearCode + 1;

  // Each code is its prefix code plus one last index; strings are unwound
  // through `stack` and written in order.
  std::array<uint16_t, kTableSize> prefix;
  std::array<uint8_t, kTableSize> suffix;
  std::array<uint8_t, kTableSize> firstIndex;
  std::array<uint8_t, kTableSize> stack;
  for (int i = 0; i < clearCode; ++i) {
    suffix[i] = firstIndex[i] = static_cast<uint8_t>(i);
    prefix[i] = 0;
  }

  TCodeReader codes(data);
  TPixelSink sink(pixels, width, height, interlaced);
  auto emit = [&](int code) {
    int depth = 0;
    while (code >= clearCode) {
      stack[depth++] = suffix[code];
      code = prefix[code];
    }
    sink.Put(static_cast<uint8_t>(code));
    while (depth > 0) sink.Put(stack[--depth]);
  };

  int codeWidth = minimumCodeSize + 1;
  int nextFree = clearCode + 2;
  int previous = -1;  // -1 right after a clear code (and at the start)
  int code = 0;
  while (codes.Read(codeWidth, code)) {
    if (code == clearCode) {
      codeWidth = minimumCodeSize + 1;
      nextFree = clearCode + 2;
      previous = -1;
      continue;
    }
    if (code == endCode) {
      if (previous < 0) throw EGifDecoderError(geLzwDataFormat);
      break;
    }
    if (code > nextFree) throw EGifDecoderError(geLzwDataFormat);
    if (previous < 0) {
      if (code >= clearCode) code = 0;  // not in the table yet
      emit(code);
      previous = code;
      continue;
    }
    uint8_t first;
    if (code < nextFree) {
      first = firstIndex[code];
      emit(code);
    } else {  // the code being defined right now: previous string + its first index
      first = firstIndex[previous];
      emit(previous);
      sink.Put(first);
    }
    if (nextFree < kTableSize) {
      prefix[nextFree] = static_cast<uint16_t>(previous);
      suffix[nextFree] = first;
      firstIndex[nextFree] = firstIndex[previous];
      if (++nextFree == (1 << codeWidth) && codeWidth < kMaxCodeBits) ++codeWidth;
    }
    previous = code;
  }
}

}  // namespace tessaly
