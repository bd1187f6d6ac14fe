#include "preview/pictures/Palette.h"

#include "platform/DisplayDepth.h"

namespace tessaly {

namespace {

TPalette MakeSharedPaletteLayout() {
  const TPalette& statics = SystemStaticColors();
  TPalette palette(statics.begin(), statics.begin() + kStaticColorsAtStart);

  static constexpr uint8_t kCubeLevels[] = {55, 115, 165, 205, 235, 255};
  for (uint8_t blue : kCubeLevels) {
    for (uint8_t green : kCubeLevels) {
      for (uint8_t red : kCubeLevels) {
        if (red == 255 && green == 255 && blue == 255) continue;  // white is a static colour
        palette.push_back({red, green, blue});
      }
    }
  }
  for (int grey = 135; grey <= 250; grey += 5) {
    if (grey == 165 || grey == 205 || grey == 235) continue;  // already in the cube
    const auto level = static_cast<uint8_t>(grey);
    palette.push_back({level, level, level});
  }

  palette.insert(palette.end(), statics.begin() + kStaticColorsAtStart, statics.end());
  return palette;
}

}  // namespace

const TPalette& SystemStaticColors() {
  static const TPalette colors = {
      {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
      {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
      {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
      {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
  };
  return colors;
}

const TPalette& WebCubePalette() {
  static const TPalette palette = [] {
    TPalette cube;
    for (int red = 0; red < 6; ++red) {
      for (int green = 0; green < 6; ++green) {
        for (int blue = 0; blue < 6; ++blue) {
          cube.push_back(
              {static_cast<uint8_t>(red * 51), static_cast<uint8_t>(green * 51), static_cast<uint8_t>(blue * 51)});
        }
      }
    }
    return cube;
  }();
  return palette;
}

const TPalette& SharedPaletteLayout() {
  static const TPalette palette = MakeSharedPaletteLayout();
  return palette;
}

const TPalette* SharedPalette() { return DisplayDepthClass() == ddc8Bit ? &SharedPaletteLayout() : nullptr; }

}  // namespace tessaly
