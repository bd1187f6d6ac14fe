// The recent files: newest first, each once, ten at most, kept in the
// settings file beside its other sections.

#include <gtest/gtest.h>

#include "TempDir.h"
#include "app/documents/RecentFiles.h"
#include "platform/Files.h"

namespace tessaly::test {
namespace {

TEST(RecentFilesTest, NewestFirstOnceAndTenAtMostAcrossRuns) {
  TempDir folder;
  const std::string settings = folder.File("tessaly.ini");
  WriteFileAtomically(settings, "[Language]\r\nOsnovnFRM=x.lng\r\n[Recent]\r\nFile1=/a.htm\r\nFile2=/a.htm\r\nFile3=/b.htm\r\n");
  {
    TRecentFiles recent(settings);
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/a.htm", "/b.htm"}));
    recent.Add("/b.htm");
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/b.htm", "/a.htm"}));
    for (int i = 0; i < 12; ++i) recent.Add("/p" + std::to_string(i) + ".htm");
    ASSERT_EQ(recent.Paths().size(), TRecentFiles::kMaxCount);
    EXPECT_EQ(recent.Paths().front(), "/p11.htm");
    EXPECT_EQ(recent.Paths().back(), "/p2.htm");
    recent.Remove("/p5.htm");
  }
  const TRecentFiles again(settings);
  ASSERT_EQ(again.Paths().size(), TRecentFiles::kMaxCount - 1);
  EXPECT_EQ(again.Paths().front(), "/p11.htm");
  EXPECT_EQ(std::count(again.Paths().begin(), again.Paths().end(), "/p5.htm"), 0);
  EXPECT_NE(ReadFileBytes(settings).find("OsnovnFRM=x.lng"), std::string::npos) << "other sections stay";

  // Settings that cannot be written still give a list for this run.
  TRecentFiles unwritable(folder.File("missing/tessaly.ini"));
  unwritable.Add("/x.htm");
  EXPECT_EQ(unwritable.Paths(), (std::vector<std::string>{"/x.htm"}));
}

}  // namespace
}  // namespace tessaly::test
