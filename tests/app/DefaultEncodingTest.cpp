// The default encoding setting: kept by name in the settings file, the
// built-in one for anything unreadable.

#include <gtest/gtest.h>

#include "TempDir.h"
#include "app/documents/DefaultEncoding.h"
#include "platform/Exception.h"
#include "platform/Files.h"

namespace tessaly::test {
namespace {

TEST(DefaultEncodingTest, ReadsWhatWasWrittenAndTheBuiltInOtherwise) {
  TempDir folder;
  const std::string settings = folder.File("tessaly.ini");
  EXPECT_EQ(ReadDefaultEncoding(settings), text::Encoding::Windows1251);  // no file

  WriteFileAtomically(settings, "[Language]\r\nOsnovnFRM=x.lng\r\n[Documents]\r\nDefaultEncoding= Latin1 \r\n");
  EXPECT_EQ(ReadDefaultEncoding(settings), text::Encoding::Windows1252);  // a label, as declarations name it
  WriteFileAtomically(settings, "[Documents]\r\nDefaultEncoding=klingon\r\n");
  EXPECT_EQ(ReadDefaultEncoding(settings), text::Encoding::Windows1251);

  WriteDefaultEncoding(settings, text::Encoding::Utf8);
  EXPECT_EQ(ReadDefaultEncoding(settings), text::Encoding::Utf8);
  EXPECT_NE(ReadFileBytes(settings).find("DefaultEncoding=UTF-8"), std::string::npos);

  EXPECT_THROW(WriteDefaultEncoding(folder.File("missing/tessaly.ini"), text::Encoding::Utf8), Exception);
}

}  // namespace
}  // namespace tessaly::test
