#pragma once
// Finds every occurrence of a pattern in one line of text: a quick-search
// variant of Boyer-Moore over bytes folded through a case table, with an
// optional whole-word test. Match positions are 1-based. The text is in the
// document's encoding: a single-byte encoding folds case through its own
// byte table (windows-1251 through the code page's); UTF-8 matches only
// whole characters and folds by Unicode simple case folding, so a match may
// differ in length from the pattern.

#include <array>
#include <string>
#include <vector>

#include "platform/CodePage1251.h"
#include "platform/text/Encoding.h"

namespace tessaly {

// Process-wide tables, built on first use and shared by every engine.
namespace search_tables {
// Bytes mapped to their code-page lower case (case-insensitive search).
const cp1251::ByteTable& LowerFoldTable();
// Every byte mapped to itself (case-sensitive search).
const cp1251::ByteTable& IdentityFoldTable();
// True for bytes that cannot be part of a word: all but letters, digits and "_".
const std::array<bool, 256>& NonWordTable();
// The same two tables for a single-byte encoding; windows-1251 gets the
// code page's own.
const cp1251::ByteTable& LowerFoldTable(text::Encoding encoding);
const std::array<bool, 256>& NonWordTable(text::Encoding encoding);
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
  text::Encoding Encoding() const { return encoding_; }
  void SetEncoding(text::Encoding value);

  // Every leftmost non-overlapping match in `text`; returns their number.
  // Fails with "Pattern is empty" when there is no pattern.
  int FindAllIn(const std::string& text);
  int MatchCount() const { return static_cast<int>(matches_.size()); }
  int MatchPosition(int index) const;  // 0 for an index out of range
  int MatchLength(int index) const;    // in bytes of the text; 0 out of range
  // Moves the stored positions after `position` back by `delta`, for the
  // positions still to visit after a replacement of a different length.
  void ShiftMatchPositions(int position, int delta);

  // The first match, or 0. The text is not copied: it must stay alive and
  // unchanged while ContinueSearch is used on it.
  int FindFirstIn(const std::string& text);
  int FindFirstIn(std::string&& text) = delete;
  // The next match after the last one found, or 0.
  int ContinueSearch();
  // The length of the match the last FindFirstIn or ContinueSearch found.
  int LastMatchLength() const { return static_cast<int>(matchEnd_ - matchStart_); }

protected:
  // Whether the current match (source bytes matchStart_..matchEnd_ of
  // source_) stands as a word of its own.
  virtual bool IsWholeWordAt() const;

  const unsigned char* source_ = nullptr;  // the text as given
  long long sourceLength_ = 0;
  long long matchStart_ = 0;
  long long matchEnd_ = 0;

private:
  void Prepare();
  unsigned char Fold(unsigned char byte) const { return (*fold_)[byte]; }
  // Folds the UTF-8 source into folded_, with `map` also filling sourceOf_.
  void FoldText(bool map);
  // Whether the window text_[start, end) is a match to report; sets the
  // match's source range.
  bool Accept(long long start, long long end);
  bool IsWordAt(long long offset) const;  // the character at a source offset

  std::string pattern_;
  bool matchCase_ = false;
  bool wholeWordsOnly_ = false;
  text::Encoding encoding_ = text::kDefaultEncoding;

  // Set by preparation, for the pattern, case mode and encoding it was made from.
  bool prepared_ = false;
  const cp1251::ByteTable* fold_;
  const std::array<bool, 256>* nonWord_;
  bool singleByte_ = true;
  bool foldsText_ = false;  // a UTF-8 line is folded before it is searched
  std::string foldedPattern_;
  int patternLength_ = 0;
  std::array<int, 256> shiftTable_{};  // by byte, through the fold table
  int repeatShift_ = 1;

  // The text searched: the source itself, or its case-folded copy with the
  // source offset of every folded byte that starts a character (-1 for the
  // others, the source length at the end).
  std::string folded_;  // the first foldedLength_ bytes, then a zero byte
  size_t foldedLength_ = 0;
  std::vector<int> sourceOf_;
  bool usesFolded_ = false;
  bool mapped_ = false;
  // The text of the last FindFirstIn; current_ is the offset of the current
  // window's last byte.
  const unsigned char* text_ = nullptr;
  long long textLength_ = 0;
  long long current_ = -1;

  std::vector<int> matches_;
  std::vector<int> lengths_;
};

}  // namespace tessaly
