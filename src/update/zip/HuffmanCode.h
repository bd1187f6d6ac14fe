#pragma once
// A canonical prefix code given by its code lengths, decoded through a lookup
// table for short codes and code-length counting for the longer ones. Deflate
// stores such codes as they are; imploded data stores them bit-inverted.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "update/zip/BitReader.h"

namespace tessaly::zip {

class THuffmanCode {
public:
  static constexpr int kMaxLength = 16;

  enum class TShape { Complete, Incomplete, OverSubscribed, Empty };

  // Lengths of 0 mean the symbol is unused.
  TShape Build(std::span<const uint8_t> lengths);
  // The next symbol, or -1 when the bits form no code.
  int Decode(TBitReader& in, bool inverted = false) const {
    const uint32_t bits = in.Peek(kRootBits);
    const Entry entry = root_[(inverted ? ~bits : bits) & (kRootSize - 1)];
    if (entry.length == 0) return DecodeSlowly(in, inverted);
    in.Skip(entry.length);
    return entry.symbol;
  }

private:
  static constexpr int kRootBits = 10;
  static constexpr uint32_t kRootSize = 1u << kRootBits;
  struct Entry {
    uint16_t symbol = 0;
    uint8_t length = 0;  // 0: the code is longer than the table, or no code
  };

  int DecodeSlowly(TBitReader& in, bool inverted) const;

  std::array<Entry, kRootSize> root_{};
  std::array<uint16_t, kMaxLength + 1> count_{};
  std::vector<uint16_t> symbols_;  // by length, then by symbol value
};

}  // namespace tessaly::zip
