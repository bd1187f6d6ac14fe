#include "preview/document/Cell.h"

#include <algorithm>

#include "preview/document/Section.h"

namespace tessaly::preview {

void TCell::Add(std::unique_ptr<TSectionBase> block, const TSectionBase* before) {
  if (!block) return;
  if (auto* section = dynamic_cast<TSection*>(block.get())) section->Close();
  block->Document = Document;
  if (!before) {
    push_back(std::move(block));
    return;
  }
  // The block to insert before is a table still being read: at or near the end.
  auto at = std::find_if(rbegin(), rend(), [before](const auto& item) { return item.get() == before; });
  insert(at == rend() ? end() : std::prev(at.base()), std::move(block));
}

int TCell::SourcePosOf(int curs) {
  for (const auto& block : *this)
    if (const int index = block->SourcePosOf(curs); index >= 0) return index;
  return -1;
}

int TCell::DocPosOf(int sourceIndex, bool prev) {
  if (prev) {
    for (auto block = rbegin(); block != rend(); ++block)
      if (const int curs = (*block)->DocPosOf(sourceIndex, true); curs >= 0) return curs;
  } else {
    for (const auto& block : *this)
      if (const int curs = block->DocPosOf(sourceIndex, false); curs >= 0) return curs;
  }
  return -1;
}

void TCell::NumberCursorPositions(int& curs) {
  StartCurs = curs;
  for (const auto& block : *this) block->NumberCursorPositions(curs);
  Len = curs - StartCurs;
}

void TCell::FontsChanged() {
  for (const auto& block : *this) block->FontsChanged();
}

}  // namespace tessaly::preview
