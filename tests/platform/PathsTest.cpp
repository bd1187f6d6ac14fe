#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(Paths, FileNameParts) {
  const struct {
    const char* path;
    const char* name;
    const char* folder;
    const char* ext;
    const char* asIni;
  } cases[] = {
      {"/opt/tessaly/tessaly", "tessaly", "/opt/tessaly/", "", "/opt/tessaly/tessaly.ini"},
      {"/home/u/page.old.htm", "page.old.htm", "/home/u/", ".htm", "/home/u/page.old.ini"},
      {"/home/u.d/readme", "readme", "/home/u.d/", "", "/home/u.d/readme.ini"},
      {"file.txt", "file.txt", "", ".txt", "file.ini"},
      {"/dir/", "", "/dir/", "", "/dir/.ini"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    EXPECT_EQ(ChangeFileExt(c.path, ".ini"), c.asIni) << c.path;
  }
  EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
}

TEST(Paths, ProgramPathCanBePointedElsewhere) {
  EXPECT_FALSE(ProgramPath().empty());
  SetProgramPath("/opt/t/tessaly");
  EXPECT_EQ(ExtractFilePath(ProgramPath()), "/opt/t/");
  SetProgramPath("");
}

}  // namespace
}  // namespace tessaly
