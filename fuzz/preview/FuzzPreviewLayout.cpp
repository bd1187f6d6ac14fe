// Arbitrary bytes parsed, laid out at widths 1, 200 and 2000 and painted on
// the recording canvas, with hit tests across the page. Image names "WxH"
// give small pictures, so sized, scaled and failed images all take part.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/RecordingCanvas.h"
#include "preview/document/PreviewErrors.h"
#include "preview/parser/PreviewParser.h"

using namespace tessaly;
using namespace tessaly::preview;

namespace {

struct SmallPictures : TPreviewContainer {
  std::shared_ptr<TBitmap> GetImage(const std::string& source) override {
    int width = 0, height = 0;
    if (std::sscanf(source.c_str(), "%dx%d", &width, &height) != 2) return nullptr;
    if (width < 1 || height < 1 || width > 64 || height > 64) return nullptr;
    return std::make_shared<TBitmap>(width, height, clRed);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TPreviewParser parser;
  TSectionList document;
  TNameList names;
  SmallPictures pictures;
  document.Container = &pictures;
  parser.ParseHtmlDocument(text, document, &names, nullptr, nullptr, nullptr);
  for (const int width : {1, 200, 2000}) {
    RecordingCanvas canvas;
    int height = 0;
    try {
      height = document.DoLayout(canvas, 5, width);
    } catch (const EProcessError&) {
      continue;  // too many columns: the page shows what came before
    }
    const TRect clip{0, 0, width + 20, std::min(height + 10, 20000)};
    document.Draw(canvas, clip, 10, 0);
    for (int y = 0; y < clip.Bottom; y += 37) {
      TFontObj* font = nullptr;
      TUrlTarget* target = nullptr;
      TPoint inImage;
      const int x = (y * 13) % (width + 1);
      document.LinkAt(canvas, x, y, font, target);
      document.ImageAt(x, y, inImage);
      const int curs = document.CursorAt(canvas, x, y);
      TPoint at;
      if (curs >= 0 && !document.CursorPoint(canvas, curs, at)) __builtin_trap();
    }
  }
  return 0;
}
