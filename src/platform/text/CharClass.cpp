#include "platform/text/CharClass.h"

#include <algorithm>

namespace tessaly::text {
namespace {

bool InRanges(const tables::CodePointRange* ranges, std::size_t count, char32_t codePoint) {
  const tables::CodePointRange* end = ranges + count;
  const auto found = std::upper_bound(ranges, end, codePoint,
                                      [](char32_t c, const tables::CodePointRange& range) { return c < range.first; });
  return found != ranges && codePoint <= (found - 1)->last;
}

}  // namespace

int CellWidth(char32_t codePoint) {
  // Nothing below the Hangul jamo is wide.
  if (codePoint < 0x1100) return 1;
  return InRanges(tables::kWideRanges, tables::kWideRangesCount, codePoint) ? 2 : 1;
}

bool IsWordCharacter(char32_t codePoint) {
  if (codePoint < 0x80)
    return (codePoint >= '0' && codePoint <= '9') || (codePoint >= 'A' && codePoint <= 'Z') ||
           (codePoint >= 'a' && codePoint <= 'z') || codePoint == '_';
  return InRanges(tables::kWordRanges, tables::kWordRangesCount, codePoint);
}

}  // namespace tessaly::text
