#include "preview/pictures/DitherEngine.h"

#include <algorithm>

namespace tessaly {

TDitherEngine::TDitherEngine(TColorLookup& lookup, int width) : lookup_(lookup), width_(width) {}

uint8_t TDitherEngine::Dither(uint8_t red, uint8_t green, uint8_t blue) {
  TPaletteEntry used;
  const uint8_t index = lookup_.Lookup(red, green, blue, used);
  Advance();
  return index;
}

void TDitherEngine::NextLine() {
  direction_ = -direction_;
  column_ = direction_ > 0 ? 0 : width_ - 1;
}

TFloydSteinbergEngine::TFloydSteinbergEngine(TColorLookup& lookup, int width) : TDitherEngine(lookup, width) {
  for (TChannel* channel : {&red_, &green_, &blue_}) channel->Row.assign(static_cast<size_t>(width) + 2, 0);
}

int TFloydSteinbergEngine::TChannel::Value(uint8_t source, int column) const {
  return std::clamp(source + (Row[column + 1] + Carried + 8) / 16, 0, 255);
}

void TFloydSteinbergEngine::TChannel::Spread(int error, int column, int direction) {
  // The column behind gets its last share now, so its slot can take the value
  // for the row below; the pixel just read from this column's slot is done.
  Row[column - direction + 1] = Behind + error * 3;
  Behind = Under + error * 5;
  Under = error;
  Carried = error * 7;
}

void TFloydSteinbergEngine::TChannel::EndRow(int lastColumn) {
  Row[lastColumn + 1] = Behind;
  Behind = Under = Carried = 0;
}

uint8_t TFloydSteinbergEngine::Dither(uint8_t red, uint8_t green, uint8_t blue) {
  const int column = column_;
  const int r = red_.Value(red, column), g = green_.Value(green, column), b = blue_.Value(blue, column);
  TPaletteEntry used;
  const uint8_t index = lookup_.Lookup(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b), used);
  red_.Spread(r - used.Red, column, direction_);
  green_.Spread(g - used.Green, column, direction_);
  blue_.Spread(b - used.Blue, column, direction_);
  Advance();
  return index;
}

void TFloydSteinbergEngine::NextLine() {
  const int lastColumn = column_ - direction_;
  for (TChannel* channel : {&red_, &green_, &blue_}) channel->EndRow(lastColumn);
  TDitherEngine::NextLine();
}

}  // namespace tessaly
