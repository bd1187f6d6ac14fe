#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "highlight/HtmlEntityTable.h"
#include "highlight/HtmlTagTable.h"

namespace tessaly::html {
namespace {

const unsigned char* Bytes(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.c_str()); }

TEST(HtmlTagTable, Weights) {
  const std::array<int, 256>& weights = CharWeightTable();
  EXPECT_EQ(weights['!'], 123);
  EXPECT_EQ(weights['/'], 122);
  EXPECT_EQ(weights['A'], 1);
  EXPECT_EQ(weights['z'], 26);
  EXPECT_EQ(weights['Q'], weights['q']);
  int nonZero = 0;
  for (int weight : weights) nonZero += weight != 0;
  EXPECT_EQ(nonZero, 54);
}

TEST(HtmlTagTable, HashAndLength) {
  struct Case {
    std::string name;
    int64_t hash;
    int length;
  };
  const Case cases[] = {
      {"h1class", 9, 2},       {"H7", 15, 2},         {"!doctype", 211, 8}, {"!DOC", 145, 4},
      {"br/", 142, 3},         {"BLOCKQUOTES", 140, 11}, {"/BLOCKQUOTEX", 267, 12},
      {"MYVERYLONGTAG", 184, 13}, {"?xml", 0, 0},       {"", 0, 0},            {"123x", 6, 3},
  };
  for (const Case& c : cases) {
    const TagNameHashResult result = TagNameHash(Bytes(c.name));
    EXPECT_EQ(result.hash, c.hash) << c.name;
    EXPECT_EQ(result.length, c.length) << c.name;
  }
}

TEST(HtmlTagTable, EqualityByWeights) {
  EXPECT_TRUE(TagNameEquals(Bytes("hTmL"), 4, "HTML"));
  EXPECT_TRUE(TagNameEquals(Bytes("H7"), 2, "H1")) << "digits all weigh the same";
  EXPECT_FALSE(TagNameEquals(Bytes("HTM"), 3, "HTML"));
  EXPECT_FALSE(TagNameEquals(Bytes("/A"), 2, "!A"));
}

TEST(HtmlTagTable, Classification) {
  struct Case {
    std::string name;
    HtmlTokenKind kind;
    int length;
  };
  using enum HtmlTokenKind;
  const Case cases[] = {
      {"Html", KeyToken, 4},         {"HTML", KeyToken, 4},           {"hTmL>", KeyToken, 4},
      {"/html", KeyToken, 5},        {"!doctype", KeyToken, 8},       {"!DOC", UndefKeyToken, 4},
      {"H7", UndefKeyToken, 2},      {"H1", KeyToken, 2},             {"br/", UndefKeyToken, 3},
      {"br />", KeyToken, 2},        {"BLOCKQUOTES", UndefKeyToken, 11}, {"/BLOCKQUOTEX", IdentifierToken, 12},
      {"MYVERYLONGTAG", UndefKeyToken, 13}, {"?xml", UndefKeyToken, 0}, {"legend", KeyToken, 6},
      {"/OBJECT", KeyToken, 7},      {"/br", UndefKeyToken, 3},       {"/blockquote", KeyToken, 11},
      {"h1class", KeyToken, 2},      {"BIG", KeyToken, 3},            {"/VAR", KeyToken, 4},
  };
  for (const Case& c : cases) {
    int length = -1;
    EXPECT_EQ(ClassifyTagName(Bytes(c.name), length), c.kind) << c.name;
    EXPECT_EQ(length, c.length) << c.name;
  }
}

TEST(HtmlTagTable, KeywordTableShape) {
  EXPECT_EQ(KnownTagNames().size(), 198u);
  std::set<std::string> distinct;
  for (std::string_view name : KnownTagNames()) {
    std::string upper;
    for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    distinct.insert(upper);
  }
  EXPECT_EQ(distinct.size(), 198u);

  std::map<size_t, int> entriesBySize;
  for (const TagKeywordEntry& entry : TagKeywordTable()) ++entriesBySize[entry.size()];
  EXPECT_EQ(entriesBySize, (std::map<size_t, int>{{0, 109}, {1, 87}, {2, 33}, {3, 15}}));

  const std::map<int, TagKeywordEntry> telling = {
      {1, {"A"}},
      {2, {"B"}},
      {9, {"H1", "I"}},
      {16, {"DL", "P"}},
      {18, {"BIG", "EM", "HEAD"}},
      {27, {"BASE", "CODE", "OL"}},
      {121, {"BLOCKQUOTE", "PLAINTEXT"}},
      {123, {"/A"}},
      {211, {"/ACRONYM", "/OPTION", "!DOCTYPE"}},
      {243, {"/BLOCKQUOTE"}},
      {140, {"/BIG", "/EM", "/HEAD"}},
      {15, {}},
      {0, {}},
  };
  for (const auto& [hash, names] : telling) {
    const TagKeywordEntry& entry = TagKeywordTable()[static_cast<size_t>(hash)];
    EXPECT_EQ(std::multiset<std::string_view>(entry.begin(), entry.end()),
              std::multiset<std::string_view>(names.begin(), names.end()))
        << "entry " << hash;
  }
}

TEST(HtmlEntityTable, Shape) {
  const auto& names = EntityNameTable();
  EXPECT_EQ(names.front(), "&Alpha;");
  EXPECT_EQ(names[135], "&amp;");
  EXPECT_EQ(names.back(), "&circ;");
  std::set<std::string_view> distinct(names.begin(), names.end());
  EXPECT_EQ(distinct.size(), 249u);
  for (std::string_view name : names) {
    EXPECT_EQ(name.front(), '&');
    EXPECT_EQ(name.back(), ';');
    EXPECT_EQ(name.find(';'), name.size() - 1) << name;
  }
}

TEST(HtmlEntityTable, Matching) {
  struct Case {
    std::string text;
    int index;
  };
  const Case cases[] = {
      {"&nbsp;", 140},  {"&NBSP;", 140},  {"&NbSp;x", 140}, {"&nbsp", -1},    {"&nbsp ;", -1},
      {"&foo;", -1},    {"&amp;", 135},   {"&AMP;", 135},   {"&Alpha;", 0},   {"&alpha;", 0},
      {"&ALPHA;", 0},   {"&sup2;", 164},  {"&sup;", 104},   {"&circ;", 248},  {"&", -1},
      {"nbsp;", -1},    {"&\xC0;", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchEntityAt(Bytes(c.text)), c.index) << c.text;
}

}  // namespace
}  // namespace tessaly::html
