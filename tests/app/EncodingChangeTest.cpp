// Converting held text between encodings and rewriting the page's charset
// declaration, without an editor.

#include <gtest/gtest.h>

#include "app/documents/EncodingChange.h"

namespace tessaly::test {
namespace {

using text::Encoding;

TEST(EncodingChangeTest, PlacesCountLinesAndCharacters) {
  const struct {
    std::string text;
    Encoding encoding;
    std::size_t offset;
    int line, column;
  } cases[] = {
      {"abc", Encoding::Utf8, 0, 1, 1},
      {"abc", Encoding::Utf8, 2, 1, 3},
      {"a\r\nb\nc\rd", Encoding::Utf8, 7, 4, 1},
      {"a\r\nbc", Encoding::Utf8, 4, 2, 2},
      // Multi-byte characters count once; a windows-1251 byte is a character.
      {"\xD0\x96\xD0\x96x", Encoding::Utf8, 4, 1, 3},
      {"\xC6\xC6x", Encoding::Windows1251, 2, 1, 3},
      // An unreadable byte is a character of its own.
      {"\xE9x", Encoding::Utf8, 1, 1, 2},
      {"ab", Encoding::Utf8, 99, 1, 3},
  };
  for (const auto& c : cases) {
    const TTextPlace place = PlaceOf(c.text, c.encoding, c.offset);
    EXPECT_EQ(place.Line, c.line) << c.text << " @" << c.offset;
    EXPECT_EQ(place.Column, c.column) << c.text << " @" << c.offset;
  }
}

TEST(EncodingChangeTest, ConversionsNameWhatTheyCannotCarry) {
  const struct {
    const char* what;
    std::string text;
    Encoding from, to;
    std::string converted;
    std::size_t unrepresentable;
    char32_t first;
    int line, column;
    std::size_t invalid;
  } cases[] = {
      {"Cyrillic into UTF-8", "\xCF\xF0\xE8", Encoding::Windows1251, Encoding::Utf8, "\xD0\x9F\xD1\x80\xD0\xB8", 0, 0, 1, 1, 0},
      {"and back", "\xD0\x9F\xD1\x80\xD0\xB8", Encoding::Utf8, Encoding::Windows1251, "\xCF\xF0\xE8", 0, 0, 1, 1, 0},
      {"CJK into windows-1251", "ok\r\n\xD0\x96 \xE4\xB8\xAD\xE2\x82\xAC", Encoding::Utf8, Encoding::Windows1251,
       "ok\r\n\xC6 &#20013;\x88", 1, 0x4E2D, 2, 3, 0},
      {"Cyrillic into windows-1252", "\xC6\xC6", Encoding::Windows1251, Encoding::Windows1252, "&#1046;&#1046;", 2, 0x416,
       1, 1, 0},
      {"UTF-16 is held as UTF-8", "\xD0\x96", Encoding::Utf8, Encoding::Utf16BE, "\xD0\x96", 0, 0, 1, 1, 0},
      {"KOI8-R", "\xF6", Encoding::Koi8R, Encoding::Utf8, "\xD0\x96", 0, 0, 1, 1, 0},
      {"an unreadable byte stops it", "ab\r\nc\xE9", Encoding::Utf8, Encoding::Windows1251, "", 0, 0, 2, 2, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TConversion conversion = ConvertText(c.text, c.from, c.to);
    EXPECT_EQ(conversion.Text, c.converted);
    EXPECT_EQ(conversion.Unrepresentable, c.unrepresentable);
    EXPECT_EQ(conversion.Invalid, c.invalid);
    if (c.unrepresentable > 0) {
      EXPECT_EQ(conversion.FirstUnrepresentable, c.first);
      EXPECT_EQ(conversion.FirstUnrepresentablePlace.Line, c.line);
      EXPECT_EQ(conversion.FirstUnrepresentablePlace.Column, c.column);
    }
    if (c.invalid > 0) {
      EXPECT_EQ(conversion.FirstInvalidPlace.Line, c.line);
      EXPECT_EQ(conversion.FirstInvalidPlace.Column, c.column);
    }
  }
}

std::string Applied(std::string text, const TTextEdit& edit) {
  return text.replace(edit.Offset, edit.Length, edit.Replacement);
}

TEST(EncodingChangeTest, TheDeclarationIsRewrittenOrAdded) {
  const struct {
    const char* what;
    std::string page;
    Encoding encoding;
    std::optional<std::string> result;  // none: nothing to do
  } cases[] = {
      {"charset attribute", "<head><meta charset=\"windows-1251\"></head>", Encoding::Utf8,
       "<head><meta charset=\"UTF-8\"></head>"},
      {"unquoted, odd case", "<META CHARSET=cp1251>", Encoding::Koi8R, "<META CHARSET=KOI8-R>"},
      {"http-equiv content", "<meta http-equiv=Content-Type content=\"text/html; charset=windows-1251\">",
       Encoding::Utf8, "<meta http-equiv=Content-Type content=\"text/html; charset=UTF-8\">"},
      // Found wherever it lies: rewriting it is what the user sees to do.
      {"beyond the detection window", std::string(2000, ' ') + "<meta charset=latin1>", Encoding::Utf8,
       std::string(2000, ' ') + "<meta charset=UTF-8>"},
      {"already declared by another label", "<meta charset=latin1>", Encoding::Windows1252, std::nullopt},
      {"added after head", "<HTML><Head lang=ru><title>t</title>", Encoding::Utf8,
       "<HTML><Head lang=ru>\r\n<meta charset=\"UTF-8\"><title>t</title>"},
      {"a header is no head", "<header>x</header>", Encoding::Utf8, "<meta charset=\"UTF-8\">\r\n<header>x</header>"},
      {"inside a comment is no declaration", "<!-- <meta charset=utf-8> --><p>", Encoding::Utf8,
       "<meta charset=\"UTF-8\">\r\n<!-- <meta charset=utf-8> --><p>"},
      {"UTF-16 has its mark", "<p>", Encoding::Utf16LE, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<TTextEdit> edit = CharsetDeclarationEdit(c.page, c.encoding);
    ASSERT_EQ(edit.has_value(), c.result.has_value());
    if (edit) {
      EXPECT_EQ(Applied(c.page, *edit), *c.result);
    }
  }
}

}  // namespace
}  // namespace tessaly::test
