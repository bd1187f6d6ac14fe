// Painting a laid-out page onto the recording canvas.

#include <gtest/gtest.h>

#include <algorithm>

#include "LayoutHelpers.h"
#include "platform/Exception.h"
#include "preview/document/PreviewErrors.h"
#include "preview/document/Table.h"

namespace tessaly::preview::test {
namespace {

// The drawing calls of painting `source` (laid out 400 wide) through `clip`.
std::vector<std::string> Painted(const std::string& source, TRect clip = {0, 0, 400, 300},
                                 void (*prepare)(TSectionList&) = nullptr) {
  LaidOutPage page;
  page.Layout(source, 400);
  if (prepare) prepare(*page.Document);
  RecordingCanvas canvas(8, 16, clip);
  page.Document->Draw(canvas, clip, 0, 0);
  std::vector<std::string> calls;
  for (const std::string& line : canvas.Log)
    if (line.rfind("font", 0) != 0) calls.push_back(line);
  return calls;
}

// A call starting with `start`; a failure lists every call.
::testing::AssertionResult Has(const std::vector<std::string>& calls, const std::string& start) {
  if (std::any_of(calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(start, 0) == 0; }))
    return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << "no call starting with " << start << " among:";
  for (const std::string& call : calls) failure << "\n  " << call;
  return failure;
}

int CountOf(const std::vector<std::string>& calls, const std::string& start) {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(start, 0) == 0; }));
}

TEST(Paint, BackgroundThenTextOnItsBaseline) {
  const auto calls = Painted("<body bgcolor=white text=black>Hello <b>bold</b>");
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front(), "fill (0,0)-(400,300) 255,255,255");
  EXPECT_TRUE(Has(calls, "text (0,0) \"Hello \" 0,0,0"));
  EXPECT_TRUE(Has(calls, "text (48,0) \"bold\""));
}

TEST(Paint, SelectionIsDrawnOpaqueInSwappedColours) {
  const auto calls = Painted("<body bgcolor=white text=black>abc def", {0, 0, 400, 300}, [](TSectionList& doc) {
    doc.SelB = 1;
    doc.SelE = 3;
  });
  EXPECT_TRUE(Has(calls, "text (0,0) \"a\" 0,0,0"));
  EXPECT_TRUE(Has(calls, "text (8,0) \"bc\" 255,255,255 on 0,0,0"));
  EXPECT_TRUE(Has(calls, "text (24,0) \" def\" 0,0,0"));
}

TEST(Paint, UnicodeTextIsDrawnAsUtf8AndSelectedByWholeCharacters) {
  // windows-1251 bytes: the canvas gets the characters, one cell each.
  const auto calls = Painted("<body bgcolor=white text=black>\xCF\xF0\xE8\xE2\xE5\xF2 &mdash;&nbsp;x",
                             {0, 0, 400, 300}, [](TSectionList& doc) {
                               doc.SelB = 1;
                               doc.SelE = 3;
                             });
  EXPECT_TRUE(Has(calls, "text (0,0) \"П\" 0,0,0"));
  EXPECT_TRUE(Has(calls, "text (8,0) \"ри\" 255,255,255 on 0,0,0"));
  EXPECT_TRUE(Has(calls, "text (24,0) \"вет — x\" 0,0,0"));
}

TEST(Paint, BlocksOutsideTheClipAreSkipped) {
  std::string page;
  for (int i = 0; i < 200; ++i) page += "<p>line" + std::to_string(i) + "\n";
  const auto calls = Painted(page, {0, 0, 400, 100});
  EXPECT_TRUE(Has(calls, "text (0,14) \"line0"));
  EXPECT_FALSE(Has(calls, "text (0,30"));
  EXPECT_LT(CountOf(calls, "text"), 5);
}

TEST(Paint, ListMarkers) {
  const auto calls = Painted("<ul><li>a<ul><li>b</ul></ul><ol type=a><li>x<li>y</ol>");
  EXPECT_TRUE(Has(calls, "ellipse (25,6)-(30,11) 255,0,0"));   // outermost: red
  EXPECT_TRUE(Has(calls, "ellipse (60,22)-(65,27) 0,0,128"));  // next: navy
  EXPECT_TRUE(Has(calls, "text (14,32) \"a.\""));
  EXPECT_TRUE(Has(calls, "text (14,48) \"b.\""));
}

TEST(Paint, RulesSolidOrEmbossed) {
  const auto calls = Painted("<hr color=red size=4><hr noshade>");
  EXPECT_TRUE(Has(calls, "fill (10,9)-(390,13) 255,0,0"));
  EXPECT_EQ(CountOf(calls, "line"), 4);
  EXPECT_TRUE(Has(calls, "line (10,"));
}

TEST(Paint, TableFillsAndFrames) {
  const auto calls = Painted("<table border=1 bgcolor=yellow><tr><td>a<td bgcolor=red>b</table>");
  EXPECT_TRUE(Has(calls, "fill (3,3)-(15,23) 255,255,0"));
  EXPECT_TRUE(Has(calls, "fill (17,3)-(29,23) 255,0,0"));
  // Each cell's sunken frame and the table's raised one: four edges each.
  EXPECT_EQ(CountOf(calls, "line"), 12);
  EXPECT_TRUE(Has(calls, "text (5,5) \"a\""));
}

TEST(Paint, BackgroundPictureIsTiledFromTheOrigin) {
  const auto calls = Painted("<body background=\"10x10.gif\">x", {5, 5, 25, 25});
  EXPECT_EQ(CountOf(calls, "bitmap 10x10"), 9);
  EXPECT_TRUE(Has(calls, "bitmap 10x10 (0,0)-(10,10) -> (0,0)-(10,10)"));
}

TEST(Paint, FailedImagesShowTheErrorPicture) {
  const auto calls = Painted("<img src=missing.gif width=16 height=16><img src=\"4x4.gif\">");
  EXPECT_TRUE(Has(calls, "bitmap 16x16 masked"));
  EXPECT_TRUE(Has(calls, "bitmap 4x4 (0,0)-(4,4) -> (16,"));
}

TEST(Paint, TranspMasksTheLowerLeftColour) {
  EXPECT_TRUE(Has(Painted("<img src=\"4x4.gif\" transp>"), "bitmap 4x4 masked"));
  EXPECT_TRUE(Has(Painted("<img src=\"4x4.gif\">"), "bitmap 4x4 (0,0)"));
}

// Each cell is laid out once and moved into its row, so deep nesting stays
// cheap; the innermost text lies inside every table around it.
TEST(Layout, DeeplyNestedTablesNestTheirRectangles) {
  std::string page;
  for (int i = 0; i < 40; ++i) page += "<table><tr><td valign=bottom height=" + std::to_string(100 - i) + ">";
  page += "deep";
  LaidOutPage laid;
  laid.Layout(page, 400);
  TCell* cell = laid.Document.get();
  std::vector<TRect> rects;
  while (auto* table = dynamic_cast<THtmlTable*>(cell->front().get())) {
    rects.push_back(table->TableRect);
    cell = table->Places.front().Cell->Cell.get();
  }
  ASSERT_EQ(rects.size(), 40u);
  const auto& text = static_cast<TSection&>(*cell->front()).Lines.front();
  for (size_t i = 1; i < rects.size(); ++i) {
    EXPECT_GT(rects[i].Top, rects[i - 1].Top) << i;
    EXPECT_LE(rects[i].Bottom, rects[i - 1].Bottom) << i;
  }
  EXPECT_GE(text.Y, rects.back().Top);
  EXPECT_LE(text.Y + text.Height(), rects.back().Bottom);
}

TEST(Paint, TooManyColumnsFailsLayout) {
  std::string row = "<table><tr>";
  for (int i = 0; i < 201; ++i) row += "<td>x";
  LaidOutPage page;
  try {
    page.Layout(row + "</table>", 400);
    FAIL() << "no error";
  } catch (const EProcessError& error) {
    EXPECT_STREQ(error.what(), "Table has too many Columns");
  }
}

}  // namespace
}  // namespace tessaly::preview::test
