// Copy, cut and paste: plain text for other programs beside a private format
// whose first byte keeps the selection mode, so that line and column blocks
// paste back as such.

#include "editor/SrcEdit.h"
#include "editor/SrcEditGuards.h"

namespace tessaly {

const char* const kSrcEditBlockFormat = "SrcEdit Control Block Type";

void TSrcEdit::CopyToClipboard() {
  if (!SelAvail()) return;
  const std::string text = SelText();
  std::string block(1, static_cast<char>(selectionMode_));
  block += text;
  block += '\0';
  if (!clipboard_.SetContent(text, {{kSrcEditBlockFormat, block}}))
    throw ESrcEditError("Clipboard copy operation failed");
}

void TSrcEdit::CutToClipboard() {
  if (readOnly_ || !SelAvail()) return;
  CopyToClipboard();
  TUserLinesChange byUser(*lines_);
  TPaintLock lock(*this);
  undoList_->AddItem(ukDeleteCaretAtEnd, SelectionStart(), SelectionEnd(), SelText(), selectionMode_);
  TUndoSuspension suspension(*this);
  SetSelTextPrimitive(selectionMode_, std::string(), false);
}

bool TSrcEdit::PasteAvailable() const {
  return !readOnly_ && (clipboard_.HasText() || clipboard_.HasFormat(kSrcEditBlockFormat));
}

void TSrcEdit::PasteFromClipboard() {
  if (readOnly_) return;
  TUserLinesChange byUser(*lines_);
  TPaintLock lock(*this);
  if (clipboard_.HasFormat(kSrcEditBlockFormat)) {
    const std::optional<std::string> block = clipboard_.FormatData(kSrcEditBlockFormat);
    if (!block) throw ESrcEditError("Clipboard paste operation failed.");
    const TSrcSelectionMode mode =
        !block->empty() && static_cast<unsigned char>((*block)[0]) <= smColumn ? static_cast<TSrcSelectionMode>((*block)[0]) : smNormal;
    // The block ends with a zero byte; any before it belong to the text.
    std::string text = block->empty() ? std::string() : block->substr(1);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    ReplaceSelectionRecorded(text, ukPasteInsert, mode);
    if (mode == smColumn && !text.empty()) {
      // The caret goes below the block, in its left column.
      int pieces = 1;
      for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++pieces;
      const int width = static_cast<int>(text.size() - std::min(text.size(), text.find_last_of("\r\n") + 1));
      PlaceCaret({caretX_ - width, caretY_ + pieces}, true);
      SetBlockBegin(CaretXY());
    }
  } else if (clipboard_.HasText()) {
    ReplaceSelectionRecorded(clipboard_.Text(), ukPasteInsert, smNormal);
  }
  ScrollToCaret();
  StatusChanged({scSelection});
}

}  // namespace tessaly
