#pragma once
// The HTML standard's named character references, and how a reader finds the
// one a page means: the longest name that matches, with or without its
// semicolon where the standard allows that.

#include <cstddef>
#include <optional>
#include <string_view>

namespace tessaly::preview {

struct NamedReference {
  std::string_view Name;  // with its ';', or without for the legacy forms
  char32_t First;
  char32_t Second;  // 0 when the name stands for one character
};

// The longest name in the table, ';' included: how far a reader looks ahead.
inline constexpr std::size_t kLongestReferenceName = 32;

// Generated, sorted by name (bytewise).
extern const NamedReference kNamedReferences[];
extern const std::size_t kNamedReferenceCount;

struct NamedMatch {
  const NamedReference* Reference;
  std::size_t Length;  // characters of `text` the name takes, ';' included
};

// `text` is what follows '&' (letters and digits, then possibly ';'). The
// longest name at its start, or none.
std::optional<NamedMatch> MatchNamedReference(std::string_view text);

// The character a numeric reference stands for, as browsers decode it:
// 0x80-0x9F through windows-1252, 0, surrogates and values beyond U+10FFFF
// as U+FFFD. `value` is already clamped to something above U+10FFFF when the
// digits ran on.
char32_t NumericReferenceCharacter(unsigned long value);

}  // namespace tessaly::preview
