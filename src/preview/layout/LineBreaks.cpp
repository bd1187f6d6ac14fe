#include "preview/layout/LineBreaks.h"

#include <algorithm>
#include <iterator>

namespace tessaly::preview {

namespace {

struct Range {
  char32_t First, Last;
};

constexpr Range kIdeographic[] = {
    {0x1100, 0x115F},   // Hangul leading jamo
    {0x2E80, 0x2FDF},   // CJK radicals, Kangxi radicals
    {0x3000, 0x303F},   // CJK symbols and punctuation
    {0x3040, 0x30FF},   // hiragana, katakana
    {0x3100, 0x31FF},   // bopomofo, Hangul compatibility jamo, kana extensions
    {0x3200, 0x4DBF},   // enclosed CJK, compatibility, extension A
    {0x4E00, 0x9FFF},   // unified ideographs
    {0xA960, 0xA97F},   // Hangul jamo extended A
    {0xAC00, 0xD7A3},   // Hangul syllables
    {0xF900, 0xFAFF},   // compatibility ideographs
    {0xFE30, 0xFE4F},   // CJK compatibility forms
    {0xFF00, 0xFFEF},   // half-width and full-width forms
    {0x20000, 0x3FFFD},  // supplementary ideographic planes
};

// Closing punctuation, small kana and marks that may not start a line.
constexpr char32_t kNoBreakBefore[] = {
    U'!', U')', U',', U'.', U':', U';', U'?', U']', U'}', 0x00A0, 0x00BB, 0x2019, 0x201D, 0x3001, 0x3002,
    0x3005, 0x3009, 0x300B, 0x300D, 0x300F, 0x3011, 0x3015, 0x3017, 0x3019, 0x301B, 0x301E, 0x3041,
    0x3043, 0x3045, 0x3047, 0x3049, 0x3063, 0x3083, 0x3085, 0x3087, 0x308E, 0x309B, 0x309C, 0x309D,
    0x309E, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30C3, 0x30E3, 0x30E5, 0x30E7, 0x30EE, 0x30F5,
    0x30F6, 0x30FB, 0x30FC, 0x30FD, 0x30FE, 0xFF01, 0xFF09, 0xFF0C, 0xFF0E, 0xFF1A, 0xFF1B, 0xFF1F,
    0xFF3D, 0xFF5D, 0xFF63,
};

// Opening punctuation that may not end a line.
constexpr char32_t kNoBreakAfter[] = {
    U'(', U'[', U'{', 0x00A0, 0x00AB, 0x2018, 0x201C, 0x3008, 0x300A, 0x300C, 0x300E, 0x3010,
    0x3014, 0x3016, 0x3018, 0x301A, 0x301D, 0xFF08, 0xFF3B, 0xFF5B, 0xFF62,
};

bool Listed(const auto& sorted, char32_t c) { return std::binary_search(std::begin(sorted), std::end(sorted), c); }

}  // namespace

bool IsIdeographic(char32_t c) {
  if (c < kIdeographic[0].First) return false;
  return std::any_of(std::begin(kIdeographic), std::end(kIdeographic),
                     [c](const Range& r) { return c >= r.First && c <= r.Last; });
}

bool IdeographicBreak(char32_t before, char32_t after) {
  if (!IsIdeographic(before) && !IsIdeographic(after)) return false;
  return !Listed(kNoBreakBefore, after) && !Listed(kNoBreakAfter, before);
}

}  // namespace tessaly::preview
