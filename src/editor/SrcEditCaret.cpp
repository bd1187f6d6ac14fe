// Where the caret may stand, the selection in its three modes, scrolling,
// pixel <-> position mapping and word positions.

#include <algorithm>
#include <cmath>

#include "editor/SrcEdit.h"
#include "platform/text/CharClass.h"
#include "platform/text/Decode.h"
#include "platform/text/Stepping.h"

namespace tessaly {

// ---- display columns --------------------------------------------------------

int TSrcEdit::LogicalToDisplayColumn(int line, int column) const { return Columns(line).DisplayColumn(column); }

int TSrcEdit::DisplayToLogicalColumn(int line, int displayColumn) const {
  return Columns(line).LogicalColumn(displayColumn);
}

// ---- caret ----------------------------------------------------------------------

int TSrcEdit::CaretColumnLimit(int line) const {
  if (options_.Has(eoScrollPastEol)) return maxLeftChar_;
  if (lines_->Count() == 0) return 1;
  return static_cast<int>(lines_->Get(line - 1).size()) + 1;
}

void TSrcEdit::PlaceCaret(TBufferCoord value, bool bringIntoView) {
  const int line = std::max(std::min(value.Y, lines_->Count()), 1);
  const int column = Columns(line).CharStart(std::max(std::min(value.X, CaretColumnLimit(line)), 1));
  if (column == caretX_ && line == caretY_) {
    lastCaretX_ = DisplayColumn();
    return;
  }
  LockPainting();
  TSrcStatusChanges changes;
  if (column != caretX_) changes.Include(scCaretX);
  if (line != caretY_) changes.Include(scCaretY);
  caretX_ = column;
  caretY_ = line;
  lastCaretX_ = DisplayColumn();
  // An empty selection travels with the caret.
  if (blockBegin_ == blockEnd_) blockBegin_ = blockEnd_ = ClampBlockPoint(CaretXY());
  StatusChanged(changes);
  if (bringIntoView) ScrollToCaret();
  caretChanged_ = true;
  scrollBarsChanged_ = true;
  UnlockPainting();
}

void TSrcEdit::EndPastEol(bool saved) {
  options_.Set(eoScrollPastEol, saved);
  if (!saved && caretX_ > CaretColumnLimit(caretY_)) PlaceCaret(CaretXY(), false);
}

void TSrcEdit::BreakUndoGroup() { undoList_->InsertBreak(); }

void TSrcEdit::MoveCaretSelecting(TBufferCoord from, TBufferCoord to, bool select) {
  if (options_.Has(eoGroupUndo)) undoList_->InsertBreak();
  LockPainting();
  if (select) {
    if (!SelAvail()) SetBlockBegin(from);
    SetBlockEnd(to);
  } else {
    SetBlockBegin(to);
  }
  PlaceCaret(to, true);
  UnlockPainting();
}

void TSrcEdit::MoveCaretAndSelection(TBufferCoord to, bool select) { MoveCaretSelecting(CaretXY(), to, select); }

void TSrcEdit::StepCaretHorizontally(int dx, bool select) {
  const TLineColumns columns = Columns(caretY_);
  const int length = columns.Length();
  TBufferCoord to = CaretXY();
  const bool pastEol = options_.Has(eoScrollPastEol);
  if (!pastEol && dx == -1 && caretX_ == 1 && caretY_ > 1) {
    to = {static_cast<int>(LineText(caretY_ - 1).size()) + 1, caretY_ - 1};
  } else if (!pastEol && dx == 1 && caretX_ > length && caretY_ < lines_->Count()) {
    to = {1, caretY_ + 1};
  } else {
    for (int step = 0; step < std::abs(dx); ++step)
      to.X = dx < 0 ? columns.PreviousColumn(to.X) : columns.NextColumn(to.X);
    if (!pastEol && dx > 0) to.X = std::min(to.X, length + 1);
  }
  MoveCaretSelecting(CaretXY(), to, select);
}

void TSrcEdit::StepCaretVertically(int dy, bool select) {
  TBufferCoord to;
  to.Y = std::clamp(caretY_ + dy, 1, std::max(1, lines_->Count()));
  const int displayColumn = options_.Has(eoKeepCaretX) && to.Y != caretY_ ? lastCaretX_ : DisplayColumn();
  to.X = DisplayToLogicalColumn(to.Y, displayColumn);
  const int remembered = lastCaretX_;
  MoveCaretSelecting(CaretXY(), to, select);
  lastCaretX_ = remembered;
}

void TSrcEdit::PlaceCaretAndSelection(TBufferCoord caret, TBufferCoord begin, TBufferCoord end) {
  LockPainting();
  PlaceCaret(caret, true);
  SetBlockBegin(begin);
  SetBlockEnd(end);
  UnlockPainting();
}

// ---- selection ------------------------------------------------------------------

TBufferCoord TSrcEdit::ClampBlockPoint(TBufferCoord value) const {
  value.Y = std::clamp(value.Y, 1, std::max(1, lines_->Count()));
  value.X = std::clamp(value.X, 1, maxLeftChar_);
  if (selectionMode_ == smNormal)
    value.X = std::min(value.X, static_cast<int>(LineText(value.Y).size()) + 1);
  return SnapToCharacter(value);
}

TBufferCoord TSrcEdit::SnapToCharacter(TBufferCoord value) const {
  value.X = Columns(value.Y).CharStart(value.X);
  return value;
}

bool TSrcEdit::SelAvail() const {
  return blockBegin_.X != blockEnd_.X || (blockBegin_.Y != blockEnd_.Y && selectionMode_ != smColumn);
}

void TSrcEdit::SetBlockBegin(TBufferCoord value) {
  value = ClampBlockPoint(value);
  if (value == blockBegin_ && value == blockEnd_) return;
  const bool hadSelection = SelAvail();
  const int oldFirst = std::min(blockBegin_.Y, blockEnd_.Y), oldLast = std::max(blockBegin_.Y, blockEnd_.Y);
  blockBegin_ = blockEnd_ = value;
  if (hadSelection) InvalidateLines(std::min(oldFirst, value.Y), std::max(oldLast, value.Y));
  StatusChanged({scSelection});
}

void TSrcEdit::SetBlockEnd(TBufferCoord value) {
  if (options_.Has(eoNoSelection)) return;
  value = ClampBlockPoint(value);
  if (value == blockEnd_) return;
  if (selectionMode_ == smColumn && value.X != blockEnd_.X) {
    InvalidateLines(std::min({blockBegin_.Y, blockEnd_.Y, value.Y}), std::max({blockBegin_.Y, blockEnd_.Y, value.Y}));
  } else if (!(selectionMode_ == smColumn && blockBegin_.X == value.X)) {
    InvalidateLines(blockEnd_.Y, value.Y);
  }
  blockEnd_ = value;
  StatusChanged({scSelection});
}

void TSrcEdit::SetSelectionMode(TSrcSelectionMode value) {
  if (value == selectionMode_) return;
  selectionMode_ = value;
  // A column block may reach beyond line ends; the other modes may not.
  blockBegin_ = ClampBlockPoint(blockBegin_);
  blockEnd_ = ClampBlockPoint(blockEnd_);
  if (SelAvail() || blockBegin_.Y != blockEnd_.Y) InvalidateLines(blockBegin_.Y, blockEnd_.Y);
  StatusChanged({scSelection});
}

void TSrcEdit::SelectAll() {
  const int last = std::max(1, lines_->Count());
  const TBufferCoord end{static_cast<int>(LineText(last).size()) + 1, last};
  LockPainting();
  PlaceCaret(end, true);
  blockBegin_ = {1, 1};
  blockEnd_ = ClampBlockPoint(end);
  InvalidateLines(-1, -1);
  StatusChanged({scSelection});
  UnlockPainting();
}

int TSrcEdit::OffsetOf(TBufferCoord point) const {
  int offset = 0;
  for (int i = 0; i < point.Y - 1 && i < lines_->Count(); ++i) offset += static_cast<int>(lines_->Get(i).size()) + 2;
  return offset + point.X;
}

TBufferCoord TSrcEdit::PointOfOffset(int offset) const {
  int sum = 0, index = 0;
  while (index < lines_->Count() && sum + static_cast<int>(lines_->Get(index).size()) + 2 < offset) {
    sum += static_cast<int>(lines_->Get(index).size()) + 2;
    ++index;
  }
  return {offset - sum, index + 1};
}

int TSrcEdit::SelStart() const {
  TBufferCoord start = SelAvail() ? SelectionStart() : CaretXY();
  start.X = std::min(start.X, static_cast<int>(LineText(start.Y).size()) + 1);
  return OffsetOf(start);
}

int TSrcEdit::SelEnd() const { return OffsetOf(SelAvail() ? SelectionEnd() : CaretXY()); }

void TSrcEdit::SetSelStart(int value) {
  const TBufferCoord point = PointOfOffset(value);
  LockPainting();
  PlaceCaret(point, true);
  SetBlockBegin(point);
  UnlockPainting();
}

void TSrcEdit::SetSelEnd(int value) { SetBlockEnd(PointOfOffset(value)); }

// ---- scrolling ------------------------------------------------------------------

void TSrcEdit::SetTopLine(int value) {
  const int count = lines_->Count();
  const int largest = options_.Has(eoScrollPastEof) ? count : count - linesInWindow_ + 1;
  value = std::max(std::min(value, largest), 1);
  if (value == topLine_) return;
  const int delta = topLine_ - value;
  topLine_ = value;
  UpdateScrollBars();
  const TSize client = host_.ClientSize();
  if (std::abs(delta) < linesInWindow_ && !linesChanging_) host_.ScrollArea(0, delta * lineHeight_, {0, 0, client.cx, client.cy});
  else Invalidate();
  UpdateCaret();
  StatusChanged({scTopLine});
}

void TSrcEdit::SetLeftChar(int value) {
  const int rangeEnd = options_.Has(eoScrollPastEol) ? maxLeftChar_ : lines_->LongestLineLength();
  value = std::max(std::min(value, rangeEnd - charsInWindow_ + 1), 1);
  if (value == leftChar_) return;
  leftChar_ = value;
  textOffset_ = gutterWidth_ + 2 - (leftChar_ - 1) * charWidth_;
  UpdateScrollBars();
  InvalidateLines(-1, -1);
  UpdateCaret();
  StatusChanged({scLeftChar});
}

void TSrcEdit::ScrollToCaret() {
  LockPainting();
  const int column = DisplayColumn();
  if (column < leftChar_) SetLeftChar(column);
  else if (column > leftChar_ + charsInWindow_) SetLeftChar(column - charsInWindow_ + 1);
  else SetLeftChar(leftChar_);
  const int rows = std::max(1, linesInWindow_);
  if (caretY_ < topLine_) SetTopLine(caretY_);
  else if (caretY_ > topLine_ + rows - 1) SetTopLine(caretY_ - rows + 1);
  else SetTopLine(topLine_);
  UnlockPainting();
}

void TSrcEdit::ScrollCaretCentred() {
  LockPainting();
  const int half = linesInWindow_ / 2;
  if (caretY_ <= topLine_ - 2) SetTopLine(std::max(1, caretY_ - half + 1));
  else if (caretY_ >= topLine_ + linesInWindow_ - 1) SetTopLine(caretY_ - linesInWindow_ + half + 1);
  ScrollToCaret();
  UnlockPainting();
}

// ---- pixels ---------------------------------------------------------------------

TBufferCoord TSrcEdit::PixelsToPosition(int x, int y) const {
  const double cells = static_cast<double>(x + leftChar_ * charWidth_ - gutterWidth_ - 2) / charWidth_;
  const int displayColumn = std::max(1, static_cast<int>(std::lround(cells)));
  if (linesInWindow_ > 0 && y >= linesInWindow_ * lineHeight_) y = (linesInWindow_ - 1) * lineHeight_;
  const int line = std::max(1, y / lineHeight_ + topLine_);
  const TLineColumns columns = Columns(line);
  int column = columns.LogicalColumn(displayColumn);
  // Inside a wide character the nearer of its two sides; a tab keeps its own rule.
  if (!columns.SingleByte() && column <= columns.Length() && LineText(line)[static_cast<size_t>(column - 1)] != '\t') {
    const int next = columns.NextColumn(column);
    const double middle = (columns.DisplayColumn(column) + columns.DisplayColumn(next)) / 2.0;
    if (columns.DisplayColumn(column) < displayColumn && cells >= middle) column = next;
  }
  return {column, line};
}

TPoint TSrcEdit::PositionToPixels(TBufferCoord position) const {
  return {(LogicalToDisplayColumn(position.Y, position.X) - 1) * charWidth_ + textOffset_,
          (position.Y - topLine_) * lineHeight_};
}

// ---- words ----------------------------------------------------------------------

namespace {

// The characters of one line as word characters or blanks: ASCII by the
// given byte set, other characters by their Unicode class, and a byte that
// is no character of the encoding as part of a word.
class TWordScan {
public:
  TWordScan(const std::string& line, text::Encoding encoding, const TSrcCharSet& set)
      : line_(line), encoding_(encoding), set_(set) {}

  size_t Size() const { return line_.size(); }
  size_t Next(size_t offset) const { return text::NextBoundary(encoding_, line_, offset); }
  size_t Previous(size_t offset) const { return text::PreviousBoundary(encoding_, line_, offset); }
  bool IsWord(size_t offset) const {
    const auto byte = static_cast<unsigned char>(line_[offset]);
    if (byte < 0x80 || text::IsSingleByte(encoding_)) return set_.test(byte);
    const text::DecodedCharacter c = text::DecodeAt(encoding_, line_, offset);
    return !c.valid || text::IsWordCharacter(c.codePoint);
  }
  // The first word character at or after `offset`, or the line length.
  size_t SkipBlanks(size_t offset) const {
    while (offset < Size() && !IsWord(offset)) offset = Next(offset);
    return offset;
  }

private:
  const std::string& line_;
  text::Encoding encoding_;
  const TSrcCharSet& set_;
};

}  // namespace

TBufferCoord TSrcEdit::NextWordPosFrom(TBufferCoord from) const {
  const TSrcCharSet word = WordChars();
  const std::string line = LineText(from.Y);
  const TWordScan scan(line, encoding_, word);
  const int x = from.X;
  if (line.empty() || x >= Columns(from.Y).CharStart(static_cast<int>(line.size()))) {
    if (from.Y >= lines_->Count()) return from;
    const std::string next = LineText(from.Y + 1);
    const size_t found = TWordScan(next, encoding_, word).SkipBlanks(0);
    return {found == next.size() ? 1 : static_cast<int>(found) + 1, from.Y + 1};
  }
  size_t i = static_cast<size_t>(std::max(x, 1) - 1);
  if (scan.IsWord(i))
    while (i < line.size() && scan.IsWord(i)) i = scan.Next(i);
  return {static_cast<int>(scan.SkipBlanks(i)) + 1, from.Y};
}

TBufferCoord TSrcEdit::PrevWordPosFrom(TBufferCoord from) const {
  const TSrcCharSet word = WordChars();
  const std::string line = LineText(from.Y);
  const TWordScan scan(line, encoding_, word);
  const int x = std::min(from.X, static_cast<int>(line.size()) + 1);
  if (x > 1) {
    // Walk back over blanks, then over the word.
    size_t i = static_cast<size_t>(x - 1);
    while (i > 0 && !scan.IsWord(scan.Previous(i))) i = scan.Previous(i);
    if (i > 0) {
      while (i > 0 && scan.IsWord(scan.Previous(i))) i = scan.Previous(i);
      return {static_cast<int>(i) + 1, from.Y};
    }
  }
  if (from.Y > 1) return {static_cast<int>(LineText(from.Y - 1).size()) + 1, from.Y - 1};
  return {1, from.Y};
}

TBufferCoord TSrcEdit::WordStartAt(TBufferCoord at) const {
  const TSrcCharSet ident = IdentChars();
  const std::string line = LineText(at.Y);
  const TWordScan scan(line, encoding_, ident);
  size_t i = static_cast<size_t>(std::min(at.X, static_cast<int>(line.size()) + 1) - 1);
  while (i > 0 && scan.IsWord(scan.Previous(i))) i = scan.Previous(i);
  return {static_cast<int>(i) + 1, at.Y};
}

TBufferCoord TSrcEdit::WordEndAt(TBufferCoord at) const {
  const TSrcCharSet ident = IdentChars();
  const std::string line = LineText(at.Y);
  const TWordScan scan(line, encoding_, ident);
  size_t i = static_cast<size_t>(std::min(at.X, static_cast<int>(line.size()) + 1) - 1);
  while (i < line.size() && scan.IsWord(i)) i = scan.Next(i);
  return {static_cast<int>(i) + 1, at.Y};
}

std::string TSrcEdit::WordAtCursor() const {
  const TBufferCoord start = WordStart(), end = WordEnd();
  return LineText(caretY_).substr(static_cast<size_t>(start.X - 1), static_cast<size_t>(end.X - start.X));
}

}  // namespace tessaly
