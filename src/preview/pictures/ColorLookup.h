#pragma once
// Mapping a colour to the index of a palette entry, and the entry used.

#include <array>
#include <cstdint>

#include "preview/pictures/Palette.h"

namespace tessaly {

class TColorLookup {
public:
  virtual ~TColorLookup() = default;
  // The palette index for the colour; `used` receives that entry's colour.
  virtual uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, TPaletteEntry& used) = 0;
};

// The 216-colour cube of WebCubePalette(), computed without a table.
class TWebCubeColorLookup : public TColorLookup {
public:
  uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, TPaletteEntry& used) override;
};

// Any palette of up to 256 entries through an inverse table of 15-bit keys:
// the nearest entry is searched once per key and remembered.
class TFastColorLookup : public TColorLookup {
public:
  explicit TFastColorLookup(const TPalette& palette);
  uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, TPaletteEntry& used) override;

  // Red in bits 0 to 4, green 5 to 9, blue 10 to 14.
  static int Key(uint8_t red, uint8_t green, uint8_t blue) {
    return (red >> 3) | (green >> 3) << 5 | (blue >> 3) << 10;
  }

private:
  static constexpr uint16_t kUnset = 0xFFFF;
  uint8_t Nearest(uint8_t red, uint8_t green, uint8_t blue) const;

  TPalette palette_;
  std::array<uint16_t, 32768> inverse_;
};

}  // namespace tessaly
