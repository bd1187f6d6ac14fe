#include "highlight/SrcEditSearch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>

#include "platform/Exception.h"
#include "platform/Utf8.h"
#include "platform/text/CaseFold.h"
#include "platform/text/CharClass.h"
#include "platform/text/Decode.h"
#include "platform/text/SingleByteTables.h"
#include "platform/text/Stepping.h"

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

namespace {

// Built on first use for each encoding, kept for the process.
template <typename Table, typename Build>
const Table& TableFor(text::Encoding encoding, Build build) {
  static std::map<text::Encoding, Table> tables;
  auto found = tables.find(encoding);
  if (found == tables.end()) found = tables.emplace(encoding, build(encoding)).first;
  return found->second;
}

}  // namespace

const cp1251::ByteTable& LowerFoldTable(text::Encoding encoding) {
  if (encoding == text::Encoding::Windows1251) return LowerFoldTable();
  return TableFor<cp1251::ByteTable>(encoding, [](text::Encoding e) {
    cp1251::ByteTable table;
    for (int b = 0; b < 256; ++b) {
      const auto byte = static_cast<unsigned char>(b);
      const char32_t c = b < 0x80 ? static_cast<char32_t>(b) : text::SingleByteToUnicode(e, byte);
      // A byte folds to the byte of its folded character, when the
      // encoding has one; an undefined byte stays itself.
      const int folded = c == text::kUndefinedByte ? -1 : text::UnicodeToSingleByte(e, text::FoldCase(c));
      table[byte] = folded >= 0 ? static_cast<unsigned char>(folded) : byte;
    }
    return table;
  });
}

const std::array<bool, 256>& NonWordTable(text::Encoding encoding) {
  if (encoding == text::Encoding::Windows1251) return NonWordTable();
  return TableFor<std::array<bool, 256>>(encoding, [](text::Encoding e) {
    std::array<bool, 256> nonWord;
    for (int b = 0; b < 256; ++b)
      nonWord[static_cast<size_t>(b)] = b == 0 || !text::IsWordCharacter(text::SingleByteToUnicode(e, static_cast<unsigned char>(b)));
    return nonWord;
  });
}

}  // namespace search_tables

namespace {

// Simple case folding of the characters UTF-8 writes in two bytes, where
// the letters of most alphabets lie, as their folded bytes, indexed by the
// character's code point (0x80-0x7FF); 0 where the fold has another length.
const std::array<uint16_t, 0x800>& TwoByteFolds() {
  static const std::array<uint16_t, 0x800> table = [] {
    std::array<uint16_t, 0x800> folds{};
    for (char32_t c = 0x80; c < 0x800; ++c) {
      std::string bytes;
      AppendUtf8(bytes, text::FoldCase(c));
      if (bytes.size() == 2) std::memcpy(&folds[c], bytes.data(), 2);
    }
    return folds;
  }();
  return table;
}

const cp1251::ByteTable& AsciiLowerTable() {
  static const cp1251::ByteTable table = [] {
    cp1251::ByteTable lower = search_tables::IdentityFoldTable();
    for (int b = 'A'; b <= 'Z'; ++b) lower[static_cast<size_t>(b)] = static_cast<unsigned char>(b + ('a' - 'A'));
    return lower;
  }();
  return table;
}

}  // namespace

TSrcEditSearch::TSrcEditSearch()
    : fold_(&search_tables::LowerFoldTable()), nonWord_(&search_tables::NonWordTable()) {}

void TSrcEditSearch::SetEncoding(text::Encoding value) {
  if (value == encoding_) return;
  encoding_ = value;
  prepared_ = false;
}

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
  lengths_.clear();
  for (int found = FindFirstIn(text); found > 0; found = ContinueSearch()) {
    matches_.push_back(found);
    lengths_.push_back(LastMatchLength());
  }
  return MatchCount();
}

int TSrcEditSearch::MatchLength(int index) const {
  if (index < 0 || index >= MatchCount()) return 0;
  return lengths_[static_cast<size_t>(index)];
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
  const bool singleByte = text::IsSingleByte(encoding_);
  singleByte_ = singleByte;
  foldsText_ = !matchCase_ && !singleByte;
  nonWord_ = &search_tables::NonWordTable(singleByte ? encoding_ : text::Encoding::Windows1251);
  if (matchCase_) {
    fold_ = &search_tables::IdentityFoldTable();
    foldedPattern_ = pattern_;
  } else if (!singleByte) {
    // A UTF-8 line is folded before it is searched (an ASCII line by the
    // table alone), and its pattern likewise.
    fold_ = &AsciiLowerTable();
    foldedPattern_ = text::FoldCase(pattern_);
  } else {
    fold_ = &search_tables::LowerFoldTable(encoding_);
    foldedPattern_.resize(pattern_.size());
    for (size_t i = 0; i < pattern_.size(); ++i)
      foldedPattern_[i] = static_cast<char>(Fold(static_cast<unsigned char>(pattern_[i])));
  }
  patternLength_ = static_cast<int>(foldedPattern_.size());
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

namespace {

// Lowers the ASCII letters of eight ASCII bytes at once: a byte's top bit
// after adding 0x3F says it is at least 'A', after adding 0x25 that it is
// above 'Z' (no sum carries into the next byte).
inline uint64_t LowerAsciiWord(uint64_t word) {
  const uint64_t atLeastA = word + 0x3F3F3F3F3F3F3F3FULL;
  const uint64_t aboveZ = word + 0x2525252525252525ULL;
  return word | (((atLeastA & ~aboveZ) & 0x8080808080808080ULL) >> 2);
}

// Folds UTF-8 `source` into `out` (room for one and a half times its size)
// and returns the folded length; with kMap, `map` receives the source offset
// of each folded character's first byte (its other bytes are left alone).
template <bool kMap>
size_t FoldUtf8(const unsigned char* source, size_t size, char* out, int* map) {
  const cp1251::ByteTable& lower = AsciiLowerTable();
  const std::array<uint16_t, 0x800>& twoByteFolds = TwoByteFolds();
  size_t o = 0;
  for (size_t i = 0; i < size;) {
    if constexpr (!kMap) {
      // Runs of ASCII, eight bytes at a time.
      while (i + 8 <= size) {
        uint64_t word;
        std::memcpy(&word, source + i, 8);
        if (word & 0x8080808080808080ULL) break;
        word = LowerAsciiWord(word);
        std::memcpy(out + o, &word, 8);
        i += 8;
        o += 8;
      }
      if (i >= size) break;
    }
    const unsigned char byte = source[i];
    if constexpr (kMap) map[o] = static_cast<int>(i);
    if (byte < 0x80) {
      out[o++] = static_cast<char>(lower[byte]);
      ++i;
    } else if (const uint16_t folded = byte >= 0xC2 && byte <= 0xDF && i + 1 < size && (source[i + 1] & 0xC0) == 0x80
                                           ? twoByteFolds[((byte & 0x1Fu) << 6) | (source[i + 1] & 0x3Fu)]
                                           : 0;
               folded != 0) {
      // Two-byte characters that fold to two bytes: one table, one copy.
      std::memcpy(out + o, &folded, 2);
      o += 2;
      i += 2;
    } else {
      const std::string_view view(reinterpret_cast<const char*>(source), size);
      const text::DecodedCharacter c = text::DecodeAt(text::Encoding::Utf8, view, i);
      if (c.valid) {
        std::string folded;
        AppendUtf8(folded, text::FoldCase(c.codePoint));
        folded.copy(out + o, folded.size());
        o += folded.size();
      } else {
        out[o++] = static_cast<char>(byte);  // a byte of no character stays itself
      }
      i += c.length;
    }
  }
  if constexpr (kMap) map[o] = static_cast<int>(size);
  return o;
}

}  // namespace

void TSrcEditSearch::FoldText(bool map) {
  const auto size = static_cast<size_t>(sourceLength_);
  // A fold may grow a character by half (U+023A, two bytes, folds to U+2C65,
  // three); the buffer only grows, and the folded text ends in a zero byte.
  const size_t room = size + size / 2 + 9;
  if (folded_.size() < room) folded_.resize(room);
  if (map) {
    sourceOf_.assign(room, -1);
    foldedLength_ = FoldUtf8<true>(source_, size, folded_.data(), sourceOf_.data());
  } else {
    foldedLength_ = FoldUtf8<false>(source_, size, folded_.data(), nullptr);
  }
  folded_[foldedLength_] = '\0';
}

int TSrcEditSearch::FindFirstIn(const std::string& text) {
  if (!prepared_) Prepare();
  text_ = nullptr;
  source_ = reinterpret_cast<const unsigned char*>(text.c_str());
  sourceLength_ = static_cast<long long>(text.size());
  usesFolded_ = foldsText_;
  mapped_ = false;
  if (usesFolded_) FoldText(false);
  const size_t searchedLength = usesFolded_ ? foldedLength_ : text.size();
  if (searchedLength < foldedPattern_.size()) return 0;
  text_ = reinterpret_cast<const unsigned char*>(usesFolded_ ? folded_.c_str() : text.c_str());
  textLength_ = static_cast<long long>(searchedLength);
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
    if (i == length && Accept(p - length + 1, p + 1)) return static_cast<int>(matchStart_ + 1);
    p += repeatShift_;
    if (p >= textLength_) break;
    p += shiftTable_[text_[p]] - 1;
  }
  current_ = p;
  return 0;
}

bool TSrcEditSearch::Accept(long long start, long long end) {
  if (usesFolded_) {
    if (!mapped_) {
      FoldText(true);  // the same bytes again, with where they came from
      text_ = reinterpret_cast<const unsigned char*>(folded_.c_str());
      mapped_ = true;
    }
    // Only whole folded characters map back to the text.
    if (sourceOf_[static_cast<size_t>(start)] < 0 || sourceOf_[static_cast<size_t>(end)] < 0) return false;
    start = sourceOf_[static_cast<size_t>(start)];
    end = sourceOf_[static_cast<size_t>(end)];
  } else if (!singleByte_) {
    const std::string_view source(reinterpret_cast<const char*>(source_), static_cast<size_t>(sourceLength_));
    if (!text::IsBoundary(encoding_, source, static_cast<size_t>(start)) ||
        !text::IsBoundary(encoding_, source, static_cast<size_t>(end)))
      return false;
  }
  matchStart_ = start;
  matchEnd_ = end;
  return !wholeWordsOnly_ || IsWholeWordAt();
}

bool TSrcEditSearch::IsWordAt(long long offset) const {
  if (singleByte_) return !(*nonWord_)[source_[offset]];
  const std::string_view source(reinterpret_cast<const char*>(source_), static_cast<size_t>(sourceLength_));
  const text::DecodedCharacter c = text::DecodeAt(encoding_, source, static_cast<size_t>(offset));
  // A byte of no character counts as part of a word, as in the editor.
  return !c.valid || text::IsWordCharacter(c.codePoint);
}

bool TSrcEditSearch::IsWholeWordAt() const {
  if (matchStart_ > 0) {
    const std::string_view source(reinterpret_cast<const char*>(source_), static_cast<size_t>(sourceLength_));
    if (IsWordAt(static_cast<long long>(text::PreviousBoundary(encoding_, source, static_cast<size_t>(matchStart_)))))
      return false;
  }
  if (matchEnd_ < sourceLength_ && IsWordAt(matchEnd_)) return false;
  return true;
}

}  // namespace tessaly
