#include "platform/CodePage1251.h"

#include <gtest/gtest.h>

namespace tessaly::cp1251 {
namespace {

TEST(CodePage1251, MapsBytesToTheirCodePoints) {
  const struct {
    unsigned char byte;
    char32_t codePoint;
  } cases[] = {{'A', U'A'},        {0x80, 0x0402},  {0x88, 0x20AC}, {0x98, 0x0098},
               {0xA8, 0x0401 /*Ё*/}, {0xB8, 0x0451 /*ё*/}, {0xB9, 0x2116 /*№*/},
               {0xC0, 0x0410 /*А*/}, {0xFF, 0x044F /*я*/}, {0xA0, 0x00A0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ToUnicode(c.byte), c.codePoint) << int(c.byte);
    EXPECT_EQ(FromUnicode(c.codePoint), c.byte) << int(c.byte);
  }
}

TEST(CodePage1251, EveryByteSurvivesARoundTrip) {
  for (int b = 0; b < 256; ++b) EXPECT_EQ(FromUnicode(ToUnicode(static_cast<unsigned char>(b))), b);
  EXPECT_EQ(FromUnicode(0x4E00), -1);
  EXPECT_EQ(FromUnicode(0x1F600), -1);
}

TEST(CodePage1251, LetterCaseFollowsTheCodePage) {
  const struct {
    unsigned char upper, lower;
  } pairs[] = {{'A', 'a'}, {'Z', 'z'}, {0xC0, 0xE0}, {0xDF, 0xFF}, {0xA8, 0xB8}, {0x80, 0x90}, {0xAA, 0xBA}};
  for (const auto& p : pairs) {
    EXPECT_EQ(ToLower(p.upper), p.lower);
    EXPECT_EQ(ToUpper(p.lower), p.upper);
  }
  // Not letters: unchanged both ways.
  for (int b : std::initializer_list<int>{'1', '[', 0xB9, 0xA0}) {
    EXPECT_EQ(ToLower(static_cast<unsigned char>(b)), b);
    EXPECT_EQ(ToUpper(static_cast<unsigned char>(b)), b);
  }
}

TEST(CodePage1251, AlphaNumericClass) {
  for (int b : std::initializer_list<int>{'0', '9', 'a', 'Z', 0xC0, 0xFF, 0xA8}) EXPECT_TRUE(IsAlphaNumeric(static_cast<unsigned char>(b))) << b;
  for (int b : std::initializer_list<int>{' ', '_', '-', '\t', 0xB9, 0xAB, 0x96}) EXPECT_FALSE(IsAlphaNumeric(static_cast<unsigned char>(b))) << b;
}

TEST(CodePage1251, Utf8Conversion) {
  const std::string bytes = "\xCF\xF0\xE8\xE2\xE5\xF2 \xB9 1";  // "Привет № 1"
  EXPECT_EQ(ToUtf8(bytes), "Привет № 1");
  bool lossless = false;
  EXPECT_EQ(FromUtf8("Привет № 1", &lossless), bytes);
  EXPECT_TRUE(lossless);
  EXPECT_EQ(FromUtf8("a中b", &lossless), "a?b");
  EXPECT_FALSE(lossless);
  EXPECT_EQ(FromUtf8("\xFF", &lossless), "?");  // malformed UTF-8
}

TEST(CodePage1251, CaseInsensitiveHelpers) {
  EXPECT_TRUE(SameText("Translations", "TRANSLATIONS"));
  EXPECT_TRUE(SameText("\xC0\xC1", "\xE0\xE1"));
  EXPECT_FALSE(SameText("ab", "abc"));
  EXPECT_EQ(UpperCase("meta \xE0"), "META \xC0");
  EXPECT_EQ(LowerCase("META \xC0"), "meta \xE0");
}

}  // namespace
}  // namespace tessaly::cp1251
