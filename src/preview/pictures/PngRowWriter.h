#pragma once
// A PNG written row by row: a picture too tall to hold whole in memory (a
// long page drawn in bands) still becomes one file; only the compressed
// bytes are kept.

#include <cstdint>
#include <memory>
#include <string>

namespace tessaly {

class TPngRowWriter {
public:
  // The tallest picture written; taller ones are what common PNG readers
  // (libpng among them) refuse by default.
  static const int kMaxHeight;

  // An 8-bit RGB picture; EInvalidGraphic when the size cannot be a PNG.
  TPngRowWriter(int width, int height);
  ~TPngRowWriter();
  TPngRowWriter(const TPngRowWriter&) = delete;
  TPngRowWriter& operator=(const TPngRowWriter&) = delete;

  // The next row from the top: width × 3 bytes, red, green, blue.
  void WriteRow(const uint8_t* rgb);
  // The whole file, once every row has been written.
  std::string Finish();

private:
  struct TState;
  std::unique_ptr<TState> state_;
};

}  // namespace tessaly
