#pragma once
// The base of every block of the preview document and the owning list the
// containers are made of.

#include <memory>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace tessaly::preview {

class TSectionList;
class TSection;
class TFontObj;
class TImageObj;
class IndentManager;  // one per cell; made by layout
struct TUrlTarget;

// A list that owns its items and frees them when emptied.
template <typename T>
class TFreeList : public std::vector<std::unique_ptr<T>> {};

class TSectionBase {
public:
  explicit TSectionBase(TSectionList* document) : Document(document) {}
  virtual ~TSectionBase() = default;
  TSectionBase(const TSectionBase&) = delete;
  TSectionBase& operator=(const TSectionBase&) = delete;

  TSectionList* Document;
  int SectionHeight = 0;  // pixels, set by layout
  int DrawHeight = 0;     // including floats hanging below
  int YValue = 0;         // where it was last laid out or drawn
  int StartCurs = 0;      // document cursor position of its first character
  int Len = 0;            // cursor positions it covers

  // Lays the block out at y; returns its height. The base block has a fixed
  // height (spaces) and covers no cursor positions.
  virtual int Layout(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs);
  // Draws the block at (x, y); returns the Y below it.
  virtual int Paint(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y);
  virtual bool LinkAt(TCanvas& canvas, int x, int y, TFontObj*& font, TUrlTarget*& target);
  virtual TImageObj* ImageAt(int x, int y, TPoint& inImage);
  virtual int CursorAt(TCanvas& canvas, int x, int y);
  // Cursor position -> source index, -1 when the block does not hold it.
  virtual int SourcePosOf(int curs);
  // Source index -> cursor position, -1 when the block has none. Without
  // `prev` the first position at or after the index answers, with it the
  // last one at or before it.
  virtual int DocPosOf(int sourceIndex, bool prev);
  virtual bool CursorPoint(TCanvas& canvas, int curs, TPoint& at);
  virtual bool CharAt(int curs, char32_t& ch, TSection*& section);
  virtual void FontsChanged() { ParentChanged(); }
  // Recomputes what depends on the document's settings (heights of spaces).
  virtual void ParentChanged() {}
  virtual void WidthRange(TCanvas& canvas, int& min, int& max);
  // Moves what layout placed down by dy (table cells are laid out before
  // their rows are placed).
  virtual void ShiftY(int dy) { YValue += dy; }

  // Gives the block its cursor positions from `curs` on, in document order;
  // layout does the same as it goes, this serves mapping before a layout.
  virtual void NumberCursorPositions(int& curs);
};

}  // namespace tessaly::preview
