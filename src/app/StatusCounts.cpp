#include "app/StatusCounts.h"

#include "editor/SrcEditStringList.h"

namespace tessaly {

std::string StatusCountsText(const TSrcEditStringList& lines, int caretX, int caretY) {
  size_t length = 0;
  for (int i = 0; i < lines.Count(); ++i) length += lines.Get(i).size() + 2;
  return "зн: " + std::to_string(length) + " cт: " + std::to_string(caretY) + " сим: " + std::to_string(caretX);
}

}  // namespace tessaly
