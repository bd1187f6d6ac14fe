// Reading and replacing the selected text in the three selection modes: the
// primitive under SelText, paste, typing over a selection, undo and redo.

#include <algorithm>

#include "editor/SrcEdit.h"
#include "editor/SrcEditGuards.h"

namespace tessaly {

namespace {

// Pieces of `text` split at CR LF, a lone CR and a lone LF.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> pieces(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      pieces.emplace_back();
    } else {
      pieces.back() += c;
    }
  }
  return pieces;
}

void PadTo(std::string& line, int length) {
  if (static_cast<int>(line.size()) < length) line.append(static_cast<size_t>(length) - line.size(), ' ');
}

std::string Slice(const std::string& line, int from, int count) {
  if (from >= static_cast<int>(line.size()) || count <= 0) return std::string();
  return line.substr(static_cast<size_t>(std::max(from, 0)), static_cast<size_t>(count));
}

}  // namespace

TColumnSpan TSrcEdit::ColumnSpan(TBufferCoord start, TBufferCoord end, int line) const {
  if (text::IsSingleByte(encoding_)) return {std::min(start.X, end.X), std::max(start.X, end.X)};
  // By cells: the characters whose first cell lies inside the block's
  // display columns, so that no character is cut, and text taken out at a
  // block's left edge goes back in at the same place.
  const int a = LogicalToDisplayColumn(start.Y, start.X), b = LogicalToDisplayColumn(end.Y, end.X);
  const TLineColumns columns = Columns(line);
  return {columns.ColumnAtOrAfter(std::min(a, b)), columns.ColumnAtOrAfter(std::max(a, b))};
}

std::string TSrcEdit::TextBetween(TBufferCoord start, TBufferCoord end, TSrcSelectionMode mode) const {
  const int count = lines_->Count();
  if (count == 0) return std::string();
  start.Y = std::clamp(start.Y, 1, count);
  end.Y = std::clamp(end.Y, 1, count);
  std::string text;
  switch (mode) {
    case smNormal:
      if (start.Y == end.Y) return Slice(LineText(start.Y), start.X - 1, end.X - start.X);
      text = Slice(LineText(start.Y), start.X - 1, INT32_MAX);
      for (int y = start.Y + 1; y < end.Y; ++y) text += "\r\n" + LineText(y);
      return text + "\r\n" + Slice(LineText(end.Y), 0, end.X - 1);
    case smLine:
      for (int y = start.Y; y <= end.Y; ++y) {
        text += LineText(y);
        if (y < end.Y || end.Y < count) text += "\r\n";
      }
      return text;
    case smColumn: {
      for (int y = start.Y; y <= end.Y; ++y) {
        const auto [left, right] = ColumnSpan(start, end, y);
        std::string piece = Slice(LineText(y), left - 1, right - left);
        if (!options_.Has(eoTrimTrailingSpaces)) PadTo(piece, right - left);
        if (y > start.Y) text += "\r\n";
        text += piece;
      }
      return text;
    }
  }
  return text;
}

std::string TSrcEdit::SelText() const {
  if (!SelAvail()) return std::string();
  return TextBetween(SelectionStart(), SelectionEnd(), selectionMode_);
}

void TSrcEdit::PutLine(int line, const std::string& text) {
  if (options_.Has(eoTrimTrailingSpaces)) {
    // Spaces only: undo pads with spaces, so a trimmed tab could not come back.
    const size_t end = text.find_last_not_of(' ');
    lines_->Put(line - 1, end == std::string::npos ? std::string_view() : std::string_view(text).substr(0, end + 1));
  } else {
    lines_->Put(line - 1, text);
  }
}

void TSrcEdit::DeleteRange(TBufferCoord start, TBufferCoord end, TSrcSelectionMode mode) {
  const int count = lines_->Count();
  if (count == 0) return;
  start.Y = std::clamp(start.Y, 1, count);
  end.Y = std::clamp(end.Y, 1, count);
  switch (mode) {
    case smNormal: {
      // Blanks before the start that were trimmed away come back when text
      // is joined after them (undo of an insertion made beyond a line end).
      std::string joined = Slice(LineText(start.Y), 0, start.X - 1);
      const std::string rest = Slice(lines_->Get(end.Y - 1), end.X - 1, INT32_MAX);
      if (!rest.empty()) PadTo(joined, start.X - 1);
      PutLine(start.Y, joined + rest);
      if (end.Y > start.Y) lines_->RemoveLines(start.Y, end.Y - start.Y);
      caretX_ = start.X;
      caretY_ = start.Y;
      break;
    }
    case smLine:
      if (end.Y == count) {
        if (end.Y > start.Y) lines_->RemoveLines(start.Y - 1, end.Y - start.Y);
        PutLine(start.Y, std::string());
      } else {
        lines_->RemoveLines(start.Y - 1, end.Y - start.Y + 1);
      }
      caretX_ = 1;
      caretY_ = start.Y;
      break;
    case smColumn: {
      const int caretLine = blockEnd_.Y >= start.Y && blockEnd_.Y <= end.Y ? blockEnd_.Y : start.Y;
      const int caretColumn = ColumnSpan(start, end, caretLine).Left;
      // Every span is measured before the lines the block's ends lie on change.
      std::vector<TColumnSpan> spans;
      for (int y = start.Y; y <= end.Y; ++y) spans.push_back(ColumnSpan(start, end, y));
      for (int y = start.Y; y <= end.Y; ++y) {
        const auto [left, right] = spans[static_cast<size_t>(y - start.Y)];
        std::string line = LineText(y);
        if (left - 1 < static_cast<int>(line.size())) {
          line.erase(static_cast<size_t>(left - 1), static_cast<size_t>(right - left));
          PutLine(y, line);
        }
      }
      caretX_ = caretColumn;
      caretY_ = caretLine;
      break;
    }
  }
}

void TSrcEdit::InsertNormal(const std::string& text) {
  const std::vector<std::string> pieces = SplitLines(text);
  const std::string line = LineText(caretY_);
  std::string left = Slice(line, 0, caretX_ - 1);
  PadTo(left, caretX_ - 1);
  const std::string right = Slice(line, caretX_ - 1, INT32_MAX);
  if (pieces.size() == 1) {
    PutLine(caretY_, left + pieces[0] + right);
    caretX_ += static_cast<int>(pieces[0].size());
    return;
  }
  PutLine(caretY_, left + pieces[0]);
  const int added = static_cast<int>(pieces.size()) - 1;
  lines_->InsertEmptyLines(caretY_, added);
  for (int k = 1; k <= added; ++k)
    PutLine(caretY_ + k, k == added ? pieces[static_cast<size_t>(k)] + right : pieces[static_cast<size_t>(k)]);
  caretY_ += added;
  caretX_ = static_cast<int>(pieces.back().size()) + 1;
}

void TSrcEdit::InsertColumn(const std::string& text, bool record, int cell) {
  const std::vector<std::string> pieces = SplitLines(text);
  const bool singleByte = text::IsSingleByte(encoding_);
  for (size_t k = 0; k < pieces.size(); ++k) {
    const int y = caretY_ + static_cast<int>(k);
    // Every piece goes in below the same cell.
    const int x = singleByte ? caretX_ : Columns(y).ColumnAtOrAfter(cell);
    const TBufferCoord pieceEnd{x + static_cast<int>(pieces[k].size()), y};
    std::string line = LineText(y);
    PadTo(line, x - 1);
    line.insert(static_cast<size_t>(x - 1), pieces[k]);
    if (y > lines_->Count() && y > 1) {
      // A line added below the text is recorded with its line break, so
      // that undo takes the whole line away again.
      const TBufferCoord previousEnd{static_cast<int>(LineText(y - 1).size()) + 1, y - 1};
      PutLine(y, line);
      if (record) undoList_->AddItem(ukPasteInsert, previousEnd, pieceEnd, std::string(), smNormal);
      continue;
    }
    PutLine(y, line);
    if (record) undoList_->AddItem(ukPasteInsert, {x, y}, pieceEnd, std::string(), smColumn);
  }
  caretX_ += static_cast<int>(pieces.back().size());
}

// Line blocks go in as whole lines above the caret line; the last piece (the
// part after the block's final line break) goes in front of the caret line.
void TSrcEdit::InsertLines(const std::string& text) {
  const std::vector<std::string> pieces = SplitLines(text);
  caretX_ = 1;
  for (size_t k = 0; k + 1 < pieces.size(); ++k) {
    lines_->Insert(std::min(caretY_ - 1, lines_->Count()), std::string());
    PutLine(caretY_, pieces[k]);
    ++caretY_;
  }
  const std::string& last = pieces.back();
  if (!last.empty() || caretY_ > lines_->Count()) PutLine(caretY_, last + LineText(caretY_));
  caretX_ = static_cast<int>(last.size()) + 1;
}

void TSrcEdit::ReplaceRange(TBufferCoord start, TBufferCoord end, TSrcSelectionMode mode, const std::string& text,
                            bool recordColumns, int columnCell) {
  TPaintLock lock(*this);
  TLinesUpdate update(*lines_);
  const bool something = start.X != end.X || (start.Y != end.Y && mode != smColumn);
  if (something) {
    DeleteRange(start, end, mode);
  } else {
    caretX_ = std::max(1, start.X);
    caretY_ = std::clamp(start.Y, 1, std::max(1, lines_->Count()));
  }
  if (!text.empty()) {
    switch (mode) {
      case smNormal: InsertNormal(text); break;
      case smColumn: InsertColumn(text, recordColumns, columnCell > 0 ? columnCell : DisplayColumn()); break;
      case smLine: InsertLines(text); break;
    }
  }
  // The caret fields were moved directly; report and clamp through PlaceCaret
  // before the update ends and collapses the selection onto the caret.
  const TBufferCoord caret = CaretXY();
  caretX_ = caretY_ = 0;
  PlaceCaret(caret, false);
}

void TSrcEdit::SetSelTextPrimitive(TSrcSelectionMode mode, const std::string& text, bool recordColumns) {
  if (SelAvail()) ReplaceRange(SelectionStart(), SelectionEnd(), mode, text, recordColumns);
  else ReplaceRange(CaretXY(), CaretXY(), mode, text, recordColumns);
}

void TSrcEdit::RecordInsertion(TSrcChangeReason kind, TBufferCoord start, TSrcSelectionMode mode) {
  // A line block is recorded as the plain text range it became, so that undo
  // removes exactly the inserted lines and not the line it was put in front of.
  if (mode == smLine) undoList_->AddItem(kind, {1, start.Y}, CaretXY(), std::string(), smNormal);
  else undoList_->AddItem(kind, start, CaretXY(), std::string(), mode);
}

void TSrcEdit::DeleteSelectionRecorded() {
  if (!SelAvail()) return;
  const TSrcChangeReason kind = blockEnd_ < blockBegin_ ? ukDeleteCaretAtStart : ukDeleteCaretAtEnd;
  undoList_->AddItem(kind, SelectionStart(), SelectionEnd(), SelText(), selectionMode_);
  TUndoSuspension suspension(*this);
  SetSelTextPrimitive(selectionMode_, std::string(), false);
}

void TSrcEdit::ReplaceSelectionRecorded(const std::string& text, TSrcChangeReason insertKind,
                                        TSrcSelectionMode mode) {
  TUndoGroup group(*this);
  TPaintLock lock(*this);
  if (SelAvail()) {
    undoList_->AddItem(ukDeleteCaretAtEnd, SelectionStart(), SelectionEnd(), SelText(), selectionMode_);
    TUndoSuspension suspension(*this);
    SetSelTextPrimitive(selectionMode_, std::string(), false);
  }
  if (text.empty()) return;
  const TBufferCoord start = CaretXY();
  if (mode == smColumn) {
    // Column pieces record themselves, one item per line.
    ReplaceRange(start, start, mode, text, true);
    return;
  }
  {
    TUndoSuspension suspension(*this);
    ReplaceRange(start, start, mode, text, false);
  }
  RecordInsertion(insertKind, start, mode);
}

void TSrcEdit::SetSelText(const std::string& value) {
  TUserLinesChange byUser(*lines_);
  ReplaceSelectionRecorded(value, ukInsert, selectionMode_);
}

}  // namespace tessaly
