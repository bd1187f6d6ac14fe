#pragma once
// Windows and OS/2 bitmap files: 1, 4 and 8 bits with a colour table
// (RLE8 and RLE4 too), 16 and 32 bits with or without bit fields, 24 bits;
// rows bottom-up or top-down. An alpha channel (the fourth byte of 32-bit
// pixels, or a header's alpha mask) becomes the picture's mask.

#include <string_view>

#include "platform/Bitmap.h"

namespace tessaly {

// The picture, top row first; EInvalidGraphic when it cannot be read.
TBitmap ReadBmp(std::string_view data);

}  // namespace tessaly
