#pragma once
// Finds every occurrence of a pattern in one line of text: a quick-search
// variant of Boyer-Moore over bytes folded through a case table, with an
// optional whole-word test. Match positions are 1-based.

#include <array>
#include <string>
#include <vector>

#include "platform/CodePage1251.h"

namespace tessaly {

// Process-wide tables, built on first use and shared by every engine.
namespace search_tables {
// Bytes mapped to their code-page lower case (case-insensitive search).
const cp1251::ByteTable& LowerFoldTable();
// Every byte mapped to itself (case-sensitive search).
const cp1251::ByteTable& IdentityFoldTable();
// True for bytes that cannot be part of a word: all but letters, digits and "_".
const std::array<bool, 256>& NonWordTable();
}  // namespace search_tables

class TSrcEditSearch {
public:
  TSrcEditSearch();
  virtual ~TSrcEditSearch() = default;

  const std::string& SearchPattern() const { return pattern_; }
  void SetSearchPattern(const std::string& value);
  bool MatchCase() const { return matchCase_; }
  void SetMatchCase(bool value);
  bool WholeWordsOnly() const { return wholeWordsOnly_; }
  void SetWholeWordsOnly(bool value) { wholeWordsOnly_ = value; }

  // Every leftmost non-overlapping match in `text`; returns their number.
  // Fails with "Pattern is empty" when there is no pattern.
  int FindAllIn(const std::string& text);
  int MatchCount() const { return static_cast<int>(matches_.size()); }
  int MatchPosition(int index) const;  // 0 for an index out of range
  // Moves the stored positions after `position` back by `delta`, for the
  // positions still to visit after a replacement of a different length.
  void ShiftMatchPositions(int position, int delta);

  // The first match, or 0. The text is not copied: it must stay alive and
  // unchanged while ContinueSearch is used on it.
  int FindFirstIn(const std::string& text);
  int FindFirstIn(std::string&& text) = delete;
  // The next match after the last one found, or 0.
  int ContinueSearch();

protected:
  // Whether the current match stands as a word of its own.
  virtual bool IsWholeWordAt() const;

private:
  void Prepare();
  unsigned char Fold(unsigned char byte) const { return (*fold_)[byte]; }

  std::string pattern_;
  bool matchCase_ = false;
  bool wholeWordsOnly_ = false;

  // Set by preparation, for the pattern and case mode it was made from.
  bool prepared_ = false;
  const cp1251::ByteTable* fold_;
  std::string foldedPattern_;
  int patternLength_ = 0;
  std::array<int, 256> shiftTable_{};  // by byte, through the fold table
  int repeatShift_ = 1;

  // The text of the last FindFirstIn; current_ is the offset of the current
  // window's last byte.
  const unsigned char* text_ = nullptr;
  long long textLength_ = 0;
  long long current_ = -1;

  std::vector<int> matches_;
};

}  // namespace tessaly
