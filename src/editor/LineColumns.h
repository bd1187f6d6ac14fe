#pragma once
// Columns of one line in its document's encoding. Columns are 1-based byte
// positions (what the caret and the selection hold); display columns are
// cells of the monospace grid. A character takes one cell, a wide East Asian
// character or emoji two, a tab reaches the next tab stop; in a single-byte
// encoding every byte is a character of one cell. Every column beyond the
// line end is one more cell.

#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly {

// A column range of one line, [Left, Right).
struct TColumnSpan {
  int Left;
  int Right;
};

class TLineColumns {
public:
  TLineColumns(std::string_view text, text::Encoding encoding, int tabWidth)
      : text_(text), encoding_(encoding), tabWidth_(tabWidth) {}

  int Length() const { return static_cast<int>(text_.size()); }
  bool SingleByte() const { return text::IsSingleByte(encoding_); }

  int DisplayColumn(int column) const;
  // The column of the character whose cells hold the display column.
  int LogicalColumn(int displayColumn) const;
  // The first column whose character starts at or after the display column.
  int ColumnAtOrAfter(int displayColumn) const;
  // The start of the character holding the byte at `column`; columns beyond
  // the line end are kept.
  int CharStart(int column) const;
  // One character on or back; beyond the line end one column.
  int NextColumn(int column) const;
  int PreviousColumn(int column) const;
  // How many characters lie before `column`, plus one.
  int CharacterColumn(int column) const;
  // The cells of the character at byte offset `offset` starting in cell `x`
  // (0-based), and its length in bytes.
  int CellsAt(std::size_t offset, int x, std::size_t& length) const;

private:
  std::string_view text_;
  text::Encoding encoding_;
  int tabWidth_;
};

}  // namespace tessaly
