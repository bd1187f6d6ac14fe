#pragma once
// Turning rows of true colour into palette indexes. Rows are walked in
// serpentine order: left to right, then right to left, and so on; the engine
// says which column comes next.

#include <cstdint>
#include <vector>

#include "preview/pictures/ColorLookup.h"

namespace tessaly {

// The plain engine: every pixel is only looked up.
class TDitherEngine {
public:
  TDitherEngine(TColorLookup& lookup, int width);
  virtual ~TDitherEngine() = default;

  int Column() const { return column_; }  // the column the next pixel belongs to
  int Direction() const { return direction_; }

  // The index for the pixel at Column(); moves to the next column.
  virtual uint8_t Dither(uint8_t red, uint8_t green, uint8_t blue);
  // Ends the row: the direction flips and the column restarts at the other end.
  virtual void NextLine();

protected:
  void Advance() { column_ += direction_; }

  TColorLookup& lookup_;
  int width_;
  int column_ = 0;
  int direction_ = 1;
};

// Floyd–Steinberg error diffusion: 7/16 of a pixel's error goes to the next
// pixel in the scan direction, 3/16, 5/16 and 1/16 to the pixels below
// (behind, under, ahead). Errors are kept in sixteenths.
class TFloydSteinbergEngine : public TDitherEngine {
public:
  TFloydSteinbergEngine(TColorLookup& lookup, int width);

  uint8_t Dither(uint8_t red, uint8_t green, uint8_t blue) override;
  void NextLine() override;

private:
  struct TChannel {
    std::vector<int> Row;  // width + 2 entries: errors for this row, written for the next
    int Carried = 0;       // from the previous pixel of this row
    int Behind = 0;        // running values for the row below
    int Under = 0;
    int Value(uint8_t source, int column) const;
    void Spread(int error, int column, int direction);
    void EndRow(int lastColumn);
  };
  TChannel red_, green_, blue_;
};

}  // namespace tessaly
