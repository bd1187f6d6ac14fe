// The blocks' readings of their attributes, the text-adding rules of a
// section, and the invariants every parsed page keeps.

#include <gtest/gtest.h>

#include <filesystem>

#include "ParseHelpers.h"
#include "platform/Files.h"
#include "preview/document/Section.h"
#include "preview/document/DocumentDump.h"
#include "preview/document/Spaces.h"
#include "preview/document/Table.h"

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
    const char ch = section.Buff[pos];
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
      EXPECT_NE(indices[r.Pos], indices[r.Pos - 1] + 1) << page << ": run that follows on";
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
  const std::string m(1, kNoBreakSpaceMarker), nb(1, kNonBreakingSpace);
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
    TSection section(&document, {&font}, 0, 1);
    TokenObj token;
    for (size_t i = 0; i < c.before.size(); ++i) token.AddChar(c.before[i], static_cast<int>(i));
    section.AddToken(token, false);
    token.Clear();
    for (size_t i = 0; i < c.token.size(); ++i) token.AddChar(c.token[i], 100 + static_cast<int>(i));
    section.AddToken(token, c.noBreak);
    EXPECT_EQ(section.Buff, c.after) << "\"" << c.before << "\" + \"" << c.token << "\"";
    EXPECT_EQ(section.SIndices.size(), section.Buff.size());
  }
}

TEST(SectionText, PreformattedLinesKeepSpaces) {
  ParsedPage page;
  page.Plain("  a  \tb\r\n\r\n" + std::string(25000, 'x'));
  const auto sections = page.Sections();
  ASSERT_EQ(sections.size(), 3u);
  EXPECT_EQ(sections[0]->Buff, "  a   b");
  EXPECT_EQ(sections[1]->Buff, "");
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
    int padding, spacing, align, hSpace, vSpace, width, height;
    bool border, isFloat, widthPercent, heightPercent;
  };
  const Case cases[] = {
      {"<table>", true, 1, 2, 1, 5, 0, 0, 0, false, false, false, false},
      {"<table border cellpadding=60 cellspacing=45>", true, 50, 42, 1, 5, 0, 0, 0, true, false, false, false},
      {"<table border=0 cellspacing=0>", true, 1, 0, 1, 5, 0, 0, 0, false, false, false, false},
      {"<table border=3 cellspacing=-5>", true, 1, 2, 1, 5, 0, 0, 0, true, false, false, false},
      {"<table border=\"\">", true, 1, 4, 1, 5, 0, 0, 0, true, false, false, false},
      {"<table border=' '>", true, 1, 4, 1, 5, 0, 0, 0, true, false, false, false},
      {"<table border=>", true, 1, 4, 1, 5, 0, 0, 0, true, false, false, false},
      {"<table border=\"0\">", true, 1, 2, 1, 5, 0, 0, 0, false, false, false, false},
      {"<table align=Right hspace=-12 vspace=250>", true, 1, 2, 3, 12, 200, 0, 0, false, true, false, false},
      {"<table align=center width=120% height=105%>", true, 1, 2, 2, 5, 0, 0, 1050, false, false, false, true},
      {"<table width=75% height=50%>", false, 1, 2, 1, 5, 0, 750, 50, false, false, true, false},
      {"<table width=300 height=200 align=middle>", true, 1, 2, 1, 5, 0, 300, 200, false, false, false, false},
  };
  for (const auto& c : cases) {
    TSectionList document;
    const THtmlTable table(&document, AttributesOf(c.tag), 1, &document, c.inDocument);
    EXPECT_EQ(table.CellPadding, c.padding) << c.tag;
    EXPECT_EQ(table.CellSpacing, c.spacing) << c.tag;
    EXPECT_EQ(table.Align, c.align) << c.tag;
    EXPECT_EQ(table.HSpace, c.hSpace) << c.tag;
    EXPECT_EQ(table.VSpace, c.vSpace) << c.tag;
    EXPECT_EQ(table.SpecWidth, c.width) << c.tag;
    EXPECT_EQ(table.SpecHeight, c.height) << c.tag;
    EXPECT_EQ(table.Border, c.border) << c.tag;
    EXPECT_EQ(table.Float, c.isFloat) << c.tag;
    EXPECT_EQ(table.WidthPercent, c.widthPercent) << c.tag;
    EXPECT_EQ(table.HeightPercent, c.heightPercent) << c.tag;
  }
}

TEST(ImageAttributes, FallWithinTheirRanges) {
  struct Case {
    std::string tag;
    int align, hSpace, vSpace, width, height;
    bool percent;
    std::string map;
  };
  const Case cases[] = {
      {"<img src=a>", 2, 0, 0, -1, -1, false, ""},
      {"<img align=left>", 3, 5, 0, -1, -1, false, ""},
      {"<img align=RIGHT hspace=0>", 4, 0, 0, -1, -1, false, ""},
      {"<img align=absmiddle hspace=-50 vspace=-3>", 1, 40, 3, -1, -1, false, ""},
      {"<img align=top width=40% height=-2>", 0, 0, 0, 40, 1, true, ""},
      {"<img align=baseline width=140%>", 2, 0, 0, 140, -1, false, ""},
      {"<img usemap=\" #Nav \">", 2, 0, 0, -1, -1, false, "NAV"},
      {"<img usemap=#>", 2, 0, 0, -1, -1, false, "#"},
  };
  for (const auto& c : cases) {
    TSectionList document;
    const TImageObj image(&document, 0, AttributesOf(c.tag));
    EXPECT_EQ(image.ImageAlign, c.align) << c.tag;
    EXPECT_EQ(image.HSpace, c.hSpace) << c.tag;
    EXPECT_EQ(image.VSpace, c.vSpace) << c.tag;
    EXPECT_EQ(image.SpecWidth, c.width) << c.tag;
    EXPECT_EQ(image.SpecHeight, c.height) << c.tag;
    EXPECT_EQ(image.PercentWidth, c.percent) << c.tag;
    EXPECT_EQ(image.MapName, c.map) << c.tag;
  }
}

TEST(RuleAttributes, FallBackToTheirDefaults) {
  const std::tuple<std::string, int, int, bool, int> cases[] = {
      {"<hr>", 2, -1, false, 2},
      {"<hr size=20 width=100% align=right>", 20, 100, true, 3},
      {"<hr size=21 width=101% align=LEFT>", 2, -1, false, 1},
      {"<hr size=0 width=250 align=middle>", 2, 250, false, 2},
  };
  for (const auto& [tag, size, width, percent, align] : cases) {
    TSectionList document;
    const THorzLine rule(&document, AttributesOf(tag));
    EXPECT_EQ(rule.VSize, size) << tag;
    EXPECT_EQ(rule.Width, width) << tag;
    EXPECT_EQ(rule.Percent, percent) << tag;
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
  ForEachSection(document, [&](const TSection& section) { text += section.Buff; });
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
