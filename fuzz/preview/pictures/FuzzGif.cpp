// GIF files from pages: decoding, composing, drawing and animating.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/RecordingCanvas.h"
#include "preview/pictures/GifAnimation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly;
  bool still = false;
  std::unique_ptr<TGifAnimation> gif = ReadGifFromMemory({reinterpret_cast<const char*>(data), size}, still);
  if (!gif) return 0;
  std::unique_ptr<TGifAnimation> copy = gif->MakeCopy();
  RecordingCanvas canvas;
  copy->StartAnimating(0);
  for (int64_t now = 0; now < 2000; now += 50) {
    copy->Advance(now);
    copy->Draw(canvas, {0, 0, copy->Width(), copy->Height()});
  }
  return 0;
}
