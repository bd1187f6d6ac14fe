// Undo and redo: moving items between the two lists and applying each one.

#include <algorithm>

#include "editor/SrcEdit.h"
#include "editor/SrcEditGuards.h"

namespace tessaly {

namespace {

// Where `text` ends when inserted at `start` in normal mode.
TBufferCoord EndOfInsertion(TBufferCoord start, const std::string& text) {
  TBufferCoord end = start;
  int lastLineStart = -1;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    ++end.Y;
    lastLineStart = static_cast<int>(i) + 1;
  }
  if (lastLineStart < 0) end.X += static_cast<int>(text.size());
  else end.X = static_cast<int>(text.size()) - lastLineStart + 1;
  return end;
}

// Whether undo or redo goes on with the newest item of `list` after undoing
// items of group `group` that began with kind `kind`.
bool ContinuesRun(const TSrcEditUndoList& list, int32_t group, TSrcChangeReason kind, bool groupUndo) {
  const TSrcEditUndoItem* next = list.Peek();
  if (!next) return false;
  if (next->GroupNumber == group) return true;
  return groupUndo && kind != ukSelectionMark && kind != ukUnindent && next->Kind == kind;
}

// Moves trailing group breaks of `from` over to `to`.
void MoveBreaks(TSrcEditUndoList& from, TSrcEditUndoList& to) {
  while (from.LastKind() == ukGroupBreak) {
    from.Pop();
    to.InsertBreak();
  }
}

// Names the item being applied for as long as it is, however that ends.
class TApplying {
public:
  TApplying(const TSrcEditUndoItem*& slot, const TSrcEditUndoItem* item) : slot_(slot), saved_(slot) { slot_ = item; }
  ~TApplying() { slot_ = saved_; }
  TApplying(const TApplying&) = delete;
  TApplying& operator=(const TApplying&) = delete;

private:
  const TSrcEditUndoItem*& slot_;
  const TSrcEditUndoItem* saved_;
};

// Restores a list's forced group number however the run ends.
class TForcedGroup {
public:
  TForcedGroup(TSrcEditUndoList& list, int32_t group) : list_(list), saved_(list.BlockGroupNumber()) {
    list_.SetBlockGroupNumber(group);
  }
  ~TForcedGroup() { list_.SetBlockGroupNumber(saved_); }
  TForcedGroup(const TForcedGroup&) = delete;
  TForcedGroup& operator=(const TForcedGroup&) = delete;

private:
  TSrcEditUndoList& list_;
  int32_t saved_;
};

}  // namespace

void TSrcEdit::Undo() {
  if (readOnly_) return;
  TUserLinesChange byUser(*lines_);
  MoveBreaks(*undoList_, *redoList_);
  const TSrcEditUndoItem* first = undoList_->Peek();
  if (!first) return;
  const TSrcChangeReason kind = first->Kind;
  const int32_t group = first->GroupNumber;
  TForcedGroup forced(*redoList_, group);
  TPaintLock lock(*this);
  do UndoItem();
  while (ContinuesRun(*undoList_, group, kind, options_.Has(eoGroupUndo)));
  MoveBreaks(*undoList_, *redoList_);
}

void TSrcEdit::Redo() {
  if (readOnly_) return;
  TUserLinesChange byUser(*lines_);
  MoveBreaks(*redoList_, *undoList_);
  const TSrcEditUndoItem* first = redoList_->Peek();
  if (!first) return;
  const TSrcChangeReason kind = first->Kind;
  const int32_t group = first->GroupNumber;
  TForcedGroup forced(*undoList_, group);
  TPaintLock lock(*this);
  insideRedo_ = true;
  try {
    do RedoItem();
    while (ContinuesRun(*redoList_, group, kind, options_.Has(eoGroupUndo)));
    MoveBreaks(*redoList_, *undoList_);
  } catch (...) {
    insideRedo_ = false;
    throw;
  }
  insideRedo_ = false;
}

void TSrcEdit::EnterState(uint64_t state) {
  if (state == kNoSavedState) return;  // an item that never went through UndoItemAdded
  state_ = state;
  UpdateModified();
}

template <typename Apply>
void TSrcEdit::ApplyItem(const TSrcEditUndoItem& item, Apply apply) {
  // Positions beyond line ends must be reachable while an item is applied.
  const TSrcSelectionMode savedMode = selectionMode_;
  selectionMode_ = item.SelMode;
  try {
    TPastEolScope pastEol(*this);
    apply();
  } catch (...) {
    selectionMode_ = savedMode;
    throw;
  }
  SetSelectionMode(savedMode);
}

void TSrcEdit::UndoItem() {
  const std::unique_ptr<TSrcEditUndoItem> item = undoList_->Pop();
  const TBufferCoord start = item->StartPos, end = item->EndPos;
  const TSrcSelectionMode mode = item->SelMode;
  const TApplying applying(applying_, item.get());
  ApplyItem(*item, [&] {
    switch (item->Kind) {
      case ukInsert:
      case ukPasteInsert:
      case ukDropInsert:
      case ukPadding: {
        const std::string inserted = TextBetween(start, end, mode);
        ReplaceRange(start, end, mode, item->SavedText, false);
        PlaceCaret(start, true);
        SetBlockBegin(start);
        redoList_->AddItem(item->Kind, start, end, inserted, mode, item->SavedText);
        break;
      }
      case ukDeleteCaretAtStart:
      case ukDeleteCaretAtEnd:
      case ukDeleteBeforeCaret:
      case ukDeleteAfterCaret: {
        TBufferCoord at = MinCoord(start, end);
        int cell = 0;  // a column block goes back below the block's left cell
        if (mode == smColumn) {
          const int first = std::min(start.Y, end.Y);
          at = {ColumnSpan(start, end, first).Left, first};
          cell = std::min(LogicalToDisplayColumn(start.Y, start.X), LogicalToDisplayColumn(end.Y, end.X));
        }
        if ((item->Kind == ukDeleteCaretAtStart || item->Kind == ukDeleteAfterCaret) && at.Y > lines_->Count())
          lines_->Add(std::string());
        ReplaceRange(at, at, mode, item->SavedText, false, cell);
        switch (item->Kind) {
          case ukDeleteCaretAtStart: PlaceCaretAndSelection(start, end, start); break;
          case ukDeleteCaretAtEnd: PlaceCaretAndSelection(end, start, end); break;
          case ukDeleteBeforeCaret: PlaceCaretAndSelection(end, end, end); break;
          default: PlaceCaretAndSelection(start, start, start); break;
        }
        redoList_->AddItem(item->Kind, start, end, std::string(), mode);
        break;
      }
      case ukLineBreak: {
        // The kept part lost its trailing blanks when it was stored; they
        // come back as padding before the text that moved down.
        std::string line = LineText(start.Y);
        if (!item->SavedText.empty() && static_cast<int>(line.size()) < start.X - 1)
          line.append(static_cast<size_t>(start.X - 1) - line.size(), ' ');
        {
          TLinesUpdate update(*lines_);
          if (end.Y < lines_->Count()) lines_->Delete(end.Y);
          PutLine(start.Y, line + item->SavedText);
          PlaceCaret(start, true);
        }
        SetBlockBegin(start);
        redoList_->AddItem(ukLineBreak, start, end, std::string(), mode);
        break;
      }
      case ukSelectionMark:
        PlaceCaretAndSelection(end, start, end);
        redoList_->AddItem(ukSelectionMark, start, end, item->SavedText, mode);
        break;
      case ukUnindent:
        ReplaceRange({1, start.Y}, {1, start.Y}, smColumn, item->SavedText, false);
        PlaceCaretAndSelection(start, start, end);
        redoList_->AddItem(ukUnindent, start, end, item->SavedText, mode);
        break;
      default: break;
    }
  });
  EnterState(item->StateBefore);
}

void TSrcEdit::RedoItem() {
  const std::unique_ptr<TSrcEditUndoItem> item = redoList_->Pop();
  const TBufferCoord start = item->StartPos, end = item->EndPos;
  const TSrcSelectionMode mode = item->SelMode;
  const TApplying applying(applying_, item.get());
  ApplyItem(*item, [&] {
    switch (item->Kind) {
      case ukInsert:
      case ukPasteInsert:
      case ukDropInsert:
      case ukPadding: {
        // What the undo put back (text an overwrite had replaced) is replaced
        // again; for plain insertions it is empty and this is an insertion.
        const TBufferCoord replacedEnd =
            mode == smColumn ? start : EndOfInsertion(start, item->ReplacedText);
        ReplaceRange(start, replacedEnd, mode, item->SavedText, false);
        if (item->Kind == ukDropInsert) PlaceCaretAndSelection(start, start, end);
        else PlaceCaretAndSelection(item->Kind == ukPadding ? start : end, end, end);
        undoList_->AddItem(item->Kind, start, end, item->ReplacedText, mode);
        break;
      }
      case ukDeleteCaretAtStart:
      case ukDeleteCaretAtEnd:
      case ukDeleteBeforeCaret:
      case ukDeleteAfterCaret: {
        const TBufferCoord first = mode == smColumn ? TBufferCoord{start.X, std::min(start.Y, end.Y)} : MinCoord(start, end);
        const TBufferCoord last = mode == smColumn ? TBufferCoord{end.X, std::max(start.Y, end.Y)} : MaxCoord(start, end);
        const std::string deleted = TextBetween(first, last, mode);
        ReplaceRange(first, last, mode, std::string(), false);
        PlaceCaretAndSelection(start, start, start);
        undoList_->AddItem(item->Kind, start, end, deleted, mode);
        break;
      }
      case ukLineBreak:
        PlaceCaretAndSelection(start, start, start);
        RunCommand(ecLineBreak, '\r', nullptr);
        break;
      case ukSelectionMark:
        PlaceCaretAndSelection(end, start, end);
        undoList_->AddItem(ukSelectionMark, start, end, item->SavedText, mode);
        break;
      case ukUnindent: {
        int y = start.Y;
        size_t pos = 0;
        std::string lastPiece;
        {
          TLinesUpdate update(*lines_);
          while (pos <= item->SavedText.size()) {
            size_t next = item->SavedText.find("\r\n", pos);
            if (next == std::string::npos) next = item->SavedText.size();
            lastPiece = item->SavedText.substr(pos, next - pos);
            std::string line = LineText(y);
            line.erase(0, std::min(line.size(), lastPiece.size()));
            if (y <= lines_->Count()) PutLine(y, line);
            ++y;
            pos = next + 2;
          }
        }
        const size_t firstBreak = item->SavedText.find("\r\n");
        const int firstLength = static_cast<int>(firstBreak == std::string::npos ? item->SavedText.size() : firstBreak);
        const TBufferCoord newStart{std::max(1, start.X - firstLength), start.Y};
        const TBufferCoord newEnd{std::max(1, end.X - static_cast<int>(lastPiece.size())), end.Y};
        PlaceCaretAndSelection(newStart, newStart, newEnd);
        undoList_->AddItem(ukUnindent, start, end, item->SavedText, mode);
        break;
      }
      default: break;
    }
  });
  EnterState(item->StateAfter);
}

}  // namespace tessaly
