#pragma once
// Palettes of the preview: the system's static colours, the 216-colour cube
// and the one shared palette every canvas uses on 256-colour displays.

#include <cstdint>
#include <vector>

#include "platform/Graphics.h"

namespace tessaly {

struct TPaletteEntry {
  uint8_t Red = 0, Green = 0, Blue = 0;
  TColor Color() const { return RGB(Red, Green, Blue); }
  friend bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};

using TPalette = std::vector<TPaletteEntry>;

// The 20 static colours of the system palette: the first ten belong at
// indexes 0 to 9, the last ten at 246 to 255 of a 256-entry palette.
const TPalette& SystemStaticColors();
constexpr int kStaticColorsAtStart = 10;

// Each channel in six levels of 51, red varying slowest.
const TPalette& WebCubePalette();

// The 256 entries of the shared palette: static colours around a colour cube
// (levels 55 to 255, blue slowest, without its white) and a grey ramp.
const TPalette& SharedPaletteLayout();

// The palette every preview canvas realises; null unless the display depth
// class is 8 bits.
const TPalette* SharedPalette();

}  // namespace tessaly
