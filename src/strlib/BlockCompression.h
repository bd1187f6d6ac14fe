#pragma once
// The block compression of string library entries (LZRW1/KH): literal bytes,
// copies of up to 18 bytes from up to 4095 bytes back, and runs of 16 to 4111
// equal bytes, with 16-bit control words in front of every 16 items.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Exception.h"

namespace tessaly::strlib {

constexpr size_t kMaxBlockInput = 65535;   // positions and sizes fit in 16 bits
constexpr uint8_t kStoredBlock = 0x80;     // flag byte: the input follows unchanged
constexpr uint8_t kCompressedBlock = 0x40; // flag byte: items follow

class ECompressedBlock : public Exception {
public:
  using Exception::Exception;
};

// Compresses one block; the result is at most input.size() + 1 bytes.
// Inputs of kMaxBlockInput bytes or more are refused with ECompressedBlock.
std::string CompressBlock(std::string_view input);

// Decompresses one block. A block that would read past its end, copy from
// before its output's start or produce more than kMaxBlockInput bytes raises
// ECompressedBlock.
std::string DecompressBlock(std::string_view block);

}  // namespace tessaly::strlib
