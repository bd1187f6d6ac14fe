#pragma once
// JPEG pictures through the IJG library.

#include <string_view>

#include "platform/Bitmap.h"

namespace tessaly {

struct TJpegPicture {
  TBitmap Bitmap;
  bool Greyscale = false;  // a one-channel JPEG, kept grey
};

// EInvalidGraphic with the library's message when the data cannot be decoded.
TJpegPicture ReadJpeg(std::string_view data);

}  // namespace tessaly
