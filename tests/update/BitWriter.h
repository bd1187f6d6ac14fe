#pragma once
// Packs bits least significant first, the order every ZIP method uses.

#include <cstdint>
#include <string>

namespace tessaly::zip::test {

class TBitWriter {
public:
  void Bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }
  // A prefix code whose first bit is its highest one.
  void Code(uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
  }
  std::string Finish() {
    if (used_ > 0) bytes_ += static_cast<char>(current_);
    current_ = 0;
    used_ = 0;
    return std::move(bytes_);
  }

private:
  void Bit(uint32_t bit) {
    current_ |= static_cast<uint8_t>(bit << used_);
    if (++used_ == 8) {
      bytes_ += static_cast<char>(current_);
      current_ = 0;
      used_ = 0;
    }
  }
  std::string bytes_;
  uint8_t current_ = 0;
  int used_ = 0;
};

}  // namespace tessaly::zip::test
