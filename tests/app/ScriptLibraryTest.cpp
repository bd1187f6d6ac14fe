#include <gtest/gtest.h>

#include "TempDir.h"
#include "app/libraries/ScriptLibrary.h"
#include "platform/CodePage1251.h"
#include "platform/Exception.h"
#include "platform/Files.h"

#include <filesystem>
#include <functional>

namespace tessaly {
namespace {

using test::TempDir;

std::string Library(const std::vector<std::pair<std::string, std::string>>& entries) {
  strlib::TStrLibList list;
  for (const auto& [name, text] : entries) {
    strlib::TStrLibItem& item = list.Add();
    item.SetDescription(name);
    item.SetLines(strlib::SplitLines(text));
  }
  return list.SaveToBytes();
}

TEST(ScriptLibrary, ChangesAreSavedAndReadBackInOrder) {
  TempDir dir;
  const std::string file = dir.File("java.velmora");
  WriteFileAtomically(file, Library({{"one", "1\r\n"}, {"two", "2a\r\n2b\r\n"}}));
  TScriptLibrary library(file);
  library.Load();
  ASSERT_EQ(library.Descriptions(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(library.SnippetText(1), "2a\r\n2b\r\n");

  library.Add("abc", {"alert(1);"});
  library.Replace(0, "uno", {"x", "y"});
  library.Delete(1);

  TScriptLibrary reread(file);
  reread.Load();
  EXPECT_EQ(reread.Descriptions(), (std::vector<std::string>{"uno", "abc"}));
  EXPECT_EQ(reread.SnippetText(0), "x\r\ny\r\n");
  EXPECT_EQ(reread.SnippetText(1), "alert(1);\r\n");
  EXPECT_FALSE(FileExists(file + ".bak"));
}

TEST(ScriptLibrary, RowsOutsideTheLibraryRaiseTheListIndexErrorAndChangeNothing) {
  TempDir dir;
  const std::string file = dir.File("php.velmora");
  const std::string bytes = Library({{"only", "echo 1;"}});
  WriteFileAtomically(file, bytes);
  TScriptLibrary library(file);
  library.Load();
  for (int index : {-1, 1, 7}) {
    SCOPED_TRACE(index);
    EXPECT_THROW(library.SnippetText(index), Exception);
    EXPECT_THROW(library.Replace(index, "x", {}), Exception);
    EXPECT_THROW(library.Delete(index), Exception);
  }
  try {
    library.Delete(-1);
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (-1)");
  }
  EXPECT_EQ(library.Count(), 1);
  EXPECT_EQ(ReadFileBytes(file), bytes);
}

// Each change fails to save because the folder it is saved into is gone.
TEST(ScriptLibrary, FailedSaveTakesTheChangeBack) {
  const std::vector<std::pair<const char*, std::function<void(TScriptLibrary&)>>> changes = {
      {"add", [](TScriptLibrary& l) { l.Add("new", {"x"}); }},
      {"replace", [](TScriptLibrary& l) { l.Replace(0, "changed", {"y"}); }},
      {"delete", [](TScriptLibrary& l) { l.Delete(0); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string folder = dir.File("script");
    ASSERT_TRUE(ForceDirectories(folder));
    const std::string file = folder + "/java.velmora";
    WriteFileAtomically(file, Library({{"a", "1"}, {"b", "2"}}));
    TScriptLibrary library(file);
    library.Load();
    std::filesystem::remove_all(folder);
    EXPECT_THROW(change(library), Exception);
    EXPECT_EQ(library.Descriptions(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(library.SnippetText(0), "1\r\n");
  }
}

TEST(ScriptLibrary, DamagedFileIsLeftAloneUntilTheFirstChangeKeepsItAsBak) {
  const std::vector<std::pair<const char*, std::string>> damaged = {
      {"wrong signature", "not a library at all"},
      {"cut short", Library({{"a", "some text"}}).substr(0, 20)},
      {"empty file", ""},
  };
  for (const auto& [name, bytes] : damaged) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string file = dir.File("java.velmora");
    WriteFileAtomically(file, bytes);
    TScriptLibrary library(file);
    FillDefaultJavaScripts(library.List());
    EXPECT_THROW(library.Load(), Exception);
    EXPECT_EQ(library.Count(), 0);
    EXPECT_TRUE(library.KeepsDamagedFile());
    EXPECT_EQ(ReadFileBytes(file), bytes);
    EXPECT_FALSE(FileExists(file + ".bak"));

    library.Add("abc", {"text"});
    EXPECT_EQ(ReadFileBytes(file + ".bak"), bytes);
    EXPECT_FALSE(library.KeepsDamagedFile());
    TScriptLibrary reread(file);
    reread.Load();
    EXPECT_EQ(reread.Descriptions(), std::vector<std::string>{"abc"});
  }
}

TEST(ScriptLibrary, DamagedFileThatCannotBeKeptAsideIsNotOverwritten) {
  TempDir dir;
  const std::string file = dir.File("java.velmora");
  WriteFileAtomically(file, "damaged");
  ASSERT_TRUE(ForceDirectories(file + ".bak/taken"));  // the backup's name is a folder
  TScriptLibrary library(file);
  EXPECT_THROW(library.Load(), Exception);
  EXPECT_THROW(library.Add("abc", {"text"}), Exception);
  EXPECT_EQ(library.Count(), 0);
  EXPECT_EQ(ReadFileBytes(file), "damaged");
  EXPECT_TRUE(library.KeepsDamagedFile());
}

TEST(ScriptLibrary, MissingFileKeepsWhatTheLibraryStartedWith) {
  TempDir dir;
  TScriptLibrary library(dir.File("script/java.velmora"));
  FillDefaultJavaScripts(library.List());
  EXPECT_THROW(library.Load(), EFOpenError);
  EXPECT_EQ(library.Count(), 3);
  EXPECT_FALSE(library.KeepsDamagedFile());
}

TEST(ScriptLibrary, BuiltInJavaDefaultsAreTheThreeNamedSnippets) {
  strlib::TStrLibList list;
  FillDefaultJavaScripts(list);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(0).Description(), cp1251::FromUtf8("Мигающая кнопка"));
  EXPECT_EQ(list.Items(1).Description(), cp1251::FromUtf8("часы background"));
  EXPECT_EQ(list.Items(2).Description(), cp1251::FromUtf8("привет с датой"));
}

// The shipped files are checked in so the data folder can be copied as it
// stands; they must stay what the readable sources pack into, and start with
// the built-in defaults.
TEST(ScriptLibrary, ShippedLibrariesMatchTheirSources) {
  for (const char* name : {"java", "php"}) {
    SCOPED_TRACE(name);
    const std::string shipped = std::string(TESSALY_SOURCE_DIR) + "/data/script/" + name + ".velmora";
    const std::string packed = std::string(TESSALY_PACKED_SNIPPETS) + "/" + name + ".velmora";
    EXPECT_EQ(ReadFileBytes(shipped), ReadFileBytes(packed))
        << "run: cp " << packed << " " << shipped;
    TScriptLibrary library(shipped);
    library.Load();
    EXPECT_GE(library.Count(), 5);
  }
  TScriptLibrary java(std::string(TESSALY_SOURCE_DIR) + "/data/script/java.velmora");
  java.Load();
  strlib::TStrLibList defaults;
  FillDefaultJavaScripts(defaults);
  for (int i = 0; i < defaults.Count(); ++i) {
    EXPECT_EQ(java.List().Items(i).Description(), defaults.Items(i).Description());
    EXPECT_EQ(java.SnippetText(i), defaults.Items(i).Text());
  }
}

}  // namespace
}  // namespace tessaly
