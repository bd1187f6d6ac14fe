#include "preview/pictures/ColorLookup.h"

#include <algorithm>
#include <cstdlib>

namespace tessaly {

uint8_t TWebCubeColorLookup::Lookup(uint8_t red, uint8_t green, uint8_t blue, TPaletteEntry& used) {
  const int r = (red + 3) / 51, g = (green + 3) / 51, b = (blue + 3) / 51;
  used = {static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51), static_cast<uint8_t>(b * 51)};
  return static_cast<uint8_t>(r * 36 + g * 6 + b);
}

TFastColorLookup::TFastColorLookup(const TPalette& palette)
    : palette_(palette.begin(), palette.begin() + std::min<size_t>(palette.size(), 256)) {
  inverse_.fill(kUnset);
  for (size_t i = 0; i < palette_.size(); ++i) {
    uint16_t& slot = inverse_[Key(palette_[i].Red, palette_[i].Green, palette_[i].Blue)];
    if (slot == kUnset) slot = static_cast<uint16_t>(i);
  }
}

uint8_t TFastColorLookup::Lookup(uint8_t red, uint8_t green, uint8_t blue, TPaletteEntry& used) {
  uint16_t& slot = inverse_[Key(red, green, blue)];
  if (slot == kUnset) slot = Nearest(red, green, blue);
  used = palette_.empty() ? TPaletteEntry{} : palette_[slot];
  return static_cast<uint8_t>(slot);
}

uint8_t TFastColorLookup::Nearest(uint8_t red, uint8_t green, uint8_t blue) const {
  int best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < palette_.size(); ++i) {
    const TPaletteEntry& e = palette_[i];
    const int distance = std::abs(e.Red - red) + std::abs(e.Green - green) + std::abs(e.Blue - blue);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return static_cast<uint8_t>(best);
}

}  // namespace tessaly
