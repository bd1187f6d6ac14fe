#include "update/zip/HuffmanCode.h"

namespace tessaly::zip {

namespace {

uint32_t Reverse(uint32_t code, int length) {
  uint32_t reversed = 0;
  for (int i = 0; i < length; ++i, code >>= 1) reversed = (reversed << 1) | (code & 1);
  return reversed;
}

}  // namespace

THuffmanCode::TShape THuffmanCode::Build(std::span<const uint8_t> lengths) {
  count_.fill(0);
  root_.fill(Entry{});
  symbols_.clear();
  for (const uint8_t length : lengths) {
    if (length > kMaxLength) return TShape::OverSubscribed;
    ++count_[length];
  }
  if (count_[0] == lengths.size()) return TShape::Empty;

  int left = 1;  // codes still free at the current length
  for (int length = 1; length <= kMaxLength; ++length) {
    left = left * 2 - count_[length];
    if (left < 0) return TShape::OverSubscribed;
  }

  std::array<uint16_t, kMaxLength + 2> offset{};
  for (int length = 1; length <= kMaxLength; ++length) offset[length + 1] = offset[length] + count_[length];
  symbols_.resize(offset[kMaxLength + 1]);
  for (size_t symbol = 0; symbol < lengths.size(); ++symbol)
    if (lengths[symbol] != 0) symbols_[offset[lengths[symbol]]++] = static_cast<uint16_t>(symbol);

  // Fill the table with every code short enough for it, each at all the
  // indexes whose low bits (the order bits arrive in) equal the code.
  uint32_t code = 0;
  size_t index = 0;
  for (int length = 1; length <= kMaxLength; ++length) {
    for (int i = 0; i < count_[length]; ++i, ++code, ++index) {
      if (length > kRootBits) continue;
      const Entry entry{symbols_[index], static_cast<uint8_t>(length)};
      for (uint32_t slot = Reverse(code, length); slot < kRootSize; slot += 1u << length) root_[slot] = entry;
    }
    code <<= 1;
  }
  return left > 0 ? TShape::Incomplete : TShape::Complete;
}

int THuffmanCode::DecodeSlowly(TBitReader& in, bool inverted) const {
  int code = 0;   // bits read so far, first bit highest
  int first = 0;  // first code of the current length
  int index = 0;  // index of that code's symbol
  for (int length = 1; length <= kMaxLength; ++length) {
    code |= static_cast<int>(in.Bits(1) ^ (inverted ? 1 : 0));
    const int count = count_[length];
    if (code - first < count) return symbols_[index + code - first];
    index += count;
    first = (first + count) << 1;
    code <<= 1;
  }
  return -1;
}

}  // namespace tessaly::zip
