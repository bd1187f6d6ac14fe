// Searching a line in the document's encoding: case folding by Unicode in
// UTF-8 and by the encoding's own table in single-byte encodings, matches
// only of whole characters, whole words by the editor's word classes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "highlight/SrcEditSearch.h"
#include "platform/text/Decode.h"
#include "platform/text/Encode.h"

namespace tessaly {
namespace {

using text::Encoding;

struct Case {
  const char* name;
  Encoding encoding;
  const char* pattern;  // UTF-8, encoded into the encoding for the search
  const char* text;     // likewise
  bool matchCase;
  bool wholeWords;
  // Each match as "character index:the matched text".
  std::vector<std::string> matches;
};

// The matches of the pattern in the text, read back as Unicode.
std::vector<std::string> Matches(const Case& c) {
  const std::string pattern = text::Encode(c.encoding, c.pattern).bytes;
  const std::string line = text::Encode(c.encoding, c.text).bytes;
  TSrcEditSearch search;
  search.SetEncoding(c.encoding);
  search.SetMatchCase(c.matchCase);
  search.SetWholeWordsOnly(c.wholeWords);
  search.SetSearchPattern(pattern);
  std::vector<std::string> found;
  for (int i = 0; i < search.FindAllIn(line); ++i) {
    const auto start = static_cast<size_t>(search.MatchPosition(i) - 1);
    const auto length = static_cast<size_t>(search.MatchLength(i));
    const size_t index = text::Decode(c.encoding, line.substr(0, start)).characters.size();
    found.push_back(std::to_string(index) + ":" + text::DecodeToUtf8(c.encoding, line.substr(start, length)));
  }
  return found;
}

TEST(EncodedSearch, CaseFoldingAndWholeWordsInEveryEncoding) {
  const Case cases[] = {
      {"Cyrillic in UTF-8", Encoding::Utf8, "привет", "Привет, ПРИВЕТ и привет", false, false,
       {"0:Привет", "8:ПРИВЕТ", "17:привет"}},
      {"Cyrillic in UTF-8, case kept", Encoding::Utf8, "привет", "Привет, ПРИВЕТ и привет", true, false,
       {"17:привет"}},
      {"Greek final sigma in UTF-8", Encoding::Utf8, "ΟΔΟΣ", "οδος οδοσ οδό", false, false, {"0:οδος", "5:οδοσ"}},
      {"Latin-1 in UTF-8", Encoding::Utf8, "É", "école École", false, false, {"0:é", "6:É"}},
      {"a fold that changes the byte length", Encoding::Utf8, "k", "\u212A k K", false, false,
       {"0:\u212A", "2:k", "4:K"}},
      {"and back", Encoding::Utf8, "\u212A", "Kk", false, false, {"0:K", "1:k"}},
      {"whole Cyrillic words in UTF-8", Encoding::Utf8, "мир", "мир, мирный Мир_ мир", false, true,
       {"0:мир", "17:мир"}},
      {"a Chinese word between Chinese characters is no whole word", Encoding::Utf8, "中", "中文 中", false, true,
       {"3:中"}},
      {"windows-1251 through the code page", Encoding::Windows1251, "привет", "ПРИВЕТ привет", false, false,
       {"0:ПРИВЕТ", "7:привет"}},
      {"whole words in windows-1251", Encoding::Windows1251, "мир", "мир мирный", false, true, {"0:мир"}},
      {"KOI8-R by its own table", Encoding::Koi8R, "привет", "ПРИВЕТ привет", false, false,
       {"0:ПРИВЕТ", "7:привет"}},
      {"Latin-1 in windows-1252", Encoding::Windows1252, "É", "école École", false, false, {"0:é", "6:É"}},
      {"Greek in ISO-8859-7", Encoding::Iso8859_7, "ΟΔΟΣ", "οδος οδοσ", false, false, {"0:οδος", "5:οδοσ"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Matches(c), c.matches) << c.name;
}

TEST(EncodedSearch, AMatchNeverStartsOnATrailByte) {
  // The pattern's byte is the second byte of "п" here, and a character of
  // its own (a byte of no sequence) after "x".
  for (bool matchCase : {false, true}) {
    TSrcEditSearch search;
    search.SetEncoding(Encoding::Utf8);
    search.SetMatchCase(matchCase);
    search.SetSearchPattern("\xBF");
    search.FindAllIn("\xD0\xBF x\xBF");
    ASSERT_EQ(search.MatchCount(), 1) << matchCase;
    EXPECT_EQ(search.MatchPosition(0), 5);
    EXPECT_EQ(search.MatchLength(0), 1);
  }
}

}  // namespace
}  // namespace tessaly
