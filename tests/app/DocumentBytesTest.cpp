// A document's bytes through the editor's text and back: nothing but what
// the editor changed may differ, whatever the encoding.

#include <gtest/gtest.h>

#include <string>

#include "app/documents/DocumentBytes.h"

namespace tessaly::test {
namespace {

std::string AllByteValues() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(DocumentBytesTest, FilesComeBackByteForByte) {
  const struct {
    const char* what;
    std::string bytes;
    std::string text;  // what the editor holds
    const char* description;
  } cases[] = {
      {"ASCII", "<p>plain</p>\r\n", "<p>plain</p>\r\n", "encoding windows-1251"},
      {"every byte value", AllByteValues(), AllByteValues(), "encoding windows-1251"},
      {"UTF-8", "<p>\xC3\xA9t\xC3\xA9</p>", "<p>\xC3\xA9t\xC3\xA9</p>", "encoding UTF-8"},
      {"UTF-8 with a mark", "\xEF\xBB\xBF<p>x</p>", "<p>x</p>", "encoding UTF-8 bom"},
      {"declared UTF-8 with invalid bytes", "<meta charset=utf-8><p>\xE9</p>",
       "<meta charset=utf-8><p>\xE9</p>", "encoding UTF-8 invalid 1"},
      {"UTF-16LE", std::string("\xFF\xFE<\0p\0>\0\xE9\0\r\0\n\0", 14), "<p>\xC3\xA9\r\n", "encoding UTF-16LE bom"},
      {"UTF-16BE", std::string("\xFE\xFF\0<\0p\0>\x04\x16", 10), "<p>\xD0\x96", "encoding UTF-16BE bom"},
      {"UTF-16LE with an unpaired surrogate", std::string("\xFF\xFEx\0\x00\xD8y\0", 8), "x\xED\xA0\x80y",
       "encoding UTF-16LE bom invalid 1"},
      {"UTF-16LE of odd length", std::string("\xFF\xFEx\0y", 5), "x", "encoding UTF-16LE bom invalid 1"},
      {"a mark alone", "\xEF\xBB\xBF", "", "encoding UTF-8 bom"},
      {"empty", "", "", "encoding windows-1251"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TDocumentText document = DocumentFromBytes(c.bytes);
    EXPECT_EQ(document.Text, c.text);
    EXPECT_EQ(DescribeFormat(document.Format), c.description);
    EXPECT_EQ(FileBytesOf(document.Text, document.Format), c.bytes);
  }
}

TEST(DocumentBytesTest, TheStatusPaneNamesTheEncodingAndItsMark) {
  EXPECT_EQ(FormatCaption(DocumentFromBytes("\xEF\xBB\xBFx").Format), "UTF-8 BOM");
  EXPECT_EQ(FormatCaption(DocumentFromBytes("x").Format), "windows-1251");
  EXPECT_EQ(FormatCaption(DocumentFromBytes("<meta charset=utf-8>\xE9\xE9").Format), "UTF-8, неверных байтов: 2");
}

}  // namespace
}  // namespace tessaly::test
