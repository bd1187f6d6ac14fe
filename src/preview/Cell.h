#pragma once
// A cell: an owning list of blocks. The document and every table cell are cells.

#include <memory>

#include "preview/SectionBase.h"

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
};

}  // namespace tessaly::preview
