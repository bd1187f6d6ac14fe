// The editor's command line: at most one page, opened as a drop opens it.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "app/documents/CommandLine.h"
#include "app/MainWindowFixture.h"
#include "editor/SrcEdit.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {

namespace {

TEST(StartFileTest, TheArgumentsNameAtMostOnePage) {
  struct Case {
    std::vector<std::string> arguments;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {{}, ""},
      {{"page.htm"}, "page.htm"},
      {{"/home/user/my pages/index.html"}, "/home/user/my pages/index.html"},
      {{"--foo"}, std::nullopt},
      {{"-x"}, std::nullopt},
      {{"-"}, std::nullopt},
      {{""}, std::nullopt},
      {{"a.htm", "b.htm"}, std::nullopt},
      {{"a.htm", "--foo"}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(StartFile(c.arguments), c.expected) << testing::PrintToString(c.arguments);
}

class OpenStartFileTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    previousFolder = std::filesystem::current_path();
    std::filesystem::create_directories(pages.File("site/sub"));
    std::ofstream(pages.File("site/page.htm"), std::ios::binary) << "<html>\r\n<p>from the command line</p>\r\n</html>\r\n";
  }
  void TearDown() override {
    std::filesystem::current_path(previousFolder);
    MainWindowTest::TearDown();
  }
  TSrcEdit& editor() { return window().SrcEdit->Editor(); }

  test::TempDir pages;
  std::filesystem::path previousFolder;
};

TEST_F(OpenStartFileTest, ARelativeNameOpensThePageByItsFullName) {
  // The page's own folder is the one its pictures resolve against; the
  // program's working folder stays where it was.
  for (const char* name : {"site/page.htm", "site/sub/../page.htm", "./site/page.htm"}) {
    SCOPED_TRACE(name);
    std::filesystem::current_path(pages.Path());
    OpenStartFile(window(), name);
    EXPECT_EQ(window().FileName(), pages.File("site/page.htm"));
    EXPECT_EQ(window().windowTitle().toStdString(), pages.File("site/page.htm"));
    EXPECT_EQ(editor().Text(), "<html>\r\n<p>from the command line</p>\r\n</html>\r\n");
    EXPECT_FALSE(editor().Modified());
    EXPECT_EQ(window().Document().BaseFolder(), pages.File("site") + "/");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(pages.Path()));
  }
  EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(OpenStartFileTest, AMissingPageIsReportedAndTheNewDocumentStays) {
  const std::string untitled = window().FileName();
  const std::string text = editor().Text();
  OpenStartFile(window(), pages.File("site/missing.htm"));
  ASSERT_EQ(dialogs.Calls().size(), 1u);
  EXPECT_EQ(dialogs.Calls()[0].Type, TMsgDlgType::mtError);
  EXPECT_NE(dialogs.Calls()[0].Text.find("missing.htm"), std::string::npos) << dialogs.Calls()[0].Text;
  EXPECT_EQ(window().FileName(), untitled);
  EXPECT_EQ(editor().Text(), text);
}

}  // namespace

}  // namespace tessaly
