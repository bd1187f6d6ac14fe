// PNG files from pages through libpng.

#include <cstddef>
#include <cstdint>

#include "preview/pictures/PictureError.h"
#include "preview/pictures/PngCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly;
  try {
    ReadPng({reinterpret_cast<const char*>(data), size});
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}
