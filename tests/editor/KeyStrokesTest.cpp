#include <gtest/gtest.h>

#include "EditorHarness.h"
#include "editor/SrcEditKeyStrokes.h"

namespace tessaly::test {
namespace {

TEST(KeyStrokes, DefaultBindingsInTheirOrder) {
  TSrcEditKeyStrokes keys;
  keys.LoadDefaultBindings();
  ASSERT_EQ(keys.Count(), 82);
  // Shortcut values as the form stores them.
  EXPECT_EQ(keys.Items(0).Command(), ecUp);
  EXPECT_EQ(keys.Items(1).ShortCut(), 8230);   // Shift+Up
  EXPECT_EQ(keys.Items(2).ShortCut(), 16422);  // Ctrl+Up
  EXPECT_EQ(keys.Items(keys.FindShortcutPair(24613, 0)).Command(), ecSelWordLeft);
  EXPECT_EQ(keys.Items(keys.FindShortcutPair(32776, 0)).Command(), ecUndo);
  EXPECT_EQ(keys.Items(keys.FindShortcutPair(40968, 0)).Command(), ecRedo);
  EXPECT_EQ(keys.Items(81).Command(), ecMatchBracket);
  const struct {
    uint16_t key;
    TShiftState shift;
    TSrcEditorCommand command;
  } rows[] = {
      {VK_END, ssCtrl | ssShift, ecSelEditorBottom}, {VK_INSERT, 0, ecToggleMode},  {VK_INSERT, ssCtrl, ecCopy},
      {VK_BACK, ssShift, ecDeleteLastChar},           {VK_RETURN, ssShift, ecLineBreak}, {'M', ssCtrl, ecLineBreak},
      {'3', ssCtrl, ecGotoMarker0 + 3},              {'3', ssCtrl | ssShift, ecSetMarker0 + 3},
      {'Y', ssCtrl | ssShift, ecDeleteEOL},           {'B', ssCtrl | ssShift, ecMatchBracket},
  };
  for (const auto& row : rows) {
    const int index = keys.FindBinding(row.key, row.shift);
    ASSERT_GE(index, 0) << row.key;
    EXPECT_EQ(keys.Items(index).Command(), row.command) << row.key;
  }
  EXPECT_EQ(keys.FindBinding(VK_UP, ssCtrl | ssShift), -1);
  EXPECT_EQ(keys.FindBinding(VK_F1 + 2, 0), -1);
}

TEST(KeyStrokes, DuplicatePairsAreRefused) {
  TSrcEditKeyStrokes keys;
  keys.LoadDefaultBindings();
  TSrcEditKeyStroke& item = keys.Add();
  item.SetCommand(ecDeleteLine);
  try {
    item.SetShortCut(ShortCut('Y', ssCtrl));
    FAIL() << "no error";
  } catch (const ESrcKeyError& error) {
    EXPECT_STREQ(error.what(), "Shortcut already exists");
  }
  EXPECT_EQ(item.ShortCut(), 0);
  // The same first key with a second key is another pair.
  item.SetShortCut2(ShortCut('Q', 0));
  item.SetShortCut(ShortCut('Y', ssCtrl));
  EXPECT_EQ(keys.FindSequenceBinding('Y', ssCtrl, 'Q', 0), keys.Count() - 1);
  TSrcEditKeyStrokes copy;
  copy.Assign(keys);
  EXPECT_EQ(copy.Count(), keys.Count());
  EXPECT_EQ(copy.Items(copy.Count() - 1).ShortCut2(), ShortCut('Q', 0));
}

TEST(KeyHandling, KeysRunCommandsAndSwallowTheirCharacter) {
  EditorHarness h;
  h.Load("ab|c");
  uint16_t key = VK_RETURN;
  h.editor.KeyDown(key, 0);
  EXPECT_EQ(key, 0);
  h.editor.KeyPress('\r');  // the character of a bound key is dropped
  h.editor.KeyPress('x');
  EXPECT_EQ(h.State(), "ab\nx|c");
  key = 'Z';
  h.editor.KeyDown(key, ssCtrl);
  EXPECT_EQ(h.Text(), "ab\nc");
}

TEST(KeyHandling, TwoKeySequences) {
  EditorHarness h;
  h.Load("ab|c");
  TSrcEditKeyStroke& item = h.editor.Keystrokes().Add();
  item.SetCommand(ecLineEnd);
  item.SetShortCut(ShortCut('K', ssCtrl));
  item.SetShortCut2(ShortCut('E', ssCtrl));
  uint16_t key = 'K';
  h.editor.KeyDown(key, ssCtrl);
  EXPECT_EQ(key, 'K');  // no single-key binding: remembered as a first key
  key = 'E';
  h.editor.KeyDown(key, ssCtrl);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(h.State(), "abc|");
}

TEST(KeyHandling, MainWindowSeesKeysFirst) {
  EditorHarness h;
  h.Load("ab|c");
  h.editor.OnKeyDown = [](TSrcEdit&, uint16_t& key, TShiftState) {
    if (key == VK_LEFT) key = 0;
  };
  uint16_t key = VK_LEFT;
  h.editor.KeyDown(key, 0);
  EXPECT_EQ(h.State(), "ab|c");
  EXPECT_FALSE(h.editor.WantsKey(VK_TAB, 0));
  h.editor.SetWantTabs(true);
  EXPECT_TRUE(h.editor.WantsKey(VK_TAB, 0));
  EXPECT_FALSE(h.editor.WantsKey(VK_TAB, ssCtrl));
}

TEST(Commands, HooksAndEventsSeeEveryCommand) {
  EditorHarness h;
  h.Load("ab|");
  std::vector<std::string> seen;
  h.editor.OnProcessCommand = [&](TSrcEdit&, TSrcEditorCommand& command, char& ch, void*) {
    seen.push_back("process " + EditorCommandToName(command));
    if (ch == 'x') ch = 'y';
  };
  h.editor.AddCommandHook(&seen, [&](TSrcEdit&, bool after, bool& handled, TSrcEditorCommand& command, char&, void*) {
    seen.push_back((after ? "after " : "before ") + EditorCommandToName(command));
    if (command == ecDeleteLastChar) handled = true;
  });
  h.editor.OnCommandProcessed = [&](TSrcEdit&, TSrcEditorCommand& command, char&, void*) {
    seen.push_back("processed " + EditorCommandToName(command));
  };
  h.editor.RunCommand(ecChar, 'x', nullptr);
  h.editor.RunCommand(ecDeleteLastChar, 0, nullptr);
  EXPECT_EQ(h.Text(), "aby");
  EXPECT_EQ(seen, (std::vector<std::string>{"process ecChar", "before ecChar", "after ecChar", "processed ecChar",
                                            "process ecDeleteLastChar", "before ecDeleteLastChar", "after ecNone",
                                            "processed ecNone"}));
  h.editor.OnProcessCommand = [](TSrcEdit&, TSrcEditorCommand& command, char&, void*) { command = ecNone; };
  seen.clear();
  h.editor.RemoveCommandHook(&seen);
  h.editor.RunCommand(ecChar, 'q', nullptr);
  EXPECT_EQ(h.Text(), "aby");
  EXPECT_EQ(seen, std::vector<std::string>{"processed ecNone"});
}

TEST(Commands, NameTableHasNinetySixEntries) {
  ASSERT_EQ(SrcEditorCommandNameCount(), 96);
  for (int i = 0; i < SrcEditorCommandNameCount(); ++i) {
    ASSERT_NE(SrcEditorCommandNameAt(i), nullptr) << i;
    EXPECT_EQ(NameToEditorCommand(SrcEditorCommandNameAt(i)), SrcEditorCommandAt(i));
  }
  EXPECT_EQ(NameToEditorCommand("ecCopy"), 201);
  EXPECT_EQ(EditorCommandToName(700), "700");
  EXPECT_EQ(NameToEditorCommand("ecNothing"), -1);
}

TEST(Bookmarks, SetMarkerTogglesOnItsLineAndMovesFromElsewhere) {
  EditorHarness h;
  h.Load("a\nb|\nc");
  const auto press = [&](uint16_t k, TShiftState shift) { h.editor.KeyDown(k, shift); };
  press('3', ssCtrl | ssShift);
  int x = 0, y = 0;
  ASSERT_TRUE(h.editor.GetBookMark(3, x, y));
  EXPECT_EQ(y, 2);
  press('3', ssCtrl | ssShift);
  EXPECT_FALSE(h.editor.IsBookmark(3));
  press('3', ssCtrl | ssShift);
  h.editor.SetCaretXY({1, 3});
  press('3', ssCtrl | ssShift);
  ASSERT_TRUE(h.editor.GetBookMark(3, x, y));
  EXPECT_EQ(y, 3);
  EXPECT_EQ(h.editor.Marks().Count(), 1);
  h.editor.SetCaretXY({1, 1});
  press('3', ssCtrl);
  EXPECT_EQ(h.editor.CaretY(), 3);
}

TEST(Bookmarks, FollowInsertedAndRemovedLines) {
  EditorHarness h;
  h.Load("a\nb\nc\nd");
  h.editor.SetBookMark(1, 1, 2);
  h.editor.SetBookMark(2, 1, 4);
  h.editor.SetCaretXY({1, 1});
  h.editor.SetSelText("x\ny\n");
  int x = 0, y = 0;
  h.editor.GetBookMark(1, x, y);
  EXPECT_EQ(y, 4);
  h.editor.SetCaretXY({1, 4});
  h.editor.RunCommand(ecDeleteLine, 0, nullptr);
  h.editor.GetBookMark(1, x, y);
  EXPECT_EQ(y, 4);
  h.editor.GetBookMark(2, x, y);
  EXPECT_EQ(y, 5);
  bool placed = false;
  h.editor.OnPlaceBookmark = [&](TSrcEdit&, std::unique_ptr<TSrcEditMark>& mark) {
    placed = true;
    mark.reset();
  };
  h.editor.SetBookMark(5, 1, 1);
  EXPECT_TRUE(placed);
  EXPECT_FALSE(h.editor.IsBookmark(5));
}

}  // namespace
}  // namespace tessaly::test
