#include "editor/LineColumns.h"

#include <algorithm>

#include "platform/text/CharClass.h"
#include "platform/text/Decode.h"
#include "platform/text/Stepping.h"

namespace tessaly {

int TLineColumns::CellsAt(std::size_t offset, int x, std::size_t& length) const {
  const unsigned char byte = static_cast<unsigned char>(text_[offset]);
  length = 1;
  if (byte == '\t') return (x / tabWidth_ + 1) * tabWidth_ - x;
  if (byte < 0x80 || SingleByte()) return 1;
  const text::DecodedCharacter c = text::DecodeAt(encoding_, text_, offset);
  length = c.length;
  return c.valid ? text::CellWidth(c.codePoint) : 1;
}

int TLineColumns::DisplayColumn(int column) const {
  const std::size_t end = std::min(static_cast<std::size_t>(std::max(column, 1) - 1), text_.size());
  int x = 0;
  std::size_t i = 0;
  while (i < end) {
    std::size_t length;
    x += CellsAt(i, x, length);
    i += length;
  }
  return x + 1 + std::max(0, column - 1 - Length());
}

int TLineColumns::LogicalColumn(int displayColumn) const {
  const int target = displayColumn - 1;
  int x = 0;
  std::size_t i = 0;
  while (i < text_.size()) {
    std::size_t length;
    const int next = x + CellsAt(i, x, length);
    if (next > target) return static_cast<int>(i) + 1;
    x = next;
    i += length;
  }
  return Length() + 1 + std::max(0, target - x);
}

int TLineColumns::ColumnAtOrAfter(int displayColumn) const {
  const int target = displayColumn - 1;
  int x = 0;
  std::size_t i = 0;
  while (i < text_.size() && x < target) {
    std::size_t length;
    x += CellsAt(i, x, length);
    i += length;
  }
  return static_cast<int>(i) + 1 + std::max(0, target - x);
}

int TLineColumns::CharStart(int column) const {
  if (column < 1 || column > Length()) return column;
  return static_cast<int>(text::PreviousBoundary(encoding_, text_, static_cast<std::size_t>(column))) + 1;
}

int TLineColumns::NextColumn(int column) const {
  if (column < 1 || column > Length()) return column + 1;
  return static_cast<int>(text::NextBoundary(encoding_, text_, static_cast<std::size_t>(column - 1))) + 1;
}

int TLineColumns::PreviousColumn(int column) const {
  if (column <= 1) return 1;
  if (column > Length() + 1) return column - 1;
  return static_cast<int>(text::PreviousBoundary(encoding_, text_, static_cast<std::size_t>(column - 1))) + 1;
}

int TLineColumns::CharacterColumn(int column) const {
  if (SingleByte()) return column;
  const std::size_t end = std::min(static_cast<std::size_t>(std::max(column, 1) - 1), text_.size());
  int characters = 0;
  for (std::size_t i = 0; i < end; i = text::NextUtf8Boundary(text_, i)) ++characters;
  return characters + 1 + std::max(0, column - 1 - Length());
}

}  // namespace tessaly
