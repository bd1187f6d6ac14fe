// JPEG files from pages through the IJG library and its error handling.

#include <cstddef>
#include <cstdint>

#include "preview/pictures/JpegReader.h"
#include "preview/pictures/PictureError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly;
  try {
    ReadJpeg({reinterpret_cast<const char*>(data), size});
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}
