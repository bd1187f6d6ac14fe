#include <algorithm>
#include <array>
#include <memory>

#include "update/zip/BitReader.h"
#include "update/zip/DecodeError.h"
#include "update/zip/Decoders.h"
#include "update/zip/HuffmanCode.h"

namespace tessaly::zip {

namespace {

constexpr uint16_t kLargeWindowFlag = 0x02;
constexpr uint16_t kLiteralTreeFlag = 0x04;

// Imploded data keeps its Shannon-Fano trees as runs of (count, length)
// nibbles. The codes they give are the canonical codes of those lengths with
// every bit inverted, which is how they are decoded here; only complete trees
// give codes that can be told apart.
class TExploder {
public:
  TExploder(std::span<const uint8_t> in, uint16_t flags, TDecodeOutput& out)
      : in_(in), out_(out), largeWindow_((flags & kLargeWindowFlag) != 0),
        literalTree_((flags & kLiteralTreeFlag) != 0), window_(out, largeWindow_ ? 8192 : 4096, true) {}

  void Run() {
    if (literalTree_) ReadTree(literals_, 256);
    ReadTree(lengths_, 64);
    ReadTree(distances_, 64);
    const int lowDistanceBits = largeWindow_ ? 7 : 6;
    const size_t minimumLength = literalTree_ ? 3 : 2;
    while (window_.Total() < out_.ExpectedSize()) {
      if (in_.Bits(1) == 1) {
        window_.Put(static_cast<uint8_t>(literalTree_ ? Decode(literals_) : static_cast<int>(in_.Bits(8))));
        continue;
      }
      const size_t low = in_.Bits(lowDistanceBits);
      const size_t distance = ((static_cast<size_t>(Decode(distances_)) << lowDistanceBits) | low) + 1;
      size_t length = static_cast<size_t>(Decode(lengths_));
      if (length == 63) length += in_.Bits(8);
      length += minimumLength;
      window_.Copy(distance, std::min<uint64_t>(length, out_.ExpectedSize() - window_.Total()));
    }
    window_.Finish();
  }

private:
  void ReadTree(THuffmanCode& code, int symbols) {
    std::array<uint8_t, 256> lengths{};
    const int runs = static_cast<int>(in_.Bits(8)) + 1;
    int filled = 0;
    for (int run = 0; run < runs; ++run) {
      const uint32_t pair = in_.Bits(8);
      const int count = static_cast<int>(pair >> 4) + 1;
      const uint8_t length = static_cast<uint8_t>((pair & 0x0F) + 1);
      if (filled + count > symbols) throw EDecodeError("invalid Shannon-Fano tree");
      std::fill_n(lengths.begin() + filled, count, length);
      filled += count;
    }
    if (filled != symbols) throw EDecodeError("invalid Shannon-Fano tree");
    if (code.Build(std::span(lengths.data(), symbols)) != THuffmanCode::TShape::Complete)
      throw EDecodeError("invalid Shannon-Fano tree");
  }

  int Decode(const THuffmanCode& code) {
    const int symbol = code.Decode(in_, true);
    if (symbol < 0) throw EDecodeError("invalid Shannon-Fano code");
    return symbol;
  }

  TBitReader in_;
  TDecodeOutput& out_;
  bool largeWindow_;
  bool literalTree_;
  TSlidingWindow window_;
  THuffmanCode literals_, lengths_, distances_;
};

}  // namespace

void Explode(std::span<const uint8_t> in, uint16_t flags, TDecodeOutput& out) {
  auto exploder = std::make_unique<TExploder>(in, flags, out);
  exploder->Run();
}

}  // namespace tessaly::zip
