#include <gtest/gtest.h>

#include "EditorHarness.h"

namespace tessaly::test {
namespace {

TEST(Clipboard, CopyWritesPlainTextAndTheBlockFormat) {
  EditorHarness h;
  h.Load("a[bc\nd]|e");
  h.editor.SetSelectionMode(smLine);
  h.editor.CopyToClipboard();
  EXPECT_EQ(h.clipboard.Text(), "abc\r\nde");
  EXPECT_EQ(h.clipboard.FormatData(kSrcEditBlockFormat), std::string("\x01" "abc\r\nde", 8) + '\0');
  h.clipboard.SetPlainText("old");
  h.Load("ab|c");
  h.editor.CopyToClipboard();  // nothing selected: the clipboard stays
  EXPECT_EQ(h.clipboard.Text(), "old");
  EXPECT_FALSE(h.clipboard.HasFormat(kSrcEditBlockFormat));
}

TEST(Clipboard, ColumnBlocksPasteAsColumnsPlainTextAsText) {
  EditorHarness h;
  h.Load("abcd\nefgh\nijkl");
  h.editor.SetSelectionMode(smColumn);
  h.editor.SetBlockBegin({2, 1});
  h.editor.SetBlockEnd({4, 2});
  h.editor.CopyToClipboard();
  h.editor.SetSelectionMode(smNormal);
  h.editor.PlaceCaretAndSelection({1, 2}, {1, 2}, {1, 2});
  h.editor.PasteFromClipboard();
  EXPECT_EQ(h.Text(), "abcd\nbcefgh\nfgijkl");
  EXPECT_EQ(h.editor.CaretXY(), (TBufferCoord{1, 3}));  // below the block, kept inside the text
  h.editor.Undo();
  EXPECT_EQ(h.Text(), "abcd\nefgh\nijkl");
  h.clipboard.SetPlainText("bc\r\nfg");
  h.editor.PlaceCaretAndSelection({1, 2}, {1, 2}, {1, 2});
  h.editor.PasteFromClipboard();
  EXPECT_EQ(h.Text(), "abcd\nbc\nfgefgh\nijkl");
  h.editor.Undo();
  EXPECT_EQ(h.Text(), "abcd\nefgh\nijkl");
}

TEST(Clipboard, CutRecordsTheDeletionAndPasteReplacesTheSelection) {
  EditorHarness h;
  h.Load("one [two]| three");
  h.editor.CutToClipboard();
  EXPECT_EQ(h.State(), "one | three");
  EXPECT_EQ(h.clipboard.Text(), "two");
  h.editor.PlaceCaretAndSelection({8, 1}, {1, 1}, {4, 1});
  h.editor.PasteFromClipboard();
  EXPECT_EQ(h.Text(), "two  three");
  h.editor.Undo();
  EXPECT_EQ(h.Text(), "one  three");
  h.editor.Undo();
  EXPECT_EQ(h.Text(), "one two three");
  EXPECT_FALSE(h.editor.Modified());
}

TEST(Clipboard, PasteAvailabilityAndBrokenData) {
  EditorHarness h;
  h.Load("x|");
  EXPECT_FALSE(h.editor.PasteAvailable());
  h.clipboard.SetPlainText("y");
  EXPECT_TRUE(h.editor.PasteAvailable());
  h.editor.SetReadOnly(true);
  EXPECT_FALSE(h.editor.PasteAvailable());
  h.editor.SetReadOnly(false);
  // A block with an unknown mode byte pastes as normal text.
  h.clipboard.SetContent("z", {{kSrcEditBlockFormat, std::string("\x07z\0", 3)}});
  h.editor.PasteFromClipboard();
  EXPECT_EQ(h.Text(), "xz");
}

TEST(SearchReplace, FindsForwardsAndBackwardsFromTheCaret) {
  EditorHarness h;
  h.Load("cat dog\ndog c|at cat\ncat");
  EXPECT_EQ(h.editor.SearchReplace("cat", "", {}), 1);
  EXPECT_EQ(h.State(), "cat dog\ndog cat [cat]|\ncat");
  h.editor.SetCaretXY({6, 2});
  EXPECT_EQ(h.editor.SearchReplace("cat", "", {soBackwards}), 1);
  EXPECT_EQ(h.State(), "|[cat] dog\ndog cat cat\ncat");
  EXPECT_EQ(h.editor.SearchReplace("CAT", "", {soMatchCase}), 0);
  EXPECT_EQ(h.editor.SearchReplace("", "", {soEntireScope}), 0);
}

TEST(SearchReplace, ReplaceAllIsOneUndoStep) {
  EditorHarness h;
  h.Load("|a a a");
  EXPECT_EQ(h.editor.SearchReplace("a", "bb", {soReplaceAll, soEntireScope}), 3);
  EXPECT_EQ(h.Text(), "bb bb bb");
  h.editor.Undo();
  EXPECT_EQ(h.Text(), "a a a");
  h.Load("x|");
  EXPECT_EQ(h.editor.SearchReplace("x", "line\r\nx", {soReplaceAll, soEntireScope}), 1);
  EXPECT_EQ(h.Text(), "line\nx");
}

TEST(SearchReplace, PromptAnswersDecideEachMatch) {
  EditorHarness h;
  h.Load("|ab ab ab ab");
  int asked = 0;
  h.editor.OnReplaceText = [&](TSrcEdit&, const std::string&, const std::string&, int line, int column,
                               TSrcReplaceAction& action) {
    EXPECT_EQ(line, 1);
    action = ++asked == 1 ? rpSkip : asked == 2 ? rpReplace : rpReplaceAll;
    (void)column;
  };
  EXPECT_EQ(h.editor.SearchReplace("ab", "X", {soReplaceAll, soPrompt}), 4);
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(h.Text(), "ab X X X");
  h.editor.OnReplaceText = [](TSrcEdit&, const std::string&, const std::string&, int, int, TSrcReplaceAction& action) {
    action = rpCancel;
  };
  h.Load("|ab ab");
  EXPECT_EQ(h.editor.SearchReplace("ab", "X", {soReplaceAll, soPrompt}), 1);
  EXPECT_EQ(h.Text(), "ab ab");
}

TEST(SearchReplace, ScopeRules) {
  EditorHarness h;
  h.Load("aa [aa\naa a]|a aa");
  EXPECT_EQ(h.editor.SearchReplace("aa", "b", {soReplaceAll, soSelectedOnly}), 2);
  EXPECT_EQ(h.Text(), "aa b\nb aa aa");
  h.Load("xx |[xx]\nxx");
  h.editor.SetSelectionMode(smColumn);
  h.editor.SetBlockBegin({4, 1});
  h.editor.SetBlockEnd({6, 2});
  EXPECT_EQ(h.editor.SearchReplace("x", "y", {soReplaceAll, soSelectedOnly}), 2);
  EXPECT_EQ(h.Text(), "xx yy\nxx");
  h.Load("ab| ab ab");
  EXPECT_EQ(h.editor.SearchReplace("ab", "c", {soReplaceAll}), 2);
  EXPECT_EQ(h.Text(), "ab c c");
  h.Load("word sword word_ word");
  EXPECT_EQ(h.editor.SearchReplace("word", "W", {soReplaceAll, soEntireScope, soWholeWord}), 2);
  EXPECT_EQ(h.Text(), "W sword word_ W");
}

}  // namespace
}  // namespace tessaly::test
