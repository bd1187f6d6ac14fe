#pragma once
// LZW decoding of one GIF image's data into its pixel rows.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaly {

// Fills `pixels` (width * height indexes, already sized) from the image's
// joined data sub-blocks; interlaced images are written in the four passes.
// Pixels beyond the image are dropped. EGifDecoderError on bad data.
void DecodeGifLzw(std::string_view data, int minimumCodeSize, int width, int height, bool interlaced,
                  std::vector<uint8_t>& pixels);

}  // namespace tessaly
