// What the parser builds for the edge cases of the page model, and the
// document's own operations: list markers, spaces, forms, image maps, fonts.

#include <gtest/gtest.h>

#include "ParseHelpers.h"
#include "platform/RecordingCanvas.h"
#include "preview/document/Section.h"
#include "preview/document/Spaces.h"
#include "preview/document/Table.h"

namespace tessaly::preview::test {
namespace {

template <typename Block>
int CountBlocks(const TCell& cell) {
  return static_cast<int>(std::count_if(cell.begin(), cell.end(), [](const auto& block) {
    return dynamic_cast<const Block*>(block.get()) != nullptr;
  }));
}

struct TextCase {
  std::string source;
  std::string texts;  // section texts joined by '|'
};

TEST(ParsedText, FollowsTheSpaceAndBreakRules) {
  const TextCase cases[] = {
      {"a<nobr>b c</nobr>d", "ab\u00A0" "cd"},
      {"<nobr>a  <b> b</b></nobr>", "a\u00A0" "b"},
      {"<nobr>ab<wbr>cd</nobr>", "ab cd"},
      {"ab<wbr>cd", "abcd"},
      {"   \r\n  ", ""},
      {"a<br><br>b", "a| |b"},
      {"<img src=a align=left> text", "\x04text"},
      {"<img src=a align=right>&nbsp;text", "\x04text"},
      {"<img src=a> text", "\x04 text"},
      {"a <b> b </b> c", "a b c"},
      {"before<!-- unterminated <b>x</b>", "before"},
      {"a &amp b", "a & b"},
      {"<title>The  title</title>body", "body"},
      {"<table>before<td>in</table>", "before|in"},
      {"x</p>", "x|"},
      {"x<br>", "x|"},
      {"<select><option>one</select>", "\x02"},
      {"<nobr><input name=a></nobr><input type=hidden name=b>", "\x06"},
  };
  for (const auto& c : cases) {
    ParsedPage page;
    page.Html(c.source);
    EXPECT_EQ(page.Texts(), c.texts) << c.source;
  }
}

TEST(ParsedText, RepeatedParagraphsGiveOneSpace) {
  ParsedPage page;
  page.Html("a<p><p><p>b<p>\r\n</p> <P>c");
  EXPECT_EQ(CountBlocks<TParagraphSpace>(*page.Document), 2);
}

TEST(ParsedText, PlainHeadingIsTwelvePointAndNotBold) {
  ParsedPage page;
  page.Html("<H>plain</H><h1>one</h1>");
  const auto sections = page.Sections();
  ASSERT_GE(sections.size(), 2u);
  EXPECT_EQ(sections[0]->Fonts[0]->TheFont.NominalSize, 12);
  EXPECT_EQ(sections[0]->Fonts[0]->TheFont.Spec.Style & fsBold, 0);
  const THeadingSpace* space = dynamic_cast<const THeadingSpace*>((*page.Document)[0].get());
  ASSERT_NE(space, nullptr);
  EXPECT_EQ(space->HeadingLevel, 0);
  EXPECT_EQ(space->SectionHeight, 8);
}

TEST(ParsedText, FontSizeStepsFollowTheBase) {
  const std::pair<std::string, int> cases[] = {
      {"<font size=+1>x", 14}, {"<font size=9>x", 36},   {"<font size=-5>x", 8},     {"<font size=2>x", 10},
      {"<font size=+0>x", 12}, {"<basefont size=1><font size=+1>x", 10},             {"<big>x", 14},
      {"<big><big><big><big><big>x", 36},              {"<small><small><small>x", 8}, {"<pre><font size=5>x", 15},
  };
  for (const auto& [source, nominal] : cases) {
    ParsedPage page;
    page.Html(source);
    const TSection* last = page.Sections().back();
    EXPECT_EQ(last->Fonts.back()->TheFont.NominalSize, nominal) << source;
  }
}

TEST(ParsedText, FontStackStopsAtTwentyFiveEntries) {
  std::string source;
  for (int i = 0; i < 30; ++i) source += "<font color=red>";
  source += "<h1>not a heading</h1>";
  for (int i = 0; i < 30; ++i) source += "</font>";
  source += "base";
  ParsedPage page;
  page.Html(source);
  const auto sections = page.Sections();
  EXPECT_EQ(sections.front()->Buff, U"not a heading");
  EXPECT_EQ(sections.front()->Fonts.back()->TheFont.NominalSize, 12);
  EXPECT_EQ(sections.back()->Fonts.back()->TheFont.Spec.Color, page.Document->FontColor);
}

TEST(ParsedText, DeepNestingIsReadFlat) {
  std::string source;
  for (int i = 0; i < 5000; ++i) source += "<ul><table><td><center>";
  source += "deep";
  ParsedPage page;
  page.Html(source);
  EXPECT_NE(page.Texts().find("deep"), std::string::npos);
}

TEST(ParsedText, LongPreformattedLineIsCutAfterTheTokenThatPassedTheLimit) {
  ParsedPage page;
  page.Html("<pre>" + std::string(30000, 'x') + "</pre>");
  const TSection* line = page.Sections().at(0);
  EXPECT_GT(line->Buff.size(), 20000u);
  EXPECT_LT(line->Buff.size(), 20000u + 202u);
}

TEST(ParsedLists, RomanNumbersStopAtXX) {
  std::string source = "<ol type=I>";
  for (int i = 0; i < 25; ++i) source += "<li>item";
  ParsedPage page;
  page.Html(source + "</ol>");
  std::vector<std::string> markers;
  for (const TSection* section : page.Sections()) markers.push_back(section->MarkerText());
  ASSERT_EQ(markers.size(), 25u);
  EXPECT_EQ(markers[3], "IV.");
  EXPECT_EQ(markers[18], "XIX.");
  for (int i = 19; i < 25; ++i) EXPECT_EQ(markers[i], "XX.");
}

TEST(ListMarkers, FollowTheNumberingStyle) {
  const std::tuple<int, char, std::string> cases[] = {
      {1, '1', "1."},  {12, '1', "12."}, {1, 'A', "A."},   {26, 'A', "Z."},  {40, 'A', "Z."},
      {3, 'a', "c."},  {9, 'I', "IX."},  {14, 'i', "xiv."}, {0, 'I', "I."},  {0, '1', "0."},
      {5, 'x', "5."},
  };
  for (const auto& [number, style, marker] : cases) EXPECT_EQ(ListMarker(number, style), marker) << number << style;
}

TEST(ParsedTables, SpansBelowTwoAreOne) {
  ParsedPage page;
  page.Html("<table><td colspan=0 rowspan=1>a<td colspan=-3 rowspan=4>b</table>");
  const auto* table = dynamic_cast<const THtmlTable*>((*page.Document)[0].get());
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->Rows.size(), 1u);
  const TCellList& row = *table->Rows[0];
  ASSERT_EQ(row.size(), 2u);
  EXPECT_EQ(row[0]->ColSpan, 1);
  EXPECT_EQ(row[0]->RowSpan, 1);
  EXPECT_EQ(row[1]->ColSpan, 1);
  EXPECT_EQ(row[1]->RowSpan, 4);
}

TEST(ParsedTables, ShortHexColourIsPaddedOnTheRight) {
  ParsedPage page;
  page.Html("<table bgcolor=#ff0><td>x</table>");
  const auto* table = dynamic_cast<const THtmlTable*>((*page.Document)[0].get());
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(ColorToRGB(table->BkColor), clRed);
}

TEST(DocumentSpaces, ScaleWithTheFontSize) {
  TSectionList document;
  document.FontSize = 24;
  EXPECT_EQ(TParagraphSpace(&document).SectionHeight, 28);
  EXPECT_EQ(THeadingSpace(&document, 1).SectionHeight, 32);
  EXPECT_EQ(THeadingSpace(&document, 9).SectionHeight, 16);
  TAttributeList thick;
  thick.Add({Attr::SIZE, 10, "10"});
  EXPECT_EQ(THorzLine(&document, thick).SectionHeight, 48);
}

TEST(DocumentFonts, FollowNewDefaults) {
  ParsedPage page;
  page.Html("text <tt>fixed</tt> <font face=Arial>own</font>");
  page.Document->SetFonts("Georgia", "Mono", 24, clBlack, clBlue, clPurple, clRed, false, clWhite);
  const TSection& section = *page.Sections().at(0);
  EXPECT_EQ(section.Fonts[0]->TheFont.Spec.Name, "Georgia");
  EXPECT_EQ(section.Fonts[0]->TheFont.PointSize(), 24);
  EXPECT_EQ(section.Fonts[1]->TheFont.Spec.Name, "Mono");
  EXPECT_EQ(section.Fonts[1]->TheFont.PointSize(), 20);
  EXPECT_EQ(section.Fonts[3]->TheFont.Spec.Name, "Arial");
}

TEST(DocumentFonts, SubscriptsAreDrawnAtThreeQuarters) {
  ParsedPage page;
  page.Html("<font size=6>a<sub>b</sub><sup>c</sup></font>");
  const auto& fonts = page.Sections().at(0)->Fonts;
  ASSERT_EQ(fonts.size(), 3u);
  EXPECT_EQ(fonts[0]->DrawnSpec().Height, -32);  // 24 points at 96 pixels per inch
  EXPECT_EQ(fonts[1]->DrawnSpec().Height, -24);
  EXPECT_EQ(fonts[2]->DrawnSpec().Height, -24);
  EXPECT_EQ(fonts[1]->TheFont.Spec.Height, -32);
}

TEST(DocumentBlocks, KnowTheirYFromTheHeightsBefore) {
  ParsedPage page;
  page.Html("<h1>a</h1><p>b<hr>");
  TSectionList& document = *page.Document;
  std::vector<int> heights;
  for (const auto& block : document) heights.push_back(block->SectionHeight);
  EXPECT_EQ(heights, (std::vector<int>{16, 0, 16, 14, 0, 20}));
  EXPECT_EQ(document.GetSectionY(0), 0);
  EXPECT_EQ(document.GetSectionY(4), 46);
  EXPECT_EQ(document.GetSectionY(99), 66);
}

TEST(DocumentBackground, IsAskedForOnceOnFirstUse) {
  ParsedPage page;
  page.Html("<body background=\"tile.gif\">x");
  int asked = 0;
  page.Container.Images = [&](const std::string& name) {
    ++asked;
    EXPECT_EQ(name, "tile.gif");
    return std::make_shared<TBitmap>(2, 2);
  };
  EXPECT_NE(page.Document->GetBackgroundBitmap(), nullptr);
  EXPECT_NE(page.Document->GetBackgroundBitmap(), nullptr);
  EXPECT_EQ(asked, 1);
  page.Document->Clear();
  EXPECT_EQ(page.Document->GetBackgroundBitmap(), nullptr);
}

TEST(DocumentLinks, OnlyRunsThatAreLinksAreRegistered) {
  ParsedPage page;
  page.Html("<a href=empty></a>x <a href=one>one <b>bold</b></a> y");
  std::vector<std::string> links;
  for (const TFontObj* run : page.Document->LinkList) links.push_back(run->UrlTarget.Url);
  EXPECT_EQ(links, (std::vector<std::string>{"one", "one"}));
  page.Document->Clear();
  EXPECT_TRUE(page.Document->LinkList.empty());
  EXPECT_TRUE(page.Document->empty());
}

TEST(MetaCharset, SelectsTheBaseFontCharacterSet) {
  const std::pair<std::string, int> cases[] = {
      {"text/html; charset=windows-1251", 204}, {"text/html; charset=KOI8-R", 204},
      {"text/html; charset=iso-8859-7", 161},   {"text/html; charset=iso-8859-1", 0},
      {"text/html; charset=windows-1257", 186}, {"text/html; charset=utf-8", DEFAULT_CHARSET},
  };
  for (const auto& [content, charset] : cases) {
    ParsedPage page;
    page.Html("<meta http-equiv=Content-Type content=\"" + content + "\">x");
    EXPECT_EQ(page.Sections().back()->Fonts.back()->TheFont.Spec.Charset, charset) << content;
    ASSERT_EQ(page.Calls.size(), 1u);
  }
}

// ---- Forms -----------------------------------------------------------------

struct Submitted {
  std::string action, target, encType, method;
  std::vector<std::string> pairs;
};

TEST(Forms, SubmitTheirControlsPairsInOrder) {
  ParsedPage page;
  Submitted sent;
  page.Html(
      "<form action=go method=post><input name=e value=text><input type=checkbox name=c value=v checked>"
      "<input type=checkbox name=off><input type=radio name=r value=1 checked><input type=radio name=R value=2>"
      "<input type=hidden name=h value=hid><select name=s multiple><option selected>A<option value=bv selected>B"
      "<option>C</select><textarea name=t>l1\r\nl2</textarea><input type=submit name=go value=Send>"
      "<input type=reset></form>");
  page.Container.Submitted = [&](const TFormSubmission& form) {
    sent = {form.Action, form.Target, form.EncType, form.Method, form.Results};
  };
  THtmlForm& form = *page.Document->HtmlFormList.at(0);
  EXPECT_EQ(form.Submission(), (std::vector<std::string>{"e=text", "c=v", "r=1", "h=hid", "s=A", "s=bv",
                                                         "t=l1\r\nl2"}));
  EXPECT_EQ(form.NonHiddenCount, 9);

  auto& radio2 = dynamic_cast<TRadioButtonFormControlObj&>(*form.ControlList[4]);
  radio2.SetChecked();
  EXPECT_FALSE(dynamic_cast<TRadioButtonFormControlObj&>(*form.ControlList[3]).Checked);

  auto& submit = dynamic_cast<TButtonFormControlObj&>(*form.ControlList[8]);
  submit.Click();
  EXPECT_EQ(sent.action, "go");
  EXPECT_EQ(sent.method, "post");
  EXPECT_EQ(sent.pairs.back(), "go=Send");
  EXPECT_EQ(sent.pairs[2], "R=2");

  dynamic_cast<TButtonFormControlObj&>(*form.ControlList[9]).Click();
  EXPECT_EQ(form.Submission()[2], "r=1");
}

TEST(Forms, ControlOutsideAFormGetsOneOfItsOwn) {
  ParsedPage page;
  page.Html("<input name=a><input name=b><form><input name=c></form>");
  ASSERT_EQ(page.Document->HtmlFormList.size(), 2u);
  EXPECT_EQ(page.Document->HtmlFormList[0]->ControlList.size(), 2u);
  EXPECT_EQ(page.Document->FormControlList.size(), 3u);
}

TEST(Forms, ImageControlSubmitsTheClickedPoint) {
  ParsedPage page;
  page.Html("<form><input type=image name=pic src=p.gif><input type=image src=q.gif></form>");
  std::vector<std::string> pairs;
  page.Container.Submitted = [&](const TFormSubmission& form) { pairs = form.Results; };
  THtmlForm& form = *page.Document->HtmlFormList.at(0);
  EXPECT_TRUE(form.Submission().empty());
  auto& named = dynamic_cast<TImageFormControlObj&>(*form.ControlList[0]);
  ASSERT_NE(named.MyImage, nullptr);
  EXPECT_EQ(named.MyImage->MyFormControl, &named);
  named.ImageClick({3, 4});
  EXPECT_EQ(pairs, (std::vector<std::string>{"pic.x=3", "pic.y=4"}));
  dynamic_cast<TImageFormControlObj&>(*form.ControlList[1]).ImageClick({5, 6});
  EXPECT_EQ(pairs, (std::vector<std::string>{"x=5", "y=6"}));
}

TEST(Forms, ListsChooseAndMeasureTheirOptions) {
  ParsedPage page;
  page.Html("<select name=c><option>a<option selected>bb<option selected>ccccc<option> </select>"
            "<select name=l size=3><option>x</select><select name=n multiple></select>");
  const auto& controls = page.Document->FormControlList;
  auto& combo = dynamic_cast<TComboFormControlObj&>(*controls[0]);
  EXPECT_EQ(combo.Options.size(), 3u);
  std::string pair;
  ASSERT_TRUE(combo.GetSubmission(0, pair));
  EXPECT_EQ(pair, "c=ccccc");
  EXPECT_FALSE(combo.GetSubmission(1, pair));
  EXPECT_EQ(combo.LongestCaption(), 5);
  auto& list = dynamic_cast<TListBoxFormControlObj&>(*controls[1]);
  EXPECT_EQ(std::string(list.KindName()), "TListBoxFormControlObj");
  EXPECT_EQ(list.Rows(), 3);
  ASSERT_TRUE(list.GetSubmission(0, pair));
  EXPECT_EQ(pair, "l=x");
  auto& empty = dynamic_cast<TListBoxFormControlObj&>(*controls[2]);
  EXPECT_EQ(empty.Rows(), 1);
  EXPECT_EQ(empty.LongestCaption(), 3);
  EXPECT_FALSE(empty.GetSubmission(0, pair));
}

TEST(Forms, TextAreaJoinsLinesUnlessItWraps) {
  ParsedPage page;
  page.Html("<textarea name=a>one\r\n\r\ntwo\r\n</textarea><textarea name=b wrap=hard>one\r\ntwo</textarea>");
  std::string pair;
  auto& plain = dynamic_cast<TTextAreaFormControlObj&>(*page.Document->FormControlList[0]);
  EXPECT_EQ(plain.TheText, (std::vector<std::string>{"one", "", "two"}));
  ASSERT_TRUE(plain.GetSubmission(0, pair));
  EXPECT_EQ(pair, "a=one\r\n\r\ntwo");
  auto& wrapped = dynamic_cast<TTextAreaFormControlObj&>(*page.Document->FormControlList[1]);
  ASSERT_TRUE(wrapped.GetSubmission(0, pair));
  EXPECT_EQ(pair, "b=onetwo");
}

TEST(Forms, ControlsMeasureThemselvesInLettersOfTheFixedFace) {
  ParsedPage page;
  page.Html("<input name=e size=4><input type=submit><input type=checkbox><input type=radio>"
            "<select size=3><option>abcde</select><select><option>ab</select><textarea rows=2 cols=3></textarea>"
            "<input type=hidden>");
  RecordingCanvas canvas(8, 16);
  std::vector<TSize> sizes;
  for (const TFormControlObj* control : page.Document->FormControlList) sizes.push_back(control->ControlSize(canvas));
  const std::vector<TSize> expected = {{37, 20}, {68, 24}, {13, 13}, {13, 14}, {55, 48}, {54, 24}, {29, 37}, {0, 0}};
  EXPECT_EQ(sizes, expected);
}

// ---- Image maps ------------------------------------------------------------

TEST(ImageMaps, AnswerTheFirstAreaHoldingThePoint) {
  ParsedPage page;
  page.Html("<map name=m><area coords=\"0,0,9,9\" href=rect target=t><area shape=circle coords=\"20,20,5\" href=circ>"
            "<area shape=poly coords=\"30,0 40,0 30,10\" href=poly><area shape=rect coords=1,2,3 href=short>"
            "<area coords=\"50,50,60,60\" nohref></map>");
  ASSERT_EQ(page.Document->MapList.size(), 1u);
  const TMapItem& map = *page.Document->MapList[0];
  EXPECT_EQ(map.MapName, "M");
  EXPECT_EQ(map.Areas.size(), 4u);
  const std::tuple<TPoint, bool, std::string> cases[] = {
      {{0, 0}, true, "rect"},  {{9, 9}, true, "rect"},   {{10, 9}, false, ""},   {{20, 20}, true, "circ"},
      {{25, 20}, true, "circ"}, {{24, 24}, false, ""},    {{31, 1}, true, "poly"}, {{39, 8}, false, ""},
      {{55, 55}, true, ""},
  };
  for (const auto& [point, found, url] : cases) {
    std::string address = "unset", target;
    EXPECT_EQ(map.GetURL(point, address, target), found) << point.X << "," << point.Y;
    if (found) {
      EXPECT_EQ(address, url) << point.X << "," << point.Y;
    }
  }
}

TEST(ImageMaps, CoordinatesStopAtTheFirstEmptyPiece) {
  EXPECT_EQ(ParseCoords("1, 2,,3 x 4"), (std::vector<int>{1, 2, 3, 0, 4}));
  EXPECT_EQ(ParseCoords(""), std::vector<int>{});
  EXPECT_EQ(ParseCoords(std::string(400, '7')).size(), 1u);
  std::string many;
  for (int i = 0; i < 400; ++i) many += "1,";
  EXPECT_EQ(ParseCoords(many).size(), 301u);
}

TEST(ImageMaps, MapWithoutEndIsDropped) {
  ParsedPage page;
  page.Html("<map name=a><area coords=0,0,1,1><b>x</b><i>y</i>z");
  EXPECT_TRUE(page.Document->MapList.empty());
  EXPECT_EQ(page.Texts(), "yz");  // text inside the would-be map is skipped
}

// The include is read with the character after the tag before it, so it is
// reported before that tag is acted on.
TEST(Callbacks, ScriptSoundAndIncludeReachTheirHandlers) {
  ParsedPage page;
  page.Html("<script language=vb name=n>a<b\r\nc</scriptx></Script >d</script>after"
            "<bgsound src=s.wav><bgsound src=t.wav loop=-1><!--#echo var=\"X\" -->");
  EXPECT_EQ(page.Calls, (std::vector<std::string>{
                            "script name=n language=vb text=\"a<b\r\nc</scriptx></Script >d\"",
                            "sound s.wav loop=1", "include echo VAR=\"X\"", "sound t.wav loop=-1"}));
  EXPECT_EQ(page.Texts(), "after");
}

}  // namespace
}  // namespace tessaly::preview::test

namespace tessaly::preview::test {
namespace {

// Regression: numbers at the ends of the 32-bit range once overflowed in
// sums and absolute values.
TEST(ExtremeNumbers, StayWithinRange) {
  ParsedPage page;
  page.Html("<ol start=2147483647><li>a<li>b</ol><font size=+2147483647>x</font><basefont size=-2147483648>"
            "<img hspace=-2147483648 vspace=-2147483648><table hspace=-2147483648><td>t</table>"
            "<input size=2147483647><textarea rows=2147483647 cols=2147483647></textarea>");
  const auto sections = page.Sections();
  EXPECT_EQ(sections[1]->MarkerText(), "2147483647.");
  EXPECT_EQ(sections[2]->Fonts.front()->TheFont.NominalSize, 36);
  EXPECT_EQ(sections[2]->Images.at(0)->HSpace, 40);
  RecordingCanvas canvas;
  for (const TFormControlObj* control : page.Document->FormControlList) {
    const TSize size = control->ControlSize(canvas);
    EXPECT_GT(size.cx, 0);
    EXPECT_LE(size.cx, 32767);
    EXPECT_LE(size.cy, 32767);
  }
}

}  // namespace
}  // namespace tessaly::preview::test
