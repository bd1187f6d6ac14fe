#include <gtest/gtest.h>

#include "EditorHarness.h"

namespace tessaly::test {
namespace {

TEST(Selection, SelTextByMode) {
  const struct {
    TSrcSelectionMode mode;
    TBufferCoord begin, end;
    bool trim;
    const char* text;
  } rows[] = {
      {smNormal, {2, 1}, {3, 1}, true, "b"},
      {smNormal, {2, 1}, {2, 3}, true, "bcd\r\nef\r\nx"},
      {smNormal, {2, 3}, {2, 1}, true, "bcd\r\nef\r\nx"},
      {smLine, {3, 1}, {1, 2}, true, "abcd\r\nef\r\n"},
      {smLine, {3, 2}, {1, 3}, true, "ef\r\nxyz"},  // the last line of the text gets no break
      {smColumn, {2, 1}, {4, 3}, true, "bc\r\nf\r\nyz"},
      {smColumn, {4, 3}, {2, 1}, false, "bc\r\nf \r\nyz"},
  };
  for (const auto& row : rows) {
    EditorHarness h;
    TSrcEditorOptions options = h.editor.Options();
    options.Set(eoTrimTrailingSpaces, row.trim);
    h.editor.SetOptions(options);
    h.Load("abcd\nef\nxyz");
    h.editor.SetSelectionMode(row.mode);
    h.editor.SetBlockBegin(row.begin);
    h.editor.SetBlockEnd(row.end);
    EXPECT_EQ(h.editor.SelText(), row.text) << row.mode << " " << row.begin.X << "," << row.begin.Y;
  }
}

TEST(Selection, ReplacingBlocksByMode) {
  const struct {
    const char* name;
    TSrcSelectionMode mode;
    const char* before;
    const char* text;
    const char* after;
  } rows[] = {
      {"normal multi-line", smNormal, "a[bc\nde]|f", "X\nY", "aX\nY|f"},
      {"normal into empty text", smNormal, "|", "one\ntwo", "one\ntwo|"},
      {"line block goes above the caret line", smLine, "a\n|b", "x\r\ny\r\n", "a\nx\ny\n|b"},
      {"line selection replaced", smLine, "a\n[b\n]|c", "x\r\n", "a\nx\n|c"},
      {"column insert pads short lines", smColumn, "abc\n\nabc|", "1\n2\n3", "abc\n\nab1c\n|"},
      {"column delete", smColumn, "a[bc\nd]|ef", "", "a\nd|f"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EditorHarness h;
    h.Load(row.before);
    h.editor.SetSelectionMode(row.mode);
    const std::string before = h.Text();
    h.editor.SetSelText(row.text);
    const std::string after = h.Text();
    h.editor.Undo();
    EXPECT_EQ(h.Text(), before);
    h.editor.Redo();
    EXPECT_EQ(h.Text(), after);
  }
  EditorHarness h;
  h.Load("abc\n\nabc|");
  h.editor.SetSelectionMode(smColumn);
  h.editor.SetCaretXY({3, 1});
  h.editor.SetSelText("1\r\n2\r\n3\r\n4");
  EXPECT_EQ(h.Text(), "ab1c\n  2\nab3c\n  4");
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{4, 1}));
}

TEST(Selection, SelStartAndSelEndCountLineBreaksAsTwo) {
  EditorHarness h;
  h.Load("abc\n|de\nfgh");
  EXPECT_EQ(h.editor.SelStart(), 6);
  EXPECT_EQ(h.editor.SelEnd(), 6);
  h.editor.SetSelStart(2);
  h.editor.SetSelEnd(8);
  EXPECT_EQ(h.editor.SelText(), "bc\r\nde");
  EXPECT_EQ(h.editor.SelStart(), 2);
  EXPECT_EQ(h.editor.SelEnd(), 8);
  h.editor.SetSelStart(11);
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{2, 3}));
  h.editor.SetCaretXY({30, 1});  // beyond the end: SelStart limits the column
  EXPECT_EQ(h.editor.SelStart(), 4);
}

TEST(Caret, PlacementIsClampedByTheOptions) {
  EditorHarness h;
  h.Load("abc\nde");
  h.editor.SetCaretXY({50, 1});
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{50, 1}));
  h.editor.SetCaretXY({5000, 9});
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{1024, 2}));
  h.editor.SetCaretXY({-3, -3});
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{1, 1}));
  TSrcEditorOptions options = h.editor.Options();
  options.Exclude(eoScrollPastEol);
  h.editor.SetOptions(options);
  h.editor.SetCaretXY({50, 1});
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{4, 1}));
  h.editor.SetBlockBegin({9, 2});
  EXPECT_EQ(h.editor.BlockBegin(), (TBufferCoord{3, 2}));
}

TEST(Caret, DisplayColumnsFollowTabs) {
  EditorHarness h;
  h.Load("\tab\nx\ty");
  EXPECT_EQ(h.editor.LogicalToDisplayColumn(1, 2), 9);
  EXPECT_EQ(h.editor.LogicalToDisplayColumn(2, 3), 9);
  EXPECT_EQ(h.editor.DisplayToLogicalColumn(1, 5), 1);  // inside the tab's span
  EXPECT_EQ(h.editor.DisplayToLogicalColumn(1, 10), 3);
  EXPECT_EQ(h.editor.DisplayToLogicalColumn(1, 14), 7);  // beyond the end
  h.editor.SetTabWidth(4);
  EXPECT_EQ(h.editor.LogicalToDisplayColumn(1, 2), 5);
}

TEST(Scrolling, TopLineAndLeftCharRanges) {
  EditorHarness h;
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\n";
  h.Load(text + "end");
  EXPECT_EQ(h.editor.LinesInWindow(), 25);
  EXPECT_EQ(h.editor.CharsInWindow(), 77);
  h.editor.SetTopLine(1000);
  EXPECT_EQ(h.editor.TopLine(), 101 - 25 + 1);
  h.editor.SetTopLine(-4);
  EXPECT_EQ(h.editor.TopLine(), 1);
  h.editor.SetLeftChar(5000);
  EXPECT_EQ(h.editor.LeftChar(), 1024 - 77 + 1);
  h.editor.SetCaretXY({3, 60});
  EXPECT_EQ(h.editor.TopLine(), 60 - 25 + 1);
  EXPECT_EQ(h.editor.LeftChar(), 3);
  h.editor.SetCaretXY({1, 1});
  EXPECT_EQ(h.editor.TopLine(), 1);
  TSrcEditorOptions options = h.editor.Options();
  options.Include(eoScrollPastEof);
  h.editor.SetOptions(options);
  h.editor.SetTopLine(1000);
  EXPECT_EQ(h.editor.TopLine(), 101);
}

TEST(Scrolling, VerticalBarIsScaledAboveThe16BitRange) {
  EditorHarness h;
  std::vector<std::string> lines(40000, "x");
  h.editor.Lines().AddStrings(lines);
  TScrollInfo info = h.host.ScrollInfo(TScrollBarKind::sbVertical);
  EXPECT_EQ(info.Min, 0);
  EXPECT_EQ(info.Max, 32767);
  EXPECT_EQ(info.Page, 32767 * 25 / 40000);
  h.editor.VerticalScroll(TScrollCode::scThumbPosition, 16384);
  EXPECT_EQ(h.editor.TopLine(), 16384LL * 40000 / 32767);
  h.editor.SetTopLine(20000);
  EXPECT_EQ(h.host.ScrollInfo(TScrollBarKind::sbVertical).Pos, 32767LL * 20000 / 40000);
  EditorHarness small;
  small.Load("a\nb");
  info = small.host.ScrollInfo(TScrollBarKind::sbVertical);
  EXPECT_EQ(info, (TScrollInfo{1, 2, 25, 1}));
  EXPECT_EQ(small.host.ScrollInfo(TScrollBarKind::sbHorizontal), (TScrollInfo{1, 1024, 77, 1}));
  // Nothing to scroll: the bar stays, disabled, unless it may hide.
  EXPECT_EQ(small.host.ScrollArrows(TScrollBarKind::sbVertical), std::make_pair(false, false));
  EXPECT_TRUE(small.host.ScrollBarVisible(TScrollBarKind::sbVertical));
  TSrcEditorOptions options = h.editor.Options();
  options.Include(eoDisableScrollArrows);
  h.editor.SetOptions(options);
  h.editor.SetTopLine(1);
  EXPECT_EQ(h.host.ScrollArrows(TScrollBarKind::sbVertical), std::make_pair(false, true));
  options = small.editor.Options();
  options.Include(eoHideShowScrollbars);
  small.editor.SetOptions(options);
  EXPECT_FALSE(small.host.ScrollBarVisible(TScrollBarKind::sbVertical));
}

TEST(Mouse, PixelsAndPositions) {
  EditorHarness h;
  h.Load("abcdef\nxy");
  EXPECT_EQ(h.editor.GutterWidth(), 30);
  EXPECT_EQ(h.editor.PositionToPixels({1, 1}), (TPoint{32, 0}));
  EXPECT_EQ(h.editor.PositionToPixels({3, 2}), (TPoint{48, 16}));
  EXPECT_EQ(h.editor.PixelsToPosition(32 + 3, 5), (TBufferCoord{1, 1}));
  EXPECT_EQ(h.editor.PixelsToPosition(32 + 4, 5), (TBufferCoord{2, 1}));  // halves round away
  EXPECT_EQ(h.editor.PixelsToPosition(32 + 17, 20), (TBufferCoord{3, 2}));
  EXPECT_EQ(h.editor.PixelsToPosition(100, 399), (TBufferCoord{10, 25}));  // last full line
}

TEST(Mouse, ClickShiftClickAndDoubleClick) {
  EditorHarness h;
  h.Load("one two three\nfour");
  const auto click = [&](int column, int line, TShiftState shift) {
    const TPoint p = h.editor.PositionToPixels({column, line});
    h.editor.MouseDown(TMouseButton::mbLeft, shift | ssLeft, p.X + 1, p.Y + 1);
    h.editor.MouseUp(TMouseButton::mbLeft, shift, p.X + 1, p.Y + 1);
  };
  click(5, 1, 0);
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{5, 1}));
  EXPECT_TRUE(h.host.Focused());
  click(3, 2, ssShift);
  EXPECT_EQ(h.editor.SelText(), "two three\r\nfo");
  click(2, 1, ssShift);  // the anchor stays where the first click was
  EXPECT_EQ(h.editor.SelText(), "ne ");
  click(7, 1, 0);
  EXPECT_FALSE(h.editor.SelAvail());
  h.editor.DblClick();
  EXPECT_EQ(h.editor.SelText(), "two");
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{8, 1}));
}

TEST(Mouse, DraggingBeyondTheWindowScrollsOnTimerTicks) {
  EditorHarness h;
  std::string text;
  for (int i = 1; i <= 60; ++i) text += "line " + std::to_string(i) + "\n";
  h.Load(text);
  h.editor.MouseDown(TMouseButton::mbLeft, ssLeft, 40, 5);
  h.editor.MouseMove(ssLeft, 40, 420);  // a line height below the window
  EXPECT_EQ(h.host.RunningTimers(), 1u);
  h.host.TickTimers();
  h.host.TickTimers();
  EXPECT_EQ(h.editor.TopLine(), 5);  // 20 pixels below: two lines a tick
  EXPECT_EQ(h.editor.CaretY(), 29);
  EXPECT_EQ(h.editor.BlockEnd(), h.editor.CaretXY());
  EXPECT_EQ(h.editor.BlockBegin(), (TBufferCoord{2, 1}));
  h.editor.MouseUp(TMouseButton::mbLeft, 0, 40, 420);
  EXPECT_EQ(h.host.RunningTimers(), 0u);
  EXPECT_FALSE(h.host.HasCapture());
}

TEST(Mouse, DragAndDropMovesOrCopiesText) {
  EditorHarness h;
  h.Load("[ab]|cd ef");
  const TPoint inside = h.editor.PositionToPixels({2, 1});
  h.editor.MouseDown(TMouseButton::mbLeft, ssLeft, inside.X, inside.Y + 2);
  h.editor.MouseMove(ssLeft, inside.X + 10, inside.Y + 2);
  EXPECT_EQ(h.host.DragsStarted, 1);
  const TPoint target = h.editor.PositionToPixels({6, 1});
  h.editor.DragDrop(h.editor, target.X, target.Y + 2, 0);
  EXPECT_EQ(h.Text(), "cd abef");
  h.editor.Undo();
  EXPECT_EQ(h.Text(), "abcd ef");
  EditorHarness other;
  other.Load("xy|");
  h.Load("[ab]|cd");
  other.editor.DragDrop(h.editor, 32 + 16, 2, 0);
  EXPECT_EQ(other.Text(), "xyab");
  EXPECT_EQ(h.Text(), "abcd");
  other.editor.DragDrop(h.editor, 32, 2, ssShift);
  EXPECT_EQ(other.Text(), "abxyab");
  EXPECT_EQ(h.Text(), "cd");
}

TEST(Mouse, WheelScrollsByTheSystemLineCount) {
  EditorHarness h;
  std::vector<std::string> lines(200, "x");
  h.editor.Lines().AddStrings(lines);
  h.editor.MouseWheel(-60, 0);
  EXPECT_EQ(h.editor.TopLine(), 1);
  h.editor.MouseWheel(-60, 0);
  EXPECT_EQ(h.editor.TopLine(), 4);
  h.editor.MouseWheel(-120, ssCtrl);
  EXPECT_EQ(h.editor.TopLine(), 29);
  h.editor.MouseWheel(240, 0);
  EXPECT_EQ(h.editor.TopLine(), 23);
}

}  // namespace
}  // namespace tessaly::test
