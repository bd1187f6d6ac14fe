// BMP files from pages: reading, and reducing for a 256-colour display.

#include <cstddef>
#include <cstdint>

#include "preview/pictures/BmpReader.h"
#include "preview/pictures/ColorReduction.h"
#include "preview/pictures/PictureError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly;
  try {
    const TBitmap bitmap = ReadBmp({reinterpret_cast<const char*>(data), size});
    // Reduction is exercised on small pictures only, to keep runs fast.
    if (static_cast<size_t>(bitmap.Width) * bitmap.Height <= 4096) PreparePicture(bitmap, ddc8Bit);
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}
