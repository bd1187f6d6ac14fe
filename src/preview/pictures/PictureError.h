#pragma once
// The failure of every picture reader, and the size limit they share.

#include <cstddef>

#include "platform/Exception.h"

namespace tessaly {

// A picture that cannot be decoded; the preview shows the error picture.
class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
};

// Largest number of pixels a decoded picture (a GIF: all its frames) may
// have, so that a small file cannot make a reader claim gigabytes.
constexpr size_t kMaxPicturePixels = size_t{1} << 26;

}  // namespace tessaly
