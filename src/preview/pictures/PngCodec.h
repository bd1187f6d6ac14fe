#pragma once
// PNG pictures through libpng. Pages today are full of them, so the preview
// shows them rather than the error picture; the command line writes them.

#include <string>
#include <string_view>

#include "platform/Bitmap.h"

namespace tessaly {

// Pixels with less than half opacity become transparent in the mask (which
// is left empty for an opaque picture). EInvalidGraphic on bad data.
TBitmap ReadPng(std::string_view data);

// The picture as PNG bytes, with the mask as alpha when it has one.
std::string EncodePng(const TBitmap& bitmap);

}  // namespace tessaly
