// Detection, one row per situation a real file can be in.

#include <gtest/gtest.h>

#include <string>

#include "platform/text/Detect.h"

namespace tessaly::text {
namespace {

using Rule = DetectionRule;

struct DetectRow {
  const char* name;
  std::string bytes;
  Encoding expected;
  Rule rule;
  std::size_t bomLength = 0;
  std::size_t invalid = 0;
  Encoding defaultEncoding = kDefaultEncoding;
};

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

// Places `tail` so that its first byte is at `offset`.
std::string At(std::size_t offset, const std::string& tail) { return std::string(offset, 'x') + tail; }

const std::string kKoi8Meta = "<meta charset=\"koi8-r\">";  // 23 bytes

const DetectRow kRows[] = {
    {"empty file", "", Encoding::Windows1251, Rule::Default},
    {"pure ASCII takes the default", "<p>hello</p>", Encoding::Windows1251, Rule::Default},
    {"a given default", "<p>hello</p>", Encoding::Windows1252, Rule::Default, 0, 0, Encoding::Windows1252},
    {"binary file, every byte defined", AllBytes(), Encoding::Windows1251, Rule::Default},
    {"binary file, bytes the default lacks", AllBytes(), Encoding::Windows1253, Rule::Default, 0, 3,
     Encoding::Windows1253},

    {"UTF-8 mark only", "\xEF\xBB\xBF", Encoding::Utf8, Rule::ByteOrderMark, 3},
    {"UTF-8 mark beats a declaration", "\xEF\xBB\xBF" + kKoi8Meta, Encoding::Utf8, Rule::ByteOrderMark, 3},
    {"UTF-8 mark, invalid bytes after", "\xEF\xBB\xBF<p>\xE9</p>", Encoding::Utf8, Rule::ByteOrderMark, 3, 1},
    {"UTF-16LE mark only", "\xFF\xFE", Encoding::Utf16LE, Rule::ByteOrderMark, 2},
    {"UTF-16LE mark", std::string("\xFF\xFE<\0p\0", 6), Encoding::Utf16LE, Rule::ByteOrderMark, 2},
    {"UTF-16BE mark", std::string("\xFE\xFF\0<\0p", 6), Encoding::Utf16BE, Rule::ByteOrderMark, 2},
    {"UTF-16LE unpaired high surrogate", std::string("\xFF\xFE\x00\xD8\x41\x00", 6), Encoding::Utf16LE,
     Rule::ByteOrderMark, 2, 1},
    {"UTF-16BE unpaired low surrogate", std::string("\xFE\xFF\xDC\x00\x00\x41", 6), Encoding::Utf16BE,
     Rule::ByteOrderMark, 2, 1},
    {"UTF-16BE pair is valid", std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6), Encoding::Utf16BE, Rule::ByteOrderMark, 2},
    {"UTF-16LE odd last byte", std::string("\xFF\xFE\x41\x00\x42", 5), Encoding::Utf16LE, Rule::ByteOrderMark, 2, 1},

    {"meta charset, double quotes", kKoi8Meta, Encoding::Koi8R, Rule::MetaDeclaration},
    {"meta charset, single quotes", "<meta charset='windows-1252'>", Encoding::Windows1252, Rule::MetaDeclaration},
    {"meta charset, no quotes", "<meta charset=iso-8859-2>", Encoding::Iso8859_2, Rule::MetaDeclaration},
    {"meta charset, no quotes, self-closed", "<meta charset=iso-8859-5 />", Encoding::Iso8859_5,
     Rule::MetaDeclaration},
    {"label in odd case with blanks", "<META CharSet=\"  KOI8-r \t\">", Encoding::Koi8R, Rule::MetaDeclaration},
    {"latin1 means windows-1252", "<meta charset=latin1><p>\xE9", Encoding::Windows1252, Rule::MetaDeclaration},
    {"http-equiv, quoted", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=koi8-r\">",
     Encoding::Koi8R, Rule::MetaDeclaration},
    {"http-equiv, unquoted, charset quoted inside",
     "<meta http-equiv=content-type content='text/html;charset=\"windows-1250\"'>", Encoding::Windows1250,
     Rule::MetaDeclaration},
    {"http-equiv after content", "<meta content=\"text/html; CHARSET = ibm866\" http-equiv=\"CONTENT-TYPE\">",
     Encoding::Ibm866, Rule::MetaDeclaration},
    {"content without http-equiv is no declaration", "<meta content=\"text/html; charset=koi8-r\">",
     Encoding::Windows1251, Rule::Default},
    {"declaration inside a comment", "<!-- " + kKoi8Meta + " --><p>", Encoding::Windows1251, Rule::Default},
    {"declaration after a comment", "<!-- " + kKoi8Meta + " --><meta charset=iso-8859-5>", Encoding::Iso8859_5,
     Rule::MetaDeclaration},
    {"the shortest comment", "<!-->" + kKoi8Meta, Encoding::Koi8R, Rule::MetaDeclaration},
    {"unclosed comment", "<!-- " + kKoi8Meta, Encoding::Windows1251, Rule::Default},
    {"declaration inside an attribute value", "<div title=\"" + kKoi8Meta + "\">", Encoding::Windows1251,
     Rule::Default},
    {"a longer tag name is not meta", "<metadata charset=koi8-r>", Encoding::Windows1251, Rule::Default},
    {"the first declaration wins", kKoi8Meta + "<meta charset=iso-8859-5>", Encoding::Koi8R, Rule::MetaDeclaration},
    {"unknown label is ignored, the next one counts", "<meta charset=\"klingon\">" + kKoi8Meta, Encoding::Koi8R,
     Rule::MetaDeclaration},
    {"unknown label, UTF-8 content", "<meta charset=\"klingon\"><p>\xC3\xA9</p>", Encoding::Utf8,
     Rule::Utf8Content},
    {"utf-16 in a declaration means UTF-8", "<meta charset=\"utf-16\">", Encoding::Utf8, Rule::MetaDeclaration},
    {"utf-16be in a declaration means UTF-8", "<meta charset=utf-16be>", Encoding::Utf8, Rule::MetaDeclaration},
    {"declared UTF-8 with invalid bytes", "<meta charset=\"utf-8\"><p>\xE9\xE8</p>", Encoding::Utf8,
     Rule::MetaDeclaration, 0, 2},
    {"declared windows-1253, a byte it lacks", "<meta charset=windows-1253>\xAA", Encoding::Windows1253,
     Rule::MetaDeclaration, 0, 1},
    {"declaration ending at byte 1024 counts", At(1024 - kKoi8Meta.size(), kKoi8Meta), Encoding::Koi8R,
     Rule::MetaDeclaration},
    {"declaration split at byte 1024", At(1024 - 10, kKoi8Meta), Encoding::Windows1251, Rule::Default},
    {"unquoted declaration split at byte 1024", At(1024 - 20, "<meta charset=koi8-r>"), Encoding::Windows1251,
     Rule::Default},
    {"declaration after byte 1024", At(1030, kKoi8Meta), Encoding::Windows1251, Rule::Default},

    {"XML declaration", "<?xml version=\"1.0\" encoding=\"ISO-8859-5\"?><html>", Encoding::Iso8859_5,
     Rule::XmlDeclaration},
    {"XML declaration, single quotes", "<?xml version='1.0' encoding='koi8-r'?>", Encoding::Koi8R,
     Rule::XmlDeclaration},
    {"XML declaration, spaces around =", "<?xml version=\"1.0\" encoding = \"cp1251\" ?>", Encoding::Windows1251,
     Rule::XmlDeclaration},
    {"XML declaration not at the start", " <?xml version=\"1.0\" encoding=\"koi8-r\"?>", Encoding::Windows1251,
     Rule::Default},
    {"XML declaration, unknown encoding", "<?xml version=\"1.0\" encoding=\"klingon\"?><p>\xD0\xBF</p>",
     Encoding::Utf8, Rule::Utf8Content},
    {"meta declaration beats the XML one", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><meta charset=cp1250>",
     Encoding::Windows1250, Rule::MetaDeclaration},

    {"valid UTF-8 without declaration", "<p>\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82</p>", Encoding::Utf8,
     Rule::Utf8Content},
    {"four-byte UTF-8", "<p>\xF0\x9F\x98\x80</p>", Encoding::Utf8, Rule::Utf8Content},
    {"windows-1251 text that is not UTF-8", "<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>", Encoding::Windows1251, Rule::Default},
    {"UTF-8 with one invalid byte", "<p>\xD0\xBF\xFF</p>", Encoding::Windows1251, Rule::Default},
    {"overlong sequence is not UTF-8", "<p>\xC0\xAF</p>", Encoding::Windows1251, Rule::Default},
    {"encoded surrogate is not UTF-8", "<p>\xED\xA0\x80</p>", Encoding::Windows1251, Rule::Default},
};

class DetectCases : public testing::TestWithParam<DetectRow> {};

TEST_P(DetectCases, FindsTheEncoding) {
  const DetectRow& row = GetParam();
  const Detection detection = Detect(row.bytes, row.defaultEncoding);
  EXPECT_EQ(Name(detection.encoding), Name(row.expected));
  EXPECT_EQ(detection.rule, row.rule);
  EXPECT_EQ(detection.bomLength, row.bomLength);
  EXPECT_EQ(detection.invalidCount, row.invalid);
}

INSTANTIATE_TEST_SUITE_P(TextDetect, DetectCases, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<DetectRow>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c)
                             name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           return name;
                         });

TEST(TextDetect, StatusLine) {
  EXPECT_EQ(DescribeDetection(Detect("")), "encoding windows-1251");
  EXPECT_EQ(DescribeDetection(Detect("\xEF\xBB\xBF")), "encoding UTF-8 bom");
  EXPECT_EQ(DescribeDetection(Detect(std::string("\xFE\xFF\xD8\x00", 4))), "encoding UTF-16BE bom invalid 1");
  EXPECT_EQ(DescribeDetection(Detect("<meta charset=utf-8>\xFF")), "encoding UTF-8 invalid 1");
}

}  // namespace
}  // namespace tessaly::text
