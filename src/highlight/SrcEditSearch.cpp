#include "highlight/SrcEditSearch.h"

#include "platform/Exception.h"

namespace tessaly {

namespace search_tables {

const cp1251::ByteTable& LowerFoldTable() { return cp1251::LowerTable(); }

const cp1251::ByteTable& IdentityFoldTable() {
  static const cp1251::ByteTable table = [] {
    cp1251::ByteTable identity;
    for (int b = 0; b < 256; ++b) identity[static_cast<size_t>(b)] = static_cast<unsigned char>(b);
    return identity;
  }();
  return table;
}

const std::array<bool, 256>& NonWordTable() {
  static const std::array<bool, 256> table = [] {
    std::array<bool, 256> nonWord;
    for (int b = 0; b < 256; ++b) {
      const auto byte = static_cast<unsigned char>(b);
      nonWord[byte] = !(byte != 0 && (cp1251::IsAlphaNumeric(byte) || byte == '_'));
    }
    return nonWord;
  }();
  return table;
}

}  // namespace search_tables

TSrcEditSearch::TSrcEditSearch() : fold_(&search_tables::LowerFoldTable()) {}

void TSrcEditSearch::SetSearchPattern(const std::string& value) {
  if (value == pattern_) return;
  pattern_ = value;
  prepared_ = false;
}

void TSrcEditSearch::SetMatchCase(bool value) {
  if (value == matchCase_) return;
  matchCase_ = value;
  prepared_ = false;
}

int TSrcEditSearch::FindAllIn(const std::string& text) {
  matches_.clear();
  for (int found = FindFirstIn(text); found > 0; found = ContinueSearch()) matches_.push_back(found);
  return MatchCount();
}

int TSrcEditSearch::MatchPosition(int index) const {
  if (index < 0 || index >= MatchCount()) return 0;
  return matches_[static_cast<size_t>(index)];
}

void TSrcEditSearch::ShiftMatchPositions(int position, int delta) {
  if (delta == 0) return;
  for (int& match : matches_)
    if (match > position) match -= delta;
}

void TSrcEditSearch::Prepare() {
  if (pattern_.empty()) throw Exception("Pattern is empty");
  fold_ = matchCase_ ? &search_tables::IdentityFoldTable() : &search_tables::LowerFoldTable();
  patternLength_ = static_cast<int>(pattern_.size());
  foldedPattern_.resize(pattern_.size());
  for (size_t i = 0; i < pattern_.size(); ++i)
    foldedPattern_[i] = static_cast<char>(Fold(static_cast<unsigned char>(pattern_[i])));
  const auto folded = [this](int i) { return static_cast<unsigned char>(foldedPattern_[static_cast<size_t>(i)]); };

  // How far the window moves when the byte after it is b: one past the last
  // occurrence of b in the pattern, or the whole pattern plus one. Indexed by
  // the unfolded byte, so the search loop saves a table lookup per step.
  std::array<int, 256> foldedShift;
  foldedShift.fill(patternLength_ + 1);
  for (int i = 0; i < patternLength_; ++i) foldedShift[folded(i)] = patternLength_ - i;
  for (int b = 0; b < 256; ++b) shiftTable_[static_cast<size_t>(b)] = foldedShift[Fold(static_cast<unsigned char>(b))];

  // After a failed comparison whose last byte matched, the nearest earlier
  // occurrence of that byte in the pattern tells the smallest useful move.
  const int last = patternLength_ - 1;
  repeatShift_ = patternLength_;
  for (int k = 1; k < patternLength_; ++k) {
    if (folded(last - k) == folded(last)) {
      repeatShift_ = k;
      break;
    }
  }
  prepared_ = true;
}

int TSrcEditSearch::FindFirstIn(const std::string& text) {
  if (!prepared_) Prepare();
  text_ = nullptr;
  if (text.size() < pattern_.size()) return 0;
  text_ = reinterpret_cast<const unsigned char*>(text.c_str());
  textLength_ = static_cast<long long>(text.size());
  current_ = -1;
  return ContinueSearch();
}

int TSrcEditSearch::ContinueSearch() {
  if (text_ == nullptr) return 0;
  const long long length = patternLength_;
  const auto* pattern = reinterpret_cast<const unsigned char*>(foldedPattern_.data());
  const unsigned char lastByte = pattern[length - 1];
  long long p = current_ + length;
  while (p < textLength_) {
    // The byte after the window (the terminating zero at the end) decides the move.
    if (Fold(text_[p]) != lastByte) {
      p += shiftTable_[text_[p + 1]];
      continue;
    }
    const unsigned char* window = text_ + p - length + 1;
    long long i = 0;
    while (i < length && Fold(window[i]) == pattern[i]) ++i;
    current_ = p;
    if (i == length && (!wholeWordsOnly_ || IsWholeWordAt())) return static_cast<int>(p - length + 2);
    p += repeatShift_;
    if (p >= textLength_) break;
    p += shiftTable_[text_[p]] - 1;
  }
  current_ = p;
  return 0;
}

bool TSrcEditSearch::IsWholeWordAt() const {
  const std::array<bool, 256>& nonWord = search_tables::NonWordTable();
  const long long first = current_ - patternLength_ + 1;
  if (first > 0 && !nonWord[text_[first - 1]]) return false;
  if (current_ < textLength_ - 1 && !nonWord[text_[current_ + 1]]) return false;
  return true;
}

}  // namespace tessaly
