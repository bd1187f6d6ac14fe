#include "app/window/StatusCounts.h"

#include "editor/SrcEditStringList.h"

namespace tessaly {

size_t CrLfTextLength(const TSrcEditStringList& lines) {
  size_t length = 0;
  for (int i = 0; i < lines.Count(); ++i) length += lines.Get(i).size() + 2;
  return length;
}

std::string StatusCountsText(const TSrcEditStringList& lines, int caretX, int caretY) {
  const size_t length = CrLfTextLength(lines);
  return "зн: " + std::to_string(length) + " cт: " + std::to_string(caretY) + " сим: " + std::to_string(caretX);
}

}  // namespace tessaly
