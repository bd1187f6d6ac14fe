// Construction, properties, metrics and layout, the paint lock and status
// reports, invalidation, and the handlers of the line buffer's notifications
// that keep the highlighter's stored scan states in step with the text.

#include "editor/SrcEdit.h"

#include <algorithm>
#include <climits>

#include "highlight/SrcEditSearch.h"
#include "platform/Canvas.h"

namespace tessaly {

TSrcEdit::TSrcEdit(TControlHost& host, TClipboard& clipboard)
    : host_(host),
      clipboard_(clipboard),
      lines_(std::make_unique<TSrcEditStringList>()),
      undoList_(std::make_unique<TSrcEditUndoList>()),
      redoList_(std::make_unique<TSrcEditUndoList>()) {
  BindLineNotifications();
  undoList_->OnItemAdded = [this](TSrcEditUndoList& list) { UndoItemAdded(list); };
  redoList_->OnItemAdded = [this](TSrcEditUndoList& list) { UndoItemAdded(list); };
  keystrokes_.LoadDefaultBindings();
  gutter_.OnChange = [this] { GutterChanged(); };
  marks_.OnChange = [this] { InvalidateGutter(); };
  selectedColor_.OnChange = [this] { Invalidate(); };
  RecalcCharExtent();
  SizeOrFontChanged();
}

TSrcEdit::~TSrcEdit() {
  SetScrollTimer(false);
  if (highlighter_) {
    highlighter_->RemoveChangeListener(this);
    highlighter_->RemoveDestroyListener(this);
  }
  // Releasing the lines must not reach back into a half-destroyed editor.
  lines_->OnChanging = nullptr;
  lines_->OnChange = nullptr;
  lines_->OnLinesCleared = nullptr;
}

void TSrcEdit::BindLineNotifications() {
  lines_->OnChanging = [this](TSrcEditStringList&) { LinesChanging(); };
  lines_->OnChange = [this](TSrcEditStringList&) { LinesChanged(); };
  lines_->OnLineAdded = [this](int index, const std::string&) { LineAdded(index, true); };
  lines_->OnLineInserted = [this](int index, const std::string&) { LineAdded(index, false); };
  lines_->OnLineDeleted = [this](int index) { LineDeleted(index); };
  lines_->OnLinePut = [this](int index, const std::string& text) { LinePut(index, text); };
  lines_->OnLinesCleared = [this](TSrcEditStringList&) { LinesCleared(); };
}

void TSrcEdit::AddCommandHook(const void* owner, THookedCommandEvent handler) {
  commandHooks_.emplace_back(owner, std::move(handler));
}

void TSrcEdit::RemoveCommandHook(const void* owner) {
  std::erase_if(commandHooks_, [owner](const auto& hook) { return hook.first == owner; });
}

// ---- properties ---------------------------------------------------------------

void TSrcEdit::SetOptions(TSrcEditorOptions options) {
  if (options == options_) return;
  options_ = options;
  if (options_.Has(eoNoSelection)) SetBlockBegin(CaretXY());
  LockPainting();
  SetTopLine(topLine_);
  SetLeftChar(leftChar_);
  if (caretX_ > CaretColumnLimit(caretY_)) PlaceCaret(CaretXY(), false);
  scrollBarsChanged_ = true;
  UnlockPainting();
  Invalidate();
}

void TSrcEdit::SetInsertMode(bool value) {
  if (value == insertMode_) return;
  insertMode_ = value;
  CreateCaretShape();
  StatusChanged({scInsertMode});
}

void TSrcEdit::SetTabWidth(int value) {
  value = std::clamp(value, 1, 256);
  if (value == tabWidth_) return;
  tabWidth_ = value;
  lines_->SetTabWidth(value);
  Invalidate();
}

void TSrcEdit::SetEncoding(text::Encoding encoding) {
  if (encoding == encoding_) return;
  encoding_ = encoding;
  if (highlighter_) highlighter_->SetEncoding(encoding);
  LockPainting();
  blockBegin_ = ClampBlockPoint(blockBegin_);
  blockEnd_ = ClampBlockPoint(blockEnd_);
  PlaceCaret(CaretXY(), false);
  Invalidate();
  UnlockPainting();
}

void TSrcEdit::SetMaxLeftChar(int value) {
  value = std::max(value, 1);
  if (value == maxLeftChar_) return;
  maxLeftChar_ = value;
  blockBegin_ = ClampBlockPoint(blockBegin_);
  blockEnd_ = ClampBlockPoint(blockEnd_);
  LockPainting();
  SetLeftChar(leftChar_);
  if (caretX_ > CaretColumnLimit(caretY_)) PlaceCaret(CaretXY(), false);
  scrollBarsChanged_ = true;
  UnlockPainting();
}

void TSrcEdit::SetMaxUndo(int value) {
  if (value < 0) return;
  undoList_->SetMaxItems(value);
  redoList_->SetMaxItems(value);
}

void TSrcEdit::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  UpdateScrollBars();
}

void TSrcEdit::SetInsertCaret(TSrcCaretType value) {
  insertCaret_ = value;
  CreateCaretShape();
}

void TSrcEdit::SetOverwriteCaret(TSrcCaretType value) {
  overwriteCaret_ = value;
  CreateCaretShape();
}

void TSrcEdit::SetFont(const TFontSpec& font) {
  font_ = font;
  RecalcCharExtent();
  SizeOrFontChanged();
}

void TSrcEdit::SetExtraLineSpacing(int value) {
  extraLineSpacing_ = value;
  RecalcCharExtent();
  SizeOrFontChanged();
}

void TSrcEdit::SetModified(bool value) {
  savedState_ = value ? kNoSavedState : state_;
  UpdateModified();
}

void TSrcEdit::UpdateModified() {
  const bool value = state_ != savedState_;
  if (value == modified_) return;
  modified_ = value;
  StatusChanged({scModified});
}

void TSrcEdit::SetHighlighter(TSrcCustomHighlighter* highlighter) {
  if (highlighter == highlighter_) return;
  if (highlighter_) {
    highlighter_->RemoveChangeListener(this);
    highlighter_->RemoveDestroyListener(this);
  }
  highlighter_ = highlighter;
  if (highlighter_) {
    highlighter_->AddChangeListener(this, [this](TSrcCustomHighlighter*) { HighlighterChanged(); });
    highlighter_->AddDestroyListener(this, [this](TSrcCustomHighlighter*) { HighlighterDestroyed(); });
    highlighter_->SetEncoding(encoding_);
  }
  RecalcCharExtent();
  lines_->BeginUpdate();
  ScanAll();
  lines_->EndUpdate();
  SizeOrFontChanged();
}

void TSrcEdit::HighlighterChanged() {
  RecalcCharExtent();
  SizeOrFontChanged();
}

void TSrcEdit::HighlighterDestroyed() {
  highlighter_ = nullptr;
  RecalcCharExtent();
  SizeOrFontChanged();
}

namespace {

// The default word-break characters: ! " ' ( ) * + , - . / : ; = ? [ \ ] ^ { | }
TSrcCharSet DefaultWordBreakChars() {
  TSrcCharSet set;
  for (const unsigned char c : std::string_view("!\"'()*+,-./:;=?[\\]^{|}")) set.set(c);
  return set;
}

}  // namespace

TSrcCharSet TSrcEdit::IdentChars() const {
  if (highlighter_) return highlighter_->IdentifierCharSet();
  TSrcCharSet set;
  for (int c = 33; c <= 255; ++c) set.set(static_cast<size_t>(c));
  return set;
}

TSrcCharSet TSrcEdit::WordChars() const {
  static const TSrcCharSet kDefaultBreaks = DefaultWordBreakChars();
  return IdentChars() & ~(highlighter_ ? highlighter_->WordBreakCharSet() : kDefaultBreaks);
}

// ---- metrics and layout -------------------------------------------------------

void TSrcEdit::RecalcCharExtent() {
  TCanvas* canvas = host_.MeasureCanvas();
  if (!canvas) return;
  bool bold = font_.Style & fsBold, italic = font_.Style & fsItalic;
  if (highlighter_)
    for (int i = 0; i < highlighter_->AttriCount(); ++i) {
      const TFontStyles style = highlighter_->AttriByIndex(i)->Style();
      bold = bold || (style & fsBold);
      italic = italic || (style & fsItalic);
    }
  TFontSpec measured = font_;
  measured.Style = bold ? fsBold : 0;
  canvas->SetFont(measured);
  charWidth_ = std::max(1, canvas->TextExtent("M").cx);
  measured.Style = italic ? fsItalic : 0;
  canvas->SetFont(measured);
  lineHeight_ = std::max(1, canvas->TextMetrics().Height + extraLineSpacing_);
}

void TSrcEdit::SizeOrFontChanged() {
  gutter_.AutoSizeDigitCount(lines_->Count());
  gutterWidth_ = gutter_.RealGutterWidth(charWidth_);
  const TSize client = host_.ClientSize();
  charsInWindow_ = std::max(0, (client.cx - gutterWidth_ - 2) / charWidth_);
  linesInWindow_ = std::max(0, client.cy / lineHeight_);
  textOffset_ = gutterWidth_ + 2 - (leftChar_ - 1) * charWidth_;
  LockPainting();
  SetTopLine(topLine_);
  SetLeftChar(leftChar_);
  scrollBarsChanged_ = true;
  caretChanged_ = true;
  UnlockPainting();
  CreateCaretShape();
  Invalidate();
}

void TSrcEdit::Resize() { SizeOrFontChanged(); }

void TSrcEdit::GutterChanged() {
  const int width = gutter_.RealGutterWidth(charWidth_);
  if (width != gutterWidth_) SizeOrFontChanged();
  else InvalidateGutter();
}

// ---- paint lock and status ----------------------------------------------------

void TSrcEdit::LockPainting() { ++paintLock_; }

void TSrcEdit::UnlockPainting() {
  if (paintLock_ == 0 || --paintLock_ > 0) return;
  if (scrollBarsChanged_) UpdateScrollBars();
  if (caretChanged_) UpdateCaret();
  if (!pendingStatus_.Empty()) {
    const TSrcStatusChanges changes = pendingStatus_;
    pendingStatus_ = {};
    if (OnStatusChange) OnStatusChange(*this, changes);
  }
}

void TSrcEdit::StatusChanged(TSrcStatusChanges changes) {
  pendingStatus_ += changes;
  if (paintLock_ > 0) return;
  const TSrcStatusChanges pending = pendingStatus_;
  pendingStatus_ = {};
  if (OnStatusChange) OnStatusChange(*this, pending);
}

namespace {

struct CaretShape {
  int width, height, dx, dy;
};

CaretShape ShapeOf(TSrcCaretType type, int charWidth, int lineHeight) {
  switch (type) {
    case ctHorizontalLine: return {charWidth, 2, 0, lineHeight - 2};
    case ctHalfBlock: return {charWidth, (lineHeight - 2) / 2, 0, (lineHeight - 2) / 2};
    case ctBlock: return {charWidth, lineHeight - 2, 0, 0};
    case ctVerticalLine: break;
  }
  return {2, lineHeight - 2, -1, 0};
}

}  // namespace

void TSrcEdit::CreateCaretShape() {
  if (!host_.Focused() || options_.Has(eoNoCaret)) return;
  const CaretShape shape = ShapeOf(insertMode_ ? insertCaret_ : overwriteCaret_, charWidth_, lineHeight_);
  host_.CreateCaret(shape.width, shape.height);
  UpdateCaret();
  host_.ShowCaret(true);
}

void TSrcEdit::UpdateCaret() {
  if (paintLock_ > 0) {
    caretChanged_ = true;
    return;
  }
  caretChanged_ = false;
  const CaretShape shape = ShapeOf(insertMode_ ? insertCaret_ : overwriteCaret_, charWidth_, lineHeight_);
  const TPoint at = PositionToPixels(CaretXY());
  host_.SetCaretPos(at.X + shape.dx, at.Y + shape.dy);
}

void TSrcEdit::UpdateScrollBars() {
  if (scrollBars_ == TScrollStyle::ssNone) return;
  if (paintLock_ > 0) {
    scrollBarsChanged_ = true;
    return;
  }
  scrollBarsChanged_ = false;
  const auto show = [this](TScrollBarKind bar, const TScrollInfo& info) {
    host_.SetScrollInfo(bar, info);
    const bool canScroll = info.Max - info.Min + 1 > info.Page;
    host_.ShowScrollBar(bar, canScroll || !options_.Has(eoHideShowScrollbars));
    bool first = canScroll, last = canScroll;
    if (canScroll && options_.Has(eoDisableScrollArrows)) {
      first = info.Pos > info.Min;
      last = info.Pos + info.Page <= info.Max;
    }
    host_.EnableScrollArrows(bar, first, last);
  };
  const bool horizontal = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
  const bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
  if (horizontal) {
    const int range = std::max(1, options_.Has(eoScrollPastEol) ? maxLeftChar_ : lines_->LongestLineLength());
    show(TScrollBarKind::sbHorizontal, {1, range, charsInWindow_, leftChar_});
  }
  if (vertical) {
    int maximum = lines_->Count();
    if (options_.Has(eoScrollPastEof)) maximum += linesInWindow_ - 1;
    TScrollInfo info;
    if (maximum > 32767) {
      // The platform's scroll bars hold 16-bit positions: scale.
      info = {0, 32767, static_cast<int>(32767LL * linesInWindow_ / maximum),
              static_cast<int>(32767LL * topLine_ / maximum)};
    } else {
      info = {1, std::max(1, maximum), linesInWindow_, topLine_};
    }
    show(TScrollBarKind::sbVertical, info);
  }
}

// ---- invalidation ---------------------------------------------------------------

void TSrcEdit::InvalidateRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  if (linesChanging_) pendingInvalid_ = UnionRect(pendingInvalid_, rect);
  else host_.Invalidate(&rect, false);
}

namespace {

// Rows first..last (1-based, either order) clipped to the window, as pixels.
bool VisibleRows(int first, int last, int topLine, int linesInWindow, int lineHeight, int height, int& top,
                 int& bottom) {
  if (first == -1 && last == -1) {
    top = 0;
    bottom = height;
    return true;
  }
  if (first > last) std::swap(first, last);
  first = std::max(first, topLine);
  last = std::min(last, topLine + linesInWindow);
  if (last < first) return false;
  top = (first - topLine) * lineHeight;
  bottom = (last - topLine + 1) * lineHeight;
  return true;
}

}  // namespace

void TSrcEdit::InvalidateLines(int first, int last) {
  const TSize client = host_.ClientSize();
  int top = 0, bottom = 0;
  if (VisibleRows(first, last, topLine_, linesInWindow_, lineHeight_, client.cy, top, bottom))
    InvalidateRect({gutterWidth_, top, client.cx, bottom});
}

void TSrcEdit::InvalidateGutterLines(int first, int last) {
  const TSize client = host_.ClientSize();
  int top = 0, bottom = 0;
  if (VisibleRows(first, last, topLine_, linesInWindow_, lineHeight_, client.cy, top, bottom))
    InvalidateRect({0, top, gutterWidth_, bottom});
}

void TSrcEdit::Invalidate() {
  const TSize client = host_.ClientSize();
  InvalidateRect({0, 0, client.cx, client.cy});
}

// ---- line buffer notifications ----------------------------------------------------

int TSrcEdit::ScanFrom(int index) {
  const int count = lines_->Count();
  if (index >= count - 1) return index;
  int last = index;
  highlighter_->StartLine(lines_->Get(index), index);
  highlighter_->ScanToLineEnd();
  for (int j = index + 1; j < count; ++j) {
    const int32_t state = highlighter_->GetScanState();
    if (state == lines_->ScanState(j)) break;
    lines_->SetScanState(j, state);
    last = j;
    highlighter_->StartLine(lines_->Get(j), j);
    highlighter_->ScanToLineEnd();
  }
  return last;
}

void TSrcEdit::ScanAfterLineCountChange(int index) {
  if (!highlighter_ || lines_->Count() == 0) return;
  if (index <= 0) {
    highlighter_->ResetScanState();
    lines_->SetScanState(0, highlighter_->GetScanState());
    if (lines_->Count() > 1) ScanFrom(0);
  } else {
    highlighter_->SetScanState(lines_->ScanState(index - 1));
    ScanFrom(index - 1);
  }
}

void TSrcEdit::ScanAll() {
  if (!highlighter_) return;
  highlighter_->ResetScanState();
  for (int i = 0; i < lines_->Count(); ++i) {
    lines_->SetScanState(i, highlighter_->GetScanState());
    highlighter_->StartLine(lines_->Get(i), i);
    highlighter_->ScanToLineEnd();
  }
}

void TSrcEdit::LineAdded(int index, bool toEnd) {
  const int added = lines_->Count() - lastLineCount_;
  lastLineCount_ = lines_->Count();
  marks_.LinesInserted(index + 1, added);
  ScanAfterLineCountChange(index);
  const int last = toEnd ? lines_->Count() : topLine_ + linesInWindow_;
  InvalidateLines(index + 1, last);
  InvalidateGutterLines(index + 1, last);
  if (options_.Has(eoAutoSizeMaxLeftChar)) {
    const int length = static_cast<int>(lines_->Get(index).size());
    if (maxLeftChar_ < length + 1) SetMaxLeftChar(length + 1);
  }
}

void TSrcEdit::LineDeleted(int index) {
  const int oldCount = lastLineCount_;
  lastLineCount_ = lines_->Count();
  marks_.LinesDeleted(index + 1, oldCount - lastLineCount_);
  ScanAfterLineCountChange(index);
  InvalidateLines(index + 1, oldCount);
  InvalidateGutterLines(index + 1, oldCount);
}

void TSrcEdit::LinePut(int index, const std::string& text) {
  int last = index;
  if (highlighter_) {
    highlighter_->SetScanState(lines_->ScanState(index));
    last = ScanFrom(index);
  }
  InvalidateLines(index + 1, last + 1);
  if (options_.Has(eoAutoSizeMaxLeftChar)) {
    const int length = static_cast<int>(text.size());
    if (length + 1 >= maxLeftChar_) SetMaxLeftChar(length + 2);
  }
}

void TSrcEdit::LinesCleared() {
  ClearUndoHistory();
  lastLineCount_ = 0;
  caretX_ = caretY_ = 1;
  lastCaretX_ = 1;
  topLine_ = leftChar_ = 1;
  textOffset_ = gutterWidth_ + 2;
  pendingStatus_.Include(scAll);
  Invalidate();
}

void TSrcEdit::LinesChanging() { linesChanging_ = true; }

void TSrcEdit::LinesChanged() {
  linesChanging_ = false;
  LockPainting();
  scrollBarsChanged_ = true;
  // Lines removed by outside code may have left the caret behind the text.
  if (caretY_ > std::max(1, lines_->Count()) || caretX_ > CaretColumnLimit(caretY_)) PlaceCaret(CaretXY(), false);
  SetBlockBegin(CaretXY());
  if (!pendingInvalid_.IsEmpty()) {
    host_.Invalidate(&pendingInvalid_, false);
    pendingInvalid_ = {};
  }
  gutter_.AutoSizeDigitCount(lines_->Count());
  if (!options_.Has(eoScrollPastEof)) SetTopLine(topLine_);
  UnlockPainting();
}

// ---- undo bookkeeping -------------------------------------------------------------

void TSrcEdit::UndoItemAdded(TSrcEditUndoList& list) {
  // With a maximum of 0 the item is gone already; the state moves all the same.
  TSrcEditUndoItem* item = list.Peek();
  if (applying_) {
    // Undo and redo move a change from one list to the other and it keeps
    // its states: an undo leaves the text in the state before the change, a
    // redo in the one after it.
    if (item) {
      item->StateBefore = applying_->StateBefore;
      item->StateAfter = applying_->StateAfter;
    }
    state_ = &list == redoList_.get() ? applying_->StateBefore : applying_->StateAfter;
  } else {
    if (item) item->StateBefore = state_;
    state_ = ++lastState_;
    if (item) item->StateAfter = state_;
  }
  UpdateModified();
  if (&list == undoList_.get() && !insideRedo_ && undoList_->LastKind() != ukGroupBreak) redoList_->Clear();
  OnChange.Fire(*this);
}

void TSrcEdit::ClearUndoHistory() {
  undoList_->Clear();
  redoList_->Clear();
}

void TSrcEdit::SuspendUndo() {
  undoList_->Lock();
  redoList_->Lock();
}

void TSrcEdit::ResumeUndo() {
  undoList_->Unlock();
  redoList_->Unlock();
}

}  // namespace tessaly
