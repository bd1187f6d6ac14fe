// The blocks' readings of their attributes, the text-adding rules of a
// section, and the invariants every parsed page keeps.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>

#include "ParseHelpers.h"
#include "platform/Files.h"
#include "preview/document/Section.h"
#include "preview/document/DocumentDump.h"
#include "preview/document/Spaces.h"
#include "preview/document/Table.h"

namespace tessaly::preview {
// Readable lengths in failure messages.
void PrintTo(const TLength& length, std::ostream* out) { *out << (length.Given() ? length.Text() : "none"); }
}  // namespace tessaly::preview

namespace tessaly::preview::test {
namespace {

// ---- Invariants over every test page ---------------------------------------

void CheckInvariants(const TSection& section, const std::string& page) {
  const int length = static_cast<int>(section.Buff.size());
  ASSERT_FALSE(section.Fonts.empty()) << page;
  EXPECT_EQ(section.Fonts.front()->Pos, 0) << page;
  for (size_t i = 1; i < section.Fonts.size(); ++i) {
    EXPECT_LT(section.Fonts[i - 1]->Pos, section.Fonts[i]->Pos) << page;
    EXPECT_LT(section.Fonts[i]->Pos, length) << page << ": a font run past the text";
  }
  for (int pos = 0; pos < length; ++pos) {
    const char32_t ch = section.Buff[pos];
    const auto images = std::count_if(section.Images.begin(), section.Images.end(),
                                      [pos](const auto& image) { return image->Pos == pos; });
    const auto controls = std::count_if(section.FormControls.begin(), section.FormControls.end(),
                                        [pos](const auto* control) { return control->Pos == pos; });
    EXPECT_NE(ch, kNoBreakSpaceMarker) << page;
    EXPECT_EQ(images, ch == kImageCode || ch == kNoBreakImageCode ? 1 : 0) << page << " at " << pos;
    EXPECT_EQ(controls, ch == kFormControlCode || ch == kNoBreakFormControlCode ? 1 : 0) << page << " at " << pos;
  }
  const std::vector<int> indices = section.SourceIndices();
  for (size_t run = 0; run < section.SIndexList.size(); ++run) {
    const IndexObj& r = section.SIndexList[run];
    if (run > 0) {
      EXPECT_GT(r.Pos, section.SIndexList[run - 1].Pos) << page;
      const IndexObj& before = section.SIndexList[run - 1];
      EXPECT_TRUE(r.Width != before.Width || indices[r.Pos] != indices[r.Pos - 1] + before.Width)
          << page << ": run that follows on";
    }
  }
}

TEST(PageInvariants, HoldOnEveryTestPage) {
  int sections = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TESSALY_TEST_DATA)) {
    if (entry.path().extension() != ".html") continue;
    ParsedPage page;
    page.Html(ReadFileBytes(entry.path().string()));
    for (const TSection* section : page.Sections()) {
      CheckInvariants(*section, entry.path().filename().string());
      ++sections;
    }
    for (const TFontObj* link : page.Document->LinkList) EXPECT_FALSE(link->UrlTarget.Empty());
  }
  EXPECT_GT(sections, 50);
}

// ---- Adding text to a section ----------------------------------------------

struct AddCase {
  std::string before;  // text already in the section
  std::string token;
  bool noBreak;
  std::string after;
};

TEST(SectionText, AddTokenCollapsesAndConvertsAsDescribed) {
  const std::string m(1, static_cast<char>(kNoBreakSpaceMarker)), nb = ToUtf8(std::u32string(1, kNonBreakingSpace));
  const AddCase cases[] = {
      {"", " ", false, ""},
      {"", " a", false, "a"},
      {"a ", " b", false, "a b"},
      {"a", " b", false, "a b"},
      {"a" + nb, " b", false, "a" + nb + " b"},
      {"", m, true, ""},
      {"a ", m + "b", true, "a b"},
      {"a" + nb, m + "b", true, "a" + nb + "b"},
      {"a", m + "b", true, "a" + nb + "b"},
      {"a", "b" + m + m + "c", true, "ab" + nb + "c"},
      {"a", "b " + m + "c", true, "ab c"},
      {"a", "b" + m + " c", true, "ab c"},
      {"a", "", false, "a"},
  };
  for (const auto& c : cases) {
    TSectionList document;
    TMyFont font;
    TSection section(&document, {&font}, 0, THorzAlign::Left);
    TokenObj token;
    const std::u32string before = ToUtf32(c.before), added = ToUtf32(c.token);
    for (size_t i = 0; i < before.size(); ++i) token.AddChar(before[i], static_cast<int>(i));
    section.AddToken(token, false);
    token.Clear();
    for (size_t i = 0; i < added.size(); ++i) token.AddChar(added[i], 100 + static_cast<int>(i));
    section.AddToken(token, c.noBreak);
    EXPECT_EQ(ToUtf8(section.Buff), c.after) << "\"" << c.before << "\" + \"" << c.token << "\"";
    EXPECT_EQ(section.SIndices.size(), section.Buff.size());
  }
}

TEST(SectionText, PreformattedLinesKeepSpaces) {
  ParsedPage page;
  page.Plain("  a  \tb\r\n\r\n" + std::string(25000, 'x'));
  const auto sections = page.Sections();
  ASSERT_EQ(sections.size(), 3u);
  EXPECT_EQ(sections[0]->Buff, U"  a   b");
  EXPECT_EQ(sections[1]->Buff, U"");
  EXPECT_GT(sections[2]->Buff.size(), 20000u);
  EXPECT_LT(sections[2]->Buff.size(), 20000u + 202u);
  EXPECT_TRUE(sections[0]->Fonts[0]->TheFont.FixedPitch);
}

// ---- Blocks reading their attributes ---------------------------------------

TAttributeList AttributesOf(const std::string& tag) {
  THtmlReader reader;
  reader.Start(tag, false);
  reader.Next();
  return reader.Attributes;
}

TEST(TableAttributes, FallWithinTheirRanges) {
  struct Case {
    std::string tag;
    bool inDocument;
    int padding, spacing;
    THorzAlign align;
    int hSpace, vSpace;
    TLength width, height;
    bool border, isFloat;
  };
  constexpr auto L = THorzAlign::Left;
  const TLength none, px300 = TLength::Pixels(300);
  const Case cases[] = {
      {"<table>", true, 1, 2, L, 5, 0, none, none, false, false},
      {"<table border cellpadding=60 cellspacing=45>", true, 50, 42, L, 5, 0, none, none, true, false},
      {"<table border=0 cellspacing=0>", true, 1, 0, L, 5, 0, none, none, false, false},
      {"<table border=3 cellspacing=-5>", true, 1, 2, L, 5, 0, none, none, true, false},
      {"<table border=\"\">", true, 1, 4, L, 5, 0, none, none, true, false},
      {"<table border=' '>", true, 1, 4, L, 5, 0, none, none, true, false},
      {"<table border=>", true, 1, 4, L, 5, 0, none, none, true, false},
      {"<table border=\"0\">", true, 1, 2, L, 5, 0, none, none, false, false},
      {"<table align=Right hspace=-12 vspace=250>", true, 1, 2, THorzAlign::Right, 12, 200, none, none, false, true},
      {"<table align=center width=120% height=105%>", true, 1, 2, THorzAlign::Center, 5, 0, none,
       TLength::Percent(105), false, false},
      {"<table width=75% height=50%>", false, 1, 2, L, 5, 0, TLength::Percent(75), TLength::Pixels(50), false, false},
      {"<table width=300 height=200 align=middle>", true, 1, 2, L, 5, 0, px300, TLength::Pixels(200), false, false},
      {"<table width=-20 height=0>", true, 1, 2, L, 5, 0, TLength::Pixels(0), TLength::Pixels(0), false, false},
  };
  for (const auto& c : cases) {
    TSectionList document;
    const THtmlTable table(&document, AttributesOf(c.tag), THorzAlign::Left, &document, c.inDocument);
    EXPECT_EQ(table.CellPadding, c.padding) << c.tag;
    EXPECT_EQ(table.CellSpacing, c.spacing) << c.tag;
    EXPECT_EQ(table.Align, c.align) << c.tag;
    EXPECT_EQ(table.HSpace, c.hSpace) << c.tag;
    EXPECT_EQ(table.VSpace, c.vSpace) << c.tag;
    EXPECT_EQ(table.SpecWidth, c.width) << c.tag;
    EXPECT_EQ(table.SpecHeight, c.height) << c.tag;
    EXPECT_EQ(table.Border, c.border) << c.tag;
    EXPECT_EQ(table.Float, c.isFloat) << c.tag;
  }
}

TEST(ImageAttributes, FallWithinTheirRanges) {
  struct Case {
    std::string tag;
    TImageAlign align;
    int hSpace, vSpace;
    TLength width;
    std::optional<int> height;
    std::string map;
  };
  using A = TImageAlign;
  const Case cases[] = {
      {"<img src=a>", A::Bottom, 0, 0, {}, {}, ""},
      {"<img align=left>", A::Left, 5, 0, {}, {}, ""},
      {"<img align=RIGHT hspace=0>", A::Right, 0, 0, {}, {}, ""},
      {"<img align=absmiddle hspace=-50 vspace=-3>", A::Middle, 40, 3, {}, {}, ""},
      {"<img align=top width=40% height=-2>", A::Top, 0, 0, TLength::Percent(40), 1, ""},
      {"<img align=baseline width=140%>", A::Bottom, 0, 0, TLength::Pixels(140), {}, ""},
      {"<img width=0 height=0>", A::Bottom, 0, 0, TLength::Pixels(0), 1, ""},
      {"<img width=-7>", A::Bottom, 0, 0, TLength::Pixels(0), {}, ""},
      {"<img usemap=\" #Nav \">", A::Bottom, 0, 0, {}, {}, "NAV"},
      {"<img usemap=#>", A::Bottom, 0, 0, {}, {}, "#"},
  };
  for (const auto& c : cases) {
    TSectionList document;
    const TImageObj image(&document, 0, AttributesOf(c.tag));
    EXPECT_EQ(image.ImageAlign, c.align) << c.tag;
    EXPECT_EQ(image.HSpace, c.hSpace) << c.tag;
    EXPECT_EQ(image.VSpace, c.vSpace) << c.tag;
    EXPECT_EQ(image.SpecWidth, c.width) << c.tag;
    EXPECT_EQ(image.SpecHeight, c.height) << c.tag;
    EXPECT_EQ(image.MapName, c.map) << c.tag;
  }
}

TEST(Length, MeasuresAgainstTheRoomThereIs) {
  const struct {
    TLength length;
    int whole, pixels;
    std::string text;
  } cases[] = {
      {TLength(), 500, 0, ""},
      {TLength::Pixels(0), 500, 0, "0"},
      {TLength::Pixels(120), 500, 120, "120"},
      {TLength::Percent(50), 500, 250, "50%"},
      {TLength::Percent(33), 100, 33, "33%"},
      {TLength::Percent(33), 7, 2, "33%"},     // rounds toward zero as pixels do
      {TLength::Percent(50), -9, -4, "50%"},   // sides that crossed still give a width
      {TLength::Percent(110), 600, 660, "110%"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.length.Of(c.whole), c.pixels) << c.text << " of " << c.whole;
    EXPECT_EQ(c.length.Text(), c.text);
  }
  EXPECT_FALSE(TLength::Pixels(0).Positive());
  EXPECT_TRUE(TLength::Percent(1).Positive());
  EXPECT_EQ(TLength::Percent(25).Tenths(), 250);
  EXPECT_EQ(TLength::Percent(25).PixelCount(), 0);
  EXPECT_NE(TLength::Pixels(25), TLength::Percent(25));
}

TEST(RuleAttributes, FallBackToTheirDefaults) {
  const std::tuple<std::string, int, TLength, THorzAlign> cases[] = {
      {"<hr>", 2, {}, THorzAlign::Center},
      {"<hr size=20 width=100% align=right>", 20, TLength::Percent(100), THorzAlign::Right},
      {"<hr size=21 width=101% align=LEFT>", 2, {}, THorzAlign::Left},
      {"<hr size=0 width=250 align=middle>", 2, TLength::Pixels(250), THorzAlign::Center},
      {"<hr width=0%>", 2, TLength::Percent(0), THorzAlign::Center},
      // A negative width, in pixels or percent, draws the rule full width.
      {"<hr width=-40>", 2, {}, THorzAlign::Center},
      {"<hr width=-40%>", 2, {}, THorzAlign::Center},
      // A later WIDTH replaces an earlier one, percent or not.
      {"<hr width=50% width=30>", 2, TLength::Pixels(30), THorzAlign::Center},
  };
  for (const auto& [tag, size, width, align] : cases) {
    TSectionList document;
    const THorzLine rule(&document, AttributesOf(tag));
    EXPECT_EQ(rule.VSize, size) << tag;
    EXPECT_EQ(rule.Width, width) << tag;
    EXPECT_EQ(rule.Align, align) << tag;
  }
}

// ---- Includes --------------------------------------------------------------

TEST(Includes, AreReadOnlyFromTheMainSourceAndOnlyWithAHandler) {
  ParsedPage page;
  page.IncludeText = "[<!--#include file=inner-->]";
  page.Html("a<!--#include file=outer-->b");
  EXPECT_EQ(page.Texts(), "a[]b");
  EXPECT_EQ(page.Calls.size(), 1u);

  TSectionList document;
  TPreviewParser parser;
  parser.ParseHtmlDocument("a<!--#include file=x-->b", document, nullptr, nullptr, nullptr, nullptr);
  std::string text;
  ForEachSection(document, [&](const TSection& section) { text += ToUtf8(section.Buff); });
  EXPECT_EQ(text, "ab");
}

TEST(Includes, UnquotedLastValueStillEndsTheComment) {
  ParsedPage page;
  page.Html("a<!--#echo var=DATE-->b<!--#echo var=\"X\" -- >c");
  EXPECT_EQ(page.Texts(), "abc");
  EXPECT_EQ(page.Calls, (std::vector<std::string>{"include echo VAR=\"DATE\"", "include echo VAR=\"X\""}));
}

}  // namespace
}  // namespace tessaly::preview::test
