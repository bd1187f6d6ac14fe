#pragma once
// A cell: an owning list of blocks. The document and every table cell are cells.

#include <memory>

#include "preview/document/IndentManager.h"
#include "preview/document/SectionBase.h"

namespace tessaly::preview {

class TCell : public TFreeList<TSectionBase> {
public:
  explicit TCell(TSectionList* document) : Document(document) {}
  virtual ~TCell() = default;
  TCell(const TCell&) = delete;
  TCell& operator=(const TCell&) = delete;

  TSectionList* Document;
  TColor BkColor = clNone;
  bool BkGnd = false;  // has a background colour of its own
  int YValue = 0;
  int StartCurs = 0;
  int Len = 0;

  // Adds a block at the end, or before block `before` when given; a section is
  // closed first. A null block is ignored.
  void Add(std::unique_ptr<TSectionBase> block, const TSectionBase* before = nullptr);

  int SourcePosOf(int curs);
  int DocPosOf(int sourceIndex, bool prev);
  void NumberCursorPositions(int& curs);
  void FontsChanged();

  IndentManager IMgr;
  int CellHeight = 0;  // set by layout

  // Lays the blocks out one below the other from y between `left` and
  // `left + width`; returns the height, floats included.
  int DoLayout(TCanvas& canvas, int y, int left, int width, int& maxWidth, int& curs);
  // Paints the blocks meeting `clip`, shifted by (dx, dy) from where they were laid out.
  void Draw(TCanvas& canvas, const TRect& clip, int dx, int dy);
  void WidthRange(TCanvas& canvas, int& min, int& max);
  void ShiftY(int dy);
  bool LinkAt(TCanvas& canvas, int x, int y, TFontObj*& font, TUrlTarget*& target);
  TImageObj* ImageAt(int x, int y, TPoint& inImage);
  int CursorAt(TCanvas& canvas, int x, int y);
  bool CursorPoint(TCanvas& canvas, int curs, TPoint& at);
  bool CharAt(int curs, char32_t& ch, TSection*& section);
};

}  // namespace tessaly::preview
