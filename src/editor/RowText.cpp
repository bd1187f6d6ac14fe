#include "editor/RowText.h"

#include "editor/LineColumns.h"
#include "platform/text/Stepping.h"

namespace tessaly {

TRowText TRowText::SingleByte(std::string expanded, text::Encoding encoding) {
  TRowText row;
  row.bytes_ = std::move(expanded);
  row.encoding_ = encoding;
  return row;
}

TRowText TRowText::MultiByte(std::string_view line, text::Encoding encoding, int tabWidth) {
  TRowText row;
  row.encoding_ = encoding;
  row.bytes_.reserve(line.size());
  row.cells_.reserve(line.size() + 1);
  const TLineColumns columns(line, encoding, tabWidth);
  int x = 0;
  for (size_t i = 0; i < line.size();) {
    size_t length;
    const int cells = columns.CellsAt(i, x, length);
    if (line[i] == '\t') {
      row.bytes_.append(static_cast<size_t>(cells), '\t');
      for (int k = 0; k < cells; ++k) row.cells_.push_back(x + k);
    } else {
      row.bytes_.append(line.substr(i, length));
      row.cells_.insert(row.cells_.end(), length, x);
    }
    x += cells;
    i += length;
  }
  row.cells_.push_back(x);
  return row;
}

size_t TRowText::CharEnd(size_t offset) const {
  if (bytes_[offset] == '\t') return offset + 1;
  return text::NextBoundary(encoding_, bytes_, offset);
}

}  // namespace tessaly
