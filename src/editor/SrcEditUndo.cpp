#include "editor/SrcEditUndo.h"

namespace tessaly {

void TSrcEditUndoList::AdvanceGroupNumber() {
  // Wraps around through the negative numbers; 0 means "no group" and is skipped.
  nextGroupNumber_ = static_cast<int32_t>(static_cast<uint32_t>(nextGroupNumber_) + 1u);
  if (nextGroupNumber_ == 0) nextGroupNumber_ = 1;
}

void TSrcEditUndoList::AddItem(TSrcChangeReason reason, TBufferCoord start, TBufferCoord end,
                               const std::string& text, TSrcSelectionMode selMode,
                               const std::string& replacedText) {
  if (lockCount_ > 0) return;
  auto item = std::make_unique<TSrcEditUndoItem>();
  item->Kind = reason;
  item->SelMode = selMode;
  item->StartPos = start;
  item->EndPos = end;
  item->SavedText = text;
  item->ReplacedText = replacedText;
  if (blockGroupNumber_ != 0) {
    item->GroupNumber = blockGroupNumber_;
  } else {
    item->GroupNumber = nextGroupNumber_;
    if (blockCount_ == 0) AdvanceGroupNumber();
  }
  Push(std::move(item));
}

void TSrcEditUndoList::Push(std::unique_ptr<TSrcEditUndoItem> item) {
  const bool isBreak = item->Kind == ukGroupBreak;
  items_.push_back(std::move(item));
  EnforceMaximum();
  if (!isBreak && OnItemAdded) OnItemAdded(*this);
}

std::unique_ptr<TSrcEditUndoItem> TSrcEditUndoList::Pop() {
  if (items_.empty()) return nullptr;
  std::unique_ptr<TSrcEditUndoItem> item = std::move(items_.back());
  items_.pop_back();
  return item;
}

void TSrcEditUndoList::BeginGroup() {
  ++blockCount_;
  blockGroupNumber_ = nextGroupNumber_;
}

void TSrcEditUndoList::EndGroup() {
  if (blockCount_ == 0) return;
  if (--blockCount_ == 0) {
    blockGroupNumber_ = 0;
    AdvanceGroupNumber();
  }
}

void TSrcEditUndoList::InsertBreak() {
  if (!items_.empty() && items_.back()->Kind != ukGroupBreak)
    AddItem(ukGroupBreak, {0, 0}, {0, 0}, std::string(), smNormal);
}

void TSrcEditUndoList::Clear() {
  items_.clear();
  itemsDropped_ = false;
}

void TSrcEditUndoList::SetMaxItems(int value) {
  if (value < 0) value = 0;
  if (value == maxItems_) return;
  maxItems_ = value;
  EnforceMaximum();
}

void TSrcEditUndoList::EnforceMaximum() {
  if (static_cast<int>(items_.size()) <= maxItems_) return;
  itemsDropped_ = true;
  if (maxItems_ == 0) {
    items_.clear();
    return;
  }
  // Groups go whole, and the newest group stays even when it alone is over
  // the maximum: undo must never take back only part of one operation.
  const int32_t newest = items_.back()->GroupNumber;
  int32_t dropped = 0;
  while (static_cast<int>(items_.size()) > maxItems_ && items_.front()->GroupNumber != newest) {
    dropped = items_.front()->GroupNumber;
    items_.pop_front();
  }
  while (!items_.empty() && items_.front()->GroupNumber == dropped && dropped != newest) items_.pop_front();
}

}  // namespace tessaly
