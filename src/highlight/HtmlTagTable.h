#pragma once
// Tag-name classification: a sum of per-byte weights indexes a table of the
// known tag names with that sum.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "highlight/HtmlTokens.h"

namespace tessaly::html {

// "!" 123, "/" 122, letters 1..26 regardless of case, everything else 0.
const std::array<int, 256>& CharWeightTable();

constexpr int TagKeywordTableSize = 244;
using TagKeywordEntry = std::vector<std::string_view>;
// Entry h lists the known names whose hash is h.
const std::array<TagKeywordEntry, TagKeywordTableSize>& TagKeywordTable();

// The 198 known names: opening names, closing names, "!DOCTYPE".
std::span<const std::string_view> KnownTagNames();

struct TagNameHashResult {
  int64_t hash = 0;
  int length = 0;
};
// The name at `name`: "!", "/" and letters, then decimal digits. `name` must
// point into zero-terminated text.
TagNameHashResult TagNameHash(const unsigned char* name);

// Compares weights position by position: letter case is ignored, and digits
// all weigh the same (the hash already told them apart).
bool TagNameEquals(const unsigned char* candidate, int length, std::string_view tableName);

// KeyToken, UndefKeyToken or IdentifierToken (hash beyond the table); the
// name's length goes to `length`.
HtmlTokenKind ClassifyTagName(const unsigned char* name, int& length);

}  // namespace tessaly::html
