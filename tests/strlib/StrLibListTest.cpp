#include "strlib/StrLibList.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "TempDir.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "strlib/EntryEncoding.h"

namespace tessaly::strlib {
namespace {

std::string Int32(int32_t value) {
  std::string out;
  AppendInt32(out, value);
  return out;
}

// Lowers the process's file size limit for one scope; writes past it fail.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

private:
  rlimit saved_{};
  void (*previousHandler_)(int);
};

std::string Header(int32_t count) { return std::string(kLibrarySignature) + Int32(count); }

TEST(StrLibList, FileLayoutByteForByte) {
  TStrLibList library;
  EXPECT_EQ(library.SaveToBytes(), Header(0)) << "an empty library is 13 bytes";

  library.Add();  // no description, identifier or lines: the single byte 0
  TStrLibItem& snippet = library.Add();
  snippet.SetDescription("alert");
  snippet.SetIdentifier(-2);
  snippet.SetLines({"alert(1);", ""});
  const std::string expected = Header(2) + Int32(21) + Int32(22) + std::string(1, '\0') +
                               "\x0E\x05" "alert" + Int32(-2) + Int32(13) + "alert(1);\r\n\r\n";
  EXPECT_EQ(library.SaveToBytes(), expected);

  TStrLibList loaded;
  loaded.LoadFromBytes(expected);
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.Items(0).Description(), "");
  EXPECT_EQ(loaded.Items(0).Identifier(), 0);
  EXPECT_TRUE(loaded.Items(0).Lines().empty());
  EXPECT_EQ(loaded.Items(1).Description(), "alert");
  EXPECT_EQ(loaded.Items(1).Identifier(), -2);
  EXPECT_EQ(loaded.Items(1).Lines(), (std::vector<std::string>{"alert(1);", ""}));
}

TEST(StrLibList, CompressedEntriesStayCompressedAndNewOnesArePlain) {
  TStrLibList library;
  library.SetDefaultCompressed(true);
  TStrLibItem& created = library.Add();
  created.SetLines({"plain"});
  EXPECT_EQ(EntryFlags(created), efLines) << "entries created at run time are written plain";

  TStrLibItem& big = library.Add();
  big.SetCompressed(true);
  big.SetDescription(std::string(300, 'd'));
  std::vector<std::string> lines;
  for (int i = 0; i < 5000; ++i) lines.push_back("<td class=\"cell\">" + std::to_string(i) + "</td>");
  big.SetLines(lines);  // text form > 32781 bytes: several blocks

  TStrLibList loaded;
  loaded.LoadFromBytes(library.SaveToBytes());
  EXPECT_FALSE(loaded.Items(0).Compressed());
  EXPECT_TRUE(loaded.Items(1).Compressed());
  EXPECT_EQ(loaded.Items(1).Description(), std::string(255, 'd')) << "descriptions are cut to 255 bytes";
  EXPECT_EQ(loaded.Items(1).Lines(), lines);
  EXPECT_EQ(loaded.SaveToBytes(), [&] {
    big.SetDescription(std::string(255, 'd'));
    return library.SaveToBytes();
  }()) << "loading and saving again reproduces the file";
}

TEST(StrLibList, LinesSplitAtEveryKindOfBreak) {
  TStrLibList library;
  library.LoadFromBytes(Header(1) + Int32(17) + "\x08" + Int32(8) + "a\r\nb\rc\nd");
  EXPECT_EQ(library.Items(0).Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(StrLibList, MalformedFilesRaiseAndKeepTheLibrary) {
  const std::string good = Header(1) + Int32(17) + "\x08" + Int32(3) + "x\r\n";
  const std::string compressedEntry = Header(1) + Int32(17) + "\x09";
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"wrong signature", "\x08VLMSLL31" + Int32(0)},
      {"empty file", ""},
      {"count cut short", std::string(kLibrarySignature) + "\x01"},
      {"negative count", Header(-1)},
      {"count larger than the file", Header(1000000)},
      {"offset table cut short", Header(2) + Int32(0)},
      {"entry missing", Header(1) + Int32(17)},
      {"description cut short", Header(1) + Int32(17) + "\x02\x09" "abc"},
      {"identifier cut short", Header(1) + Int32(17) + "\x04\x01"},
      {"lines longer than the file", Header(1) + Int32(17) + "\x08" + Int32(100) + "x"},
      {"negative lines length", Header(1) + Int32(17) + "\x08" + Int32(-5)},
      {"block size past the lines block", compressedEntry + Int32(6) + Int32(9) + "\x80\x61"},
      {"block size out of range", compressedEntry + Int32(8) + Int32(70000) + "\x80\x61\x62\x63"},
      {"block reading past its end", compressedEntry + Int32(6) + Int32(2) + "\x40\x80"},
      {"block copying before its start", compressedEntry + Int32(9) + Int32(5) + "\x40\x80\x00\x00\x20"},
  };
  for (const auto& c : cases) {
    TStrLibList library;
    library.LoadFromBytes(good);
    EXPECT_THROW(library.LoadFromBytes(c.bytes), EStrLibFormat) << c.name;
    ASSERT_EQ(library.Count(), 1) << c.name;
    EXPECT_EQ(library.Items(0).Lines(), std::vector<std::string>{"x"}) << c.name;
  }
}

TEST(StrLibList, FilesLoadAndSaveSafely) {
  test::TempDir dir;
  const std::string path = dir.File("java.velmora");
  TStrLibList library;
  library.Add().SetLines({"one"});
  library.SaveToFile(path);

  TStrLibList loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Items(0).Lines(), std::vector<std::string>{"one"});
  EXPECT_THROW(loaded.LoadFromFile(dir.File("missing.velmora")), EFOpenError);
  EXPECT_EQ(loaded.Count(), 1);

}

TEST(StrLibList, AFailedSaveLeavesTheOldFileWhole) {
  test::TempDir dir;
  const std::string path = dir.File("php.velmora");
  TStrLibList library;
  library.Add().SetLines({"old"});
  library.SaveToFile(path);
  const std::string before = ReadFileBytes(path);

  library.Add().SetLines({std::string(4096, 'n')});
  {
    // A file size limit makes the write fail midway, as a full disk would.
    const FileSizeLimit limit(1024);
    EXPECT_THROW(library.SaveToFile(path), EWriteError);
  }
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary file is left";
}

TEST(StrLibList, IndexesAreChecked) {
  TStrLibList library;
  library.Add().SetDescription("a");
  library.Add().SetDescription("b");
  library.Delete(0);
  EXPECT_EQ(library.Items(0).Description(), "b");
  EXPECT_THROW(library.Items(1), Exception);
  EXPECT_THROW(library.Delete(-1), Exception);
}

}  // namespace
}  // namespace tessaly::strlib
