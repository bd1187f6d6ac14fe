#include <gtest/gtest.h>

#include "EditorHarness.h"
#include "editor/SrcEditUndo.h"

namespace tessaly::test {
namespace {

// One row per change kind: the operation, the kind it records, and that
// undo restores the text before and redo the text after.
TEST(Undo, EveryKindUndoesAndRedoes) {
  const struct {
    const char* name;
    const char* before;
    std::function<void(TSrcEdit&)> edit;
    TSrcChangeReason kind;
  } rows[] = {
      {"insert", "ab|", [](TSrcEdit& e) { e.RunCommand(ecChar, 'x', nullptr); }, ukInsert},
      {"paste insert", "[ab]|",
       [](TSrcEdit& e) {
         e.CopyToClipboard();
         e.PlaceCaretAndSelection({3, 1}, {3, 1}, {3, 1});
         e.PasteFromClipboard();
       },
       ukPasteInsert},
      {"drop insert", "[ab]|cd", [](TSrcEdit& e) { e.DragDrop(e, 8 * 4 + 32 + 4, 2, 0); }, ukDropInsert},
      {"delete caret at start", "a|[bc]d", [](TSrcEdit& e) { e.RunCommand(ecDeleteChar, 0, nullptr); },
       ukDeleteCaretAtStart},
      {"delete caret at end", "a[bc]|d", [](TSrcEdit& e) { e.RunCommand(ecDeleteChar, 0, nullptr); },
       ukDeleteCaretAtEnd},
      {"line break", "ab|cd", [](TSrcEdit& e) { e.RunCommand(ecLineBreak, 0, nullptr); }, ukLineBreak},
      {"selection mark", "[ab\ncd]|", [](TSrcEdit& e) { e.RunCommand(ecBlockIndent, 0, nullptr); },
       ukSelectionMark},
      {"unindent", "  [ab\n  cd]|", [](TSrcEdit& e) { e.RunCommand(ecBlockUnindent, 0, nullptr); }, ukUnindent},
      {"delete before caret", "abc|", [](TSrcEdit& e) { e.RunCommand(ecDeleteLastChar, 0, nullptr); },
       ukDeleteBeforeCaret},
      {"delete after caret", "|abc", [](TSrcEdit& e) { e.RunCommand(ecDeleteChar, 0, nullptr); },
       ukDeleteAfterCaret},
      {"padding", "ab    |", [](TSrcEdit& e) { e.RunCommand(ecChar, 'x', nullptr); }, ukInsert},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EditorHarness h;
    h.Load(row.before);
    const std::string before = h.Text();
    row.edit(h.editor);
    const std::string after = h.Text();
    EXPECT_NE(before, after);
    EXPECT_EQ(h.editor.UndoList().LastKind(), row.kind);
    h.editor.Undo();
    EXPECT_EQ(h.Text(), before);
    h.editor.Redo();
    EXPECT_EQ(h.Text(), after);
    h.editor.Undo();
    EXPECT_EQ(h.Text(), before);
  }
}

TEST(Undo, PaddingAndInsertFormOneGroup) {
  EditorHarness h;
  h.Load("abc         |");
  h.editor.RunCommand(ecChar, 'x', nullptr);
  EXPECT_EQ(h.editor.LineText(1), "abc         x");
  EXPECT_EQ(h.editor.CaretX(), 14);
  ASSERT_EQ(h.editor.UndoList().ItemCount(), 2);
  h.editor.Undo();
  EXPECT_EQ(h.Text(), "abc");
  EXPECT_EQ(h.editor.UndoList().ItemCount(), 0);
  EXPECT_FALSE(h.editor.Modified());
}

TEST(Undo, GroupUndoTakesTypedRunsWhole) {
  for (const bool group : {true, false}) {
    SCOPED_TRACE(group);
    EditorHarness h;
    TSrcEditorOptions options = h.editor.Options();
    options.Set(eoGroupUndo, group);
    h.editor.SetOptions(options);
    h.Load("|");
    h.Run("type:abc ecUndo");
    EXPECT_EQ(h.Text(), group ? "" : "ab");
    // Items of one group go together either way: typing over a selection.
    h.Load("[xy]|");
    h.Run("type:z ecUndo");
    EXPECT_EQ(h.Text(), "xy");
  }
}

TEST(Undo, MaxUndoDropsOldItemsAndKeepsModified) {
  EditorHarness h;
  h.Load("|");
  h.editor.SetMaxUndo(2);
  h.editor.SetMaxUndo(-5);  // ignored
  EXPECT_EQ(h.editor.MaxUndo(), 2);
  h.Run("type:a ecLineBreak type:b");
  EXPECT_EQ(h.editor.UndoList().ItemCount(), 2);
  EXPECT_TRUE(h.editor.UndoList().ItemsDropped());
  h.Run("ecUndo ecUndo ecUndo");
  EXPECT_EQ(h.Text(), "a");
  EXPECT_TRUE(h.editor.Modified());
}

TEST(Undo, TheMaximumNeverSplitsAnOperation) {
  EditorHarness h;
  h.Load("|a a a a\nb");
  h.editor.SetMaxUndo(5);
  h.Run("type:x ecEditorBottom type:y");
  // Eight items in one group: the older groups go, this one stays whole.
  EXPECT_EQ(h.editor.SearchReplace("a", "bb", {soReplaceAll, soEntireScope}), 4);
  EXPECT_EQ(h.editor.UndoList().ItemCount(), 8);
  h.Run("ecUndo");
  EXPECT_EQ(h.Text(), "xa a a a\nby");
  h.Run("ecUndo");
  EXPECT_EQ(h.Text(), "xa a a a\nby");
  EXPECT_TRUE(h.editor.Modified());
}

TEST(Undo, NewEditClearsRedoButRedoneEditsDoNot) {
  EditorHarness h;
  h.Load("|");
  h.Run("type:a ecLineBreak type:b ecLeft ecUndo");
  EXPECT_EQ(h.editor.RedoList().ItemCount(), 1);
  h.Run("ecUndo");
  EXPECT_EQ(h.editor.RedoList().ItemCount(), 2);
  // Redo of a line break runs the line-break command again, which records.
  h.Run("ecRedo");
  EXPECT_EQ(h.Text(), "a\n");
  EXPECT_EQ(h.editor.RedoList().ItemCount(), 1);
  h.Run("type:z");
  EXPECT_EQ(h.editor.RedoList().ItemCount(), 0);
}

TEST(Undo, EmptyListsChangeNothingAndRaiseNoChange) {
  EditorHarness h;
  h.Load("ab|");
  int changes = 0;
  h.editor.OnChange.Add(&changes, [&](TSrcEdit&) { ++changes; });
  h.Run("ecUndo ecRedo");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(h.State(), "ab|");
  h.Run("type:c");
  EXPECT_EQ(changes, 1);
  h.Run("ecUndo");
  EXPECT_EQ(changes, 2);  // the item that went to the redo list
  EXPECT_FALSE(h.editor.Modified());
}

TEST(Undo, ReadOnlyEditorIgnoresEditsAndUndo) {
  EditorHarness h;
  h.Load("ab|");
  h.Run("type:c");
  h.editor.SetReadOnly(true);
  h.Run("type:d ecDeleteLastChar ecLineBreak ecUndo ecPaste ecCut");
  EXPECT_EQ(h.Text(), "abc");
  EXPECT_FALSE(h.editor.UndoAvailable());
}

TEST(UndoList, GroupNumbersSkipZeroAndGroupsShareOne) {
  TSrcEditUndoList list;
  list.SetNextGroupNumber(-1);
  list.AddItem(ukInsert, {1, 1}, {2, 1}, "", smNormal);
  list.AddItem(ukInsert, {2, 1}, {3, 1}, "", smNormal);
  EXPECT_EQ(list.Peek()->GroupNumber, 1);
  list.BeginGroup();
  list.AddItem(ukDeleteCaretAtEnd, {1, 1}, {2, 1}, "a", smNormal);
  list.AddItem(ukInsert, {1, 1}, {2, 1}, "", smNormal);
  list.EndGroup();
  EXPECT_EQ(list.Pop()->GroupNumber, 2);
  EXPECT_EQ(list.Pop()->GroupNumber, 2);
  list.AddItem(ukInsert, {1, 1}, {2, 1}, "", smNormal);
  EXPECT_EQ(list.Peek()->GroupNumber, 3);
}

TEST(UndoList, BreaksAreNotAddedToEmptyListsOrTwice) {
  TSrcEditUndoList list;
  int added = 0;
  list.OnItemAdded = [&](TSrcEditUndoList&) { ++added; };
  list.InsertBreak();
  EXPECT_EQ(list.ItemCount(), 0);
  list.AddItem(ukInsert, {1, 1}, {2, 1}, "", smNormal);
  list.InsertBreak();
  list.InsertBreak();
  EXPECT_EQ(list.ItemCount(), 2);
  EXPECT_EQ(list.LastKind(), ukGroupBreak);
  EXPECT_EQ(added, 1);
  list.Lock();
  list.AddItem(ukInsert, {1, 1}, {2, 1}, "", smNormal);
  list.Unlock();
  EXPECT_EQ(list.ItemCount(), 2);
  list.SetMaxItems(-3);
  EXPECT_EQ(list.MaxItems(), 0);
  EXPECT_EQ(list.ItemCount(), 0);
  EXPECT_TRUE(list.ItemsDropped());
  list.Clear();
  EXPECT_FALSE(list.ItemsDropped());
}

}  // namespace
}  // namespace tessaly::test
