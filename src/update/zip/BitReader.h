#pragma once
// Reads bits least significant first from a byte buffer, as every ZIP method
// packs them. Reading past the end throws "unexpected end of data".

#include <cstddef>
#include <cstdint>
#include <span>

#include "update/zip/DecodeError.h"

namespace tessaly::zip {

class TBitReader {
public:
  explicit TBitReader(std::span<const uint8_t> data) : data_(data) {}

  // Up to 32 bits, without consuming them; bits past the end read as 0.
  uint32_t Peek(int count) {
    Fill(count);
    return static_cast<uint32_t>(buffer_ & ((uint64_t{1} << count) - 1));
  }
  void Skip(int count) {
    if (count > available_) throw EDecodeError("unexpected end of data");
    buffer_ >>= count;
    available_ -= count;
  }
  uint32_t Bits(int count) {
    const uint32_t value = Peek(count);
    Skip(count);
    return value;
  }
  // Drops the bits left in the current byte.
  void AlignToByte() { Skip(available_ % 8); }
  // Bits that can still be read.
  size_t BitsLeft() const { return (data_.size() - position_) * 8 + static_cast<size_t>(available_); }
  // Whole bytes after aligning, for stored blocks.
  std::span<const uint8_t> TakeBytes(size_t count);

private:
  void Fill(int count) {
    while (available_ < count && available_ <= 56) {
      if (position_ == data_.size()) return;
      buffer_ |= static_cast<uint64_t>(data_[position_++]) << available_;
      available_ += 8;
    }
  }

  std::span<const uint8_t> data_;
  size_t position_ = 0;
  uint64_t buffer_ = 0;
  int available_ = 0;
};

}  // namespace tessaly::zip
