#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "highlight/HtmlHighlighter.h"

namespace tessaly {
namespace {

using enum HtmlTokenKind;
using enum HtmlScanState;

struct Token {
  std::string text;
  HtmlTokenKind kind;
  friend bool operator==(const Token&, const Token&) = default;
};

std::ostream& operator<<(std::ostream& out, const Token& token) {
  return out << '"' << token.text << "\" " << static_cast<int>(token.kind);
}

// Scans one line from the given state, checking that the tokens follow each
// other without gaps.
std::vector<Token> ScanLine(THtmlHighlighter& highlighter, const std::string& line, HtmlScanState start) {
  highlighter.SetScanState(static_cast<int32_t>(start));
  std::vector<Token> tokens;
  int expectedStart = 0;
  for (highlighter.StartLine(line, 0); !highlighter.AtLineEnd(); highlighter.NextToken()) {
    EXPECT_EQ(highlighter.CurrentTokenStart(), expectedStart) << line;
    const std::string text = highlighter.CurrentTokenText();
    expectedStart += static_cast<int>(text.size());
    tokens.push_back({text, highlighter.TokenKind()});
  }
  EXPECT_EQ(expectedStart, static_cast<int>(line.size())) << "tokens cover the line: " << line;
  return tokens;
}

struct ScanCase {
  const char* what;
  std::string line;
  HtmlScanState start;
  std::vector<Token> tokens;
  HtmlScanState end;
};

TEST(HtmlHighlighter, TokenSequences) {
  const ScanCase cases[] = {
      {"tag with value", "<a href=x>", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"href", IdentifierToken}, {"=", SymbolToken},
        {"x", ValueToken}, {">", SymbolToken}},
       TextState},
      {"space after = keeps the value state", "<p class = \"y\">", TextState,
       {{"<", SymbolToken}, {"p", KeyToken}, {" ", SpaceToken}, {"class", IdentifierToken}, {" ", SpaceToken},
        {"=", SymbolToken}, {" ", SpaceToken}, {"\"y\"", ValueToken}, {">", SymbolToken}},
       TextState},
      {"quoted string after the name", "<b \"x\">", TextState,
       {{"<", SymbolToken}, {"b", KeyToken}, {" ", SpaceToken}, {"\"x\"", StringToken}, {">", SymbolToken}},
       TextState},
      {"unclosed string stays in the tag", "<b \"x", TextState,
       {{"<", SymbolToken}, {"b", KeyToken}, {" ", SpaceToken}, {"\"x", StringToken}},
       TagBodyState},
      {"text with spaces is one token", "Hello world", TextState, {{"Hello world", TextToken}}, TextState},
      {"a tab splits text", "Hello\t world", TextState,
       {{"Hello", TextToken}, {"\t ", SpaceToken}, {"world", TextToken}},
       TextState},
      {"control bytes are space", "\x01\x02 a", TextState, {{"\x01\x02 ", SpaceToken}, {"a", TextToken}}, TextState},
      {"entity between text", "a &amp; b", TextState,
       {{"a ", TextToken}, {"&amp;", AndToken}, {" b", TextToken}},
       TextState},
      {"entity in capitals", "&AMP;", TextState, {{"", TextToken}, {"&AMP;", AndToken}}, TextState},
      {"unknown entity is text", "x &foo; y", TextState, {{"x &foo; y", TextToken}}, TextState},
      {"entity without semicolon is text", "&nbsp x", TextState, {{"&nbsp x", TextToken}}, TextState},
      {"entity at line start", "&copy;", TextState, {{"", TextToken}, {"&copy;", AndToken}}, TextState},
      {"numeric reference", "&#169;x", TextState,
       {{"", TextToken}, {"&#169;", AndToken}, {"x", TextToken}},
       TextState},
      {"numeric reference without semicolon", "&#169x", TextState,
       {{"&#169", TextToken}, {"x", TextToken}},
       TextState},
      {"numeric reference without digits", "&#;", TextState, {{"", TextToken}, {"&#;", AndToken}}, TextState},
      {"hexadecimal reference is text", "a&#x41;", TextState,
       {{"a&#", TextToken}, {"x41;", TextToken}},
       TextState},
      {"comment left open", "<!-- a", TextState, {{"<!--", CommentToken}, {" a", CommentToken}}, CommentState},
      {"comment closed on the next line", "b -->c", CommentState,
       {{"b -->", CommentToken}, {"c", TextToken}},
       TextState},
      {"shortest comment", "<!-->", TextState, {{"<!--", CommentToken}, {">", CommentToken}}, TextState},
      {"dashes of the previous line do not count", ">x", CommentState, {{">x", CommentToken}}, CommentState},
      {"shortest script block", "<%>", TextState, {{"<%", AspToken}, {">", AspToken}}, TextState},
      {"script block closed", "x %> y", AspState, {{"x %>", AspToken}, {" y", TextToken}}, TextState},
      {"script block: > in the first column", "> y", AspState, {{"> y", AspToken}}, AspState},
      {"name followed by digits and letters", "<h1class>", TextState,
       {{"<", SymbolToken}, {"h1", KeyToken}, {"class", IdentifierToken}, {">", SymbolToken}},
       TextState},
      {"processing instruction", "<?xml ...>", TextState,
       {{"<", SymbolToken}, {"", UndefKeyToken}, {"?xml", IdentifierToken}, {" ", SpaceToken},
        {"...", IdentifierToken}, {">", SymbolToken}},
       TextState},
      {"ampersand ends a tag", "<a &x>", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"", TextToken}, {"&x>", TextToken}},
       TextState},
      {"numeric reference inside a tag", "<a &#65;>", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"&#65;", AndToken}, {">", TextToken}},
       TextState},
      {"tag left open", "<a href", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"href", IdentifierToken}},
       TagBodyState},
      {"tag continued", "=\"x\">t", TagBodyState,
       {{"=", SymbolToken}, {"\"x\"", ValueToken}, {">", SymbolToken}, {"t", TextToken}},
       TextState},
      {"a < opens a new tag inside a tag", "<a <b>", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"<", SymbolToken}, {"b", KeyToken},
        {">", SymbolToken}},
       TextState},
      {"comment inside an unfinished tag", "<a <!--c-->", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"<!--", CommentToken}, {"c-->", CommentToken}},
       TextState},
      {"script inside an unfinished tag", "<a <%x%>", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"<%", AspToken}, {"x%>", AspToken}},
       TextState},
      {"value runs to > or blank", "<a b=x\"y=z>", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"b", IdentifierToken}, {"=", SymbolToken},
        {"x\"y=z", ValueToken}, {">", SymbolToken}},
       TextState},
      {"identifier stops at a quote", "<a b\"c\">", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {" ", SpaceToken}, {"b", IdentifierToken}, {"\"c\"", StringToken},
        {">", SymbolToken}},
       TextState},
      {"tabs and control bytes in a tag", "<a\t\t\x01 b>", TextState,
       {{"<", SymbolToken}, {"a", KeyToken}, {"\t", SpaceToken}, {"\t\x01 ", SpaceToken}, {"b", IdentifierToken},
        {">", SymbolToken}},
       TextState},
      {"unknown and long tag names", "<foo></BLOCKQUOTEXYZ>", TextState,
       {{"<", SymbolToken}, {"foo", UndefKeyToken}, {">", SymbolToken}, {"<", SymbolToken},
        {"/BLOCKQUOTEXYZ", IdentifierToken}, {">", SymbolToken}},
       TextState},
      {"self-closing slash belongs to the name", "<br/><br />", TextState,
       {{"<", SymbolToken}, {"br/", UndefKeyToken}, {">", SymbolToken}, {"<", SymbolToken}, {"br", KeyToken},
        {" ", SpaceToken}, {"/", IdentifierToken}, {">", SymbolToken}},
       TextState},
      {"line breaks inside a line", "a\r\nb\rc\nd", TextState,
       {{"a", TextToken}, {"\r\n", SpaceToken}, {"b", TextToken}, {"\r", SpaceToken}, {"c", TextToken},
        {"\n", SpaceToken}, {"d", TextToken}},
       TextState},
      {"line breaks inside a comment", "x\ny", CommentState,
       {{"x", CommentToken}, {"\n", SpaceToken}, {"y", CommentToken}},
       CommentState},
      {"Cyrillic text", "\xcf\xf0\xe8\xe2\xe5\xf2 &laquo;\xec\xe8\xf0&raquo;", TextState,
       {{"\xcf\xf0\xe8\xe2\xe5\xf2 ", TextToken}, {"&laquo;", AndToken}, {"\xec\xe8\xf0", TextToken},
        {"&raquo;", AndToken}},
       TextState},
      {"a stale entity state starts over", "&amp;x", EntityPendingState,
       {{"", TextToken}, {"", TextToken}, {"&amp;", AndToken}, {"x", TextToken}},
       TextState},
      {"empty line keeps the state", "", TagNameState, {}, TagNameState},
      // A zero byte is a character: the scan goes on to the line's last byte.
      {"zero byte in text", std::string("a\0b <i>", 7), TextState,
       {{"a", TextToken}, {std::string(1, '\0'), TextToken}, {"b ", TextToken}, {"<", SymbolToken},
        {"i", KeyToken}, {">", SymbolToken}},
       TextState},
      {"zero byte in a comment", std::string("x\0y-->z", 7), CommentState,
       {{"x", CommentToken}, {std::string(1, '\0'), CommentToken}, {"y-->", CommentToken}, {"z", TextToken}},
       TextState},
      {"zero byte ending the line", std::string("<b>\0", 4), TextState,
       {{"<", SymbolToken}, {"b", KeyToken}, {">", SymbolToken}, {std::string(1, '\0'), TextToken}},
       TextState},
  };
  for (const ScanCase& c : cases) {
    THtmlHighlighter highlighter;
    EXPECT_EQ(ScanLine(highlighter, c.line, c.start), c.tokens) << c.what;
    EXPECT_EQ(highlighter.GetScanState(), static_cast<int32_t>(c.end)) << c.what;
  }
}

TEST(HtmlHighlighter, EndTokenRepeats) {
  THtmlHighlighter highlighter;
  highlighter.ResetScanState();
  highlighter.StartLine("ab", 0);
  highlighter.NextToken();
  ASSERT_TRUE(highlighter.AtLineEnd());
  for (int i = 0; i < 3; ++i) {
    highlighter.NextToken();
    EXPECT_TRUE(highlighter.AtLineEnd());
    EXPECT_EQ(highlighter.CurrentTokenStart(), 2);
    EXPECT_EQ(highlighter.CurrentTokenText(), "");
    EXPECT_EQ(highlighter.CurrentTokenAttri(), nullptr);
  }
}

TEST(HtmlHighlighter, NeverReadsPastTheLinesZero) {
  // Each line sits in a buffer of exactly its size, so that the address
  // sanitizer catches a read beyond the terminating zero.
  const char* lines[] = {"<", "<!", "<!-", "&", "&#", "&#1", "&am", "a&", "<a \"", "<a =", "<!--x-", "<%x%", "&amp"};
  const HtmlScanState states[] = {TextState, AspState, CommentState, TagNameState, TagBodyState, ValueState,
                                  EntityPendingState};
  for (const char* line : lines) {
    for (HtmlScanState state : states) {
      const size_t size = std::strlen(line) + 1;
      const auto buffer = std::make_unique<char[]>(size);
      std::memcpy(buffer.get(), line, size);
      THtmlHighlighter highlighter;
      highlighter.SetScanState(static_cast<int32_t>(state));
      highlighter.StartLine(buffer.get(), 0);
      highlighter.ScanToLineEnd();
      EXPECT_EQ(highlighter.CurrentTokenStart(), static_cast<int>(size - 1)) << line;
    }
  }
}

TEST(HtmlHighlighter, AttributesAndTheirDefaults) {
  struct Expected {
    const char* name;
    TColor foreground, background;
    TFontStyles style;
  };
  // Listed by name, as AttriByIndex returns them.
  const Expected expected[] = {
      {"Asp", clBlack, clYellow, 0},
      {"Comment", clNone, clNone, 0},
      {"Escape ampersand", clLime, clNone, fsBold},
      {"Identifier", clNone, clNone, fsBold},
      {"Reserved word", 0x00FF0080, clNone, fsBold},
      {"Space", clNone, clNone, 0},
      {"Symbol", clNone, clNone, fsBold},
      {"Text", clNone, clNone, 0},
      {"Unknown word", clRed, clNone, fsBold},
      {"Value", 0x00FF8000, clNone, 0},
  };
  THtmlHighlighter highlighter;
  ASSERT_EQ(highlighter.AttriCount(), 10);
  for (int i = 0; i < 10; ++i) {
    const TSrcHighlighterAttributes* attri = highlighter.AttriByIndex(i);
    const Expected& e = expected[i];
    EXPECT_EQ(attri->AttriName(), e.name);
    EXPECT_EQ(attri->Foreground(), e.foreground) << e.name;
    EXPECT_EQ(attri->Background(), e.background) << e.name;
    EXPECT_EQ(attri->Style(), e.style) << e.name;
    EXPECT_FALSE(attri->IsForegroundStored() || attri->IsBackgroundStored() || attri->IsStyleStored()) << e.name;
  }
}

TEST(HtmlHighlighter, AttributeOfEachTokenKind) {
  THtmlHighlighter h;
  struct Case {
    const char* line;
    HtmlTokenKind kind;
    const TSrcHighlighterAttributes* attri;
  };
  const Case cases[] = {
      {"&amp;", AndToken, h.AndAttri()},       {"<%", AspToken, h.ASPAttri()},
      {"<!--", CommentToken, h.CommentAttri()}, {"<a b", IdentifierToken, h.IdentifierAttri()},
      {"<a", KeyToken, h.KeyAttri()},           {"<a ", SpaceToken, h.SpaceAttri()},
      {"<a \"s\"", StringToken, h.ValueAttri()}, {"<", SymbolToken, h.SymbolAttri()},
      {"t", TextToken, h.TextAttri()},          {"<zz", UndefKeyToken, h.UndefKeyAttri()},
      {"<a b=c", ValueToken, h.ValueAttri()},
  };
  for (const Case& c : cases) {
    h.ResetScanState();
    h.StartLine(c.line, 0);
    while (!h.AtLineEnd() && h.TokenKind() != c.kind) h.NextToken();
    ASSERT_EQ(h.TokenKind(), c.kind) << c.line;
    EXPECT_EQ(h.CurrentTokenKind(), static_cast<int>(c.kind));
    EXPECT_EQ(h.CurrentTokenAttri(), c.attri) << c.line;
  }
}

TEST(HtmlHighlighter, StandardRoles) {
  THtmlHighlighter h;
  EXPECT_EQ(h.StandardAttri(srComment), h.CommentAttri());
  EXPECT_EQ(h.StandardAttri(srIdentifier), h.IdentifierAttri());
  EXPECT_EQ(h.StandardAttri(srKeyword), h.KeyAttri());
  EXPECT_EQ(h.StandardAttri(srString), nullptr);
  EXPECT_EQ(h.StandardAttri(srWhiteSpace), h.SpaceAttri());
  EXPECT_EQ(h.StandardAttri(srSymbol), h.SymbolAttri());
  EXPECT_EQ(h.StandardAttri(6), nullptr);
  EXPECT_EQ(h.StandardAttri(-1), nullptr);
}

TEST(HtmlHighlighter, LanguageTexts) {
  THtmlHighlighter h;
  EXPECT_EQ(h.LanguageDisplayName(), "HTML document");
  EXPECT_EQ(h.DefaultFilter(), "HTML Document (*.htm,*.html)|*.htm;*.html");
  const std::string sample = h.SampleText();
  EXPECT_TRUE(sample.starts_with("<!-- Syntax highlighting -->\r\n\r\n<html>\r\n")) << sample;
  EXPECT_NE(sample.find("\r\n <% out.println(\"Hello World\"); %>\r\n"), std::string::npos);
  EXPECT_NE(sample.find(" <invalid>Sample HTML code &copy; 2001</invalid>\r\n</body>"), std::string::npos);
  EXPECT_TRUE(sample.ends_with("</body>\r\n</html>"));
}

TEST(HtmlHighlighter, IdentifierCharactersLeaveOutTimesAndDivide) {
  THtmlHighlighter h;
  const TSrcCharSet set = h.IdentifierCharSet();
  EXPECT_EQ(set.count(), 10u + 26u + 1u + 26u + 62u);
  for (int c : std::initializer_list<int>{'0', '9', 'A', 'Z', '_', 'a', 'z', 192, 214, 216, 246, 248, 255}) EXPECT_TRUE(set.test(c)) << c;
  for (int c : std::initializer_list<int>{' ', '-', '@', '[', '`', '{', 191, 215, 247}) EXPECT_FALSE(set.test(c)) << c;
}

TEST(HtmlHighlighter, InUtf8EveryByteAbove127IsAWordByte) {
  THtmlHighlighter h;
  h.SetEncoding(text::Encoding::Utf8);
  const TSrcCharSet set = h.IdentifierCharSet();
  for (int c = 0x80; c <= 0xFF; ++c) EXPECT_TRUE(set.test(static_cast<size_t>(c))) << c;
  for (int c : std::initializer_list<int>{' ', '-', '<', '='}) EXPECT_FALSE(set.test(static_cast<size_t>(c))) << c;
  // Token boundaries stay where they are: an attribute value is one token.
  h.StartLine("<p title=\xD0\xBF\xD1\x80\xD0\xB8>", 0);
  std::vector<std::string> tokens;
  for (; !h.AtLineEnd(); h.NextToken()) tokens.push_back(h.CurrentTokenText());
  EXPECT_EQ(tokens, (std::vector<std::string>{"<", "p", " ", "title", "=", "\xD0\xBF\xD1\x80\xD0\xB8", ">"}));
}

TEST(HtmlHighlighter, ScanStateIsOneByteAndUnknownStatesStillScan) {
  THtmlHighlighter h;
  h.SetScanState(-1);
  EXPECT_EQ(h.GetScanState(), 255);
  h.StartLine("<a x=\"1\">&amp; z", 0);
  h.ScanToLineEnd();
  EXPECT_EQ(h.GetScanState(), static_cast<int32_t>(TextState));
  h.ResetScanState();
  EXPECT_EQ(h.GetScanState(), static_cast<int32_t>(TextState));
}

}  // namespace
}  // namespace tessaly
