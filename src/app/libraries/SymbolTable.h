#pragma once
// The special-character table of the "***" side page: 207 rows in windows-1251,
// each either a heading or "label::&#N;::description" with its own ending.
// List row i always stands for table row i.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Graphics.h"

namespace tessaly {

constexpr int SymbolRowCount = 207;

const std::vector<std::string>& SymbolStrHolder();

// The second field: the entity text, empty for a heading.
std::string SymbolEntity(std::string_view row);
// What the list shows: the trimmed third field, or the row unchanged when
// that is empty (headings keep their trailing spaces).
std::string SymbolListText(std::string_view row);
bool IsSymbolHeading(std::string_view row);
// Headings are drawn on white, entity rows on a pale blue.
TColor SymbolRowColor(std::string_view row);

}  // namespace tessaly
