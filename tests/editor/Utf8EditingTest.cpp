// Moving and editing character by character in a UTF-8 document, written
// as text-with-caret before and after ("|" the caret, "[" and "]" the
// selection); the same bytes in a single-byte document move byte by byte.

#include <gtest/gtest.h>

#include "EditorHarness.h"

namespace tessaly::test {
namespace {

void RunUtf8Scenarios(const std::vector<Scenario>& scenarios) { RunScenarios(scenarios, text::Encoding::Utf8); }

// Where Right stops, walking from column 1 to the line end, and Left back.
struct Stops {
  const char* name;
  std::string line;
  std::vector<int> columns;  // every stop after column 1, in order
};

TEST(Utf8Editing, RightAndLeftStopOnCharacterBoundaries) {
  const std::vector<Stops> table = {
      {"one to four bytes", "\x61\xC3\xA5\xEF\xAC\x82\xF0\x90\x8D\x88\x2D", {2, 4, 7, 11, 12}},
      {"truncated sequence: one stop per byte", "\xE2\x82\x7A", {2, 3, 4}},
      {"surrogate: one stop per byte", "\xED\xA0\x80", {2, 3, 4}},
      {"above U+10FFFF: one stop per byte", "\xF4\x90\x80\x80", {2, 3, 4, 5}},
      {"overlong: one stop per byte", "\xC0\x80", {2, 3}},
      {"a combining mark is a character of its own", "\x65\xCC\x81", {2, 4}},
      {"an emoji is one character", "a\xF0\x9F\x98\x80" "b", {2, 6, 7}},
  };
  for (const Stops& row : table) {
    SCOPED_TRACE(row.name);
    EditorHarness h;
    h.editor.SetEncoding(text::Encoding::Utf8);
    h.Load(row.line);
    TSrcEditorOptions options = h.editor.Options();
    options.Exclude(eoScrollPastEol);
    h.editor.SetOptions(options);
    std::vector<int> right;
    for (size_t i = 0; i < row.columns.size(); ++i) {
      h.Run("ecRight");
      right.push_back(h.editor.CaretX());
    }
    EXPECT_EQ(right, row.columns);
    std::vector<int> left;
    for (size_t i = 0; i < row.columns.size(); ++i) {
      left.insert(left.begin(), h.editor.CaretX());
      h.Run("ecLeft");
    }
    EXPECT_EQ(left, row.columns);
    EXPECT_EQ(h.editor.CaretX(), 1);
  }
}

TEST(Utf8Editing, DeletingWholeCharacters) {
  RunUtf8Scenarios({
      {"backspace after a two-byte character removes both bytes", "x\xD0\x9F|", "ecDeleteLastChar", "x|"},
      {"backspace after a lone lead byte removes one byte", "x\xD0|", "ecDeleteLastChar", "x|"},
      {"backspace after an emoji removes four bytes", "a\xF0\x9F\x98\x80|b", "ecDeleteLastChar", "a|b"},
      {"backspace after a combining mark removes the mark only", "\x65\xCC\x81|", "ecDeleteLastChar", "e|"},
      {"delete removes the character at the caret", "|\xE4\xB8\xAD\xE6\x96\x87", "ecDeleteChar",
       "|\xE6\x96\x87"},
      {"undo of delete restores the bytes", "|\xE4\xB8\xAD" "a", "ecDeleteChar ecUndo", "|\xE4\xB8\xAD" "a"},
      {"shift-right selects one character", "|\xD0\x9F\xD1\x80", "ecSelRight",
       "[\xD0\x9F]|\xD1\x80"},
      {"overwrite replaces the whole character", "|\xD0\x9F\xD1\x80", "ecOverwriteMode type:x",
       "x|\xD1\x80"},
  });
  RunScenarios({{"in windows-1251 the same bytes are two characters", "x\xD0\x9F|", "ecDeleteLastChar", "x\xD0|"}},
               text::Encoding::Windows1251);
}

TEST(Utf8Editing, WordsOfEveryScript) {
  RunUtf8Scenarios({
      {"word right skips a Cyrillic word and the punctuation after it",
       "|\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBC\xD0\xB8\xD1\x80", "ecWordRight",
       "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, |\xD0\xBC\xD0\xB8\xD1\x80"},
      {"word left stops at the start of a Greek word", "ab \xCE\xB1\xCE\xB2\xCE\xB3|", "ecWordLeft",
       "ab |\xCE\xB1\xCE\xB2\xCE\xB3"},
      {"a no-break space separates words", "|\xC3\xA9t\xC3\xA9\xC2\xA0x", "ecWordRight",
       "\xC3\xA9t\xC3\xA9\xC2\xA0|x"},
      {"a combining mark stays in its word", "|e\xCC\x81t\xC3\xA9 x", "ecSelWordRight",
       "[e\xCC\x81t\xC3\xA9 ]|x"},
      {"delete last word removes Chinese characters whole", "ab \xE4\xB8\xAD\xE6\x96\x87|", "ecDeleteLastWord",
       "ab |"},
  });
}

TEST(Utf8Editing, UpAndDownKeepTheVisualColumn) {
  RunUtf8Scenarios({
      {"below two wide characters", "\xE4\xB8\xAD\xE6\x96\x87|ab\nabcdef", "ecDown",
       "\xE4\xB8\xAD\xE6\x96\x87" "ab\nabcd|ef"},
      {"into the second cell of a wide character: its start", "abc|d\n\xE4\xB8\xAD\xE6\x96\x87", "ecDown",
       "abcd\n\xE4\xB8\xAD|\xE6\x96\x87"},
      {"past Cyrillic letters by cells, not bytes", "\xD0\xB0\xD0\xB1|\nxyz", "ecDown", "\xD0\xB0\xD0\xB1\nxy|z"},
  });
}

TEST(Utf8Editing, ColumnSelectionCutsNoCharacter) {
  EditorHarness h;
  h.editor.SetEncoding(text::Encoding::Utf8);
  const std::string text = "abcdef\nab\xE4\xB8\xAD\xE6\x96\x87\n\xD0\xB0\xD0\xB1\xD0\xB2\xD0\xB3\xD0\xB4";
  h.Load(text);
  h.editor.SetSelectionMode(smColumn);
  // Cells 3 and 4 of every line: "cd", the first wide character, "вг".
  h.editor.SetBlockBegin({3, 1});
  h.editor.SetBlockEnd({9, 3});
  EXPECT_EQ(h.editor.SelText(), "cd\r\n\xE4\xB8\xAD\r\n\xD0\xB2\xD0\xB3");
  // A character belongs to the block when its first cell does: a wide one
  // that begins left of the block stays out, one that begins inside is in.
  h.editor.SetBlockBegin({4, 1});
  h.editor.SetBlockEnd({11, 3});
  EXPECT_EQ(h.editor.SelText(), "de\r\n\xE6\x96\x87\r\n\xD0\xB3\xD0\xB4");
  h.Run("ecDeleteChar");
  EXPECT_EQ(h.Text(), "abcf\nab\xE4\xB8\xAD\n\xD0\xB0\xD0\xB1\xD0\xB2");
  h.Run("ecUndo");
  EXPECT_EQ(h.Text(), text);
}

TEST(Utf8Editing, PositionsFromElsewhereLandOnBoundaries) {
  EditorHarness h;
  h.editor.SetEncoding(text::Encoding::Utf8);
  h.Load("a\xE4\xB8\xAD" "b");
  h.editor.SetCaretXY({4, 1});  // the last byte of the wide character
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{2, 1}));
  h.editor.SetSelStart(3);
  h.editor.SetSelEnd(4);
  EXPECT_EQ(h.editor.BlockBegin(), (TBufferCoord{2, 1}));
  EXPECT_EQ(h.editor.BlockEnd(), (TBufferCoord{2, 1}));
  EXPECT_EQ(h.editor.CaretCharColumn(), 2);
  h.editor.SetCaretXY({6, 1});
  EXPECT_EQ(h.editor.CaretCharColumn(), 4);
}

TEST(Utf8Editing, MouseHitsTheNearerSideOfAWideCharacter) {
  EditorHarness h;
  h.editor.SetEncoding(text::Encoding::Utf8);
  h.Load("a\xE4\xB8\xAD" "b\n\xD0\xB4\xD0\xBE\xD0\xBC \xD0\xB8 \xD1\x81\xD0\xB0\xD0\xB4");
  // Cells are 8 pixels from x = 32; the wide character covers 40..56.
  EXPECT_EQ(h.editor.PositionToPixels({5, 1}), (TPoint{56, 0}));
  EXPECT_EQ(h.editor.PixelsToPosition(47, 5), (TBufferCoord{2, 1}));
  EXPECT_EQ(h.editor.PixelsToPosition(48, 5), (TBufferCoord{5, 1}));
  // A double click selects the whole Cyrillic word under the pointer.
  const TPoint p = h.editor.PositionToPixels({3, 2});
  h.editor.MouseDown(TMouseButton::mbLeft, ssLeft, p.X + 1, p.Y + 1);
  h.editor.MouseUp(TMouseButton::mbLeft, 0, p.X + 1, p.Y + 1);
  h.editor.DblClick();
  EXPECT_EQ(h.editor.SelText(), "\xD0\xB4\xD0\xBE\xD0\xBC");
}

TEST(Utf8Editing, ReplaceAllTakesMatchesOfOtherLengths) {
  EditorHarness h;
  h.editor.SetEncoding(text::Encoding::Utf8);
  // The Kelvin sign (three bytes) folds to "k".
  h.Load("\xE2\x84\xAA k K \xD0\x9A");
  EXPECT_EQ(h.editor.SearchReplace("k", "xy", {soReplaceAll, soEntireScope}), 3);
  EXPECT_EQ(h.Text(), "xy xy xy \xD0\x9A");
  h.Run("ecUndo");
  EXPECT_EQ(h.Text(), "\xE2\x84\xAA k K \xD0\x9A");
  // A found match is selected whole.
  EXPECT_EQ(h.editor.SearchReplace("\xD0\xBA", "", {soEntireScope}), 1);
  EXPECT_EQ(h.editor.SelText(), "\xD0\x9A");
}

TEST(Utf8Editing, UndoOfAColumnBlockWhoseEdgeCutsATabPutsItBack) {
  EditorHarness h;
  h.editor.SetEncoding(text::Encoding::Utf8);
  const std::string text = "\ta\n    e\xCC\x81\n    \xF0\x9F\x98\x80 , \xD0\xBF";
  h.Load(text);
  h.editor.SetSelectionMode(smColumn);
  // Cells 4 to 9: the block's left edge lies inside the tab on line 1.
  h.editor.PlaceCaretAndSelection({4, 3}, {3, 1}, {4, 3});
  std::string typed = "\t";
  h.editor.RunCommand(ecImeStr, '\0', &typed);
  const std::string edited = h.Text();
  EXPECT_EQ(edited, "\t\n\n   \t\xD0\xBF");
  h.Run("ecUndo");
  EXPECT_EQ(h.Text(), text);
  h.Run("ecRedo");
  EXPECT_EQ(h.Text(), edited);
}

}  // namespace
}  // namespace tessaly::test
