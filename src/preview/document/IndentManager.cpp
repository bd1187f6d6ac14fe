#include "preview/document/IndentManager.h"

#include <algorithm>

namespace tessaly::preview {

namespace {

bool Covers(const IndentRec& rec, int y) { return y >= rec.YT && y < rec.YB; }

int LowestBottom(const std::vector<IndentRec>& records, int y) {
  int bottom = -1;
  for (const IndentRec& rec : records)
    if (rec.Float && rec.YB > y) bottom = std::max(bottom, rec.YB);
  return bottom;
}

}  // namespace

void IndentManager::Reset(int left, int right) {
  LfEdge = left;
  RtEdge = right;
  CurrentLevel = 0;
  L.clear();
  R.clear();
}

int IndentManager::LeftSide(int y) const {
  int offset = 0;
  for (const IndentRec& rec : L)
    if (Covers(rec, y)) offset = std::max(offset, rec.X);
  return LfEdge + offset;
}

int IndentManager::RightSide(int y) const {
  int offset = 0;
  for (const IndentRec& rec : R)
    if (Covers(rec, y)) offset = std::min(offset, rec.X);
  return RtEdge + offset;
}

void IndentManager::SetLevel(int level, int y, int step) {
  while (CurrentLevel < level) {
    ++CurrentLevel;
    L.push_back({LeftSide(y) - LfEdge + step, y, kOpenEnd, CurrentLevel, false});
  }
  if (level < CurrentLevel) {
    for (IndentRec& rec : L)
      if (rec.Level > level) {
        rec.YB = y - 1;
        rec.Level = 0;
      }
    CurrentLevel = level;
  }
}

int IndentManager::FloatBottom(TClear side, int y) const {
  int bottom = -1;
  if (side == TClear::Left || side == TClear::Both) bottom = std::max(bottom, LowestBottom(L, y));
  if (side == TClear::Right || side == TClear::Both) bottom = std::max(bottom, LowestBottom(R, y));
  return bottom;
}

int IndentManager::PlaceFloat(bool left, int y, int width, int space, int height) {
  if (left) {
    const int x = LeftSide(y);
    L.push_back({x - LfEdge + width + space, y, y + height, 0, true});
    return x;
  }
  const int offset = RightSide(y) - RtEdge - (width + space);
  R.push_back({offset, y, y + height, 0, true});
  return RtEdge + offset + space;
}

int IndentManager::LowestFloatBottom() const { return FloatBottom(TClear::Both, -1); }

}  // namespace tessaly::preview
