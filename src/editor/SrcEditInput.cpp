// Input the window forwards: keys and characters, the mouse (press, move
// with capture, the drag-scroll timer, release, double click, wheel), scroll
// bars, focus, the pointer shape, and dropping dragged text.

#include <algorithm>
#include <cstdlib>

#include "editor/SrcEdit.h"
#include "editor/SrcEditGuards.h"

namespace tessaly {

// ---- keys -------------------------------------------------------------------

void TSrcEdit::KeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
  int index = -1;
  if (key != 0 && lastKey_ != 0) index = keystrokes_.FindSequenceBinding(lastKey_, lastShift_, key, shift);
  if (key != 0 && index < 0) index = keystrokes_.FindBinding(key, shift);
  const TSrcEditorCommand command = index >= 0 ? keystrokes_.Items(index).Command() : ecNone;
  if (command != ecNone || key < 30 || key > 145) {
    lastKey_ = 0;
    lastShift_ = 0;
  } else {
    lastKey_ = key;
    lastShift_ = shift;
  }
  if (command == ecNone) {
    ignoreNextChar_ = false;
    return;
  }
  TBufferCoord caret = CaretXY();
  const bool marker = command >= ecSetMarker0 && command <= ecSetMarker9;
  key = 0;
  ignoreNextChar_ = true;
  RunCommand(command, '\0', marker ? &caret : nullptr);
}

void TSrcEdit::KeyPress(char ch) {
  if (ignoreNextChar_) {
    ignoreNextChar_ = false;
    return;
  }
  if (OnKeyPress) {
    OnKeyPress(*this, ch);
    if (ch == '\0') return;
  }
  RunCommand(ecChar, ch, nullptr);
}

bool TSrcEdit::WantsKey(uint16_t key, TShiftState shift) const {
  if (key == VK_TAB) return wantTabs_ && !(shift & ssCtrl);
  return true;
}

// ---- mouse ------------------------------------------------------------------

bool TSrcEdit::IsPointInSelection(TBufferCoord point) const {
  if (!SelAvail()) return false;
  const TBufferCoord start = SelectionStart(), end = SelectionEnd();
  if (point.Y < start.Y || point.Y > end.Y) return false;
  switch (selectionMode_) {
    case smLine: return true;
    case smColumn: {
      const TColumnSpan span = ColumnSpan(start, end, point.Y);
      return point.X >= span.Left && point.X < span.Right;
    }
    case smNormal: break;
  }
  return !(point < start) && point < end;
}

void TSrcEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  mouseDownAt_ = mouseAt_ = {x, y};
  mouseShift_ = shift;
  const TBufferCoord point = PixelsToPosition(x, y);
  const bool rightMoves = options_.Has(eoRightMouseMovesCursor);
  if (button == TMouseButton::mbRight && rightMoves && SelAvail() && !IsPointInSelection(point))
    SetBlockBegin(CaretXY());
  if (button != TMouseButton::mbLeft && SelAvail()) return;  // kept for the context menu
  if (button == TMouseButton::mbLeft && (shift & ssDouble)) return;
  TPaintLock lock(*this);
  if (button == TMouseButton::mbLeft) {
    const bool hadSelection = SelAvail();
    const TBufferCoord anchor = blockBegin_;
    host_.SetCapture(true);
    leftButtonDown_ = true;
    waitForDragging_ = hadSelection && options_.Has(eoDragDropEditing) && x >= gutterWidth_ &&
                       selectionMode_ == smNormal && IsPointInSelection(point);
    if (!waitForDragging_) {
      TBufferCoord to = point;
      RunCommand(ecGotoXY, '\0', &to);
    }
    if (!waitForDragging_ && !dblClicked_) {
      if (shift & ssShift) {
        SetBlockBegin(anchor);
        SetBlockEnd(CaretXY());
      } else {
        SetBlockBegin(CaretXY());
        if (options_.Has(eoAltSetsColumnMode) && selectionMode_ != smLine)
          SetSelectionMode(shift & ssAlt ? smColumn : smNormal);
      }
    }
  } else if (button == TMouseButton::mbRight && rightMoves) {
    PlaceCaret(point, true);
  }
  possibleGutterClick_ = x < gutterWidth_;
  host_.SetFocus();
}

void TSrcEdit::ComputeScrollSpeeds(int x, int y) {
  const TSize client = host_.ClientSize();
  const int textStart = gutterWidth_ + 2;
  scrollDeltaX_ = 0;
  if (x >= client.cx) scrollDeltaX_ = (x - client.cx + charWidth_) / charWidth_;
  else if (x < textStart && leftChar_ > 1) scrollDeltaX_ = -((textStart - x + charWidth_ - 1) / charWidth_);
  const int textBottom = linesInWindow_ * lineHeight_;
  scrollDeltaY_ = 0;
  if (y < 0) scrollDeltaY_ = -((-y + lineHeight_ - 1) / lineHeight_);
  else if (y >= textBottom) scrollDeltaY_ = (y - textBottom) / lineHeight_ + 1;
}

void TSrcEdit::SetScrollTimer(bool on) {
  if (on && scrollTimer_ == 0) {
    scrollTimer_ = host_.StartTimer(100, [this] { ScrollTimerTick(); });
  } else if (!on && scrollTimer_ != 0) {
    host_.StopTimer(scrollTimer_);
    scrollTimer_ = 0;
  }
}

void TSrcEdit::MouseMove(TShiftState shift, int x, int y) {
  mouseAt_ = {x, y};
  mouseShift_ = shift;
  if (!host_.HasCapture()) return;
  if (waitForDragging_) {
    const int threshold = host_.DragThreshold();
    if (std::abs(x - mouseDownAt_.X) >= threshold || std::abs(y - mouseDownAt_.Y) >= threshold) {
      waitForDragging_ = false;
      dragging_ = true;
      host_.SetCapture(false);
      host_.BeginDrag();
      dragging_ = false;
    }
    return;
  }
  if (!(shift & ssLeft) || !leftButtonDown_) return;
  const TSize client = host_.ClientSize();
  TBufferCoord point = PixelsToPosition(x, y);
  if (x < gutterWidth_ || x >= client.cx) point.X = caretX_;
  if (y < 0 || y >= client.cy) point.Y = caretY_;
  TPaintLock lock(*this);
  SetBlockEnd(point);
  PlaceCaret(point, false);
  ComputeScrollSpeeds(x, y);
  SetScrollTimer(scrollDeltaX_ != 0 || scrollDeltaY_ != 0);
}

void TSrcEdit::ScrollTimerTick() {
  TPaintLock lock(*this);
  TBufferCoord caret = CaretXY();
  if (scrollDeltaX_ != 0) {
    SetLeftChar(leftChar_ + scrollDeltaX_);
    const int line = PixelsToPosition(mouseAt_.X, mouseAt_.Y).Y;
    const int column = scrollDeltaX_ < 0 ? leftChar_ : leftChar_ + charsInWindow_;
    caret = {DisplayToLogicalColumn(line, column), line};
  }
  if (scrollDeltaY_ != 0) {
    SetTopLine(topLine_ + scrollDeltaY_ * (mouseShift_ & ssShift ? linesInWindow_ : 1));
    caret.Y = scrollDeltaY_ < 0 ? topLine_ : topLine_ + linesInWindow_ - 1;
    caret.X = PixelsToPosition(mouseAt_.X, mouseAt_.Y).X;
  }
  SetBlockEnd(caret);
  PlaceCaret(caret, false);
}

void TSrcEdit::MouseUp(TMouseButton button, TShiftState, int x, int y) {
  SetScrollTimer(false);
  scrollDeltaX_ = scrollDeltaY_ = 0;
  if (button == TMouseButton::mbLeft) leftButtonDown_ = false;
  host_.SetCapture(false);
  if (possibleGutterClick_ && x < gutterWidth_ && OnGutterClick) {
    const int line = PixelsToPosition(x, y).Y;
    TSrcEditMark* mark = nullptr;
    for (int i = 0; i < marks_.Count() && !mark; ++i)
      if (marks_.Items(i).Line == line) mark = &marks_.Items(i);
    OnGutterClick(*this, x, y, line, mark);
  }
  if (waitForDragging_) {
    const TBufferCoord point = PixelsToPosition(x, y);
    PlaceCaretAndSelection(point, point, point);
  }
  waitForDragging_ = false;
  possibleGutterClick_ = false;
  dblClicked_ = false;
}

void TSrcEdit::SetWordBlock(TBufferCoord point) {
  const std::string line = LineText(point.Y);
  const int length = static_cast<int>(line.size());
  if (point.X > length + 1) {
    PlaceCaret({length + 1, point.Y}, true);
    return;
  }
  const TBufferCoord start = WordStartAt(point), end = WordEndAt(point);
  PlaceCaretAndSelection(end, start, end);
  InvalidateLines(point.Y, point.Y);
}

void TSrcEdit::DblClick() {
  if (mouseDownAt_.X >= gutterWidth_ && !options_.Has(eoNoSelection)) {
    SetWordBlock(CaretXY());
    dblClicked_ = true;
    host_.SetCapture(false);
  }
  if (OnDblClick) OnDblClick(*this);
}

void TSrcEdit::MouseWheel(int delta, TShiftState shift) {
  wheelAccumulator_ += delta;
  int lines = host_.WheelScrollLines();
  if (shift & ssCtrl) lines = options_.Has(eoHalfPageScroll) ? linesInWindow_ / 2 : linesInWindow_;
  if (lines == -1 || lines > linesInWindow_) lines = linesInWindow_;
  TPaintLock lock(*this);
  while (std::abs(wheelAccumulator_) >= 120) {
    const int direction = wheelAccumulator_ > 0 ? -1 : 1;
    SetTopLine(topLine_ + direction * lines);
    wheelAccumulator_ += direction * 120;
  }
}

// ---- scroll bars ------------------------------------------------------------

void TSrcEdit::HorizontalScroll(TScrollCode code, int position) {
  switch (code) {
    case TScrollCode::scLineUp: SetLeftChar(leftChar_ - 1); break;
    case TScrollCode::scLineDown: SetLeftChar(leftChar_ + 1); break;
    case TScrollCode::scPageUp: SetLeftChar(leftChar_ - charsInWindow_); break;
    case TScrollCode::scPageDown: SetLeftChar(leftChar_ + charsInWindow_); break;
    case TScrollCode::scThumbPosition:
    case TScrollCode::scThumbTrack: SetLeftChar(position); break;
    case TScrollCode::scTop: SetLeftChar(1); break;
    case TScrollCode::scBottom: SetLeftChar(maxLeftChar_); break;
    case TScrollCode::scEndScroll: break;
  }
}

void TSrcEdit::VerticalScroll(TScrollCode code, int position) {
  const int page = linesInWindow_ - (options_.Has(eoScrollByOneLess) ? 1 : 0);
  switch (code) {
    case TScrollCode::scLineUp: SetTopLine(topLine_ - 1); break;
    case TScrollCode::scLineDown: SetTopLine(topLine_ + 1); break;
    case TScrollCode::scPageUp: SetTopLine(topLine_ - page); break;
    case TScrollCode::scPageDown: SetTopLine(topLine_ + page); break;
    case TScrollCode::scTop: SetTopLine(1); break;
    case TScrollCode::scBottom: SetTopLine(lines_->Count()); break;
    case TScrollCode::scThumbPosition:
    case TScrollCode::scThumbTrack: {
      int maximum = lines_->Count();
      if (options_.Has(eoScrollPastEof)) maximum += linesInWindow_ - 1;
      SetTopLine(maximum > 32767 ? static_cast<int>(static_cast<long long>(position) * maximum / 32767) : position);
      if (code == TScrollCode::scThumbTrack && options_.Has(eoShowScrollHint)) ShowScrollHint();
      break;
    }
    case TScrollCode::scEndScroll: EndScrollHint(); break;
  }
}

void TSrcEdit::ShowScrollHint() {
  const std::string text =
      scrollHintFormat_ == TScrollHintFormat::shfTopLineOnly
          ? Format("Top Line: %d", topLine_)
          : Format("%d - %d", topLine_, std::min(lines_->Count(), topLine_ + linesInWindow_ - 1));
  const TSize client = host_.ClientSize();
  int y = 10;
  if (options_.Has(eoScrollHintFollows) && lines_->Count() > 0)
    y = static_cast<int>(static_cast<long long>(client.cy) * (topLine_ - 1) / lines_->Count());
  host_.ShowHintText(text, {client.cx, y});
}

void TSrcEdit::EndScrollHint() { host_.ShowHintText(std::string(), {0, 0}); }

// ---- focus and pointer ------------------------------------------------------

void TSrcEdit::SetHideSelection(bool value) {
  if (value == hideSelection_) return;
  hideSelection_ = value;
  if (SelAvail()) InvalidateLines(-1, -1);
}

void TSrcEdit::FocusIn() {
  RunCommand(ecGotFocus, '\0', nullptr);
  CreateCaretShape();
  if (hideSelection_ && SelAvail()) InvalidateLines(-1, -1);
}

void TSrcEdit::FocusOut() {
  RunCommand(ecLostFocus, '\0', nullptr);
  host_.ShowCaret(false);
  host_.DestroyCaret();
  if (hideSelection_ && SelAvail()) InvalidateLines(-1, -1);
}

TCursorShape TSrcEdit::CursorAt(int x, int y) const {
  if (x < gutterWidth_) return gutter_.Cursor();
  if (options_.Has(eoDragDropEditing) && SelAvail()) {
    // Whole cells here, not the nearest cell boundary as for placing the caret.
    const int displayColumn = (x + (leftChar_ - 1) * charWidth_ - gutterWidth_ - 2) / charWidth_ + 1;
    const int line = std::max(1, y / lineHeight_ + topLine_);
    if (IsPointInSelection({DisplayToLogicalColumn(line, displayColumn), line})) return TCursorShape::crArrow;
  }
  return TCursorShape::crIBeam;
}

// ---- dropping text ----------------------------------------------------------

bool TSrcEdit::DragOverAccept(const TSrcEdit* source) const { return !readOnly_ && source && source->SelAvail(); }

void TSrcEdit::DragDrop(TSrcEdit& source, int x, int y, TShiftState shift) {
  if (!DragOverAccept(&source)) return;
  TBufferCoord point = PixelsToPosition(x, y);
  const bool same = &source == this;
  if (same && IsPointInSelection(point)) return;
  const bool move = same ? !(shift & ssCtrl) : (shift & ssShift) != 0;
  const std::string text = source.SelText();
  TUserLinesChange byUser(*lines_);
  TUndoGroup group(*this);
  TPaintLock lock(*this);
  if (move && same) {
    // Removing the selection first moves a drop point that lies after it.
    const TBufferCoord start = SelectionStart(), end = SelectionEnd();
    if (end < point || end == point) {
      if (point.Y == end.Y) point.X = start.X + (point.X - end.X);
      point.Y -= end.Y - start.Y;
    }
    undoList_->AddItem(ukDeleteCaretAtEnd, start, end, text, selectionMode_);
    TUndoSuspension suspension(*this);
    SetSelTextPrimitive(selectionMode_, std::string(), false);
  } else if (move) {
    source.SetSelText(std::string());
  }
  {
    TUndoSuspension suspension(*this);
    ReplaceRange(point, point, smNormal, text, false);
  }
  const TBufferCoord end = CaretXY();
  undoList_->AddItem(ukDropInsert, point, end, std::string(), smNormal);
  PlaceCaretAndSelection(end, point, end);
}

}  // namespace tessaly
