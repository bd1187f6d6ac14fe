#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "platform/text/SingleByteTables.h"

namespace tessaly::text {
namespace {

std::size_t TableIndex(Encoding encoding) {
  return static_cast<std::size_t>(encoding) - static_cast<std::size_t>(Encoding::Ibm866);
}

// Per encoding, the defined upper-half code points sorted for binary search.
struct ReverseTable {
  std::array<std::pair<char32_t, unsigned char>, 128> entries;
  std::size_t count = 0;
};

const std::array<ReverseTable, tables::kSingleByteCount>& ReverseTables() {
  static const auto reverse = [] {
    std::array<ReverseTable, tables::kSingleByteCount> all{};
    for (std::size_t t = 0; t < all.size(); ++t) {
      ReverseTable& table = all[t];
      for (int i = 0; i < 128; ++i) {
        const char32_t codePoint = tables::kUpperHalves[t][i];
        if (codePoint != kUndefinedByte) table.entries[table.count++] = {codePoint, static_cast<unsigned char>(0x80 + i)};
      }
      std::sort(table.entries.begin(), table.entries.begin() + static_cast<std::ptrdiff_t>(table.count));
    }
    return all;
  }();
  return reverse;
}

}  // namespace

char32_t SingleByteToUnicode(Encoding encoding, unsigned char byte) {
  if (byte < 0x80) return byte;
  return tables::kUpperHalves[TableIndex(encoding)][byte - 0x80];
}

bool HasUndefinedBytes(Encoding encoding) {
  static const auto any = [] {
    std::array<bool, tables::kSingleByteCount> result{};
    for (std::size_t t = 0; t < result.size(); ++t)
      result[t] = std::find(std::begin(tables::kUpperHalves[t]), std::end(tables::kUpperHalves[t]), kUndefinedByte) !=
                  std::end(tables::kUpperHalves[t]);
    return result;
  }();
  return any[TableIndex(encoding)];
}

int UnicodeToSingleByte(Encoding encoding, char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  const ReverseTable& table = ReverseTables()[TableIndex(encoding)];
  const auto end = table.entries.begin() + static_cast<std::ptrdiff_t>(table.count);
  const auto found = std::lower_bound(table.entries.begin(), end, std::pair<char32_t, unsigned char>{codePoint, 0});
  if (found == end || found->first != codePoint) return -1;
  return found->second;
}

}  // namespace tessaly::text
