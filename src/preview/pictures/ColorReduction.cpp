#include "preview/pictures/ColorReduction.h"

#include <memory>

#include "preview/pictures/ColorLookup.h"
#include "preview/pictures/ColorQuantizer.h"
#include "preview/pictures/DitherEngine.h"

namespace tessaly {

namespace {

constexpr int kOptimizedColors = 236;

std::unique_ptr<TColorLookup> LookupFor(TReductionMode mode, const TPalette& palette) {
  if (mode == rmWebCube) return std::make_unique<TWebCubeColorLookup>();
  return std::make_unique<TFastColorLookup>(palette);
}

TPalette PaletteFor(const TBitmap& picture, TReductionMode mode) {
  switch (mode) {
    case rmSystemPalette: return SystemStaticColors();
    case rmWebCube: return WebCubePalette();
    case rmOptimized: return OptimizedPalette(picture);
    default: return SharedPaletteLayout();
  }
}

}  // namespace

TBitmap TIndexedPicture::ToBitmap() const {
  TBitmap bitmap(Width, Height);
  for (size_t i = 0; i < Indexes.size(); ++i) {
    const TPaletteEntry entry = Indexes[i] < Palette.size() ? Palette[Indexes[i]] : TPaletteEntry{};
    bitmap.Pixels[i * 3] = entry.Red;
    bitmap.Pixels[i * 3 + 1] = entry.Green;
    bitmap.Pixels[i * 3 + 2] = entry.Blue;
  }
  return bitmap;
}

TPalette OptimizedPalette(const TBitmap& picture) {
  TColorQuantizer quantizer(kOptimizedColors, 8);
  for (size_t i = 0; i + 2 < picture.Pixels.size(); i += 3) {
    quantizer.AddColor(picture.Pixels[i], picture.Pixels[i + 1], picture.Pixels[i + 2]);
  }
  const TPalette& statics = SystemStaticColors();
  TPalette palette(statics.begin(), statics.begin() + kStaticColorsAtStart);
  TPalette quantized = quantizer.Palette();
  quantized.resize(kOptimizedColors);  // black where the picture has fewer colours
  palette.insert(palette.end(), quantized.begin(), quantized.end());
  palette.insert(palette.end(), statics.begin() + kStaticColorsAtStart, statics.end());
  return palette;
}

std::optional<TIndexedPicture> Reduce(const TBitmap& picture, TReductionMode mode, TDitherMode dither) {
  if (mode == rmNone) return std::nullopt;
  TIndexedPicture result;
  result.Width = picture.Empty() ? 0 : picture.Width;
  result.Height = picture.Empty() ? 0 : picture.Height;
  result.Palette = PaletteFor(picture, mode);
  result.Indexes.resize(static_cast<size_t>(result.Width) * result.Height);

  const std::unique_ptr<TColorLookup> lookup = LookupFor(mode, result.Palette);
  const std::unique_ptr<TDitherEngine> engine = dither == dmFloydSteinberg
                                                    ? std::make_unique<TFloydSteinbergEngine>(*lookup, result.Width)
                                                    : std::make_unique<TDitherEngine>(*lookup, result.Width);
  for (int y = 0; y < result.Height; ++y) {
    const uint8_t* row = &picture.Pixels[static_cast<size_t>(y) * result.Width * 3];
    uint8_t* target = &result.Indexes[static_cast<size_t>(y) * result.Width];
    for (int i = 0; i < result.Width; ++i) {
      const int x = engine->Column();
      target[x] = engine->Dither(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
    }
    engine->NextLine();
  }
  return result;
}

TBitmap PreparePicture(const TBitmap& picture, TDisplayDepthClass depth) {
  if (depth == ddc24Bit) return picture;
  TBitmap prepared =
      Reduce(picture, depth == ddc4Bit ? rmSystemPalette : rmSharedPalette, dmFloydSteinberg)->ToBitmap();
  prepared.Mask = picture.Mask;
  return prepared;
}

}  // namespace tessaly
