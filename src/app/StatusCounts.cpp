#include "app/StatusCounts.h"

namespace tessaly {

std::string StatusCountsText(const std::vector<std::string>& lines, int caretX, int caretY) {
  size_t length = 0;
  for (const std::string& line : lines) length += line.size() + 2;
  return "зн: " + std::to_string(length) + " cт: " + std::to_string(caretY) + " сим: " + std::to_string(caretX);
}

}  // namespace tessaly
