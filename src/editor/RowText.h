#pragma once
// One line as it is painted: its bytes with every tab expanded to the cells
// it reaches (filler bytes 9, one a cell), which is also the text the
// highlighter scans for the row, and the grid cell of each byte.

#include <string>
#include <string_view>
#include <vector>

#include "platform/text/Encoding.h"

namespace tessaly {

class TRowText {
public:
  // A single-byte line arrives expanded already: every byte is one cell.
  static TRowText SingleByte(std::string expanded, text::Encoding encoding);
  // A multi-byte line: characters take one or two cells.
  static TRowText MultiByte(std::string_view line, text::Encoding encoding, int tabWidth);

  const std::string& Bytes() const { return bytes_; }
  // The 0-based cell of the character holding the byte; the size maps to
  // the cell after the last character.
  int CellOf(size_t offset) const { return cells_.empty() ? static_cast<int>(offset) : cells_[offset]; }
  // Where the character (or tab filler cell) at `offset` ends.
  size_t CharEnd(size_t offset) const;
  text::Encoding Encoding() const { return encoding_; }

private:
  std::string bytes_;
  std::vector<int> cells_;  // empty when byte i is cell i
  text::Encoding encoding_ = text::kDefaultEncoding;
};

}  // namespace tessaly
