#include "platform/ProgramDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/Files.h"

namespace tessaly {
namespace {

TEST(ProgramDirectory, IsTheExecutableFolderOnlyWhenItHoldsTheShippedFiles) {
  test::TempDir dir;
  const std::string build = dir.File("build") + "/";
  const std::string installed = dir.File("usr/bin") + "/";
  ForceDirectories(build + "script");
  ForceDirectories(installed);
  struct Case {
    std::string executableDirectory, dataHome, home, expected;
  } cases[] = {
      {build, "/xdg", "/home/u", build},
      {installed, "/xdg", "/home/u", "/xdg/tessaly/"},
      {installed, "/xdg/", "/home/u", "/xdg/tessaly/"},
      {installed, "", "/home/u", "/home/u/.local/share/tessaly/"},
      {installed, "relative/xdg", "/home/u", "/home/u/.local/share/tessaly/"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResolveProgramDirectory(c.executableDirectory, c.dataHome, c.home), c.expected) << c.executableDirectory;
  EXPECT_EQ(ShippedDefaultsDirectory(build), build);
  EXPECT_EQ(ShippedDefaultsDirectory(installed), dir.File("usr/share/tessaly") + "/");
}

TEST(ProgramDirectory, SeedingCopiesWhatIsMissingAndKeepsTheUsersFiles) {
  test::TempDir dir;
  const std::string defaults = dir.File("share") + "/";
  ForceDirectories(defaults + "script");
  ForceDirectories(defaults + "lang");
  WriteFileAtomically(defaults + "script/java.velmora", "shipped java");
  WriteFileAtomically(defaults + "script/php.velmora", "shipped php");
  const std::string user = dir.File("user/tessaly") + "/";
  ForceDirectories(user + "script");
  WriteFileAtomically(user + "script/java.velmora", "user's own");

  SeedProgramDirectory(user, defaults);
  EXPECT_EQ(ReadFileBytes(user + "script/java.velmora"), "user's own");
  EXPECT_EQ(ReadFileBytes(user + "script/php.velmora"), "shipped php");
  EXPECT_TRUE(DirectoryExists(user + "lang"));

  // A missing defaults folder still leaves a usable, empty program directory.
  SeedProgramDirectory(dir.File("fresh"), dir.File("nowhere"));
  EXPECT_TRUE(DirectoryExists(dir.File("fresh")));
}

TEST(ProgramDirectory, AChosenFolderIsUsedWithTheSettingsFileInIt) {
  test::TempDir dir;
  SetProgramDirectory(dir.File("chosen"));
  EXPECT_EQ(ProgramDirectory(), dir.File("chosen") + "/");
  EXPECT_EQ(SettingsFileName(), dir.File("chosen") + "/tessaly.ini");
  EXPECT_TRUE(DirectoryExists(dir.File("chosen")));
}

}  // namespace
}  // namespace tessaly
