// Every character that reaches the document carries the source index it came
// from, and the document maps cursor positions to source indices and back.

#include <gtest/gtest.h>

#include "ParseHelpers.h"
#include "preview/document/Section.h"

namespace tessaly::preview::test {
namespace {

bool IsSourceBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

// Whether the source character at `index` may have given the document character.
bool Produces(const std::string& text, int index, char32_t shown) {
  const char source = text[index];
  switch (shown) {
    case ' ': return IsSourceBlank(source) || source == '&' || source == '<';
    case kNonBreakingSpace: return IsSourceBlank(source) || source == '&';
    case kFormControlCode: case kImageCode: case kNoBreakFormControlCode: case kNoBreakImageCode:
      return source == '<';
    default: return static_cast<char32_t>(source) == shown || source == '&';
  }
}

const char* const kPages[] = {
    "a &amp; b &lt;tag&gt; &#8230; &copy;&nbsp;x &hellip; &AMP; &#1234567;",
    "  many    spaces \r\n\r\n and\tlines  ",
    "a<!-- comment -->b <!-- two --><!-- three -->c<!DOCTYPE x>d",
    "x<table border=1>outside<tr><td>A &amp; A</td><td>B</td></tr><caption align=bottom>cap</caption>"
    "</table>y<table><td><table><td>deep</table></table>",
    "<nobr>a b  c</nobr> <img src=x.gif> <input name=n> <br><br>end",
    "<pre>  pre &amp;\r\n  lines</pre><ul><li>one<li>two</ul><h1>head</h1><p>para",
    "<select><option>not in text</select><textarea>nor this</textarea>after",
};

class SourceIndices : public ::testing::TestWithParam<const char*> {};

TEST_P(SourceIndices, PointAtTheCharacterEachCameFrom) {
  const std::string source = GetParam();
  ParsedPage page;
  page.Html(source);
  int characters = 0;
  for (const TSection* section : page.Sections()) {
    const std::vector<int> indices = section->SourceIndices();
    ASSERT_EQ(indices.size(), section->Buff.size());
    for (size_t pos = 0; pos < indices.size(); ++pos, ++characters) {
      ASSERT_GE(indices[pos], 0);
      ASSERT_LT(indices[pos], static_cast<int>(source.size()));
      EXPECT_TRUE(Produces(source, indices[pos], section->Buff[pos]))
          << "character " << pos << " of \"" << ToUtf8(section->Buff) << "\" from source index " << indices[pos];
    }
  }
  EXPECT_GT(characters, 0);
}

TEST_P(SourceIndices, MapCursorPositionsBothWays) {
  ParsedPage page;
  page.Html(GetParam());
  TSectionList& document = *page.Document;
  int curs = 0;
  for (const TSection* section : page.Sections()) {
    const std::vector<int> indices = section->SourceIndices();
    EXPECT_EQ(section->StartCurs, curs);
    for (size_t pos = 0; pos < indices.size(); ++pos, ++curs) {
      ASSERT_EQ(document.SourcePosOf(curs), indices[pos]) << "cursor " << curs;
      // Where a source index reached the document once, it maps back to that character.
      if (std::count(indices.begin(), indices.end(), indices[pos]) == 1) {
        EXPECT_EQ(document.DocPosOf(indices[pos], false), curs);
        EXPECT_EQ(document.DocPosOf(indices[pos], true), curs);
      }
    }
  }
  EXPECT_EQ(document.SourcePosOf(curs), -1);
  EXPECT_EQ(document.SourcePosOf(-1), -1);
}

INSTANTIATE_TEST_SUITE_P(Pages, SourceIndices, ::testing::ValuesIn(kPages));

TEST(SourceMap, IndexRunsStartWhereIndicesStopFollowingOn) {
  ParsedPage page;
  page.Html("ab  cd&amp;ef");
  const TSection& section = *page.Sections().at(0);
  EXPECT_EQ(section.Buff, U"ab cd&ef");
  EXPECT_EQ(section.SIndexList, (std::vector<IndexObj>{{0, 0}, {3, 4}, {5, 6, 5}, {6, 11}}));
  EXPECT_TRUE(section.SIndices.empty());
}

TEST(SourceMap, IndexBetweenCharactersFindsTheNextOrThePrevious) {
  ParsedPage page;
  page.Html("ab<b class=x>cd</b>");
  TSectionList& document = *page.Document;
  const int insideTag = 5;
  EXPECT_EQ(document.DocPosOf(insideTag, false), 2);  // 'c'
  EXPECT_EQ(document.DocPosOf(insideTag, true), 1);   // 'b'
  EXPECT_EQ(document.DocPosOf(100, false), -1);
  EXPECT_EQ(document.DocPosOf(100, true), 3);
  EXPECT_EQ(document.DocPosOf(-5, true), -1);
}

TEST(SourceMap, CollapsedSpacesCarryTheFirstBlankOfTheRun) {
  ParsedPage page;
  page.Html("a \r\n  b");
  const TSection& section = *page.Sections().at(0);
  EXPECT_EQ(section.SourceIndices(), (std::vector<int>{0, 1, 6}));
  // Blanks that were dropped map to the next character, or back to the kept space.
  EXPECT_EQ(page.Document->DocPosOf(3, false), 2);
  EXPECT_EQ(page.Document->DocPosOf(3, true), 1);
}

TEST(SourceMap, IncludedTextCarriesTheIndexOfTheCommentEnd) {
  ParsedPage page;
  page.IncludeText = "XY";
  const std::string source = "a<!--#include file=\"f\"-->b";
  page.Html(source);
  const int commentEnd = static_cast<int>(source.find("-->")) + 2;
  ASSERT_EQ(page.Texts(), "aXYb");
  EXPECT_EQ(page.Sections()[0]->SourceIndices(), (std::vector<int>{0, commentEnd, commentEnd, commentEnd + 1}));
  ASSERT_EQ(page.Calls.size(), 1u);
  EXPECT_EQ(page.Calls[0], "include include FILE=\"f\"");
}

TEST(SourceMap, TextOutsideCellsComesFirstInDocumentOrder) {
  ParsedPage page;
  const std::string source = "<table><tr>out<td>in</td></tr></table>";
  page.Html(source);
  EXPECT_EQ(page.Texts(), "out|in");
  TSectionList& document = *page.Document;
  EXPECT_EQ(document.SourcePosOf(0), static_cast<int>(source.find("out")));
  EXPECT_EQ(document.SourcePosOf(3), static_cast<int>(source.find("in<")));
  EXPECT_EQ(document.DocPosOf(static_cast<int>(source.find("in<")) + 1, false), 4);
}

TEST(SourceMap, PlainTextKeepsEveryCharacterAndItsIndex) {
  ParsedPage page;
  const std::string source = "<b>x</b> &amp;\r\n  second";
  page.Plain(source);
  EXPECT_EQ(page.Texts(), "<b>x</b> &amp;|  second");
  EXPECT_EQ(page.Document->SourcePosOf(14), 16);
  EXPECT_EQ(page.Document->DocPosOf(17, false), 15);
}

}  // namespace
}  // namespace tessaly::preview::test
