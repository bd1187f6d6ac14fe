#include "platform/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/Exception.h"

namespace tessaly {
namespace {

TEST(Files, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
  test::TempDir dir;
  const std::string path = dir.File("page.htm");
  WriteFileAtomically(path, "old");
  ::chmod(path.c_str(), 0600);
  WriteFileAtomically(path, std::string("new\0bytes", 9));
  EXPECT_EQ(ReadFileBytes(path), std::string("new\0bytes", 9));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "permissions of the replaced file are kept";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(Files, AnUncommittedWriterLeavesTheOldFile) {
  test::TempDir dir;
  const std::string path = dir.File("lib.velmora");
  WriteFileAtomically(path, "good");
  {
    AtomicFileWriter writer(path);
    writer.Write("half of a new");
  }  // destroyed without Commit, as when an error interrupts a save
  EXPECT_EQ(ReadFileBytes(path), "good");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(Files, WriteAtFillsReservedSpace) {
  test::TempDir dir;
  const std::string path = dir.File("table.bin");
  AtomicFileWriter writer(path);
  writer.Write("....tail");
  writer.WriteAt(0, "head", 4);
  EXPECT_EQ(writer.Position(), 8u);
  writer.Commit();
  EXPECT_EQ(ReadFileBytes(path), "headtail");
}

TEST(Files, ErrorsNameTheFile) {
  test::TempDir dir;
  const std::string missing = dir.File("missing.htm");
  try {
    ReadFileBytes(missing);
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_NE(error.Message().find("Cannot open file \"" + missing + "\""), std::string::npos);
  }
  EXPECT_THROW(WriteFileAtomically(dir.File("no/such/folder/x"), "x"), EFCreateError);
}

TEST(Files, ForceDirectoriesCreatesParents) {
  test::TempDir dir;
  const std::string nested = dir.File("lang/sub");
  EXPECT_TRUE(ForceDirectories(nested));
  EXPECT_TRUE(DirectoryExists(nested));
  EXPECT_FALSE(FileExists(nested));
}

TEST(Files, AtomicWriteThroughALinkReplacesTheTargetAndKeepsTheLink) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.File("real"));
  const std::string target = dir.File("real/page.htm");
  WriteFileAtomically(target, "old");
  std::filesystem::create_symlink("real/page.htm", dir.File("link.htm"));
  std::filesystem::create_symlink(dir.File("link.htm"), dir.File("link2.htm"));
  WriteFileAtomically(dir.File("link2.htm"), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.htm")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link2.htm")));
  EXPECT_EQ(ReadFileBytes(target), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("real")), {}), 1);
}

TEST(Files, ReadingAFolderOrAMissingFileRaisesTheOpenError) {
  test::TempDir dir;
  for (const std::string& path : {dir.Path(), dir.File("gone.htm")}) {
    try {
      ReadFileBytes(path);
      ADD_FAILURE() << path;
    } catch (const EFOpenError& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace tessaly
