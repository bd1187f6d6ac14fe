// The stored scan states follow edits: re-scanning stops at the first line
// whose stored state already matches, and only changed lines are repainted.

#include <gtest/gtest.h>

#include <set>

#include "EditorHarness.h"
#include "highlight/HtmlHighlighter.h"

namespace tessaly::test {
namespace {

// The states a full scan of the editor's text gives.
std::vector<int32_t> FullScanStates(const TSrcEdit& editor) {
  THtmlHighlighter highlighter;
  std::vector<int32_t> states;
  highlighter.ResetScanState();
  for (int i = 0; i < editor.LineCount(); ++i) {
    states.push_back(highlighter.GetScanState());
    const std::string& line = editor.Lines().Get(i);
    highlighter.StartLine(line, i);
    highlighter.ScanToLineEnd();
  }
  return states;
}

std::vector<int32_t> StoredStates(const TSrcEdit& editor) {
  std::vector<int32_t> states;
  for (int i = 0; i < editor.LineCount(); ++i) states.push_back(editor.Lines().ScanState(i));
  return states;
}

// Text rows (1-based, relative to the top line) covered by the invalidated areas.
std::set<int> InvalidatedRows(const THeadlessControlHost& host, const TSrcEdit& editor) {
  std::set<int> rows;
  for (const TRect& r : host.Invalidated)
    if (r.Right > editor.GutterWidth())
      for (int row = r.Top / 16; row * 16 < r.Bottom; ++row) rows.insert(row + 1);
  return rows;
}

TEST(Rescan, ChangingALineInsideACommentRepaintsOnlyThatLine) {
  EditorHarness h;
  THtmlHighlighter highlighter;
  h.Load("<p>\n<!-- a\nb|b\nc -->\n<p>");
  h.editor.SetHighlighter(&highlighter);
  EXPECT_EQ(StoredStates(h.editor), FullScanStates(h.editor));
  h.host.Invalidated.clear();
  h.editor.RunCommand(ecChar, 'x', nullptr);
  EXPECT_EQ(InvalidatedRows(h.host, h.editor), std::set<int>{3});
  EXPECT_EQ(StoredStates(h.editor), FullScanStates(h.editor));
}

TEST(Rescan, OpeningACommentRescansUntilAStoredStateMatches) {
  EditorHarness h;
  THtmlHighlighter highlighter;
  h.Load("|x\na\nb\n-->\n<p>\n<i>");
  h.editor.SetHighlighter(&highlighter);
  const std::vector<int32_t> before = StoredStates(h.editor);
  h.host.Invalidated.clear();
  h.editor.SetSelText("<!--");
  const std::vector<int32_t> after = StoredStates(h.editor);
  EXPECT_EQ(after, FullScanStates(h.editor));
  EXPECT_NE(after[1], before[1]);
  EXPECT_EQ(after[4], before[4]);  // the comment closes on line 4
  EXPECT_EQ(InvalidatedRows(h.host, h.editor), (std::set<int>{1, 2, 3, 4}));
}

TEST(Rescan, InsertedAndDeletedLinesKeepStatesRight) {
  EditorHarness h;
  THtmlHighlighter highlighter;
  h.Load("<p>\n<!-- a\nb\nc -->\n<p>|");
  h.editor.SetHighlighter(&highlighter);
  for (const char* steps : {"ecEditorTop ecLineBreak", "ecDeleteLine", "ecSelectAll ecCut ecPaste ecPaste",
                            "ecEditorTop ecDeleteLine ecDeleteLine", "ecUndo ecUndo ecRedo"}) {
    h.Run(steps);
    EXPECT_EQ(StoredStates(h.editor), FullScanStates(h.editor)) << steps;
  }
}

TEST(Rescan, EditorWorksWithoutAndAfterLosingItsHighlighter) {
  EditorHarness h;
  h.Load("abc def|");
  {
    THtmlHighlighter highlighter;
    h.editor.SetHighlighter(&highlighter);
    EXPECT_EQ(h.editor.Highlighter(), &highlighter);
  }
  EXPECT_EQ(h.editor.Highlighter(), nullptr);
  h.Run("ecWordLeft type:x ecLineBreak");
  EXPECT_EQ(h.State(), "abc x\n|def");
}

}  // namespace
}  // namespace tessaly::test
