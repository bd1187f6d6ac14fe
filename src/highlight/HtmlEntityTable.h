#pragma once
// The character entities the highlighter recognises in document text.

#include <array>
#include <string_view>

namespace tessaly::html {

constexpr int EntityNameCount = 249;
// Each name with its leading "&" and trailing ";".
const std::array<std::string_view, EntityNameCount>& EntityNameTable();

// The index of the first table name that the bytes at `text` (pointing at an
// "&" in zero-terminated text) spell, ASCII letters compared without regard to
// case; -1 when none does. Never reads past the first mismatching byte.
int MatchEntityAt(const unsigned char* text);

}  // namespace tessaly::html
