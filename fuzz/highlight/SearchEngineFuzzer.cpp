// The search engine with an arbitrary pattern and text. Input: one byte of
// options (bit 0 match case, bit 1 whole words), one byte of pattern length,
// the pattern, then the text. Without the whole-word test the matches must be
// exactly the leftmost non-overlapping occurrences found byte by byte; with it,
// each match must still be a real occurrence standing as a word.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "highlight/SrcEditSearch.h"
#include "platform/CodePage1251.h"
#include "platform/Exception.h"

namespace {

unsigned char Fold(char c, bool matchCase) {
  const auto byte = static_cast<unsigned char>(c);
  return matchCase ? byte : tessaly::cp1251::ToLower(byte);
}

bool OccursAt(const std::string& pattern, const std::string& text, size_t at, bool matchCase) {
  for (size_t i = 0; i < pattern.size(); ++i)
    if (Fold(text[at + i], matchCase) != Fold(pattern[i], matchCase)) return false;
  return true;
}

std::vector<int> LeftmostOccurrences(const std::string& pattern, const std::string& text, bool matchCase) {
  std::vector<int> positions;
  for (size_t at = 0; at + pattern.size() <= text.size();) {
    if (OccursAt(pattern, text, at, matchCase)) {
      positions.push_back(static_cast<int>(at + 1));
      at += pattern.size();
    } else {
      ++at;
    }
  }
  return positions;
}

bool IsWordByte(char c) { return !tessaly::search_tables::NonWordTable()[static_cast<unsigned char>(c)]; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const bool matchCase = data[0] & 1;
  const bool wholeWords = data[0] & 2;
  const size_t patternLength = std::min<size_t>(data[1], size - 2);
  const std::string pattern(reinterpret_cast<const char*>(data + 2), patternLength);
  const std::string text(reinterpret_cast<const char*>(data + 2 + patternLength), size - 2 - patternLength);

  tessaly::TSrcEditSearch search;
  search.SetMatchCase(matchCase);
  search.SetWholeWordsOnly(wholeWords);
  search.SetSearchPattern(pattern);
  try {
    search.FindAllIn(text);
  } catch (const tessaly::Exception&) {
    if (!pattern.empty() || search.MatchCount() != 0) std::abort();
    return 0;
  }
  if (pattern.empty()) std::abort();

  std::vector<int> found;
  for (int i = 0; i < search.MatchCount(); ++i) found.push_back(search.MatchPosition(i));
  if (!wholeWords) {
    if (found != LeftmostOccurrences(pattern, text, matchCase)) std::abort();
    return 0;
  }
  size_t previousEnd = 0;
  for (int position : found) {
    const size_t at = static_cast<size_t>(position - 1);
    if (position < 1 || at < previousEnd || at + pattern.size() > text.size()) std::abort();
    if (!OccursAt(pattern, text, at, matchCase)) std::abort();
    if (at > 0 && IsWordByte(text[at - 1])) std::abort();
    if (at + pattern.size() < text.size() && IsWordByte(text[at + pattern.size()])) std::abort();
    previousEnd = at + pattern.size();
  }
  return 0;
}
