#pragma once
// Builds GIF files block by block for tests, benchmarks and fuzz seeds, so
// well-formed and deliberately broken files can be put together alike.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "preview/pictures/Palette.h"

namespace tessaly::testing {

// The header and logical screen; an empty table means no global table.
std::string GifHeader(int width, int height, const TPalette& globalTable, const std::string& signature = "GIF89a");

std::string GraphicControl(int disposal, int delay, int transparentIndex = -1);
std::string NetscapeLoop(int count);
std::string Comment(const std::string& text);
// Data split into sub-blocks of at most 255 bytes plus the terminator.
std::string SubBlocks(const std::string& data);

// LZW codes for the pixels. Without clearWhenFull the table is left full
// (a deferred clear) instead of being cleared at 4095 entries.
std::string LzwEncode(const std::vector<uint8_t>& pixels, int minimumCodeSize, bool clearWhenFull = true);

struct TTestImage {
  TTestImage(int left, int top, int width, int height, std::vector<uint8_t> pixels, TPalette localTable = {})
      : Left(left),
        Top(top),
        Width(width),
        Height(height),
        Pixels(std::move(pixels)),
        LocalTable(std::move(localTable)) {}
  int Left, Top, Width, Height;
  std::vector<uint8_t> Pixels;  // row by row, top first
  TPalette LocalTable;          // empty: use the global table
  bool Interlaced = false;
  int MinimumCodeSize = 8;
};
// Image descriptor, local table, code size and data sub-blocks.
std::string ImageBlock(const TTestImage& image);

// A w x h still GIF of the pixels over the palette (a complete file).
std::string StillGif(int width, int height, const std::vector<uint8_t>& pixels, const TPalette& palette);

}  // namespace tessaly::testing
