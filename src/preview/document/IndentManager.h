#pragma once
// The left and right sides text may use at each Y of a cell: list levels and
// floating objects push them in for a range of Y.

#include <vector>

#include "preview/document/Alignment.h"

namespace tessaly::preview {

struct IndentRec {
  int X;      // offset from the edge
  int YT;     // first Y covered
  int YB;     // first Y no longer covered
  int Level;  // list level that made it, 0 once closed and for floats
  bool Float = false;
};

class IndentManager {
public:
  static constexpr int kOpenEnd = 9999999;

  int LfEdge = 0;
  int RtEdge = 0;
  int CurrentLevel = 0;
  std::vector<IndentRec> L;
  std::vector<IndentRec> R;

  // Forgets every record and sets the edges.
  void Reset(int left, int right);
  int LeftSide(int y) const;
  int RightSide(int y) const;
  // Opens one record per new list level of `step` pixels at y, or closes the
  // records of deeper levels when the level drops.
  void SetLevel(int level, int y, int step);
  // The lowest bottom of the float records of one side (1 left, 2 right,
  // 3 both) that still reach below y; -1 when none.
  int FloatBottom(TClear side, int y) const;
  // Floats an object `width` wide (plus `space` beside it) at y for
  // `height` pixels on the left or right; returns the object's X.
  int PlaceFloat(bool left, int y, int width, int space, int height);
  // The lowest bottom of every float record, -1 when none.
  int LowestFloatBottom() const;
};

}  // namespace tessaly::preview
