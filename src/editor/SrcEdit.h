#pragma once
// The source editor component's core: it owns the line buffer, the undo and
// redo lists, the key bindings, caret, selection, options, bookmarks and the
// search engine, and reaches its window only through the platform layer. A
// toolkit widget forwards its events (keys, mouse, focus, resize, scroll
// bars, paint) to the public input methods below and does nothing else.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/LineColumns.h"
#include "editor/SrcEditCommands.h"
#include "editor/SrcEditKeyStrokes.h"
#include "editor/SrcEditMarks.h"
#include "editor/SrcEditStringList.h"
#include "editor/SrcEditTypes.h"
#include "editor/SrcEditUndo.h"
#include "editor/SrcGutter.h"
#include "editor/SrcSelectedColor.h"
#include "highlight/CustomHighlighter.h"
#include "platform/Clipboard.h"
#include "platform/EventChain.h"
#include "platform/ControlHost.h"
#include "platform/Keys.h"
#include "platform/text/Encoding.h"

namespace tessaly {

class TSrcEditSearch;

// Name of the private clipboard format that carries the selection mode.
extern const char* const kSrcEditBlockFormat;

class TSrcEdit {
public:
  TSrcEdit(TControlHost& host, TClipboard& clipboard);
  ~TSrcEdit();
  TSrcEdit(const TSrcEdit&) = delete;
  TSrcEdit& operator=(const TSrcEdit&) = delete;

  // ---- events -------------------------------------------------------------
  using TProcessCommandEvent = std::function<void(TSrcEdit& sender, TSrcEditorCommand& command, char& ch, void* data)>;
  // Told before (after = false) and after each command; setting handled stops it.
  using THookedCommandEvent = std::function<void(TSrcEdit& sender, bool after, bool& handled,
                                                 TSrcEditorCommand& command, char& ch, void* data)>;
  // After each recorded change, undo and redo: the text is in its new state.
  TEventChain<TSrcEdit&> OnChange;
  std::function<void(TSrcEdit&, TSrcStatusChanges)> OnStatusChange;
  TProcessCommandEvent OnProcessCommand;
  TProcessCommandEvent OnProcessUserCommand;
  TProcessCommandEvent OnCommandProcessed;
  std::function<void(TSrcEdit&, const std::string& word)> OnContextHelp;
  std::function<void(TSrcEdit&, const std::string& search, const std::string& replace, int line, int column,
                     TSrcReplaceAction& action)>
      OnReplaceText;
  std::function<void(TSrcEdit&, TSrcEditSearch*& engine)> OnSearchEngineOverride;
  // May replace the new mark or set it to nullptr, which cancels placing it.
  std::function<void(TSrcEdit&, std::unique_ptr<TSrcEditMark>& mark)> OnPlaceBookmark;
  std::function<void(TSrcEdit&, TSrcEditMark& mark)> OnClearBookmark;
  std::function<void(TSrcEdit&, int x, int y, int line, TSrcEditMark* mark)> OnGutterClick;
  // The window's own key handling, which sees keys before the editor; a key
  // set to 0 (a character set to 0) is swallowed.
  std::function<void(TSrcEdit&, uint16_t& key, TShiftState shift)> OnKeyDown;
  std::function<void(TSrcEdit&, char& ch)> OnKeyPress;
  std::function<void(TSrcEdit&)> OnDblClick;
  // Painting: OnPaint runs after the text is drawn; OnPaintTransient after
  // each paint (for add-ons that draw over the text); OnSpecialLineColors may
  // give a line its own colours.
  std::function<void(TSrcEdit&, TCanvas&)> OnPaint;
  std::function<void(TSrcEdit&, TCanvas&, TSrcTransientType)> OnPaintTransient;
  std::function<void(TSrcEdit&, int line, bool& special, TColor& foreground, TColor& background)>
      OnSpecialLineColors;
  void AddCommandHook(const void* owner, THookedCommandEvent handler);
  void RemoveCommandHook(const void* owner);

  // ---- text ---------------------------------------------------------------
  TSrcEditStringList& Lines() { return *lines_; }
  const TSrcEditStringList& Lines() const { return *lines_; }
  std::string LineText(int line) const { return lines_->Get(line - 1); }  // 1-based
  int LineCount() const { return lines_->Count(); }
  std::string Text() const { return lines_->Text(); }
  void SetText(const std::string& text) { lines_->SetText(text); }

  // How the bytes group into characters: movement, measuring and drawing go
  // by character; the text and every position stay bytes.
  text::Encoding Encoding() const { return encoding_; }
  void SetEncoding(text::Encoding encoding);
  // The columns of a 1-based line; valid until the line changes.
  TLineColumns Columns(int line) const { return TLineColumns(lines_->Get(line - 1), encoding_, tabWidth_); }
  // The caret column counted in characters, as the status shows it.
  int CaretCharColumn() const { return Columns(caretY_).CharacterColumn(caretX_); }

  TSrcCustomHighlighter* Highlighter() const { return highlighter_; }
  void SetHighlighter(TSrcCustomHighlighter* highlighter);

  // ---- options and properties ---------------------------------------------
  TSrcEditorOptions Options() const { return options_; }
  void SetOptions(TSrcEditorOptions options);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool InsertMode() const { return insertMode_; }
  void SetInsertMode(bool value);
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int value);
  int MaxLeftChar() const { return maxLeftChar_; }
  void SetMaxLeftChar(int value);
  int MaxUndo() const { return undoList_->MaxItems(); }
  void SetMaxUndo(int value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  TScrollHintFormat ScrollHintFormat() const { return scrollHintFormat_; }
  void SetScrollHintFormat(TScrollHintFormat value) { scrollHintFormat_ = value; }
  TSrcCaretType InsertCaret() const { return insertCaret_; }
  void SetInsertCaret(TSrcCaretType value);
  TSrcCaretType OverwriteCaret() const { return overwriteCaret_; }
  void SetOverwriteCaret(TSrcCaretType value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  const TFontSpec& Font() const { return font_; }
  void SetFont(const TFontSpec& font);
  int ExtraLineSpacing() const { return extraLineSpacing_; }
  void SetExtraLineSpacing(int value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int RightEdge() const { return rightEdge_; }
  void SetRightEdge(int value);
  TColor RightEdgeColor() const { return rightEdgeColor_; }
  void SetRightEdgeColor(TColor value);
  TSrcSelectedColor& SelectedColor() { return selectedColor_; }
  TSrcGutter& Gutter() { return gutter_; }
  TSrcEditKeyStrokes& Keystrokes() { return keystrokes_; }
  TSrcBookMarkOpt& BookMarkOptions() { return bookMarkOptions_; }
  TSrcEditMarkList& Marks() { return marks_; }

  // ---- metrics and layout -------------------------------------------------
  int CharWidth() const { return charWidth_; }
  int LineHeight() const { return lineHeight_; }
  int LinesInWindow() const { return linesInWindow_; }
  int CharsInWindow() const { return charsInWindow_; }
  int GutterWidth() const { return gutterWidth_; }
  int TextOffset() const { return textOffset_; }
  // The window changed size.
  void Resize();

  // ---- caret, selection, scrolling ----------------------------------------
  TBufferCoord CaretXY() const { return {caretX_, caretY_}; }
  int CaretX() const { return caretX_; }
  int CaretY() const { return caretY_; }
  void SetCaretXY(TBufferCoord value) { PlaceCaret(value, true); }
  void SetCaretX(int value) { SetCaretXY({value, caretY_}); }
  void SetCaretY(int value) { SetCaretXY({caretX_, value}); }
  TBufferCoord BlockBegin() const { return blockBegin_; }
  TBufferCoord BlockEnd() const { return blockEnd_; }
  void SetBlockBegin(TBufferCoord value);
  void SetBlockEnd(TBufferCoord value);
  bool SelAvail() const;
  TSrcSelectionMode SelectionMode() const { return selectionMode_; }
  void SetSelectionMode(TSrcSelectionMode value);
  std::string SelText() const;
  void SetSelText(const std::string& value);
  int SelStart() const;
  void SetSelStart(int value);
  int SelEnd() const;
  void SetSelEnd(int value);
  void SelectAll();
  int TopLine() const { return topLine_; }
  void SetTopLine(int value);
  int LeftChar() const { return leftChar_; }
  void SetLeftChar(int value);
  void ScrollToCaret();
  void PlaceCaretAndSelection(TBufferCoord caret, TBufferCoord begin, TBufferCoord end);
  // The ordered ends of the selection.
  TBufferCoord SelectionStart() const { return MinCoord(blockBegin_, blockEnd_); }
  TBufferCoord SelectionEnd() const { return MaxCoord(blockBegin_, blockEnd_); }

  // Display columns (tabs expanded) and back, on a 1-based line.
  int LogicalToDisplayColumn(int line, int column) const;
  int DisplayToLogicalColumn(int line, int displayColumn) const;
  // Client pixels to a text position and back.
  TBufferCoord PixelsToPosition(int x, int y) const;
  TPoint PositionToPixels(TBufferCoord position) const;

  // Word positions around a point (the caret by default).
  TBufferCoord NextWordPos() const { return NextWordPosFrom(CaretXY()); }
  TBufferCoord PrevWordPos() const { return PrevWordPosFrom(CaretXY()); }
  TBufferCoord NextWordPosFrom(TBufferCoord from) const;
  TBufferCoord PrevWordPosFrom(TBufferCoord from) const;
  TBufferCoord WordStart() const { return WordStartAt(CaretXY()); }
  TBufferCoord WordEnd() const { return WordEndAt(CaretXY()); }
  // The ends of the run of identifier characters around a point.
  TBufferCoord WordStartAt(TBufferCoord at) const;
  TBufferCoord WordEndAt(TBufferCoord at) const;
  std::string WordAtCursor() const;

  void LockPainting();
  void UnlockPainting();

  // ---- commands -----------------------------------------------------------
  // `data` is a TBufferCoord* for ecGotoXY, ecSelGotoXY and ecSetMarker0-9, a
  // const std::string* for ecImeStr, and nothing for the other commands.
  void RunCommand(TSrcEditorCommand command, char ch, void* data);
  void Undo();
  void Redo();
  bool UndoAvailable() const { return !readOnly_ && undoList_->UndoAvailable(); }
  bool RedoAvailable() const { return !readOnly_ && redoList_->UndoAvailable(); }
  void ClearUndoHistory();
  void BeginUndoGroup() { undoList_->BeginGroup(); }
  void EndUndoGroup() { undoList_->EndGroup(); }
  void SuspendUndo();
  void ResumeUndo();
  const TSrcEditUndoList& UndoList() const { return *undoList_; }
  const TSrcEditUndoList& RedoList() const { return *redoList_; }
  // Whether the text differs from the state last marked saved: false marks
  // the current state saved (undo leaving it makes the editor modified, redo
  // or undo coming back to it not); true leaves no saved state to come back
  // to. Clearing the undo history keeps the flag as it is; a change made
  // directly through Lines() does not touch it.
  bool Modified() const { return modified_; }
  // A number for the text as it is now: every recorded change makes a new
  // one, and undo and redo come back to the numbers the text had.
  uint64_t TextState() const { return state_; }
  // The next recorded change starts an undo step of its own, even when it
  // is of the same kind as the last one.
  void BreakUndoGroup();
  void SetModified(bool value);

  // ---- clipboard and search -----------------------------------------------
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool PasteAvailable() const;
  int SearchReplace(const std::string& search, const std::string& replace, TSrcSearchOptions options);

  // ---- bookmarks ----------------------------------------------------------
  bool GetBookMark(int number, int& x, int& y) const;
  void SetBookMark(int number, int x, int y);
  void ClearBookMark(int number);
  void GotoBookMark(int number);
  bool IsBookmark(int number) const { return number >= 0 && number <= 9 && bookmarks_[number] != nullptr; }

  // ---- input forwarded by the window ---------------------------------------
  // `key` is set to 0 when the editor used it.
  void KeyDown(uint16_t& key, TShiftState shift);
  // A typed character; text composed by an input method arrives as ecImeStr.
  void KeyPress(char ch);
  // Whether the window should hand this key to the editor rather than use it
  // for moving the focus.
  bool WantsKey(uint16_t key, TShiftState shift) const;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void DblClick();
  void MouseWheel(int delta, TShiftState shift);
  void ScrollTimerTick();
  void HorizontalScroll(TScrollCode code, int position);
  void VerticalScroll(TScrollCode code, int position);
  void FocusIn();
  void FocusOut();
  TCursorShape CursorAt(int x, int y) const;
  // Dragging text: `source` is the editor the text comes from (this one or another).
  bool DragOverAccept(const TSrcEdit* source) const;
  void DragDrop(TSrcEdit& source, int x, int y, TShiftState shift);
  bool IsDragging() const { return dragging_; }

  // ---- painting (SrcEditPaint.cpp) ----------------------------------------
  // Paints what lies inside the canvas's clip rectangle.
  void Paint(TCanvas& canvas);

  // ---- invalidation -------------------------------------------------------
  // 1-based lines in either order; (-1, -1) is the whole text area.
  void InvalidateLines(int first, int last);
  void InvalidateGutterLines(int first, int last);
  void InvalidateGutter() { InvalidateGutterLines(-1, -1); }
  void Invalidate();

protected:
  virtual void PerformCommand(TSrcEditorCommand command, char ch, void* data);

private:
  // ---- construction and notifications (SrcEdit.cpp) ----
  void BindLineNotifications();
  void LineAdded(int index, bool toEnd);
  void LineDeleted(int index);
  void LinePut(int index, const std::string& text);
  void LinesCleared();
  void LinesChanging();
  void LinesChanged();
  int ScanFrom(int index);
  void ScanAfterLineCountChange(int index);
  void ScanAll();
  void HighlighterChanged();
  void HighlighterDestroyed();
  void RecalcCharExtent();
  void SizeOrFontChanged();
  void GutterChanged();
  void UndoItemAdded(TSrcEditUndoList& list);
  void UpdateModified();
  void StatusChanged(TSrcStatusChanges changes);
  void UpdateCaret();
  void UpdateScrollBars();
  void CreateCaretShape();
  void InvalidateRect(const TRect& rect);
  TSrcCharSet IdentChars() const;
  TSrcCharSet WordChars() const;

  friend class TPastEolScope;
  // Puts eoScrollPastEol back as it was and pulls the caret in if the option
  // is off again.
  void EndPastEol(bool saved);

  // ---- caret and selection (SrcEditCaret.cpp) ----
  void PlaceCaret(TBufferCoord value, bool bringIntoView);
  int CaretColumnLimit(int line) const;
  void MoveCaretSelecting(TBufferCoord from, TBufferCoord to, bool select);
  void StepCaretHorizontally(int dx, bool select);
  void StepCaretVertically(int dy, bool select);
  void MoveCaretAndSelection(TBufferCoord to, bool select);
  void ScrollCaretCentred();
  TBufferCoord ClampBlockPoint(TBufferCoord value) const;
  // The point moved to the start of the character holding it.
  TBufferCoord SnapToCharacter(TBufferCoord value) const;
  int OffsetOf(TBufferCoord point) const;
  TBufferCoord PointOfOffset(int offset) const;
  int DisplayColumn() const { return LogicalToDisplayColumn(caretY_, caretX_); }

  // ---- text changes (SrcEditText.cpp) ----
  // The columns [Left, Right) of `line` inside the column block start..end.
  TColumnSpan ColumnSpan(TBufferCoord start, TBufferCoord end, int line) const;
  std::string TextBetween(TBufferCoord start, TBufferCoord end, TSrcSelectionMode mode) const;
  // Replaces start..end (ordered) by `text` in `mode`; leaves the caret after
  // the insertion. Column inserts record themselves when `recordColumns`,
  // and go below the display column `columnCell` (0: the caret's).
  void ReplaceRange(TBufferCoord start, TBufferCoord end, TSrcSelectionMode mode, const std::string& text,
                    bool recordColumns, int columnCell = 0);
  void SetSelTextPrimitive(TSrcSelectionMode mode, const std::string& text, bool recordColumns);
  void DeleteRange(TBufferCoord start, TBufferCoord end, TSrcSelectionMode mode);
  void InsertNormal(const std::string& text);
  void InsertColumn(const std::string& text, bool record, int cell);
  void InsertLines(const std::string& text);
  void PutLine(int line, const std::string& text);  // 1-based, trims when the option asks
  // Records the insertion made from `start` to the caret.
  void RecordInsertion(TSrcChangeReason kind, TBufferCoord start, TSrcSelectionMode mode);
  void DeleteSelectionRecorded();
  // Deletes the selection (recorded) and inserts `text` in `insertMode`,
  // recorded as `insertKind`, all in one undo group.
  void ReplaceSelectionRecorded(const std::string& text, TSrcChangeReason insertKind, TSrcSelectionMode insertMode);

  // ---- editing commands (SrcEditEditing.cpp) ----
  void TypeChar(char ch);
  void InsertImeString(const std::string& text);
  void DeleteLastChar();
  void DeleteChar();
  void DeleteToward(TBufferCoord to, TSrcChangeReason kind);
  void DeleteLine();
  void LineBreak(bool moveCaret);
  void Tab();
  void ShiftTab();
  void BlockIndent();
  void BlockUnindent();
  void ChangeWordCase(TSrcEditorCommand command);
  void ToggleSelectionCase();
  void ClearAll();
  std::string IndentString(int width) const;
  int LeadingWhiteWidth(const std::string& line) const;
  bool BlockLines(int& first, int& last) const;

  // ---- movement commands (SrcEditPerform.cpp) ----
  void MoveCommand(TSrcEditorCommand command, void* data);
  void LineStart(bool select);
  void PageMove(int direction, bool select);
  void ScrollLine(int direction);
  void SetMarkerCommand(int number, const TBufferCoord* at);
  void MatchBracket();
  bool BracketSkipped(int line, int column) const;

  // ---- undo and redo (SrcEditUndoRedo.cpp) ----
  void UndoItem();
  void RedoItem();
  // The text is now in `state`, as an undo or redo left it.
  void EnterState(uint64_t state);
  template <typename Apply>
  void ApplyItem(const TSrcEditUndoItem& item, Apply apply);

  // ---- mouse (SrcEditInput.cpp) ----
  void ComputeScrollSpeeds(int x, int y);
  void SetScrollTimer(bool on);
  bool IsPointInSelection(TBufferCoord point) const;
  void SetWordBlock(TBufferCoord point);
  void EndScrollHint();
  void ShowScrollHint();

  // ---- painting (SrcEditPaint.cpp) ----
  TColor EditorBackground() const;
  void PaintGutter(TCanvas& canvas, const TRect& clip, int firstLine, int lastLine);
  void PaintMarks(TCanvas& canvas, int firstLine, int lastLine);
  void PaintTextLines(TCanvas& canvas, const TRect& clip, int firstLine, int lastLine, int firstColumn,
                      int lastColumn);
  bool SelectionShown() const;
  bool LineEndsInComment(int lineIndex);

  // ---- search (SrcEditSearchReplace.cpp) ----
  TSrcEditSearch& SearchEngine();

  TControlHost& host_;
  TClipboard& clipboard_;
  std::unique_ptr<TSrcEditStringList> lines_;
  std::unique_ptr<TSrcEditUndoList> undoList_;
  std::unique_ptr<TSrcEditUndoList> redoList_;
  TSrcEditKeyStrokes keystrokes_;
  TSrcGutter gutter_;
  TSrcBookMarkOpt bookMarkOptions_;
  TSrcSelectedColor selectedColor_;
  TSrcEditMarkList marks_;
  std::array<TSrcEditMark*, 10> bookmarks_{};
  TSrcCustomHighlighter* highlighter_ = nullptr;
  std::unique_ptr<TSrcEditSearch> searchEngine_;
  std::vector<std::pair<const void*, THookedCommandEvent>> commandHooks_;

  text::Encoding encoding_ = text::kDefaultEncoding;
  TSrcEditorOptions options_ = kSrcDefaultOptions;
  bool readOnly_ = false;
  bool insertMode_ = true;
  bool wantTabs_ = false;
  bool hideSelection_ = false;
  int tabWidth_ = 8;
  int maxLeftChar_ = 1024;
  TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
  TScrollHintFormat scrollHintFormat_ = TScrollHintFormat::shfTopLineOnly;
  TSrcCaretType insertCaret_ = ctVerticalLine;
  TSrcCaretType overwriteCaret_ = ctBlock;
  TFontSpec font_{"Courier New", -13, 0, DEFAULT_CHARSET, clWindowText};
  int extraLineSpacing_ = 0;
  TColor color_ = clWindow;
  int rightEdge_ = 80;
  TColor rightEdgeColor_ = clSilver;

  int charWidth_ = 8;
  int lineHeight_ = 16;
  int linesInWindow_ = 0;
  int charsInWindow_ = 0;
  int gutterWidth_ = 0;
  int textOffset_ = 0;

  int caretX_ = 1;
  int caretY_ = 1;
  int lastCaretX_ = 1;  // remembered display column
  TBufferCoord blockBegin_{1, 1};
  TBufferCoord blockEnd_{1, 1};
  TSrcSelectionMode selectionMode_ = smNormal;
  int topLine_ = 1;
  int leftChar_ = 1;

  int paintLock_ = 0;
  bool caretChanged_ = false;
  bool scrollBarsChanged_ = false;
  TSrcStatusChanges pendingStatus_;
  bool linesChanging_ = false;
  TRect pendingInvalid_{};
  int lastLineCount_ = 0;
  bool modified_ = false;
  // The save point: text states are numbered, each new recorded change
  // making a fresh one; the text is unmodified while its state is the saved
  // one. kNoSavedState is never a state.
  static constexpr uint64_t kNoSavedState = 0;
  uint64_t state_ = 1;
  uint64_t lastState_ = 1;
  uint64_t savedState_ = 1;
  const TSrcEditUndoItem* applying_ = nullptr;  // the item undo or redo is applying
  bool insideRedo_ = false;
  bool ignoreNextChar_ = false;
  uint16_t lastKey_ = 0;
  TShiftState lastShift_ = 0;

  // Mouse state.
  bool waitForDragging_ = false;
  bool dragging_ = false;
  bool dblClicked_ = false;
  bool possibleGutterClick_ = false;
  bool leftButtonDown_ = false;
  TPoint mouseDownAt_;
  TPoint mouseAt_;
  TShiftState mouseShift_ = 0;
  int scrollDeltaX_ = 0;
  int scrollDeltaY_ = 0;
  int scrollTimer_ = 0;
  int wheelAccumulator_ = 0;
};

}  // namespace tessaly
