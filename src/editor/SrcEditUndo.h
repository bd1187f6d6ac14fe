#pragma once
// The undo and redo lists of the editor: items that record one change each,
// grouped by number so that one logical operation is undone as a whole.

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "editor/SrcEditTypes.h"

namespace tessaly {

enum TSrcChangeReason : uint8_t {
  ukInsert = 0,
  ukPasteInsert = 1,
  ukDropInsert = 2,
  ukDeleteCaretAtStart = 3,
  ukDeleteCaretAtEnd = 4,
  ukLineBreak = 5,
  ukSelectionMark = 6,
  ukUnindent = 7,
  ukDeleteBeforeCaret = 8,
  ukDeleteAfterCaret = 9,
  ukNone = 16,
  ukGroupBreak = 17,
  ukPadding = 21,
};

struct TSrcEditUndoItem {
  TSrcChangeReason Kind = ukNone;
  TSrcSelectionMode SelMode = smNormal;
  TBufferCoord StartPos;
  TBufferCoord EndPos;
  std::string SavedText;
  int32_t GroupNumber = 0;
  // On the redo list only, for insertions: the text the undo put back in
  // place of the insertion (what overwrite mode had replaced), so that redo
  // replaces it again instead of inserting beside it.
  std::string ReplacedText;
  // The editor's text states on either side of the change. Undo and redo
  // carry them from list to list, so that the state a file was saved in is
  // recognised when undo or redo comes back to it.
  uint64_t StateBefore = 0;
  uint64_t StateAfter = 0;
};

class TSrcEditUndoList {
public:
  TSrcEditUndoList() = default;
  TSrcEditUndoList(const TSrcEditUndoList&) = delete;
  TSrcEditUndoList& operator=(const TSrcEditUndoList&) = delete;

  // Raised after an item other than a group break was pushed.
  std::function<void(TSrcEditUndoList&)> OnItemAdded;

  void AddItem(TSrcChangeReason reason, TBufferCoord start, TBufferCoord end, const std::string& text,
               TSrcSelectionMode selMode, const std::string& replacedText = std::string());
  void Push(std::unique_ptr<TSrcEditUndoItem> item);
  std::unique_ptr<TSrcEditUndoItem> Pop();  // nullptr when empty
  const TSrcEditUndoItem* Peek() const { return items_.empty() ? nullptr : items_.back().get(); }
  TSrcEditUndoItem* Peek() { return items_.empty() ? nullptr : items_.back().get(); }

  void BeginGroup();
  void EndGroup();
  void InsertBreak();
  void Clear();
  void Lock() { ++lockCount_; }
  void Unlock() {
    if (lockCount_ > 0) --lockCount_;
  }
  bool Locked() const { return lockCount_ > 0; }

  bool UndoAvailable() const { return !items_.empty(); }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  TSrcChangeReason LastKind() const { return items_.empty() ? ukNone : items_.back()->Kind; }
  bool ItemsDropped() const { return itemsDropped_; }

  // The maximum number of items; older groups are dropped whole to keep to it.
  int MaxItems() const { return maxItems_; }
  void SetMaxItems(int value);

  int32_t BlockGroupNumber() const { return blockGroupNumber_; }
  void SetBlockGroupNumber(int32_t value) { blockGroupNumber_ = value; }
  int BlockCount() const { return blockCount_; }
  int32_t NextGroupNumber() const { return nextGroupNumber_; }
  void SetNextGroupNumber(int32_t value) { nextGroupNumber_ = value == 0 ? 1 : value; }

private:
  void AdvanceGroupNumber();
  void EnforceMaximum();

  int32_t blockGroupNumber_ = 0;
  int blockCount_ = 0;
  bool itemsDropped_ = false;
  std::deque<std::unique_ptr<TSrcEditUndoItem>> items_;
  int lockCount_ = 0;
  int maxItems_ = 1024;
  int32_t nextGroupNumber_ = 1;
};

}  // namespace tessaly
