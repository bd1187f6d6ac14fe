#include "platform/text/CaseFold.h"

#include <algorithm>

#include "platform/Utf8.h"
#include "platform/text/Decode.h"

namespace tessaly::text {

char32_t FoldCase(char32_t codePoint) {
  if (codePoint < 0x80) return codePoint >= 'A' && codePoint <= 'Z' ? codePoint + ('a' - 'A') : codePoint;
  const tables::CaseFoldPair* begin = tables::kCaseFolds;
  const tables::CaseFoldPair* end = begin + tables::kCaseFoldCount;
  const auto found = std::lower_bound(begin, end, codePoint,
                                      [](const tables::CaseFoldPair& pair, char32_t c) { return pair.from < c; });
  return found != end && found->from == codePoint ? found->to : codePoint;
}

std::string FoldCase(std::string_view utf8) {
  std::string folded;
  folded.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const DecodedCharacter c = DecodeAt(Encoding::Utf8, utf8, i);
    if (c.valid)
      AppendUtf8(folded, FoldCase(c.codePoint));
    else
      folded += utf8[i];
    i += c.length;
  }
  return folded;
}

}  // namespace tessaly::text
