// Extraction into real folders: paths, selection, passwords, damaged and
// hostile archives, and what is restored on the written files.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <set>

#include "TestEncoders.h"
#include "TestFiles.h"
#include "ZipBuilder.h"
#include "update/zip/UnZip.h"
#include "update/zip/ZipErrors.h"

namespace tessaly {
namespace {

using zip::test::TTestEntry;

struct TReport {
  int code;
  std::string message;
};

class UnZipTest : public ::testing::Test {
protected:
  void SetUp() override {
    unzip.OnError = [this](TUnZip&, int code, const std::string& message) { errors.push_back({code, message}); };
  }

  // Writes the archive and extracts it into out/ with `configure` applied.
  int Extract(const std::vector<TTestEntry>& entries, const std::function<void(TUnZip&)>& configure = nullptr) {
    zip::test::WriteFile(dir.Path() + "update.zip", zip::test::BuildZip(entries));
    unzip.SetArchiveFile(dir.Path() + "update.zip");
    unzip.SetFileSpec({"*.*"});
    unzip.SetExtractDir(Out());
    if (configure) configure(unzip);
    return unzip.Extract();
  }
  std::string Out() const { return dir.Path() + "out/"; }
  // Every file below out/, relative, with its contents.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& item : std::filesystem::recursive_directory_iterator(Out(), error))
      if (item.is_regular_file())
        files[std::filesystem::relative(item.path(), Out()).string()] = zip::test::ReadFile(item.path().string());
    return files;
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const auto& e : errors) codes.push_back(e.code);
    return codes;
  }

  zip::test::TScratchDir dir;
  TUnZip unzip;
  std::vector<TReport> errors;
};

TEST_F(UnZipTest, DefaultsAreTheOnesTheUpdateWindowRelies) {
  const TUnZip fresh;
  EXPECT_TRUE(fresh.RecurseDirs());
  EXPECT_TRUE(fresh.UseStoredDirs());
  EXPECT_FALSE(fresh.CreateStoredDirs());
  EXPECT_FALSE(fresh.ConfirmOverwrites());
  EXPECT_EQ(fresh.OverwriteMode(), TOverwriteMode::omOverwrite);
  EXPECT_TRUE(fresh.RestoreFileAttr());
  EXPECT_EQ(fresh.DateAttribute(), TDateAttribute::daFileDate);
  EXPECT_TRUE(fresh.TranslateOemChar());
  EXPECT_EQ(fresh.PasswordAttempts(), 3);
  EXPECT_TRUE(fresh.FileSpec().empty());
}

TEST_F(UnZipTest, ExtractDirKeepsTheDirectoryPartOrTakesTheArchives) {
  unzip.SetExtractDir("/opt/app/tessaly");
  EXPECT_EQ(unzip.ExtractDir(), "/opt/app/");
  unzip.SetArchiveFile("/tmp/down/update.zip");
  unzip.SetExtractDir("");
  EXPECT_EQ(unzip.ExtractDir(), "/tmp/down/");
}

TEST_F(UnZipTest, EveryMethodIntoStoredDirectories) {
  const std::string text = zip::test::SampleText(30000, 9);
  const std::vector<TTestEntry> entries = {
      {.name = "stored.htm", .data = text, .method = 0},      {.name = "lang/shrunk.lng", .data = text, .method = 1},
      {.name = "lang/reduced.lng", .data = text, .method = 4}, {.name = "script/a/imploded.js", .data = text, .method = 6, .flags = 6},
      {.name = "deflated.htm", .data = text, .method = 8},    {.name = "doc/deflated64.htm", .data = text, .method = 9},
  };
  EXPECT_EQ(Extract(entries), 6);
  EXPECT_TRUE(errors.empty());
  std::map<std::string, std::string> expected;
  for (const auto& e : entries) expected[e.name] = text;
  EXPECT_EQ(Files(), expected);
  EXPECT_EQ(unzip.LastName(), "doc/deflated64.htm");
}

TEST_F(UnZipTest, WithoutStoredDirsEverythingLandsInOneFolder) {
  EXPECT_EQ(Extract({{.name = "a/b/page.htm", .data = "x", .method = 8}}, [](TUnZip& u) { u.SetUseStoredDirs(false); }), 1);
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"page.htm", "x"}}));
}

TEST_F(UnZipTest, DirectoryEntriesAreCreatedOnlyWhenAsked) {
  const std::vector<TTestEntry> entries = {{.name = "empty/", .data = ""}, {.name = "x.txt", .data = "1"}};
  EXPECT_EQ(Extract(entries), 1);
  EXPECT_FALSE(std::filesystem::exists(Out() + "empty"));
  EXPECT_EQ(Extract(entries, [](TUnZip& u) { u.SetCreateStoredDirs(true); }), 1);
  EXPECT_TRUE(std::filesystem::is_directory(Out() + "empty"));
}

struct TSelectionCase {
  std::vector<std::string> fileSpec;
  std::vector<std::string> excludeSpec;
  bool recurse;
  std::set<std::string> expected;
};

class Selection : public UnZipTest, public ::testing::WithParamInterface<TSelectionCase> {};

TEST_P(Selection, PatternsPickEntries) {
  const TSelectionCase& c = GetParam();
  std::vector<TTestEntry> entries;
  for (const char* name : {"index.htm", "notes.txt", "README", "sub/page.HTM", "sub/deep/old.htm"})
    entries.push_back({.name = name, .data = name, .method = 8});
  Extract(entries, [&](TUnZip& u) {
    u.SetFileSpec(c.fileSpec);
    u.SetExcludeSpec(c.excludeSpec);
    u.SetRecurseDirs(c.recurse);
  });
  std::set<std::string> names;
  for (const auto& [name, data] : Files()) names.insert(name);
  EXPECT_EQ(names, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Selection,
    ::testing::Values(
        TSelectionCase{{"*.*"}, {}, true, {"index.htm", "notes.txt", "README", "sub/page.HTM", "sub/deep/old.htm"}},
        TSelectionCase{{"*.*"}, {}, false, {"index.htm", "notes.txt", "README"}},
        TSelectionCase{{"*.htm"}, {}, true, {"index.htm", "sub/page.HTM", "sub/deep/old.htm"}},
        TSelectionCase{{"*.htm"}, {"old*"}, true, {"index.htm", "sub/page.HTM"}},
        TSelectionCase{{"sub/*"}, {}, false, {"sub/page.HTM", "sub/deep/old.htm"}},
        TSelectionCase{{"?????.txt", "readme"}, {}, true, {"notes.txt", "README"}},
        TSelectionCase{{}, {}, true, {}},
        TSelectionCase{{"*"}, {"*.*"}, true, {}}));

struct TPasswordCase {
  std::vector<std::string> passwords;
  int attempts;
  bool extracted;
};

class Passwords : public UnZipTest, public ::testing::WithParamInterface<TPasswordCase> {};

TEST_P(Passwords, TriesAtMostTheAllowedNumber) {
  const TPasswordCase& c = GetParam();
  const int count = Extract({{.name = "secret.htm", .data = zip::test::SampleText(5000, 4), .method = 8, .password = "s3cret"}},
                            [&](TUnZip& u) {
                              u.SetPasswords(c.passwords);
                              u.SetPasswordAttempts(c.attempts);
                            });
  EXPECT_EQ(count, c.extracted ? 1 : 0);
  if (c.extracted) {
    EXPECT_EQ(Files().at("secret.htm"), zip::test::SampleText(5000, 4));
  } else {
    EXPECT_EQ(Codes(), std::vector<int>{zip::zeWrongPassword});
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, Passwords,
                         ::testing::Values(TPasswordCase{{"s3cret"}, 3, true}, TPasswordCase{{"a", "b", "s3cret"}, 3, true},
                                           TPasswordCase{{"a", "b", "c", "s3cret"}, 3, false},
                                           TPasswordCase{{"a", "b", "s3cret"}, 2, false}, TPasswordCase{{}, 3, false}));

TEST_F(UnZipTest, Zip64RecordsAreRead) {
  const std::vector<TTestEntry> entries = {{.name = "a.htm", .data = "first", .method = 8},
                                          {.name = "b/c.htm", .data = "second", .method = 9}};
  zip::test::WriteFile(dir.Path() + "big.zip", zip::test::BuildZip(entries, true));
  if (zip::test::HaveProgram("unzip")) {
    EXPECT_EQ(zip::test::Run("unzip -tqq " + dir.Path() + "big.zip >/dev/null 2>&1"), 0);
  }
  unzip.SetArchiveFile(dir.Path() + "big.zip");
  unzip.SetFileSpec({"*.*"});
  unzip.SetExtractDir(Out());
  EXPECT_EQ(unzip.Extract(), 2);
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"a.htm", "first"}, {"b/c.htm", "second"}}));
}

TEST_F(UnZipTest, EncryptedEntryWithDataDescriptorChecksTheTime) {
  EXPECT_EQ(Extract({{.name = "a.htm", .data = "text", .method = 8, .flags = 0x08, .password = "pw"}},
                    [](TUnZip& u) { u.SetPasswords({"pw"}); }),
            1);
  EXPECT_EQ(Files().at("a.htm"), "text");
}

TEST_F(UnZipTest, EntriesClimbingOutAreSkippedAndReported) {
  const std::vector<TTestEntry> entries = {
      {.name = "../evil.htm", .data = "x"},        {.name = "/tmp/evil-absolute.htm", .data = "x"},
      {.name = "a/../../evil.htm", .data = "x"},   {.name = "..\\evil.htm", .data = "x"},
      {.name = "C:\\evil.htm", .data = "x"},       {.name = "good/./ok.htm", .data = "fine"},
  };
  EXPECT_EQ(Extract(entries), 1);
  EXPECT_EQ(Codes(), std::vector<int>(5, zip::zeUnsafePath));
  EXPECT_EQ(errors[0].message, "Path leaves the extraction directory: ../evil.htm");
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"good/ok.htm", "fine"}}));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() + "evil.htm"));
  EXPECT_FALSE(std::filesystem::exists("/tmp/evil-absolute.htm"));
}

TEST_F(UnZipTest, RenamedPathsAreCheckedToo) {
  unzip.OnRenameFile = [](TUnZip&, std::string& path) { path = "../" + path; };
  EXPECT_EQ(Extract({{.name = "a.htm", .data = "x"}}), 0);
  EXPECT_EQ(Codes(), std::vector<int>{zip::zeUnsafePath});
}

// Regression: a damaged entry must not destroy the good file it would replace.
TEST_F(UnZipTest, FailedEntryLeavesTheExistingFileAlone) {
  std::filesystem::create_directories(Out());
  zip::test::WriteFile(Out() + "page.htm", "good old page");
  const std::string text = zip::test::SampleText(20000, 5);
  std::string damaged = zip::test::DeflateRaw(text);
  damaged.resize(damaged.size() / 2);
  const std::vector<TTestEntry> entries = {
      {.name = "page.htm", .data = text, .method = 8, .crc = 0x12345678},
      {.name = "page.htm", .data = text, .method = 8, .compressed = damaged},
  };
  EXPECT_EQ(Extract(entries), 0);
  EXPECT_EQ(Codes(), (std::vector<int>{zip::zeCrcCheck, zip::zeBadData}));
  EXPECT_EQ(errors[0].message, "File fails CRC check: page.htm");
  EXPECT_EQ(errors[1].message, "Error in compressed data: page.htm (unexpected end of data)");
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"page.htm", "good old page"}}));
}

TEST_F(UnZipTest, ExistingFileIsReplacedWithoutAQuestion) {
  std::filesystem::create_directories(Out());
  zip::test::WriteFile(Out() + "page.htm", "old");
  bool asked = false;
  unzip.OnFileExists = [&](TUnZip&, const std::string&, bool&) { asked = true; };
  EXPECT_EQ(Extract({{.name = "page.htm", .data = "new", .method = 8}}), 1);
  EXPECT_FALSE(asked);
  EXPECT_EQ(Files().at("page.htm"), "new");
}

TEST_F(UnZipTest, ConfirmedOverwriteCanBeRefused) {
  std::filesystem::create_directories(Out());
  zip::test::WriteFile(Out() + "page.htm", "old");
  unzip.OnFileExists = [](TUnZip&, const std::string&, bool& overwrite) { overwrite = false; };
  EXPECT_EQ(Extract({{.name = "page.htm", .data = "new"}}, [](TUnZip& u) { u.SetConfirmOverwrites(true); }), 0);
  EXPECT_EQ(Files().at("page.htm"), "old");
}

TEST_F(UnZipTest, StoredDateAndAttributesAreApplied) {
  const std::vector<TTestEntry> entries = {
      {.name = "run.sh", .data = "#!/bin/sh\n", .externalAttributes = 0100755u << 16},
      {.name = "setuid", .data = "x", .externalAttributes = 0104755u << 16},
      {.name = "readonly.txt", .data = "x", .versionMadeBy = 20, .externalAttributes = 0x01},
  };
  ASSERT_EQ(Extract(entries), 3);
  struct stat info {};
  ASSERT_EQ(::stat((Out() + "run.sh").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0755u);
  std::tm when{};
  const time_t mtime = info.st_mtime;
  localtime_r(&mtime, &when);
  EXPECT_EQ(when.tm_year + 1900, 2020);
  EXPECT_EQ(when.tm_mon + 1, 5);
  EXPECT_EQ(when.tm_mday, 17);
  EXPECT_EQ(when.tm_hour, 12);
  EXPECT_EQ(when.tm_min, 30);
  ASSERT_EQ(::stat((Out() + "setuid").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07000, 0u);
  ASSERT_EQ(::stat((Out() + "readonly.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0222, 0u);
}

TEST_F(UnZipTest, NamesAreTranslatedToTheSystemsCodePage) {
  std::vector<TTestEntry> entries = {
      {.name = "\x8F\xE0\xA8\xA2\xA5\xE2.htm", .data = "oem"},  // "Привет" in code page 866
      {.name = "\xD0\x9C\xD0\xB8\xD1\x80.htm", .data = "utf8", .flags = 0x0800},  // "Мир" in UTF-8
      {.name = "\xE2\x82\xAC\xC2\xBD.txt", .data = "lossless", .flags = 0x0800},  // "€½": ½ is not in 1251
      {.name = "\xB0\xDB.txt", .data = "box"},  // two box-drawing characters of code page 866
  };
  EXPECT_EQ(Extract(entries), 4);
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{
                         {"Привет.htm", "oem"}, {"Мир.htm", "utf8"}, {"€½.txt", "lossless"}, {"░█.txt", "box"}}));
  entries.pop_back();
  entries.pop_back();
  Extract(entries);
  EXPECT_EQ(unzip.LastName(), "\xCC\xE8\xF0.htm");  // windows-1251
}

TEST_F(UnZipTest, UnsupportedMethodIsReported) {
  EXPECT_EQ(Extract({{.name = "a.bz2", .data = "x", .method = 12, .compressed = "BZh"}}), 0);
  ASSERT_EQ(Codes(), std::vector<int>{zip::zeUnsupportedMethod});
  EXPECT_EQ(errors[0].message, "Unsupported compression method: a.bz2 (method 12)");
}

TEST_F(UnZipTest, MissingArchiveYieldsZero) {
  unzip.SetArchiveFile(dir.Path() + "nothing.zip");
  EXPECT_EQ(unzip.Extract(), 0);
  EXPECT_EQ(Codes(), std::vector<int>{zip::zeOpenArchive});
}

struct TDamagedArchiveCase {
  const char* label;
  std::function<std::string(std::string)> damage;
  int extracted;
  std::vector<int> codes;
};

class DamagedArchive : public UnZipTest, public ::testing::WithParamInterface<TDamagedArchiveCase> {};

TEST_P(DamagedArchive, GivesErrorsNotCrashes) {
  const TDamagedArchiveCase& c = GetParam();
  const std::vector<TTestEntry> entries = {{.name = "a.htm", .data = "first", .method = 8},
                                          {.name = "b.htm", .data = "second", .method = 8}};
  const std::string archive = c.damage(zip::test::BuildZip(entries));
  zip::test::WriteFile(dir.Path() + "damaged.zip", archive);
  unzip.SetArchiveFile(dir.Path() + "damaged.zip");
  unzip.SetFileSpec({"*.*"});
  unzip.SetExtractDir(Out());
  EXPECT_EQ(unzip.Extract(), c.extracted);
  EXPECT_EQ(Codes(), c.codes);
}

// Offsets in the two-entry archive: local headers at 0 and 42, the central
// directory at 85, the end record 22 bytes before the end.
std::string Poke32(std::string s, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(value >> (8 * i));
  return s;
}
std::string Poke16(std::string s, size_t at, uint16_t value) {
  s[at] = static_cast<char>(value);
  s[at + 1] = static_cast<char>(value >> 8);
  return s;
}
size_t EndRecord(const std::string& s) { return s.size() - 22; }
size_t SecondCentral(const std::string& s) { return s.rfind(std::string("PK\x01\x02", 4)); }

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedArchive,
    ::testing::Values(
        TDamagedArchiveCase{"empty file", [](std::string) { return std::string(); }, 0, {zip::zeNoCentralDirectory}},
        TDamagedArchiveCase{"cut before the end record", [](std::string s) { return s.substr(0, s.size() - 5); }, 0,
                            {zip::zeNoCentralDirectory}},
        TDamagedArchiveCase{"directory past the end", [](std::string s) { return Poke32(s, EndRecord(s) + 16, 0xFFFFFF00); },
                            0, {zip::zeBadCentralDirectory}},
        TDamagedArchiveCase{"directory size too large", [](std::string s) { return Poke32(s, EndRecord(s) + 12, 0x7FFFFFFF); },
                            0, {zip::zeBadCentralDirectory}},
        TDamagedArchiveCase{"more entries than headers", [](std::string s) { return Poke16(s, EndRecord(s) + 10, 60000); }, 0,
                            {zip::zeBadCentralDirectory}},
        TDamagedArchiveCase{"name runs past the directory",
                            [](std::string s) { return Poke16(s, SecondCentral(s) + 28, 0xFFFF); }, 0,
                            {zip::zeBadCentralDirectory}},
        TDamagedArchiveCase{"local header offset past the end",
                            [](std::string s) { return Poke32(s, SecondCentral(s) + 42, 0x7FFFFFF0); }, 1,
                            {zip::zeBadLocalHeader}},
        TDamagedArchiveCase{"local header offset into data", [](std::string s) { return Poke32(s, SecondCentral(s) + 42, 3); },
                            1, {zip::zeBadLocalHeader}},
        TDamagedArchiveCase{"compressed size past the end",
                            [](std::string s) { return Poke32(s, SecondCentral(s) + 20, 0x7FFFFFF0); }, 1,
                            {zip::zeBadLocalHeader}},
        TDamagedArchiveCase{"huge stated size", [](std::string s) { return Poke32(s, SecondCentral(s) + 24, 0xFFFFFFF0); }, 1,
                            {zip::zeBadData}}),
    [](const auto& info) { return zip::test::TestName(info.param.label); });


std::string Le16(uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)}; }
std::string Le32(uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }

// The Info-ZIP Unicode Path field for a stored name.
std::string UnicodePathField(const std::string& storedName, const std::string& utf8, bool stale = false) {
  const uint32_t crc = zip::test::Crc32(storedName) ^ (stale ? 1u : 0u);
  return Le16(0x7075) + Le16(static_cast<uint32_t>(5 + utf8.size())) + std::string(1, '\x01') + Le32(crc) + utf8;
}

constexpr uint16_t kMadeOnDos = 0 << 8 | 20;
// "Папка/файл.txt" in UTF-8 and in code page 866.
const std::string kUtf8Name = "\xD0\x9F\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0/\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB.txt";
const std::string kOemName = "\x8F\xA0\xAF\xAA\xA0/\xE4\xA0\xA9\xAB.txt";

TEST_F(UnZipTest, NamesFollowTheirHostSystemAndTheUnicodePathField) {
  struct TRow {
    const char* label;
    TTestEntry entry;
  };
  const TRow rows[] = {
      {"unix_utf8_without_flag", {.name = kUtf8Name, .data = "x"}},
      {"dos_oem", {.name = kOemName, .data = "x", .versionMadeBy = kMadeOnDos}},
      {"unicode_path_field", {.name = "_____/____.txt", .data = "x", .versionMadeBy = kMadeOnDos,
                              .extra = UnicodePathField("_____/____.txt", kUtf8Name)}},
  };
  for (const TRow& row : rows) {
    std::filesystem::remove_all(Out());
    EXPECT_EQ(Extract({row.entry}), 1) << row.label;
    EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"Папка/файл.txt", "x"}})) << row.label;
    EXPECT_EQ(unzip.LastName(), "\xCF\xE0\xEF\xEA\xE0/\xF4\xE0\xE9\xEB.txt") << row.label;  // windows-1251
  }
  // A field whose CRC does not match the stored name belongs to another name.
  std::filesystem::remove_all(Out());
  EXPECT_EQ(Extract({{.name = "plain.txt", .data = "x", .extra = UnicodePathField("plain.txt", "other.txt", true)}}), 1);
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"plain.txt", "x"}}));
}

TEST_F(UnZipTest, ArchiveStatingMoreThanTheFreeSpaceIsRefusedBeforeWriting) {
  const std::vector<TTestEntry> entries = {{.name = "first.txt", .data = "small"},
                                           {.name = "huge.bin", .data = "x", .statedSize = uint64_t(1) << 60}};
  zip::test::WriteFile(dir.Path() + "huge.zip", zip::test::BuildZip(entries, true));
  unzip.SetArchiveFile(dir.Path() + "huge.zip");
  unzip.SetFileSpec({"*.*"});
  unzip.SetExtractDir(Out());
  EXPECT_EQ(unzip.Extract(), 0);
  EXPECT_EQ(Codes(), std::vector<int>{zip::zeDiskFull});
  EXPECT_TRUE(Files().empty());
}

// Archives of the packers on this computer: an empty folder, a name in
// Cyrillic under a sub-folder.
TEST_F(UnZipTest, ArchivesOfRealPackers) {
  const std::string source = dir.Path() + "src/";
  std::filesystem::create_directories(source + "Папка");
  std::filesystem::create_directories(source + "empty");
  zip::test::WriteFile(source + "Папка/файл.txt", "text");
  const std::pair<const char*, std::string> packers[] = {
      {"zip", "cd " + source + " && zip -qr " + dir.Path() + "real.zip ."},
      {"7z", "cd " + source + " && 7z a -tzip -bd " + dir.Path() + "real.zip . >/dev/null"},
  };
  int tried = 0;
  for (const auto& [program, command] : packers) {
    if (!zip::test::HaveProgram(program)) continue;
    ++tried;
    std::filesystem::remove(dir.Path() + "real.zip");
    std::filesystem::remove_all(Out());
    ASSERT_EQ(zip::test::Run(command), 0) << program;
    unzip.SetArchiveFile(dir.Path() + "real.zip");
    unzip.SetFileSpec({"*.*"});
    unzip.SetExtractDir(Out());
    unzip.SetCreateStoredDirs(true);
    EXPECT_EQ(unzip.Extract(), 1) << program;
    EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"Папка/файл.txt", "text"}})) << program;
    EXPECT_TRUE(std::filesystem::is_directory(Out() + "empty")) << program;
  }
  if (tried == 0) GTEST_SKIP() << "no zip packer on this computer";
}

}  // namespace
}  // namespace tessaly
