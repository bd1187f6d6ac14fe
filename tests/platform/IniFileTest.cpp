#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "platform/Files.h"

namespace tessaly {
namespace {

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase) {
  test::TempDir dir;
  const std::string path = dir.File("lang.lng");
  WriteFileAtomically(path,
                      "; comment\r\n[Translations]\r\nFCaption = Editor \r\nOsnovnFRM.Btn.Caption=\"Bold\"\r\n"
                      "OsnovnFRM.Btn.Hint=a=b\r\n[set]\nlast=-\n");
  const IniFile ini(path);
  EXPECT_EQ(ini.ReadString("TRANSLATIONS", "fcaption", "***"), "Editor");
  EXPECT_EQ(ini.ReadString("translations", "OsnovnFRM.Btn.Caption", ""), "Bold");
  EXPECT_EQ(ini.ReadString("Translations", "OsnovnFRM.Btn.Hint", ""), "a=b");
  EXPECT_EQ(ini.ReadString("Translations", "Missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("Nope", "FCaption", "***"), "***");
  EXPECT_EQ(ini.ReadString("SET", "LAST", ""), "-");
  EXPECT_EQ(ini.ReadSection("Translations"),
            (std::vector<std::string>{"FCaption", "OsnovnFRM.Btn.Caption", "OsnovnFRM.Btn.Hint"}));
  EXPECT_EQ(ini.ReadSectionValues("translations"),
            (std::vector<std::string>{"FCaption=Editor", "OsnovnFRM.Btn.Caption=Bold", "OsnovnFRM.Btn.Hint=a=b"}));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Translations", "set"}));
}

TEST(IniFile, CutsValuesWhereAskedTo) {
  test::TempDir dir;
  IniFile ini(dir.File("a.ini"));
  ini.WriteString("set", "vers", std::string(300, 'v'));
  EXPECT_EQ(ini.ReadString("set", "vers", "", 255).size(), 255u);
  EXPECT_EQ(ini.ReadString("set", "vers", "").size(), 300u);
}

TEST(IniFile, WritesGoToDiskAtOnceAndKeepOtherLines) {
  test::TempDir dir;
  const std::string path = dir.File("tessaly.ini");
  WriteFileAtomically(path, "; keep me\r\n[Language]\r\nOsnovnFRM=/x/Language.lng\r\n\r\n[Other]\r\nk=v\r\n");
  IniFile ini(path);
  ini.WriteString("language", "OSNOVNFRM", "/y/English.lng");  // replaces, case-insensitively
  ini.WriteString("Language", "Second", "2");                   // appended after the last entry
  ini.WriteString("set", "last", "08.12.2026");                  // new section at the end
  EXPECT_EQ(ReadFileBytes(path),
            "; keep me\r\n[Language]\r\nOSNOVNFRM=/y/English.lng\r\nSecond=2\r\n\r\n[Other]\r\nk=v\r\n"
            "[set]\r\nlast=08.12.2026\r\n");
  const IniFile reread(path);
  EXPECT_EQ(reread.ReadString("Language", "osnovnfrm", ""), "/y/English.lng");

  ini.DeleteKey("Language", "second");
  ini.EraseSection("OTHER");
  EXPECT_FALSE(IniFile(path).SectionExists("Other"));
  EXPECT_FALSE(IniFile(path).ValueExists("Language", "Second"));
}

TEST(IniFile, AMissingFileIsAnEmptyProfile) {
  test::TempDir dir;
  const IniFile ini(dir.File("none.ini"));
  EXPECT_TRUE(ini.ReadSections().empty());
  EXPECT_FALSE(FileExists(dir.File("none.ini"))) << "reading alone creates nothing";
}

TEST(IniFile, WritesManyKeysInOneSave) {
  test::TempDir dir;
  const std::string path = dir.File("lang.lng");
  WriteFileAtomically(path, "[TRANSLATIONS]\r\nFCaption=old\r\nKeep=1\r\n");
  IniFile ini(path);
  ini.WriteStrings("Translations", {{"fcaption", "new"}, {"A.B.Caption", "x"}, {"A.B.Hint", "y"}});
  EXPECT_EQ(ReadFileBytes(path), "[TRANSLATIONS]\r\nfcaption=new\r\nKeep=1\r\nA.B.Caption=x\r\nA.B.Hint=y\r\n");
}

TEST(IniFile, ReadsNoMoreThanAskedOfALongFile) {
  test::TempDir dir;
  const std::string path = dir.File("huge.lng");
  WriteFileAtomically(path, "[s]\r\na=1\r\nb=2\r\n");
  const IniFile cut(path, 11);  // "[s]\r\na=1\r\nb": the cut line holds no entry
  EXPECT_EQ(cut.ReadSectionValues("s"), (std::vector<std::string>{"a=1"}));
  EXPECT_EQ(IniFile(path, 1000).ReadSectionValues("s"), (std::vector<std::string>{"a=1", "b=2"}));
}

}  // namespace
}  // namespace tessaly
