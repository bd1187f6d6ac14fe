// The command processor: events and hooks around each command, movement and
// view commands, bookmarks and bracket matching. Text-changing commands are
// in SrcEditEditing.cpp.

#include <algorithm>

#include "editor/SrcEdit.h"
#include "editor/SrcEditGuards.h"

namespace tessaly {

void TSrcEdit::RunCommand(TSrcEditorCommand command, char ch, void* data) {
  TUserLinesChange byUser(*lines_);
  const TProcessCommandEvent& process = command >= ecUserFirst ? OnProcessUserCommand : OnProcessCommand;
  if (process) process(*this, command, ch, data);
  if (command != ecNone) {
    // A copy: a hook may add or remove hooks while it runs.
    const auto hooks = commandHooks_;
    for (const auto& hook : hooks) {
      bool handled = false;
      hook.second(*this, false, handled, command, ch, data);
      if (handled) command = ecNone;
    }
    if (command != ecNone && command < ecUserFirst) PerformCommand(command, ch, data);
    for (const auto& hook : hooks) {
      bool handled = false;
      hook.second(*this, true, handled, command, ch, data);
    }
  }
  if (OnCommandProcessed) OnCommandProcessed(*this, command, ch, data);
}

void TSrcEdit::PerformCommand(TSrcEditorCommand command, char ch, void* data) {
  TPaintLock lock(*this);
  if ((command >= ecLeft && command <= ecGotoXY) || (command >= ecSelLeft && command <= ecSelGotoXY)) {
    MoveCommand(command, data);
    return;
  }
  if (command >= ecGotoMarker0 && command <= ecGotoMarker9) {
    if (bookMarkOptions_.EnableKeys) GotoBookMark(command - ecGotoMarker0);
    return;
  }
  if (command >= ecSetMarker0 && command <= ecSetMarker9) {
    if (bookMarkOptions_.EnableKeys) SetMarkerCommand(command - ecSetMarker0, static_cast<const TBufferCoord*>(data));
    return;
  }
  switch (command) {
    case ecSelectAll: SelectAll(); return;
    case ecCopy: CopyToClipboard(); return;
    case ecScrollUp: ScrollLine(-1); return;
    case ecScrollDown: ScrollLine(1); return;
    case ecScrollLeft: SetLeftChar(leftChar_ - 1); return;
    case ecScrollRight: SetLeftChar(leftChar_ + 1); return;
    case ecInsertMode: SetInsertMode(true); return;
    case ecOverwriteMode: SetInsertMode(false); return;
    case ecToggleMode: SetInsertMode(!insertMode_); return;
    case ecNormalSelect: SetSelectionMode(smNormal); return;
    case ecColumnSelect: SetSelectionMode(smColumn); return;
    case ecLineSelect: SetSelectionMode(smLine); return;
    case ecMatchBracket: MatchBracket(); return;
    case ecContextHelp:
      if (OnContextHelp) OnContextHelp(*this, WordAtCursor());
      return;
    default: break;
  }
  if (readOnly_) return;
  switch (command) {
    case ecCut: CutToClipboard(); break;
    case ecPaste: PasteFromClipboard(); break;
    case ecDeleteLastChar: DeleteLastChar(); break;
    case ecDeleteChar: DeleteChar(); break;
    case ecDeleteWord: {
      const int length = static_cast<int>(LineText(caretY_).size());
      if (caretX_ > length + 1) PlaceCaret({length + 1, caretY_}, true);
      DeleteToward(NextWordPos(), ukDeleteAfterCaret);
      break;
    }
    case ecDeleteEOL: DeleteToward({static_cast<int>(LineText(caretY_).size()) + 1, caretY_}, ukDeleteAfterCaret); break;
    case ecDeleteLastWord: DeleteToward(PrevWordPos(), ukDeleteBeforeCaret); break;
    case ecDeleteBOL: DeleteToward({1, caretY_}, ukDeleteBeforeCaret); break;
    case ecDeleteLine: DeleteLine(); break;
    case ecClearAll: ClearAll(); break;
    case ecLineBreak: LineBreak(true); break;
    case ecInsertLine: LineBreak(false); break;
    case ecChar: TypeChar(ch); break;
    case ecImeStr:
      if (data) InsertImeString(*static_cast<const std::string*>(data));
      break;
    case ecUndo: Undo(); break;
    case ecRedo: Redo(); break;
    case ecBlockIndent: BlockIndent(); break;
    case ecBlockUnindent: BlockUnindent(); break;
    case ecTab: Tab(); break;
    case ecShiftTab: ShiftTab(); break;
    case ecUpperCase:
    case ecLowerCase:
    case ecTitleCase: ChangeWordCase(command); break;
    case ecToggleCase: ToggleSelectionCase(); break;
    default: break;  // ecString, ecAutoCompletion, focus codes: events only
  }
}

// ---- movement -------------------------------------------------------------------

void TSrcEdit::MoveCommand(TSrcEditorCommand command, void* data) {
  const bool select = command >= ecSelection;
  const int lastLine = std::max(1, lines_->Count());
  switch (select ? command - ecSelection : command) {
    case ecLeft: StepCaretHorizontally(-1, select); break;
    case ecRight: StepCaretHorizontally(1, select); break;
    case ecUp:
    case ecDown:
      StepCaretVertically(command % ecSelection == ecUp ? -1 : 1, select);
      host_.UpdateNow();
      break;
    case ecWordLeft: MoveCaretAndSelection(PrevWordPos(), select); break;
    case ecWordRight: MoveCaretAndSelection(NextWordPos(), select); break;
    case ecLineStart: LineStart(select); break;
    case ecLineEnd: MoveCaretAndSelection({static_cast<int>(LineText(caretY_).size()) + 1, caretY_}, select); break;
    case ecPageUp: PageMove(-1, select); break;
    case ecPageDown: PageMove(1, select); break;
    case ecPageLeft: StepCaretHorizontally(-charsInWindow_, select); break;
    case ecPageRight: StepCaretHorizontally(charsInWindow_, select); break;
    case ecPageTop: MoveCaretAndSelection({caretX_, topLine_}, select); break;
    case ecPageBottom: MoveCaretAndSelection({caretX_, topLine_ + linesInWindow_ - 1}, select); break;
    case ecEditorTop: MoveCaretAndSelection({1, 1}, select); break;
    case ecEditorBottom: MoveCaretAndSelection({static_cast<int>(LineText(lastLine).size()) + 1, lastLine}, select); break;
    case ecGotoXY:
      if (data) MoveCaretAndSelection(*static_cast<const TBufferCoord*>(data), select);
      break;
    default: break;
  }
}

void TSrcEdit::LineStart(bool select) {
  int target = 1;
  if (options_.Has(eoEnhanceHomeKey)) {
    const std::string line = LineText(caretY_);
    const size_t first = line.find_first_not_of(" \t");
    const int firstText = first == std::string::npos ? std::max(1, static_cast<int>(line.size())) : static_cast<int>(first) + 1;
    target = caretX_ <= firstText && caretX_ != 1 ? 1 : firstText;
  }
  MoveCaretAndSelection({target, caretY_}, select);
}

void TSrcEdit::PageMove(int direction, bool select) {
  int lines = linesInWindow_;
  if (options_.Has(eoHalfPageScroll)) lines /= 2;
  if (options_.Has(eoScrollByOneLess)) --lines;
  lines = std::max(lines, 0);
  TPaintLock lock(*this);
  SetTopLine(topLine_ + direction * lines);
  StepCaretVertically(direction * lines, select);
}

void TSrcEdit::ScrollLine(int direction) {
  if (caretY_ < topLine_ || caretY_ >= topLine_ + linesInWindow_) {
    ScrollToCaret();
    return;
  }
  TPaintLock lock(*this);
  SetTopLine(topLine_ + direction);
  const int lastVisible = topLine_ + std::max(1, linesInWindow_) - 1;
  if (caretY_ < topLine_) PlaceCaret({caretX_, topLine_}, false);
  else if (caretY_ > lastVisible) PlaceCaret({caretX_, lastVisible}, false);
}

// ---- bookmarks --------------------------------------------------------------------

bool TSrcEdit::GetBookMark(int number, int& x, int& y) const {
  if (!IsBookmark(number)) return false;
  x = bookmarks_[number]->Column;
  y = bookmarks_[number]->Line;
  return true;
}

void TSrcEdit::SetBookMark(int number, int x, int y) {
  if (number < 0 || number > 9 || y < 1 || y > std::max(1, lines_->Count())) return;
  auto mark = std::make_unique<TSrcEditMark>();
  mark->Line = y;
  mark->Column = x;
  mark->ImageIndex = number;
  mark->BookmarkNumber = number;
  mark->InternalImage = bookMarkOptions_.BookmarkImages == nullptr;
  if (OnPlaceBookmark) OnPlaceBookmark(*this, mark);
  if (!mark) return;
  ClearBookMark(number);
  bookmarks_[number] = marks_.Add(std::move(mark));
}

void TSrcEdit::ClearBookMark(int number) {
  if (!IsBookmark(number)) return;
  TSrcEditMark* mark = bookmarks_[number];
  if (OnClearBookmark) OnClearBookmark(*this, *mark);
  bookmarks_[number] = nullptr;
  marks_.Remove(mark);
}

void TSrcEdit::GotoBookMark(int number) {
  if (!IsBookmark(number) || bookmarks_[number]->Line > lines_->Count()) return;
  TPaintLock lock(*this);
  PlaceCaret({bookmarks_[number]->Column, bookmarks_[number]->Line}, false);
  SetBlockBegin(CaretXY());
  ScrollCaretCentred();
}

void TSrcEdit::SetMarkerCommand(int number, const TBufferCoord* at) {
  const TBufferCoord point = at ? *at : CaretXY();
  if (IsBookmark(number)) {
    const int line = bookmarks_[number]->Line;
    ClearBookMark(number);
    if (line != point.Y) SetBookMark(number, point.X, point.Y);
  } else {
    SetBookMark(number, point.X, point.Y);
  }
}

// ---- brackets ---------------------------------------------------------------------

bool TSrcEdit::BracketSkipped(int line, int column) const {
  if (!highlighter_) return false;
  TSrcHighlighterAttributes* comment = highlighter_->StandardAttri(srComment);
  TSrcHighlighterAttributes* string = highlighter_->StandardAttri(srString);
  if (line == 1) highlighter_->ResetScanState();
  else highlighter_->SetScanState(lines_->ScanState(line - 1));
  highlighter_->StartLine(lines_->Get(line - 1), line - 1);
  while (!highlighter_->AtLineEnd()) {
    const int start = highlighter_->CurrentTokenStart();
    const int length = static_cast<int>(highlighter_->CurrentTokenText().size());
    if (column - 1 >= start && column - 1 < start + length) {
      TSrcHighlighterAttributes* attri = highlighter_->CurrentTokenAttri();
      return attri && (attri == comment || attri == string);
    }
    highlighter_->NextToken();
  }
  return false;
}

void TSrcEdit::MatchBracket() {
  static const std::string kBrackets = "()[]{}<>";
  const std::string& current = lines_->Get(caretY_ - 1);
  if (caretX_ > static_cast<int>(current.size())) return;
  const char bracket = current[static_cast<size_t>(caretX_ - 1)];
  const size_t index = kBrackets.find(bracket);
  if (index == std::string::npos) return;
  const bool forward = index % 2 == 0;
  const char partner = kBrackets[forward ? index + 1 : index - 1];
  int level = 1;
  int x = caretX_, y = caretY_;
  for (;;) {
    const std::string& line = lines_->Get(y - 1);
    if (forward) {
      if (++x > static_cast<int>(line.size())) {
        if (++y > lines_->Count()) return;
        x = 0;
        continue;
      }
    } else if (--x < 1) {
      if (--y < 1) return;
      x = static_cast<int>(lines_->Get(y - 1).size()) + 1;
      continue;
    }
    const char c = line[static_cast<size_t>(x - 1)];
    if ((c != bracket && c != partner) || BracketSkipped(y, x)) continue;
    level += c == bracket ? 1 : -1;
    if (level == 0) {
      MoveCaretAndSelection({x, y}, false);
      return;
    }
  }
}

}  // namespace tessaly
