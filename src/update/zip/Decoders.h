#pragma once
// The decoders of the ZIP compression methods. Each reads one entry's
// compressed bytes and writes exactly the entry's bytes to `out`; bad data
// throws EDecodeError with the kind of damage.

#include <cstdint>
#include <span>

#include "update/zip/DecodeOutput.h"

namespace tessaly::zip {

// Method 8, through zlib's raw inflate.
void Inflate(std::span<const uint8_t> in, TDecodeOutput& out);
// Method 9: deflate with a 64 KiB window, 16 extra length bits for length
// code 285 and the distance codes 30 and 31.
void Inflate64(std::span<const uint8_t> in, TDecodeOutput& out);
// Method 1: LZW with growing code size and partial clearing.
void Unshrink(std::span<const uint8_t> in, TDecodeOutput& out);
// Methods 2 to 5: follower sets and runs, `factor` 1 to 4.
void Unreduce(std::span<const uint8_t> in, int factor, TDecodeOutput& out);
// Method 6: Shannon-Fano coded LZ77; the flags say the window size (bit 1)
// and whether literals are coded (bit 2).
void Explode(std::span<const uint8_t> in, uint16_t flags, TDecodeOutput& out);

// Decodes by the entry's method number (0 stored, 1 to 6, 8, 9); false when
// the method is none of those.
bool DecodeMethod(uint16_t method, uint16_t flags, std::span<const uint8_t> in, TDecodeOutput& out);

}  // namespace tessaly::zip
