// The symbol reader: tags, attribute value forms, entities, text runs,
// comments and line ends; and the readings of colour values.

#include <gtest/gtest.h>

#include "preview/document/Attributes.h"
#include "platform/Utf8.h"
#include "preview/parser/HtmlReader.h"

namespace tessaly::preview {
namespace {

// A reader over its own copy of the source, at the first symbol.
class ReadFirst : public THtmlReader {
public:
  explicit ReadFirst(std::string source) : source_(std::move(source)) {
    Start(source_, false);
    Next();
  }

private:
  std::string source_;
};

TEST(HtmlTables, HaveTheirFullVocabulary) {
  EXPECT_EQ(TagCount(), 67);  // with STYLE, whose content is skipped
  EXPECT_EQ(AttributeCount(), 63);
  EXPECT_EQ(FindAttribute("VALUE"), Attr::VALUE);
  EXPECT_EQ(FindAttribute("HTTP-EQUIV"), Attr::HTTP_EQUIV);
}

struct TagCase {
  std::string source;
  Sy sym;
  int headingLevel;
};

TEST(HtmlReader, ReadsTagSymbols) {
  const TagCase cases[] = {
      {"<b>", Sy::B, 0},           {"<STRONG>", Sy::B, 0},       {"</em>", Sy::IEnd, 0},
      {"<H3 align=center>", Sy::Heading, 3}, {"<h7>", Sy::Heading, 0}, {"</h2>", Sy::HeadingEnd, 2},
      {"<h>", Sy::Heading, 0},     {"</br>", Sy::OtherTag, 0},   {"<blink>", Sy::OtherTag, 0},
      {"</>", Sy::OtherTag, 0},    {"<table\nborder>", Sy::Table, 0}, {"<img src=\"a>b\">", Sy::Img, 0},
      {"<1>", Sy::Text, 0},        {"< b>", Sy::Text, 0},        {"<", Sy::Text, 0},
      {"<li>", Sy::LI, 0},         {"</li>", Sy::OtherTag, 0},   {"<option>", Sy::Option, 0},
  };
  for (const auto& c : cases) {
    const ReadFirst reader(c.source);
    EXPECT_EQ(reader.Sym, c.sym) << c.source;
    EXPECT_EQ(reader.HeadingLevel, c.headingLevel) << c.source;
  }
}

TEST(HtmlReader, LiteralLessThanIsItsOwnTextToken) {
  ReadFirst reader("<5");
  EXPECT_EQ(reader.Token.S, U"<");
  reader.Next();
  EXPECT_EQ(reader.Token.S, U"5");
}

struct AttributeCase {
  std::string source;
  Attr which;
  bool present;
  std::string text;
  int value;
};

TEST(HtmlReader, ReadsAttributeValueForms) {
  const AttributeCase cases[] = {
      {"<td WIDTH=50%>", Attr::WIDTH, true, "50%", 50},
      {"<td width=\"50%\">", Attr::WIDTH, true, "50%", 50},
      {"<td width=50 %>", Attr::WIDTH, true, "50%", 50},
      {"<td width=\" 40 \">", Attr::WIDTH, true, " 40 ", 40},
      {"<td width=\"5%0\">", Attr::WIDTH, true, "5%0", 0},
      {"<td width=\"50%%\">", Attr::WIDTH, true, "50%%", 0},
      {"<td width=12px>", Attr::WIDTH, true, "12PX", 0},
      {"<td width=99999999999>", Attr::WIDTH, true, "99999999999", 0},
      {"<font size=-2>", Attr::SIZE, true, "-2", -2},
      {"<font size=+1>", Attr::SIZE, true, "+1", 1},
      {"<table border>", Attr::BORDER, true, "", 1},
      {"<table border=0>", Attr::BORDER, true, "0", 0},
      {"<table width>", Attr::WIDTH, true, "", 0},
      {"<a href='x y'>", Attr::HREF, true, "x y", 0},
      {"<a href=\"a&amp;b&lt;\">", Attr::HREF, true, "a&b<", 0},
      {"<a href=\"multi\r\nline\">", Attr::HREF, true, "multiline", 0},
      {"<a href = \"spaced\" >", Attr::HREF, true, "spaced", 0},
      {"<a href=x.htm?a=1&b=2>", Attr::HREF, true, "x.htm?a=1&b=2", 0},
      {"<a foo=bar href=x>", Attr::HREF, true, "x", 0},
      {"<img SRC=a 12 ALT=b>", Attr::SRC, true, "a", 0},
      {"<img SRC=a 12 ALT=b>", Attr::ALT, false, "", 0},
      {"<input data-x1=5 name=n>", Attr::NAME, false, "", 0},
      {"<img alt=\"unterminated", Attr::ALT, true, "unterminated", 0},
      {"<meta http-equiv=refresh>", Attr::HTTP_EQUIV, true, "refresh", 0},
  };
  for (const auto& c : cases) {
    const ReadFirst reader(c.source);
    const TAttribute* attribute = reader.Attributes.Find(c.which);
    ASSERT_EQ(attribute != nullptr, c.present) << c.source;
    if (!attribute) continue;
    EXPECT_EQ(attribute->Text, c.text) << c.source;
    EXPECT_EQ(attribute->Value, c.value) << c.source;
  }
}

TEST(HtmlReader, UnknownAttributesAreKeptButMatchNothing) {
  const ReadFirst reader("<a foo=bar href=x>");
  ASSERT_EQ(reader.Attributes.Items().size(), 2u);
  EXPECT_EQ(reader.Attributes.Items()[0].Which, Attr::Unknown);
}

TEST(HtmlReader, TagsThatKeepNoAttributesLeaveTheListAlone) {
  ReadFirst reader("<a href=x><b class=y>");
  reader.Next();
  EXPECT_EQ(reader.Sym, Sy::B);
  EXPECT_EQ(reader.Attributes.Text(Attr::HREF), "x");
}

TEST(HtmlReader, CollapsesSpaceRunsIntoOne) {
  THtmlReader reader;
  reader.Start("a \r\n\t b", false);
  reader.Next();
  EXPECT_EQ(reader.Token.S, U"a b");
  EXPECT_EQ(reader.Token.I, (std::vector<int>{0, 1, 6}));
  reader.Start("a  b", false);
  reader.NoBreak = true;
  reader.Next();
  EXPECT_EQ(reader.Token.S, U"a\x05" "b");
}

TEST(HtmlReader, TextTokensHoldAtMostOneHundredCharacters) {
  ReadFirst reader(std::string(250, 'x'));
  EXPECT_EQ(reader.Token.Leng(), 100);
  reader.Next();
  reader.Next();
  EXPECT_EQ(reader.Token.Leng(), 50);
  EXPECT_EQ(reader.Token.I.front(), 200);
}

TEST(HtmlReader, LineEndPairsCountOnce) {
  struct Case {
    std::string source;
    int lineEnds;
  };
  const Case cases[] = {{"a\r\nb", 1}, {"a\n\rb", 1}, {"a\r\rb", 2}, {"a\n\nb", 2}, {"a\r\n\r\nb", 2}, {"a\rb", 1}};
  for (const auto& c : cases) {
    THtmlReader reader;
    reader.Start(c.source, true);
    int count = 0;
    for (; reader.Ch != kEndOfInput; reader.GetCh()) count += reader.Ch == '\r';
    EXPECT_EQ(count, c.lineEnds) << c.source;
  }
}

TEST(HtmlReader, SkipsCommentsAndDeclarations) {
  const std::pair<std::string, std::string> cases[] = {
      {"a<!-- x -->b", "ab"},       {"a<!-- x -- >b", "ab"},     {"a<!-- x --- \r\n>b", "ab"},
      {"a<!-- -- x -->b", "ab"},    {"a<!---->b", "ab"},         {"a<!--x--><!--y-->b", "ab"},
      {"a<!DOCTYPE html>b", "ab"},  {"a<!->b", "ab"},            {"a<!>b", "ab"},
      {"a<!-- <b> -->b", "ab"},
  };
  for (const auto& [source, text] : cases) {
    ReadFirst reader(source);
    std::string all;
    for (; reader.Sym != Sy::Eof; reader.Next()) all += ToUtf8(reader.Token.S);
    EXPECT_EQ(all, text) << source;
  }
}

TEST(HtmlReader, OpenCommentAtEndIsAParseError) {
  THtmlReader reader;
  reader.Start("a<!-- open", false);
  try {
    reader.Next();
    reader.Next();
    FAIL() << "no error";
  } catch (const EParseError& error) {
    EXPECT_STREQ(error.what(), "Open Comment at End of HTML File");
  }
}

struct ColorCase {
  std::string value;
  std::optional<TColor> color;  // without the palette-relative bit
};

TEST(ColorValues, ReadNamesAndHexadecimal) {
  const ColorCase cases[] = {
      {"red", clRed},           {"Navy", clNavy},           {"AQUA", clAqua},          {"white", clWhite},
      {"reddish", std::nullopt}, {"#ff0000", clRed},        {"ff0000", clRed},         {"#ff0", clRed},
      {"#00F", RGB(0, 0xF0, 0)}, {"#123456", RGB(0x12, 0x34, 0x56)}, {"#", clBlack}, {"", clBlack},
      {"#xyz", std::nullopt},   {"12 34 56", std::nullopt}, {"#1234567890", std::nullopt},
      {"gray", clGray},         {"silver", clSilver},       {"fuchsia", clFuchsia},
  };
  for (const auto& c : cases) {
    const std::optional<TColor> color = ColorFromString(c.value);
    ASSERT_EQ(color.has_value(), c.color.has_value()) << c.value;
    if (!color) continue;
    EXPECT_EQ(*color, *c.color | kPaletteRelative) << c.value;
  }
}

}  // namespace
}  // namespace tessaly::preview
