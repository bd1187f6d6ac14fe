// Painting through the recording canvas: which rows, runs, colours and
// styles are drawn for a clip rectangle, the gutter's numbers and glyphs.

#include <gtest/gtest.h>

#include <algorithm>

#include "EditorHarness.h"
#include "highlight/HtmlHighlighter.h"
#include "platform/Exception.h"
#include "platform/RecordingCanvas.h"

namespace tessaly::test {
namespace {

constexpr int kCell = 8;
constexpr int kRow = 16;

std::vector<std::string> PaintLog(TSrcEdit& editor, TRect clip) {
  RecordingCanvas canvas(kCell, kRow, clip);
  editor.Paint(canvas);
  return canvas.Log;
}

std::vector<std::string> PaintAll(EditorHarness& h) { return PaintLog(h.editor, {0, 0, 648, 400}); }

// The log lines that start with `prefix`.
std::vector<std::string> Select(const std::vector<std::string>& log, const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& line : log)
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  return out;
}

// Text output in the row at pixel `top`, in order.
std::vector<std::string> RowText(const std::vector<std::string>& log, int top) {
  std::vector<std::string> out;
  const std::string at = Format(",%d) \"", top);
  for (const std::string& line : Select(log, "exttext (")) {
    const size_t where = line.find(at);
    if (where != std::string::npos && line.find('(') < where) out.push_back(line);
  }
  return out;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += Format("line %d\n", i);
  return text;
}

struct GutterCase {
  const char* name;
  bool leadingZeros;
  bool zeroStart;
  int line;
  const char* shown;
};

TEST(Paint, GutterShowsLineNumbersInTheirFormat) {
  const GutterCase cases[] = {
      {"plain", false, false, 1, "  1"},
      {"leading zeros", true, false, 7, "007"},
      {"zero start", false, true, 1, "  0"},
      {"zero start with zeros", true, true, 8, "007"},
  };
  for (const GutterCase& c : cases) {
    SCOPED_TRACE(c.name);
    EditorHarness h;
    h.editor.Gutter().SetAutoSize(true);
    h.editor.Gutter().SetDigitCount(3);
    h.editor.Gutter().SetShowLineNumbers(true);
    h.editor.Gutter().SetLeadingZeros(c.leadingZeros);
    h.editor.Gutter().SetZeroStart(c.zeroStart);
    h.Load(Lines(10));
    const int gutter = h.editor.GutterWidth();
    const auto log = PaintLog(h.editor, {0, 0, gutter, 400});
    const int top = (c.line - 1) * kRow;
    // Right-aligned at the gutter width less the right offset and the edge lines.
    const std::string expected = Format("exttext (%d,%d) \"%s\"", gutter - 2 - 2 - 3 * kCell, top, c.shown);
    const auto row = RowText(log, top);
    ASSERT_EQ(row.size(), 1u) << Joined(log);
    EXPECT_EQ(row[0].rfind(expected, 0), 0u) << row[0];
    EXPECT_NE(row[0].find(Format("opaque (0,%d)-(%d,%d) sys:15", top, gutter - 2, top + kRow)), std::string::npos)
        << row[0];
  }
}

TEST(Paint, AThousandLinesWidenTheGutterByOneCell) {
  EditorHarness h;
  h.editor.Gutter().SetAutoSize(true);
  h.editor.Gutter().SetDigitCount(3);
  h.editor.Gutter().SetShowLineNumbers(true);
  h.Load(Lines(998));
  const int narrow = h.editor.GutterWidth();
  h.editor.Lines().Add("the thousandth line");
  EXPECT_EQ(h.editor.GutterWidth(), narrow + kCell);
  const auto log = PaintLog(h.editor, {0, 0, h.editor.GutterWidth(), kRow});
  EXPECT_EQ(RowText(log, 0).at(0).rfind(Format("exttext (%d,0) \"   1\"", narrow + kCell - 4 - 4 * kCell), 0), 0u)
      << Joined(log);
}

TEST(Paint, GutterEdgeLinesAndTheAreaBelowTheLastLine) {
  EditorHarness h;
  h.Load("a\nb");
  h.editor.SetColor(clInfoBk);
  const int gutter = h.editor.GutterWidth();  // no numbers: the plain width
  ASSERT_EQ(gutter, 30);
  const auto log = PaintLog(h.editor, {0, 0, gutter, 100});
  const std::vector<std::string> expected = {
      "fill (0,0)-(28,100) sys:15",
      "line (28,0)-(28,100) sys:24",
      "line (29,0)-(29,100) sys:15",
  };
  EXPECT_EQ(log, expected);
}

TEST(Paint, ClipRectangleChoosesRowsAndTheAreaBelowIsFilled) {
  EditorHarness h;
  h.editor.Gutter().SetVisible(false);
  h.editor.SetRightEdge(0);
  h.Load("one\ntwo\nthree\nfour\nfive");
  const auto log = PaintLog(h.editor, {0, 2 * kRow, 648, 3 * kRow});
  // Row 3 and the one that reaches past the clip's bottom; nothing above.
  EXPECT_TRUE(RowText(log, 0).empty());
  EXPECT_TRUE(RowText(log, kRow).empty());
  ASSERT_FALSE(RowText(log, 2 * kRow).empty()) << Joined(log);
  EXPECT_EQ(RowText(log, 2 * kRow)[0].rfind("exttext (2,32) \"three\"", 0), 0u);

  const auto below = PaintLog(h.editor, {0, 0, 648, 400});
  EXPECT_EQ(Select(below, "fill").back(), "fill (2,80)-(648,400) sys:5");
}

TEST(Paint, ATabAtColumnOneIsEightBlankCells) {
  EditorHarness h;
  h.editor.Gutter().SetVisible(false);
  h.editor.SetRightEdge(0);
  h.Load("\tx");
  const auto row = RowText(PaintAll(h), 0);
  ASSERT_EQ(row.size(), 2u);
  EXPECT_EQ(row[0], "exttext (2,0) \"        x\" sys:8 opaque (2,0)-(74,16) sys:5 clipped (2,0)-(74,16) advance 8");
  EXPECT_EQ(row[1].rfind("exttext (74,0) \"   ", 0), 0u);
}

TEST(Paint, SpecialCharactersMarkBlanksTabsAndTheLineEnd) {
  EditorHarness h;
  h.editor.Gutter().SetVisible(false);
  h.editor.SetRightEdge(0);
  TSrcEditorOptions options = h.editor.Options();
  options.Include(eoShowSpecialChars);
  h.editor.SetOptions(options);
  h.editor.SetTabWidth(4);
  h.Load("a\tb c");
  const auto row = RowText(PaintAll(h), 0);
  ASSERT_GE(row.size(), 2u);
  // The tab's three cells carry the mark in the middle one.
  EXPECT_EQ(row[0].rfind("exttext (2,0) \"a \u00BB b\u00B7" "c\"", 0), 0u) << Joined(row);
  EXPECT_EQ(row[1].rfind("exttext (58,0) \"\u00B6\"", 0), 0u) << row[1];
}

struct SelectionCase {
  const char* name;
  const char* text;
  TSrcSelectionMode mode;
  std::vector<std::string> row;  // text pieces of the first row, in drawing order
};

TEST(Paint, SelectionIsDrawnInPiecesPerMode) {
  const SelectionCase cases[] = {
      {"normal, inside one line", "ab[cd]ef", smNormal, {"\"ab\" sys:8", "\"ef\" sys:8", "\"cd\" sys:14"}},
      // The selection reaches on to the window's right edge.
      {"normal, to the next line", "ab[cd\ne]f", smNormal, {"\"ab\" sys:8", "\"cd\" sys:14", "\"   \" sys:14"}},
      {"line", "ab[cd]ef", smLine, {"\"abcdef\" sys:14"}},
      // Display columns 3 to 4 on every line of the block.
      {"column", "ab[cd\nefg]h", smColumn, {"\"ab\" sys:8", "\"d\" sys:8", "\"c\" sys:14"}},
  };
  for (const SelectionCase& c : cases) {
    SCOPED_TRACE(c.name);
    EditorHarness h;
    h.host.SetFocused(true);
    h.editor.Gutter().SetVisible(false);
    h.editor.SetRightEdge(0);
    h.Load(c.text);
    h.editor.SetSelectionMode(c.mode);
    const auto row = RowText(PaintLog(h.editor, {0, 0, 2 + 6 * kCell, kRow}), 0);
    std::vector<std::string> pieces;
    for (const std::string& line : row) {
      const size_t quote = line.find('"');
      pieces.push_back(line.substr(quote, line.find(" opaque") - quote));
    }
    pieces.resize(std::min(pieces.size(), c.row.size()));
    EXPECT_EQ(pieces, c.row) << Joined(row);
  }
}

TEST(Paint, HiddenSelectionWithoutFocusIsPlain) {
  EditorHarness h;
  h.editor.Gutter().SetVisible(false);
  h.editor.SetHideSelection(true);
  h.Load("ab[cd]ef");
  for (const std::string& line : RowText(PaintAll(h), 0)) EXPECT_EQ(line.find("sys:14"), std::string::npos) << line;
}

TEST(Paint, HighlightedTokensMergeIntoRuns) {
  EditorHarness h;
  THtmlHighlighter highlighter;
  h.editor.Gutter().SetVisible(false);
  h.editor.SetRightEdge(0);
  h.Load("<b>x y</b>");
  h.editor.SetHighlighter(&highlighter);
  const auto log = PaintAll(h);
  std::vector<std::string> runs;
  for (const std::string& line : RowText(log, 0)) runs.push_back(line.substr(0, line.find(" opaque")));
  // Symbols and the known tag word differ in colour; the text "x y" is one
  // run although it is three tokens, and the font style follows each run.
  const std::vector<std::string> expected = {
      "exttext (2,0) \"<\" sys:8",    "exttext (10,0) \"b\" 128,0,255",  "exttext (18,0) \">\" sys:8",
      "exttext (26,0) \"x y\" sys:8", "exttext (50,0) \"<\" sys:8",      "exttext (58,0) \"/b\" 128,0,255",
      "exttext (74,0) \">\" sys:8",
  };
  ASSERT_GE(runs.size(), expected.size()) << Joined(log);
  EXPECT_EQ(std::vector<std::string>(runs.begin(), runs.begin() + static_cast<long>(expected.size())), expected)
      << Joined(log);
  EXPECT_NE(std::find(log.begin(), log.end(), "font Courier New -13 style=1"), log.end());
}

TEST(Paint, SpecialLineColoursOverrideTheTokens) {
  struct Case {
    const char* name;
    bool defaultForeground;  // eoSpecialLineDefaultFg
    std::vector<std::string> runs;
  };
  const Case cases[] = {
      // Every token takes the line's colours; only the style still splits runs.
      {"line colours", false, {"\"<b>\" 255,0,0 on 0,255,255", "\"x\" 255,0,0 on 0,255,255"}},
      // Tokens keep their own foreground (the font's where they have none).
      {"default foreground", true, {"\"<\" sys:8 on 0,255,255", "\"b\" 128,0,255 on 0,255,255"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorHarness h;
    THtmlHighlighter highlighter;
    h.editor.Gutter().SetVisible(false);
    h.editor.SetRightEdge(0);
    if (c.defaultForeground) {
      TSrcEditorOptions options = h.editor.Options();
      options.Include(eoSpecialLineDefaultFg);
      h.editor.SetOptions(options);
    }
    h.Load("<b>x");
    h.editor.SetHighlighter(&highlighter);
    h.editor.OnSpecialLineColors = [](TSrcEdit&, int line, bool& special, TColor& foreground, TColor& background) {
      special = line == 1;
      foreground = clRed;
      background = clAqua;
    };
    std::vector<std::string> runs;
    for (const std::string& line : RowText(PaintLog(h.editor, {0, 0, 2 + 4 * kCell, kRow}), 0)) {
      const size_t quote = line.find('"');
      const size_t opaque = line.find(" opaque ");
      runs.push_back(line.substr(quote, opaque - quote) + " on " +
                     line.substr(line.find(' ', opaque + 8) + 1, line.find(" clipped") - line.find(' ', opaque + 8) - 1));
    }
    runs.resize(std::min(runs.size(), c.runs.size()));
    EXPECT_EQ(runs, c.runs);
  }
}

TEST(Paint, RightEdgeOnEveryRowAndBelow) {
  EditorHarness h;
  h.editor.Gutter().SetVisible(false);
  h.editor.SetRightEdge(10);
  h.Load("a\nb");
  const std::vector<std::string> expected = {
      "line (82,0)-(82,16) 192,192,192",
      "line (82,16)-(82,32) 192,192,192",
      "line (82,32)-(82,400) 192,192,192",
  };
  EXPECT_EQ(Select(PaintAll(h), "line"), expected);
}

TEST(Paint, OneGlyphPerRowBookmarksFirst) {
  EditorHarness h;
  h.Load("a\nb\nc");
  h.editor.SetBookMark(3, 1, 2);
  auto mark = std::make_unique<TSrcEditMark>();
  mark->Line = 2;
  mark->ImageIndex = 7;
  h.editor.Marks().Add(std::move(mark));
  auto glyphs = Select(PaintLog(h.editor, {0, 0, 30, 400}), "bitmap");
  ASSERT_EQ(glyphs.size(), 1u);
  EXPECT_EQ(glyphs[0], "bitmap 110x14 masked (33,0)-(44,14) -> (2,17)-(13,31)");

  h.editor.BookMarkOptions().DrawBookmarksFirst = false;
  glyphs = Select(PaintLog(h.editor, {0, 0, 30, 400}), "bitmap");
  ASSERT_EQ(glyphs.size(), 1u);
  EXPECT_EQ(glyphs[0], "bitmap 110x14 masked (77,0)-(88,14) -> (2,17)-(13,31)");
}

TEST(Paint, ImageListMarksStandSideBySide) {
  EditorHarness h;
  h.Load("a\nb");
  const std::vector<TBitmap> images(3, TBitmap(10, 10));
  h.editor.BookMarkOptions().BookmarkImages = &images;
  h.editor.SetBookMark(1, 1, 1);
  for (const int index : {2, 5}) {  // 5 lies beyond the list and is skipped
    auto mark = std::make_unique<TSrcEditMark>();
    mark->Line = 1;
    mark->ImageIndex = index;
    mark->InternalImage = false;
    h.editor.Marks().Add(std::move(mark));
  }
  const std::vector<std::string> expected = {
      "bitmap 10x10 (0,0)-(10,10) -> (2,3)-(12,13)",   // the bookmark, drawn first at the margin
      "bitmap 10x10 (0,0)-(10,10) -> (14,3)-(24,13)",  // the other one offset to the right
  };
  EXPECT_EQ(Select(PaintLog(h.editor, {0, 0, 30, 400}), "bitmap"), expected);
}

TEST(Paint, CaretIsHiddenWhilePaintingAndPlacedAfter) {
  EditorHarness h;
  h.Load("abc|");
  h.host.SetFocused(true);
  h.editor.FocusIn();
  h.host.CaretVisible = false;
  RecordingCanvas canvas(kCell, kRow, {0, 0, 648, 400});
  bool caretHiddenDuringPaint = false;
  h.editor.OnPaint = [&](TSrcEdit&, TCanvas&) { caretHiddenDuringPaint = !h.host.CaretVisible; };
  h.editor.Paint(canvas);
  EXPECT_TRUE(caretHiddenDuringPaint);
  EXPECT_TRUE(h.host.CaretVisible);
  EXPECT_EQ(h.host.CaretPos.X, h.editor.GutterWidth() + 2 + 3 * kCell - 1);
}

}  // namespace
}  // namespace tessaly::test
