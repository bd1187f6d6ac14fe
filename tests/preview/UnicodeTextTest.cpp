// The parser reads a page in its encoding: every character of the document
// is Unicode and keeps the byte offset it came from, so source indexes stay
// byte offsets of the page; a byte the encoding cannot read is U+FFFD.

#include <gtest/gtest.h>

#include "ParseHelpers.h"
#include "preview/document/DocumentDump.h"
#include "preview/document/Forms.h"
#include "preview/document/Images.h"
#include "preview/layout/LineBreaks.h"
#include "preview/viewer/PageText.h"

namespace tessaly::preview::test {
namespace {

struct EncodedCase {
  const char* name;
  text::Encoding encoding;
  std::string source;
  const char* text;
  const char* runs;  // DumpIndexRuns of the page
};

TEST(UnicodeText, PagesReadInTheirEncodingKeepByteOffsets) {
  const EncodedCase cases[] = {
      {"UTF-8 Cyrillic", text::Encoding::Utf8, "При вет", "При вет", "0:0*2 3:6 4:7*2\n"},
      {"UTF-8 four bytes", text::Encoding::Utf8, "a😀b", "a😀b", "0:0 1:1*4 2:5\n"},
      {"UTF-8 CJK", text::Encoding::Utf8, "中文<b>字</b>", "中文字", "0:0*3 2:9*3\n"},
      {"windows-1251", text::Encoding::Windows1251, "\xCF\xF0\xE8 \xE2\xE5\xF2", "При вет", "0:0\n"},
      {"KOI8-R", text::Encoding::Koi8R, "\xF0\xD2\xC9", "При", "0:0\n"},
      {"windows-1252", text::Encoding::Windows1252, "caf\xE9 \x80", "café €", "0:0\n"},
      {"an invalid byte", text::Encoding::Utf8, "a\xFF" "b\xD0", "a\uFFFDb\uFFFD", "0:0\n"},
      {"a CR LF pair", text::Encoding::Utf8, "д\r\nж", "д ж", "0:0*2 1:2 2:4*2\n"},
  };
  for (const auto& c : cases) {
    ParsedPage page;
    page.Parser.Encoding = c.encoding;
    page.Html(c.source);
    EXPECT_EQ(page.Texts(), c.text) << c.name;
    EXPECT_EQ(DumpIndexRuns(*page.Document), c.runs) << c.name;
  }
}

TEST(UnicodeText, EveryByteOfACharacterMapsToIt) {
  ParsedPage page;
  page.Parser.Encoding = text::Encoding::Utf8;
  const std::string source = "aж中😀b";
  page.Html(source);
  TSectionList& document = *page.Document;
  const int starts[] = {0, 1, 3, 6, 10};
  for (int character = 0; character < 5; ++character) {
    EXPECT_EQ(document.SourcePosOf(character), starts[character]);
    const int end = character + 1 < 5 ? starts[character + 1] : static_cast<int>(source.size());
    for (int byte = starts[character]; byte < end; ++byte) {
      EXPECT_EQ(document.DocPosOf(byte, false), character) << "byte " << byte;
      EXPECT_EQ(document.DocPosOf(byte, true), character) << "byte " << byte;
    }
  }
}

TEST(UnicodeText, AttributeValuesAndTheTitleAreUnicode) {
  ParsedPage page;
  page.Parser.Encoding = text::Encoding::Windows1251;
  page.Html("<title>\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA</title><img alt=\"\xCA\xEE\xF2 &rarr;\" src=\"\xEA.gif\">");
  EXPECT_EQ(page.Parser.Title(), "Заголовок");
  const TImageObj& image = *page.Sections().at(0)->Images.at(0);
  EXPECT_EQ(image.Alt, "Кот →");
  EXPECT_EQ(image.Source, "к.gif");
}

TEST(UnicodeText, PreformattedAndPlainTextDecodeToo) {
  ParsedPage page;
  page.Parser.Encoding = text::Encoding::Utf8;
  page.Html("<pre>λ  x\n&lambda;</pre>");
  EXPECT_EQ(page.Texts(), "λ  x|λ");
  ParsedPage plain;
  plain.Parser.Encoding = text::Encoding::Utf8;
  plain.Plain("<b>ё</b>");
  EXPECT_EQ(plain.Texts(), "<b>ё</b>");
}

TEST(UnicodeText, FormControlsCountCharactersNotBytes) {
  ParsedPage page;
  page.Parser.Encoding = text::Encoding::Utf8;
  page.Html("<input maxlength=3 value=\"абвгд\"><select><option>Ёжики<option>ab</select>");
  const auto& controls = page.Document->FormControlList;
  ASSERT_EQ(controls.size(), 2u);
  EXPECT_EQ(static_cast<const TEditFormControlObj*>(controls[0])->Text, "абв");
  EXPECT_EQ(static_cast<const TListBoxFormControlObj*>(controls[1])->LongestCaption(), 5);
}

TEST(LineBreaks, BetweenIdeographsButNotBeforeClosingOrAfterOpeningMarks) {
  struct Case {
    char32_t before, after;
    bool breaks;
  };
  const Case cases[] = {
      {U'中', U'文', true},   {U'a', U'中', true},    {U'中', U'a', true},    {U'a', U'b', false},
      {U'中', U'。', false},  {U'中', U'，', false},  {U'「', U'中', false},  {U'中', U'「', true},
      {U'ん', U'ー', false},  {U'한', U'국', true},    {U'д', U'ж', false},    {U'中', 0xA0, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IdeographicBreak(c.before, c.after), c.breaks) << ToUtf8(std::u32string{c.before, c.after});
}

struct DetectionCase {
  const char* name;
  std::string bytes;
  std::optional<text::Encoding> forced;
  text::Encoding encoding;
  const char* text;
};

TEST(UnicodeText, FilesTheViewerOpensAreDetected) {
  const DetectionCase cases[] = {
      {"UTF-8 by content", "ж", {}, text::Encoding::Utf8, "ж"},
      {"UTF-8 mark dropped", "\xEF\xBB\xBFx", {}, text::Encoding::Utf8, "x"},
      {"declaration", "<meta charset=koi8-r>\xF0", {}, text::Encoding::Koi8R, "<meta charset=koi8-r>\xF0"},
      {"the default", "\xCF", {}, text::Encoding::Windows1251, "\xCF"},
      {"UTF-16 as UTF-8", std::string("\xFF\xFE\x36\x04", 4), {}, text::Encoding::Utf8, "ж"},
      {"forced", "ж", text::Encoding::Windows1251, text::Encoding::Windows1251, "ж"},
  };
  for (const auto& c : cases) {
    const TPageText page = ReadPageText(c.bytes, c.forced);
    EXPECT_EQ(page.Encoding, c.encoding) << c.name;
    EXPECT_EQ(page.Text, c.text) << c.name;
  }
}

}  // namespace
}  // namespace tessaly::preview::test
