#include "highlight/HighlighterList.h"

#include <algorithm>

namespace tessaly {

int TSrcHighlighterList::IndexOf(const TSrcHighlighterClass* highlighterClass) const {
  const auto found = std::find(classes_.begin(), classes_.end(), highlighterClass);
  return found == classes_.end() ? -1 : static_cast<int>(found - classes_.begin());
}

void TSrcHighlighterList::Add(const TSrcHighlighterClass* highlighterClass) {
  if (IndexOf(highlighterClass) < 0) classes_.push_back(highlighterClass);
}

TSrcHighlighterList& HighlighterList() {
  static TSrcHighlighterList list;
  return list;
}

void RegisterHighlighterClass(const TSrcHighlighterClass& highlighterClass) {
  HighlighterList().Add(&highlighterClass);
}

}  // namespace tessaly
