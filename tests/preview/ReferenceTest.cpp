// Character references as browsers decode them: every named reference of the
// standard (with and without the semicolon where the standard allows it),
// decimal and hexadecimal numbers, in text and in attribute values.

#include <gtest/gtest.h>

#include <algorithm>

#include "ParseHelpers.h"
#include "preview/parser/HtmlReader.h"
#include "preview/parser/NamedReferences.h"

namespace tessaly::preview::test {
namespace {

struct ReferenceCase {
  const char* source;
  const char* text;
};

TEST(References, InTextDecodeAsBrowsersDo) {
  const ReferenceCase cases[] = {
      // Named, with the semicolon and, where allowed, without.
      {"a&amp;b", "a&b"},          {"a&amp b", "a& b"},         {"&AMP;", "&"},
      {"&Amp;", "&Amp;"},          {"&eacute;", "é"},           {"&eacute", "é"},
      {"&Eacute;", "É"},           {"&cent;", "¢"},             {"&mdash;", "—"},
      {"&mdash", "&mdash"},        {"&rarr;", "→"},             {"&euro;", "€"},
      {"&hellip;", "…"},           {"&trade;", "™"},            {"&rsquo;", "’"},
      {"&ndash;", "–"},            {"&nbsp;x", "\u00A0x"},      {"&alpha;&Omega;", "αΩ"},
      {"&notin;", "∉"},            {"&notit;", "¬it;"},         {"&ampx;", "&x;"},
      {"&NotEqualTilde;", "≂̸"},    {"&fjlig;", "fj"},           {"&unknown;", "&unknown;"},
      {"&;", "&;"},                {"a & b", "a & b"},          {"&amp;amp;", "&amp;"},
      // Decimal and hexadecimal.
      {"&#65;", "A"},              {"&#65", "A"},               {"&#0065;", "A"},
      {"&#x41;", "A"},             {"&#X6a;", "j"},             {"&#x3C;", "<"},
      {"&#8594;", "→"},            {"&#20013;", "中"},          {"&#x1F600;", "😀"},
      {"&#1025;", "Ё"},            {"&#255;", "ÿ"},
      // 0x80-0x9F through windows-1252, holes kept as they are.
      {"&#150;", "–"},             {"&#x80;", "€"},             {"&#x9F;", "Ÿ"},
      {"&#x81;", "\u0081"},
      // What no character can be.
      {"&#0;", "\uFFFD"},          {"&#xD800;", "\uFFFD"},      {"&#x110000;", "\uFFFD"},
      {"&#99999999999999999999;", "\uFFFD"},
      // White space and other control characters.
      {"a&#9;b", "a b"},           {"a&#10;b", "a b"},          {"a&#7;b", "ab"},
      // Not references at all.
      {"&#;", "&#;"},              {"&#x;", "&#x;"},            {"&#xG;", "&#xG;"},
  };
  for (const auto& c : cases) {
    ParsedPage page;
    page.Html(c.source);
    EXPECT_EQ(page.Texts(), c.text) << c.source;
  }
}

TEST(References, InAttributeValuesKeepLegacyNamesBeforeEqualsOrLetters) {
  const ReferenceCase cases[] = {
      {"<a href=\"?a=1&copy=2\">", "?a=1&copy=2"},  {"<a href=\"&copy;=2\">", "©=2"},
      {"<a href=\"&copyx\">", "&copyx"},            {"<a href=\"&copy.\">", "©."},
      {"<a href=\"x&amp;y\">", "x&y"},              {"<a href=\"&notit;\">", "&notit;"},
      {"<a href=\"&#x41;&#66\">", "AB"},            {"<a href='&mdash;'>", "—"},
      {"<a href=p&eacute;.htm>", "pé.htm"},         {"<a href=&lt;b&gt;>", "<b>"},
  };
  for (const auto& c : cases) {
    THtmlReader reader;
    reader.Start(c.source, false, text::Encoding::Utf8);
    reader.Next();
    EXPECT_EQ(reader.Attributes.Text(Attr::HREF), c.text) << c.source;
  }
}

TEST(References, TheTableIsTheStandardsWhole) {
  EXPECT_EQ(kNamedReferenceCount, 2231u);
  std::size_t longest = kNamedReferences[0].Name.size();
  for (std::size_t i = 1; i < kNamedReferenceCount; ++i) {
    ASSERT_LT(kNamedReferences[i - 1].Name, kNamedReferences[i].Name) << "sorted, for the search";
    longest = std::max(longest, kNamedReferences[i].Name.size());
  }
  EXPECT_EQ(longest, kLongestReferenceName);
  EXPECT_TRUE(MatchNamedReference("amp"));
  EXPECT_FALSE(MatchNamedReference("mdash"));  // no legacy form
  EXPECT_EQ(MatchNamedReference("mdash;")->Length, 6u);
}

TEST(References, StandForTheWholeReferenceInTheSource) {
  ParsedPage page;
  page.Html("x&eacute;y&#x41;z");
  const TSection& section = *page.Sections().at(0);
  EXPECT_EQ(section.SourceIndices(), (std::vector<int>{0, 1, 9, 10, 16}));
  EXPECT_EQ(section.SourceLengthOf(section.StartCurs + 1), 8);
  EXPECT_EQ(section.SourceLengthOf(section.StartCurs + 3), 6);
}

}  // namespace
}  // namespace tessaly::preview::test
