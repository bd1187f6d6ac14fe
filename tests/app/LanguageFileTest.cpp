#include "app/languages/LanguageFile.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

namespace tessaly::language {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

TEST(LanguageFile, LineBreaksTravelAsTwoTildes) {
  struct Row {
    const char* text;
    const char* stored;
  };
  for (const Row& row : {Row{"one\r\ntwo", "one~~two"}, Row{"\r\n\r\n", "~~~~"}, Row{"no break", "no break"},
                         Row{"lone\nlf and\rcr", "lone\nlf and\rcr"}, Row{"", ""}}) {
    EXPECT_EQ(EncodeLineBreaks(row.text), row.stored) << row.text;
    EXPECT_EQ(DecodeLineBreaks(row.stored), row.text) << row.stored;
  }
  EXPECT_EQ(DecodeLineBreaks("a~~~b"), "a\r\n~b") << "pairs are taken from the left";
}

TEST(LanguageFile, DumpSkipsEmptyTextsAndSeparators) {
  const auto entries = DumpEntries("OsnovnFRM", "Editor",
                                   {{"N1", "-", "", ""},
                                    {"Btn", "Bold", "Make\r\nbold", ""},
                                    {"Edit", "", "", "typed"},
                                    {"Panel", "", "", ""},
                                    {"Dash", "-", "a dash", ""}});
  EXPECT_EQ(entries, (std::vector<std::pair<std::string, std::string>>{{"FCaption", "Editor"},
                                                                       {"OsnovnFRM.Btn.Caption", "Bold"},
                                                                       {"OsnovnFRM.Btn.Hint", "Make~~bold"},
                                                                       {"OsnovnFRM.Edit.Text", "typed"},
                                                                       {"OsnovnFRM.Dash.Hint", "a dash"}}));
  EXPECT_EQ(DumpEntries("F", "two\r\nlines", {}).front().second, "two~~lines") << "a caption cannot split its line";
}

TEST(LanguageFile, DumpedTextsReadBackAsTheyWere) {
  test::TempDir dir;
  const std::string path = dir.File("Language.lng");
  const char* texts[] = {" ", "  padded\t", "\"quoted\"", "'single'", "\"", "a \"middle\" quote", "=", "x=y", "~"};
  std::vector<TComponentEntry> components;
  for (const char* text : texts) components.push_back({"C" + std::to_string(components.size()), text, "", ""});
  IniFile file(path);
  Dump(file, "F", " caption ", components);
  const IniFile reread(path);
  EXPECT_EQ(Caption(reread), " caption ");
  const std::vector<TTranslation> read = Translations(reread, "F");
  ASSERT_EQ(read.size(), components.size());
  for (size_t i = 0; i < read.size(); ++i) EXPECT_EQ(read[i].Value, components[i].Caption) << components[i].Caption;
}

TEST(LanguageFile, TranslationLinesSplitAtTheFirstDots) {
  struct Row {
    const char* line;
    std::optional<TTranslation> expected;
  };
  const Row rows[] = {
      {"OsnovnFRM.Btn.Caption=Bold", TTranslation{"Btn", "Caption", "Bold"}},
      {"OsnovnFRM.Btn.Hint=a=b~~c", TTranslation{"Btn", "Hint", "a=b\r\nc"}},
      {"OsnovnFRM.Btn.Caption.Extra=x", TTranslation{"Btn", "Caption.Extra", "x"}},  // no such property: skipped later
      {"OsnovnFRM.Btn.Caption=", TTranslation{"Btn", "Caption", ""}},
      {"osnovnfrm.Btn.Caption=x", std::nullopt},  // the form name counts letter case
      {"Other.Btn.Caption=x", std::nullopt},
      {"FCaption=Editor", std::nullopt},
      {"OsnovnFRM.Btn=x", std::nullopt},
      {"OsnovnFRM=x", std::nullopt},
      {"no equals sign", std::nullopt},
      {"=x", std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(ParseTranslation(row.line, "OsnovnFRM"), row.expected) << row.line;
}

TEST(LanguageFile, ReadsTheTranslationsSectionInAnyCase) {
  struct Row {
    std::string_view file;
    size_t translations;
    const char* caption;
  };
  const Row rows[] = {
      {"[TRANSLATIONS]\r\nFCaption=Editor\r\nOsnovnFRM.A.Caption=x\r\n", 1, "Editor"},
      {"[translations]\nOsnovnFRM.A.Caption=x\nOsnovnFRM.B.Hint=y\n", 2, "***"},
      {"[Other]\r\nOsnovnFRM.A.Caption=x\r\nFCaption=No\r\n", 0, "***"},
      {"FCaption=before any section\r\n", 0, "***"},
      {"", 0, "***"},
      {"\x00\xff[Translations\x01\r\n=\r\n===\r\n[Translations]\r\nFCaption=~~\r\n"sv, 0, "\r\n"},
  };
  for (const Row& row : rows) {
    test::TempDir dir;
    const std::string path = dir.File("x.lng");
    WriteFileAtomically(path, row.file);
    const IniFile file(path);
    EXPECT_EQ(Translations(file, "OsnovnFRM").size(), row.translations) << std::string(row.file);
    EXPECT_EQ(Caption(file), row.caption) << std::string(row.file);
  }
}

TEST(LanguageFile, DumpKeepsOtherEntriesAndTheSettingsNameTheFileInUse) {
  test::TempDir dir;
  const std::string path = dir.File("Language.lng");
  WriteFileAtomically(path, "[Translations]\r\nOsnovnFRM.Gone.Caption=old\r\nFCaption=old\r\n");
  IniFile file(path);
  Dump(file, "OsnovnFRM", "New", {{"Btn", "Bold", "", ""}});
  EXPECT_EQ(ReadFileBytes(path),
            "[Translations]\r\nOsnovnFRM.Gone.Caption=old\r\nFCaption=New\r\nOsnovnFRM.Btn.Caption=Bold\r\n");

  IniFile settings(dir.File("tessaly.ini"));
  EXPECT_EQ(ConfiguredFile(settings, "OsnovnFRM", "/d/Language.lng"), "/d/Language.lng");
  SetConfiguredFile(settings, "OsnovnFRM", "/d/English.lng");
  EXPECT_EQ(ReadFileBytes(dir.File("tessaly.ini")), "[Language]\r\nOsnovnFRM=/d/English.lng\r\n");
  EXPECT_EQ(ConfiguredFile(IniFile(dir.File("tessaly.ini")), "OsnovnFRM", "x"), "/d/English.lng");
}

}  // namespace
}  // namespace tessaly::language
