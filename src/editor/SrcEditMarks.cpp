#include "editor/SrcEditMarks.h"

#include <algorithm>

namespace tessaly {

TSrcEditMark* TSrcEditMarkList::Add(std::unique_ptr<TSrcEditMark> mark) {
  marks_.push_back(std::move(mark));
  Changed();
  return marks_.back().get();
}

void TSrcEditMarkList::Remove(const TSrcEditMark* mark) {
  const auto found = std::find_if(marks_.begin(), marks_.end(), [mark](const auto& m) { return m.get() == mark; });
  if (found == marks_.end()) return;
  marks_.erase(found);
  Changed();
}

void TSrcEditMarkList::Clear() {
  if (marks_.empty()) return;
  marks_.clear();
  Changed();
}

void TSrcEditMarkList::LinesInserted(int line, int count) {
  bool moved = false;
  for (auto& mark : marks_)
    if (mark->Line >= line) {
      mark->Line += count;
      moved = true;
    }
  if (moved) Changed();
}

void TSrcEditMarkList::LinesDeleted(int line, int count) {
  bool moved = false;
  for (auto& mark : marks_) {
    if (mark->Line >= line + count) mark->Line -= count;
    else if (mark->Line > line) mark->Line = line;
    else continue;
    moved = true;
  }
  if (moved) Changed();
}

}  // namespace tessaly
