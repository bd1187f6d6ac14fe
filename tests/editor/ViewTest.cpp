// What the editor asks of its window: status reports after the paint lock,
// paging and scrolling commands, the caret's shape and place, and
// invalidation collected while the line buffer changes.

#include <gtest/gtest.h>

#include "EditorHarness.h"

namespace tessaly::test {
namespace {

std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + (i < count ? "\n" : "");
  return text;
}

TEST(View, StatusChangesArriveOnceWhenThePaintLockEnds) {
  EditorHarness h;
  h.Load("abc\ndef");
  std::vector<TSrcStatusChanges> reports;
  h.editor.OnStatusChange = [&](TSrcEdit&, TSrcStatusChanges changes) { reports.push_back(changes); };
  h.editor.LockPainting();
  h.editor.SetCaretXY({2, 2});
  h.editor.SetInsertMode(false);
  EXPECT_TRUE(reports.empty());
  h.editor.UnlockPainting();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].Has(scCaretX) && reports[0].Has(scCaretY) && reports[0].Has(scInsertMode));
  reports.clear();
  h.editor.RunCommand(ecChar, 'x', nullptr);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].Has(scModified) && reports[0].Has(scCaretX));
}

TEST(View, PagingAndScrollingCommands) {
  EditorHarness h;
  h.Load(Lines(100));
  h.Run("ecPageDown");
  EXPECT_EQ(h.editor.TopLine(), 26);
  EXPECT_EQ(h.editor.CaretY(), 26);
  h.Run("ecPageBottom");
  EXPECT_EQ(h.editor.CaretY(), 50);
  h.Run("ecScrollDown");
  EXPECT_EQ(h.editor.TopLine(), 27);
  EXPECT_EQ(h.editor.CaretY(), 50);
  h.Run("ecPageTop ecScrollDown");
  EXPECT_EQ(h.editor.TopLine(), 28);
  EXPECT_EQ(h.editor.CaretY(), 28);  // kept on the first visible line
  TSrcEditorOptions options = h.editor.Options();
  options.Include(eoHalfPageScroll);
  h.editor.SetOptions(options);
  h.Run("ecPageUp");
  EXPECT_EQ(h.editor.TopLine(), 16);
  h.Run("ecEditorBottom");
  EXPECT_EQ(h.editor.TopLine(), 76);
  h.editor.SetCaretXY({77, 1});
  h.Run("type:x");  // the caret reached the right edge: the view jumps 25 columns
  EXPECT_EQ(h.editor.LeftChar(), 26);
}

TEST(View, CaretShapeAndPlaceFollowFocusAndMode) {
  EditorHarness h;
  h.Load("abc\ndef");
  h.editor.SetCaretXY({3, 2});
  EXPECT_FALSE(h.host.HasCaret);
  h.host.SetFocused(true);
  h.editor.FocusIn();
  EXPECT_TRUE(h.host.HasCaret);
  EXPECT_EQ(h.host.CaretSize, (TSize{2, 14}));
  EXPECT_EQ(h.host.CaretPos, (TPoint{32 + 16 - 1, 16}));
  h.editor.RunCommand(ecToggleMode, 0, nullptr);
  EXPECT_EQ(h.host.CaretSize, (TSize{8, 14}));
  EXPECT_EQ(h.host.CaretPos, (TPoint{32 + 16, 16}));
  h.editor.FocusOut();
  EXPECT_FALSE(h.host.HasCaret);
}

TEST(View, InvalidationIsCollectedWhileTheLinesChange) {
  EditorHarness h;
  h.Load(Lines(10));
  h.host.Invalidated.clear();
  h.editor.Lines().BeginUpdate();
  h.editor.Lines().Put(1, "changed");
  h.editor.Lines().Put(3, "changed");
  EXPECT_TRUE(h.host.Invalidated.empty());
  h.editor.Lines().EndUpdate();
  ASSERT_EQ(h.host.Invalidated.size(), 1u);
  EXPECT_EQ(h.host.Invalidated[0], (TRect{30, 16, 648, 64}));
  h.host.Invalidated.clear();
  h.editor.InvalidateLines(40, 3);  // either order, clipped to the window
  ASSERT_EQ(h.host.Invalidated.size(), 1u);
  EXPECT_EQ(h.host.Invalidated[0], (TRect{30, 32, 648, 416}));
}

TEST(View, GutterWidthFollowsTheLineCount) {
  EditorHarness h;
  h.editor.Gutter().SetAutoSize(true);
  h.editor.Gutter().SetDigitCount(3);
  h.editor.Gutter().SetShowLineNumbers(true);
  h.Load(Lines(999));
  EXPECT_EQ(h.editor.GutterWidth(), 16 + 2 + 8 * 3 + 2);
  EXPECT_EQ(h.editor.Gutter().FormatLineNumber(1), "  1");
  h.editor.Lines().Add("one more");
  EXPECT_EQ(h.editor.GutterWidth(), 16 + 2 + 8 * 4 + 2);
  h.editor.Gutter().SetLeadingZeros(true);
  EXPECT_EQ(h.editor.Gutter().FormatLineNumber(7), "0007");
  h.editor.Gutter().SetZeroStart(true);
  EXPECT_EQ(h.editor.Gutter().FormatLineNumber(1), "0000");
}

}  // namespace
}  // namespace tessaly::test
