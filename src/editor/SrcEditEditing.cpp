// The commands that change text: typing, deleting, line breaks, tabs, block
// indentation and case changes, each recording its undo items.

#include <algorithm>

#include "editor/SrcEdit.h"
#include "editor/SrcEditGuards.h"
#include "platform/CodePage1251.h"

namespace tessaly {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int LeadingBlankCount(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t");
  return static_cast<int>(first == std::string::npos ? line.size() : first);
}

}  // namespace

std::string TSrcEdit::IndentString(int width) const {
  if (width <= 0) return std::string();
  if (options_.Has(eoTabsToSpaces)) return std::string(static_cast<size_t>(width), ' ');
  return std::string(static_cast<size_t>(width / tabWidth_), '\t') + std::string(static_cast<size_t>(width % tabWidth_), ' ');
}

int TSrcEdit::LeadingWhiteWidth(const std::string& line) const {
  int width = 0;
  for (char c : line) {
    if (c == '\t') width = (width / tabWidth_ + 1) * tabWidth_;
    else if (c == ' ') ++width;
    else break;
  }
  return width;
}

bool TSrcEdit::BlockLines(int& first, int& last) const {
  if (!SelAvail()) return false;
  const TBufferCoord start = SelectionStart(), end = SelectionEnd();
  first = start.Y;
  last = end.Y;
  if (end.X == 1 && last > first) --last;
  return true;
}

// ---- typing ---------------------------------------------------------------------

void TSrcEdit::TypeChar(char ch) {
  if (static_cast<unsigned char>(ch) < 32 || ch == 127) return;
  TPaintLock lock(*this);
  if (SelAvail()) {
    ReplaceSelectionRecorded(std::string(1, ch), ukInsert, selectionMode_);
  } else {
    TPastEolScope pastEol(*this);
    const int y = caretY_;
    std::string line = LineText(y);
    const int length = static_cast<int>(line.size());
    TUndoGroup group(*this);
    bool padded = false;
    if (caretX_ - 1 > length) {
      line += length == 0 ? IndentString(caretX_ - 1) : std::string(static_cast<size_t>(caretX_ - 1 - length), ' ');
      padded = true;
    }
    const int at = padded ? static_cast<int>(line.size()) + 1 : caretX_;
    std::string overwritten;
    if (insertMode_ || at > static_cast<int>(line.size())) {
      line.insert(static_cast<size_t>(at - 1), 1, ch);
    } else {
      // The whole character at the caret, however many bytes it has.
      const size_t length = static_cast<size_t>(TLineColumns(line, encoding_, tabWidth_).NextColumn(at) - at);
      overwritten = line.substr(static_cast<size_t>(at - 1), length);
      line.replace(static_cast<size_t>(at - 1), length, 1, ch);
    }
    PutLine(y, line);
    PlaceCaret({at + 1, y}, false);
    if (padded) undoList_->AddItem(ukPadding, {length + 1, y}, {at, y}, std::string(), smNormal);
    undoList_->AddItem(ukInsert, {at, y}, {at + 1, y}, overwritten, smNormal);
  }
  if (caretX_ >= leftChar_ + charsInWindow_) SetLeftChar(leftChar_ + std::min(25, charsInWindow_ - 1));
  ScrollToCaret();
}

void TSrcEdit::InsertImeString(const std::string& text) {
  if (text.empty()) return;
  TPaintLock lock(*this);
  if (SelAvail()) {
    ReplaceSelectionRecorded(text, ukInsert, selectionMode_);
    return;
  }
  TPastEolScope pastEol(*this);
  std::string line = LineText(caretY_);
  if (static_cast<int>(line.size()) < caretX_ - 1) line.append(static_cast<size_t>(caretX_ - 1) - line.size(), ' ');
  std::string overwritten;
  if (!insertMode_) {
    // As many characters as the string has.
    const TLineColumns columns(line, encoding_, tabWidth_);
    const TLineColumns typed(text, encoding_, tabWidth_);
    int end = caretX_;
    for (int at = 1; at <= typed.Length() && end <= columns.Length(); at = typed.NextColumn(at)) end = columns.NextColumn(end);
    overwritten = line.substr(static_cast<size_t>(caretX_ - 1), static_cast<size_t>(end - caretX_));
    line.erase(static_cast<size_t>(caretX_ - 1), static_cast<size_t>(end - caretX_));
  }
  line.insert(static_cast<size_t>(caretX_ - 1), text);
  PutLine(caretY_, line);
  const TBufferCoord start = CaretXY();
  PlaceCaret({caretX_ + static_cast<int>(text.size()), caretY_}, true);
  undoList_->AddItem(ukInsert, start, CaretXY(), overwritten, smNormal);
}

// ---- deleting ---------------------------------------------------------------------

void TSrcEdit::DeleteLastChar() {
  TPaintLock lock(*this);
  if (SelAvail()) {
    DeleteSelectionRecorded();
    return;
  }
  const int y = caretY_;
  std::string line = LineText(y);
  const int length = static_cast<int>(line.size());
  if (caretX_ > length + 1) {
    // Beyond the line end nothing is removed; only the caret steps back.
    int x = caretX_ - 1;
    if (options_.Has(eoSmartTabDelete)) {
      x = length + 1;
      if (length == 0) {
        int indent = 0;
        for (int above = y - 1; above >= 1; --above) {
          const int width = LeadingWhiteWidth(LineText(above));
          if (width < caretX_ - 1) {
            indent = width;
            break;
          }
        }
        x = indent + 1;
      }
    }
    PlaceCaret({x, y}, true);
    return;
  }
  if (caretX_ == 1) {
    if (y == 1) return;
    const std::string previous = LineText(y - 1);
    std::string moved = line;
    if (options_.Has(eoTrimTrailingSpaces)) moved.erase(moved.find_last_not_of(' ') + 1);
    const TBufferCoord joint{static_cast<int>(previous.size()) + 1, y - 1};
    {
      TPastEolScope pastEol(*this);
      TLinesUpdate update(*lines_);
      PutLine(y - 1, previous + moved);
      lines_->Delete(y - 1);
      PlaceCaret(joint, true);
    }
    undoList_->AddItem(ukDeleteBeforeCaret, joint, {1, y}, "\r\n", smNormal);
    return;
  }
  int removeCount = caretX_ - Columns(y).PreviousColumn(caretX_);
  const int leading = LeadingBlankCount(line);
  if (IsBlank(line[static_cast<size_t>(caretX_ - 2)]) && leading == caretX_ - 1) {
    if (options_.Has(eoSmartTabDelete)) {
      int target = 0;
      for (int above = y - 1; above >= 1; --above) {
        const int indent = LeadingBlankCount(LineText(above));
        if (indent < leading) {
          target = indent;
          break;
        }
      }
      removeCount = leading - target;
    } else if (line[static_cast<size_t>(caretX_ - 2)] != '\t') {
      // Back to the previous tab stop over spaces, never past a tab.
      const int stop = ((caretX_ - 2) / tabWidth_) * tabWidth_ + 1;
      int x = caretX_;
      while (x > stop && line[static_cast<size_t>(x - 2)] == ' ') --x;
      removeCount = std::max(1, caretX_ - x);
    }
  }
  const TBufferCoord from{caretX_ - removeCount, y}, to = CaretXY();
  const std::string removed = line.substr(static_cast<size_t>(from.X - 1), static_cast<size_t>(removeCount));
  line.erase(static_cast<size_t>(from.X - 1), static_cast<size_t>(removeCount));
  TPastEolScope pastEol(*this);
  PutLine(y, line);
  PlaceCaret(from, true);
  undoList_->AddItem(ukDeleteBeforeCaret, from, to, removed, smNormal);
}

void TSrcEdit::DeleteChar() {
  TPaintLock lock(*this);
  if (SelAvail()) {
    DeleteSelectionRecorded();
    return;
  }
  const int y = caretY_;
  std::string line = LineText(y);
  const int length = static_cast<int>(line.size());
  if (caretX_ > length) {
    if (y >= lines_->Count()) return;
    line.append(static_cast<size_t>(caretX_ - 1 - length), ' ');
    {
      TLinesUpdate update(*lines_);
      PutLine(y, line + LineText(y + 1));
      lines_->Delete(y);
    }
    undoList_->AddItem(ukDeleteAfterCaret, CaretXY(), {1, y + 1}, "\r\n", smNormal);
    return;
  }
  const int next = Columns(y).NextColumn(caretX_);
  const std::string removed = line.substr(static_cast<size_t>(caretX_ - 1), static_cast<size_t>(next - caretX_));
  line.erase(static_cast<size_t>(caretX_ - 1), removed.size());
  PutLine(y, line);
  undoList_->AddItem(ukDeleteAfterCaret, CaretXY(), {next, y}, removed, smNormal);
}

void TSrcEdit::DeleteToward(TBufferCoord to, TSrcChangeReason kind) {
  const TBufferCoord caret = CaretXY();
  const TBufferCoord start = MinCoord(caret, to), end = MaxCoord(caret, to);
  const std::string removed = TextBetween(start, end, smNormal);
  if (removed.empty()) return;
  TPaintLock lock(*this);
  ReplaceRange(start, end, smNormal, std::string(), false);
  PlaceCaret(start, true);
  undoList_->AddItem(kind, start, end, removed, smNormal);
}

void TSrcEdit::DeleteLine() {
  const int count = lines_->Count();
  if (count == 0 || (count == 1 && lines_->Get(0).empty())) return;
  TPaintLock lock(*this);
  if (SelAvail()) SetBlockBegin(CaretXY());
  const int y = caretY_;
  const std::string text = LineText(y);
  const TBufferCoord lineEnd{static_cast<int>(text.size()) + 1, y};
  if (count == 1) {
    lines_->Put(0, std::string());
    undoList_->AddItem(ukDeleteCaretAtStart, {1, y}, lineEnd, text, smNormal);
  } else if (y < count) {
    lines_->Delete(y - 1);
    undoList_->AddItem(ukDeleteCaretAtStart, {1, y}, {1, y + 1}, text + "\r\n", smNormal);
  } else {
    // The last line goes with the break before it, so that redo removes the
    // line rather than emptying it.
    const TBufferCoord previousEnd{static_cast<int>(LineText(y - 1).size()) + 1, y - 1};
    lines_->Delete(y - 1);
    undoList_->AddItem(ukDeleteCaretAtStart, previousEnd, lineEnd, "\r\n" + text, smNormal);
  }
  PlaceCaret({1, y}, true);
}

void TSrcEdit::ClearAll() {
  lines_->Clear();
  for (int n = 0; n <= 9; ++n) bookmarks_[static_cast<size_t>(n)] = nullptr;
  marks_.Clear();
  ClearUndoHistory();
  SetModified(false);
}

// ---- line breaks --------------------------------------------------------------------

void TSrcEdit::LineBreak(bool moveCaret) {
  TPaintLock lock(*this);
  // Only a selection makes this a group: redo runs this command inside the
  // group of the line break it redoes, which a group of its own would break.
  std::unique_ptr<TUndoGroup> group;
  if (SelAvail()) {
    group = std::make_unique<TUndoGroup>(*this);
    DeleteSelectionRecorded();
  }
  TPastEolScope pastEol(*this);
  if (lines_->Count() == 0) lines_->Add(std::string());
  const int y = caretY_;
  const TBufferCoord start = CaretXY();
  const std::string line = LineText(y);
  const int length = static_cast<int>(line.size());
  std::string movedDown;
  TBufferCoord caret;
  if (length == 0) {
    int indent = 0;
    if (options_.Has(eoAutoIndent))
      for (int above = y - 1; above >= 1; --above)
        if (!LineText(above).empty()) {
          indent = LeadingWhiteWidth(LineText(above));
          break;
        }
    lines_->Insert(y, std::string());
    caret = {indent + 1, y + 1};
  } else if (caretX_ > length) {
    std::string indent;
    if (options_.Has(eoAutoIndent)) indent = line.substr(0, static_cast<size_t>(LeadingBlankCount(line)));
    TLinesUpdate update(*lines_);
    lines_->Insert(y, std::string());
    PutLine(y + 1, indent);
    caret = {static_cast<int>(indent.size()) + 1, y + 1};
  } else if (caretX_ == 1) {
    lines_->Insert(y - 1, std::string());
    movedDown = line;
    caret = {1, y + 1};
  } else {
    const std::string left = line.substr(0, static_cast<size_t>(caretX_ - 1));
    movedDown = line.substr(static_cast<size_t>(caretX_ - 1));
    const std::string indent = options_.Has(eoAutoIndent) ? IndentString(LeadingWhiteWidth(left)) : std::string();
    TLinesUpdate update(*lines_);
    PutLine(y, left);
    lines_->Insert(y, std::string());
    PutLine(y + 1, indent + movedDown);
    caret = {static_cast<int>(indent.size()) + 1, y + 1};
  }
  undoList_->AddItem(ukLineBreak, start, start, movedDown, smNormal);
  PlaceCaret(moveCaret ? caret : start, true);
  SetBlockBegin(CaretXY());
}

// ---- tabs ---------------------------------------------------------------------------

void TSrcEdit::Tab() {
  if (options_.Has(eoTabIndent) && SelAvail()) {
    const TBufferCoord start = SelectionStart(), end = SelectionEnd();
    if (start.Y != end.Y || (start.X == 1 && end.X > static_cast<int>(LineText(end.Y).size()))) {
      BlockIndent();
      return;
    }
  }
  const int column = DisplayColumn();
  int width = 0;
  if (options_.Has(eoSmartTabs))
    for (int above = caretY_ - 1; above >= 1; --above) {
      const std::string expanded = lines_->ExpandedText(above - 1);
      if (static_cast<int>(expanded.size()) < column) continue;
      size_t p = static_cast<size_t>(column - 1);
      while (p < expanded.size() && !IsBlank(expanded[p])) ++p;
      while (p < expanded.size() && IsBlank(expanded[p])) ++p;
      width = static_cast<int>(p) - (column - 1);
      break;
    }
  if (width == 0) width = options_.Has(eoTabsToSpaces) ? tabWidth_ - (column - 1) % tabWidth_ : tabWidth_;
  std::string text;
  if (options_.Has(eoTabsToSpaces)) {
    text.assign(static_cast<size_t>(width), ' ');
  } else if (options_.Has(eoSmartTabs)) {
    int x = column - 1;
    const int target = x + width;
    while ((x / tabWidth_ + 1) * tabWidth_ <= target) {
      text += '\t';
      x = (x / tabWidth_ + 1) * tabWidth_;
    }
    text.append(static_cast<size_t>(target - x), ' ');
  } else {
    text = "\t";
  }
  TPaintLock lock(*this);
  TUndoGroup group(*this);
  if (SelAvail()) DeleteSelectionRecorded();
  TPastEolScope pastEol(*this);
  const TBufferCoord start = CaretXY();
  ReplaceRange(start, start, smNormal, text, false);
  undoList_->AddItem(ukInsert, start, CaretXY(), std::string(), smNormal);
  ScrollToCaret();
}

void TSrcEdit::ShiftTab() {
  if (options_.Has(eoTabIndent) && SelAvail() && blockBegin_.Y != blockEnd_.Y) {
    BlockUnindent();
    return;
  }
  int target = caretX_;
  if (options_.Has(eoSmartTabs) && caretX_ > 1)
    for (int above = caretY_ - 1; above >= 1; --above) {
      const std::string line = LineText(above);
      if (static_cast<int>(line.size()) < caretX_ - 1) continue;
      int i = caretX_ - 2;
      while (i >= 0 && line[static_cast<size_t>(i)] == ' ') --i;
      while (i >= 0 && line[static_cast<size_t>(i)] != ' ') --i;
      // A column of the line above may fall inside a character of this one.
      target = Columns(caretY_).CharStart(i + 2);
      break;
    }
  if (target == caretX_) {
    const std::string line = LineText(caretY_);
    const int stop = caretX_ > 1 ? ((caretX_ - 2) / tabWidth_) * tabWidth_ + 1 : 1;
    while (target > stop && target - 2 < static_cast<int>(line.size()) && line[static_cast<size_t>(target - 2)] == ' ')
      --target;
  }
  if (target >= caretX_) return;
  TPaintLock lock(*this);
  const TBufferCoord from{target, caretY_}, to = CaretXY();
  const std::string removed = TextBetween(from, to, smNormal);
  ReplaceRange(from, to, smNormal, std::string(), false);
  PlaceCaret(from, true);
  undoList_->AddItem(ukDeleteCaretAtStart, from, to, removed, smNormal);
}

// ---- blocks ---------------------------------------------------------------------------

void TSrcEdit::BlockIndent() {
  int first = 0, last = 0;
  if (!BlockLines(first, last)) return;
  const std::string indent = options_.Has(eoTabsToSpaces) ? std::string(static_cast<size_t>(tabWidth_), ' ') : "\t";
  const int shift = static_cast<int>(indent.size());
  const auto shifted = [&](TBufferCoord p) {
    if (p.Y >= first && p.Y <= last) p.X += shift;
    return p;
  };
  const TBufferCoord oldBegin = blockBegin_, oldEnd = blockEnd_, oldCaret = CaretXY();
  std::string text = indent;
  for (int y = first + 1; y <= last; ++y) text += "\r\n" + indent;
  TPaintLock lock(*this);
  TUndoGroup group(*this);
  TPastEolScope pastEol(*this);
  undoList_->AddItem(ukSelectionMark, SelectionStart(), SelectionEnd(), std::string(), smColumn);
  ReplaceRange({1, first}, {1, first}, smColumn, text, true);
  PlaceCaretAndSelection(shifted(oldCaret), shifted(oldBegin), shifted(oldEnd));
  undoList_->AddItem(ukSelectionMark, SelectionStart(), SelectionEnd(), std::string(), smColumn);
}

void TSrcEdit::BlockUnindent() {
  int first = 0, last = 0;
  if (!BlockLines(first, last)) return;
  std::vector<std::string> pieces;
  bool anything = false;
  for (int y = first; y <= last; ++y) {
    const std::string line = LineText(y);
    size_t n = 0;
    if (!line.empty() && line[0] == '\t') {
      n = 1;
    } else {
      while (n < line.size() && static_cast<int>(n) < tabWidth_ && IsBlank(line[n])) {
        ++n;
        if (line[n - 1] == '\t') break;
      }
    }
    pieces.push_back(line.substr(0, n));
    anything = anything || n > 0;
  }
  if (!anything) return;
  const TBufferCoord start = SelectionStart(), end = SelectionEnd();
  const TBufferCoord oldBegin = blockBegin_, oldEnd = blockEnd_, oldCaret = CaretXY();
  std::string removed;
  TPaintLock lock(*this);
  {
    TLinesUpdate update(*lines_);
    for (int y = first; y <= last; ++y) {
      const std::string& piece = pieces[static_cast<size_t>(y - first)];
      if (y > first) removed += "\r\n";
      removed += piece;
      if (!piece.empty()) PutLine(y, LineText(y).substr(piece.size()));
    }
  }
  const auto shifted = [&](TBufferCoord p) {
    if (p.Y >= first && p.Y <= last) p.X = std::max(1, p.X - static_cast<int>(pieces[static_cast<size_t>(p.Y - first)].size()));
    return p;
  };
  {
    TPastEolScope pastEol(*this);
    PlaceCaretAndSelection(shifted(oldCaret), shifted(oldBegin), shifted(oldEnd));
  }
  undoList_->AddItem(ukUnindent, start, end, removed, smColumn);
}

// ---- case changes -------------------------------------------------------------------

void TSrcEdit::ChangeWordCase(TSrcEditorCommand command) {
  const TBufferCoord start = WordStart(), end = WordEnd();
  if (start == end) return;
  std::string word = TextBetween(start, end, smNormal);
  if (command == ecUpperCase) word = cp1251::UpperCase(word);
  else if (command == ecLowerCase) word = cp1251::LowerCase(word);
  else word = cp1251::UpperCase(word.substr(0, 1)) + cp1251::LowerCase(word.substr(1));
  const TBufferCoord caret = CaretXY();
  const TSrcSelectionMode mode = selectionMode_;
  TPaintLock lock(*this);
  selectionMode_ = smNormal;
  PlaceCaretAndSelection(end, start, end);
  SetSelText(word);
  selectionMode_ = mode;
  PlaceCaretAndSelection(caret, caret, caret);
}

void TSrcEdit::ToggleSelectionCase() {
  TPaintLock lock(*this);
  const bool hadSelection = SelAvail();
  const TSrcSelectionMode mode = selectionMode_;
  if (!hadSelection) {
    if (caretX_ > static_cast<int>(LineText(caretY_).size())) return;
    // The one character at the caret, whatever the selection mode.
    selectionMode_ = smNormal;
    const TBufferCoord next{Columns(caretY_).NextColumn(caretX_), caretY_};
    PlaceCaretAndSelection(next, CaretXY(), next);
  }
  const TBufferCoord begin = blockBegin_, end = blockEnd_, caret = CaretXY();
  std::string text = SelText();
  for (char& c : text) {
    const unsigned char b = static_cast<unsigned char>(c);
    c = static_cast<char>(cp1251::ToLower(b) != b ? cp1251::ToLower(b) : cp1251::ToUpper(b));
  }
  SetSelText(text);
  selectionMode_ = mode;
  if (hadSelection) PlaceCaretAndSelection(caret, begin, end);
  else PlaceCaretAndSelection(caret, caret, caret);
}

}  // namespace tessaly
