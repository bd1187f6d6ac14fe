#pragma once
// Marks shown in the gutter; the ten bookmarks are marks with a number.
// Marks follow the lines they stand on when lines are inserted or removed.

#include <functional>
#include <memory>
#include <vector>

#include "platform/Bitmap.h"

namespace tessaly {

struct TSrcEditMark {
  int Line = 0;    // 1-based
  int Column = 0;  // 1-based
  int ImageIndex = 0;
  bool Visible = true;
  int BookmarkNumber = -1;  // 0-9 for a bookmark
  bool InternalImage = true;
  bool IsBookmark() const { return BookmarkNumber >= 0; }
};

class TSrcEditMarkList {
public:
  std::function<void()> OnChange;

  int Count() const { return static_cast<int>(marks_.size()); }
  TSrcEditMark& Items(int index) { return *marks_.at(static_cast<size_t>(index)); }
  const TSrcEditMark& Items(int index) const { return *marks_.at(static_cast<size_t>(index)); }

  TSrcEditMark* Add(std::unique_ptr<TSrcEditMark> mark);
  void Remove(const TSrcEditMark* mark);
  void Clear();

  // `count` lines were inserted before line `line` (1-based).
  void LinesInserted(int line, int count);
  // `count` lines starting at line `line` were removed.
  void LinesDeleted(int line, int count);

private:
  void Changed() {
    if (OnChange) OnChange();
  }
  std::vector<std::unique_ptr<TSrcEditMark>> marks_;
};

struct TSrcBookMarkOpt {
  // Pictures for marks that do not use the editor's own glyphs; none by default.
  const std::vector<TBitmap>* BookmarkImages = nullptr;
  bool DrawBookmarksFirst = true;
  bool EnableKeys = true;
  bool GlyphsVisible = true;
  int LeftMargin = 2;
  int Xoffset = 12;
};

}  // namespace tessaly
