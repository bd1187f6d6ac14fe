// Labels, the single-byte tables, decoding with offsets, encoding with
// character references, UTF-16 conversion and case folding.

#include <gtest/gtest.h>

#include <string>

#include "platform/text/CaseFold.h"
#include "platform/text/Decode.h"
#include "platform/text/Detect.h"
#include "platform/text/Encode.h"
#include "platform/text/SingleByteTables.h"
#include "platform/text/Utf16.h"

namespace tessaly::text {
namespace {

TEST(TextLabels, MatchAsTheStandardSays) {
  struct Row {
    const char* label;
    const char* name;  // nullptr: names no encoding
  };
  const Row rows[] = {
      {"latin1", "windows-1252"},      {"ISO-8859-1", "windows-1252"},   {"ascii", "windows-1252"},
      {"US-ASCII", "windows-1252"},    {" \tUTF8\n\f\r", "UTF-8"},       {"unicode-1-1-utf-8", "UTF-8"},
      {"cp1251", "windows-1251"},      {"X-CP1251", "windows-1251"},     {"koi8_r", "KOI8-R"},
      {"koi8-ru", "KOI8-U"},           {"iso_8859-9:1989", "windows-1254"}, {"tis-620", "windows-874"},
      {"utf-16", "UTF-16LE"},          {"utf-16be", "UTF-16BE"},         {"mac", "macintosh"},
      {"x-mac-ukrainian", "x-mac-cyrillic"}, {"l9", "ISO-8859-15"},      {"logical", "ISO-8859-8-I"},
      {"866", "IBM866"},               {"cyrillic", "ISO-8859-5"},       {"iso885916", nullptr},
      {"", nullptr},                   {"utf 8", nullptr},               {"windows-1251x", nullptr},
      {"latin 1", nullptr},            {"\vutf-8", nullptr},             {"big5", nullptr},
  };
  for (const Row& row : rows) {
    const auto encoding = EncodingForLabel(row.label);
    if (row.name == nullptr) {
      EXPECT_FALSE(encoding.has_value()) << row.label;
    } else {
      ASSERT_TRUE(encoding.has_value()) << row.label;
      EXPECT_EQ(Name(*encoding), row.name) << row.label;
    }
  }
}

TEST(TextLabels, EveryNameIsALabelOfItself) {
  for (const Encoding encoding : AllEncodings()) EXPECT_EQ(EncodingForLabel(Name(encoding)), encoding) << Name(encoding);
}

TEST(TextTables, FollowTheWebStandardWherePythonDiffers) {
  struct Row {
    Encoding encoding;
    unsigned char byte;
    char32_t codePoint;  // kUndefinedByte: the standard leaves it undefined
  };
  const Row rows[] = {
      {Encoding::Windows1252, 0x80, 0x20AC}, {Encoding::Windows1252, 0x81, 0x0081},
      {Encoding::Windows1252, 0x9D, 0x009D}, {Encoding::Windows1251, 0x98, 0x0098},
      {Encoding::Windows1251, 0xC0, 0x0410}, {Encoding::Windows1251, 0xB9, 0x2116},
      {Encoding::Windows1255, 0xCA, 0x05BA}, {Encoding::Windows1255, 0xD9, kUndefinedByte},
      {Encoding::Windows1253, 0xAA, kUndefinedByte}, {Encoding::Windows1257, 0xA1, kUndefinedByte},
      {Encoding::Windows874, 0x81, 0x0081},  {Encoding::Windows874, 0xDB, kUndefinedByte},
      {Encoding::Koi8U, 0xAE, 0x045E},       {Encoding::Koi8U, 0xBE, 0x040E},
      {Encoding::Koi8U, 0xA4, 0x0454},       {Encoding::Koi8R, 0xC1, 0x0430},
      {Encoding::Ibm866, 0x80, 0x0410},      {Encoding::Ibm866, 0xFF, 0x00A0},
      {Encoding::Macintosh, 0xDB, 0x20AC},   {Encoding::XMacCyrillic, 0xFF, 0x20AC},
      {Encoding::XMacCyrillic, 0xA2, 0x0490}, {Encoding::Iso8859_2, 0xA1, 0x0104},
      {Encoding::Iso8859_2, 0x85, 0x0085},   {Encoding::Iso8859_15, 0xA4, 0x20AC},
      {Encoding::Iso8859_8, 0xFD, 0x200E},   {Encoding::Iso8859_6, 0xA1, kUndefinedByte},
  };
  for (const Row& row : rows)
    EXPECT_EQ(SingleByteToUnicode(row.encoding, row.byte), row.codePoint)
        << Name(row.encoding) << " byte " << int{row.byte};
}

TEST(TextRoundTrip, EveryByteOfEverySingleByteEncoding) {
  for (const Encoding encoding : AllEncodings()) {
    if (!IsSingleByte(encoding)) continue;
    std::string defined;
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      const DecodedText decoded = Decode(encoding, byte);
      if (!IsDefinedByte(encoding, static_cast<unsigned char>(b))) {
        EXPECT_EQ(decoded.invalidBytes, 1u) << Name(encoding) << " byte " << b;
        continue;
      }
      defined += byte;
      const EncodeResult encoded = Encode(encoding, decoded.text);
      EXPECT_EQ(encoded.bytes, byte) << Name(encoding) << " byte " << b;
      EXPECT_EQ(encoded.replaced, 0u);
    }
    // The whole run at once, and no encoding leaves more than a few bytes undefined.
    EXPECT_GE(defined.size(), 256u - 48u) << Name(encoding);
    std::size_t invalid = 1;
    EXPECT_EQ(Encode(encoding, DecodeToUtf8(encoding, defined, &invalid)).bytes, defined) << Name(encoding);
    EXPECT_EQ(invalid, 0u);
  }
}

TEST(TextRoundTrip, AllBytesAsWindows1251AndUtf8WithInvalidBytes) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Encode(Encoding::Windows1251, DecodeToUtf8(Encoding::Windows1251, all)).bytes, all);

  // A UTF-8 document's bytes are its text: encoding them back changes nothing,
  // invalid sequences included.
  const std::string utf8("a\xC3\xA9\xFF\xED\xA0\x80\xF0\x9F\x98\x80\0z", 13);
  const EncodeResult same = Encode(Encoding::Utf8, utf8);
  EXPECT_EQ(same.bytes, utf8);
  EXPECT_EQ(same.invalidInput, 4u);
}

TEST(TextEncode, CharactersTheTargetLacksBecomeReferences) {
  struct Row {
    Encoding target;
    std::string text;
    std::string bytes;
    std::size_t replaced;
    std::size_t firstOffset;
    char32_t first;
  };
  const Row rows[] = {
      {Encoding::Windows1251, " \xC3\xA9\xE2\x80\x9Cx\xE2\x80\x9D\xE2\x86\x92\xD0\xB6\xE4\xB8\xAD",
       " &#233;\x93x\x94&#8594;\xE6&#20013;", 3, 1, 0xE9},
      {Encoding::Windows1252, "\xD0\x9F\xD1\x80", "&#1055;&#1088;", 2, 0, 0x41F},
      {Encoding::Koi8R, "\xD1\x91", "\xA3", 0, kNoOffset, 0},
      {Encoding::Windows1251, "a\xF0\x9F\x98\x80", "a&#128512;", 1, 1, 0x1F600},
      {Encoding::Iso8859_5, "&#1;\xE2\x84\x96", "&#1;\xF0", 0, kNoOffset, 0},
      {Encoding::Windows1252, "\xE9", "\xE9", 0, kNoOffset, 0},  // an invalid byte passes unchanged
  };
  for (const Row& row : rows) {
    const EncodeResult result = Encode(row.target, row.text);
    EXPECT_EQ(result.bytes, row.bytes) << Name(row.target);
    EXPECT_EQ(result.replaced, row.replaced);
    EXPECT_EQ(result.firstReplacedOffset, row.firstOffset);
    EXPECT_EQ(result.firstReplaced, row.first);
  }
  EXPECT_EQ(Encode(Encoding::Windows1252, "\xE9").invalidInput, 1u);
}

TEST(TextDecode, OffsetsBothWays) {
  const std::string bytes = "a\xC3\xA9\xFF" "b";
  const DecodedText decoded = Decode(Encoding::Utf8, bytes);
  EXPECT_EQ(decoded.text, "a\xC3\xA9\xEF\xBF\xBD" "b");
  ASSERT_EQ(decoded.characters.size(), 4u);
  EXPECT_FALSE(decoded.characters[2].valid);
  EXPECT_EQ(decoded.invalidBytes, 1u);
  EXPECT_EQ(decoded.TextOffset(2), 1u);  // inside é: where é starts
  EXPECT_EQ(decoded.TextOffset(3), 3u);
  EXPECT_EQ(decoded.TextOffset(5), decoded.text.size());
  EXPECT_EQ(decoded.SourceOffset(4), 3u);  // inside U+FFFD: the invalid byte
  EXPECT_EQ(decoded.SourceOffset(6), 4u);
  EXPECT_EQ(decoded.SourceOffset(7), bytes.size());

  const DecodedText cyrillic = Decode(Encoding::Windows1251, "\xCF\xF0");
  EXPECT_EQ(cyrillic.text, "\xD0\x9F\xD1\x80");
  EXPECT_EQ(cyrillic.SourceOffset(2), 1u);
}

TEST(TextUtf16, RoundTripsWithTheMark) {
  const std::string text = "<p>\xD0\x9F\xF0\x9F\x98\x80</p>";
  for (const Encoding encoding : {Encoding::Utf16LE, Encoding::Utf16BE}) {
    const std::string file = std::string(ByteOrderMark(encoding)) + Encode(encoding, text).bytes;
    const Detection detection = Detect(file);
    EXPECT_EQ(detection.encoding, encoding);
    EXPECT_EQ(detection.invalidCount, 0u);
    const Utf16Decoded decoded = Utf16ToUtf8(std::string_view(file).substr(detection.bomLength),
                                             encoding == Encoding::Utf16BE);
    EXPECT_EQ(decoded.text, text);
  }
  EXPECT_EQ(Encode(Encoding::Utf16BE, "A\xF0\x9F\x98\x80").bytes, std::string("\0A\xD8\x3D\xDE\x00", 6));
  EXPECT_EQ(Encode(Encoding::Utf16LE, "A").bytes, std::string("A\0", 2));
}

TEST(TextUtf16, UnpairedSurrogatesAndAnOddByteComeBackByteForByte) {
  struct Row {
    const char* name;
    std::string bytes;  // little-endian units
    std::size_t invalid;
  };
  const Row rows[] = {
      {"lone high", std::string("A\0\x00\xD8" "B\0", 6), 1},
      {"lone low", std::string("\x00\xDC", 2), 1},
      {"high at the end", std::string("A\0\x3D\xD8", 4), 1},
      {"low then high", std::string("\x00\xDC\x3D\xD8", 4), 2},
      {"odd last byte", std::string("A\0B", 3), 1},
      {"NUL units", std::string("\0\0A\0", 4), 0},
  };
  for (const Row& row : rows)
    for (const bool bigEndian : {false, true}) {
      std::string bytes = row.bytes;
      if (bigEndian)
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
      const Utf16Decoded decoded = Utf16ToUtf8(bytes, bigEndian);
      EXPECT_EQ(decoded.invalidCodeUnits, row.invalid) << row.name;
      std::string back = Utf8ToUtf16(decoded.text, bigEndian).bytes;
      if (decoded.oddLastByte) back += static_cast<char>(*decoded.oddLastByte);
      EXPECT_EQ(back, bytes) << row.name << (bigEndian ? " BE" : " LE");
    }
}

TEST(TextCaseFold, FoldsEveryScriptTheEditorMeets) {
  struct Row {
    const char* a;
    const char* b;
  };
  const Row same[] = {
      {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},  // Привет
      {"\xD0\x81\xD0\x87\xD2\x90", "\xD1\x91\xD1\x97\xD2\x91"},  // ЁЇҐ
      {"\xC3\x89", "\xC3\xA9"},                                  // É
      {"\xC5\xB8", "\xC3\xBF"},                                  // Ÿ
      {"\xC4\x80\xC5\x81", "\xC4\x81\xC5\x82"},                  // ĀŁ
      {"\xCE\xA3", "\xCF\x83"},                                  // Σ
      {"\xCF\x82", "\xCF\x83"},                                  // final ς
      {"\xE2\x84\xAA", "k"},                                     // Kelvin sign
      {"\xE1\xBA\x9E", "\xC3\x9F"},                              // capital sharp s
      {"HeLLo", "hello"},
  };
  for (const Row& row : same) EXPECT_EQ(FoldCase(row.a), FoldCase(row.b)) << row.a;
  EXPECT_EQ(FoldCase("\xC3\x9F"), "\xC3\x9F");          // ß has no one-character folding
  EXPECT_EQ(FoldCase(char32_t{0x130}), char32_t{0x130});  // nor has İ
  EXPECT_EQ(FoldCase("A\xFF\xD0\x91"), "a\xFF\xD0\xB1");  // invalid bytes kept
}

}  // namespace
}  // namespace tessaly::text
