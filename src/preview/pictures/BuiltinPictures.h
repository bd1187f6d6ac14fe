#pragma once
// The program's own 16 x 16 pictures: the placeholder shown while images are
// off or have not arrived, and the error picture shown for an image that
// could not be read (drawn through its mask).

#include "platform/Bitmap.h"

namespace tessaly {

constexpr int kBuiltinPictureSize = 16;

const TBitmap& PlaceholderPicture();
const TBitmap& ErrorPicture();

// A copy in which every pixel of the lower-left pixel's colour is transparent
// (for IMG with TRANSP); a mask the picture had already is kept as well.
TBitmap WithLowerLeftTransparency(const TBitmap& bitmap);

}  // namespace tessaly
