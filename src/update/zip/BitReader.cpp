#include "update/zip/BitReader.h"

namespace tessaly::zip {

std::span<const uint8_t> TBitReader::TakeBytes(size_t count) {
  // Give back whole bytes still held in the bit buffer first.
  const size_t held = static_cast<size_t>(available_) / 8;
  position_ -= held;
  buffer_ = 0;
  available_ = 0;
  if (count > data_.size() - position_) throw EDecodeError("unexpected end of data");
  const auto bytes = data_.subspan(position_, count);
  position_ += count;
  return bytes;
}

}  // namespace tessaly::zip
