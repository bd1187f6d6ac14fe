// The editor's side of the browser page: where the source is written for the
// browser and how the browser's HTML replaces it.

#include "app/preview/BrowserPage.h"

#include <gtest/gtest.h>

#include "editor/SrcEdit.h"
#include "platform/Clipboard.h"
#include "platform/HeadlessControlHost.h"
#include "platform/Paths.h"
#include "platform/ProgramDirectory.h"

namespace tessaly {
namespace {

TEST(BrowserTempFileTest, BesideTheDocumentOrInTheProgramDirectory) {
  EXPECT_EQ(BrowserTempFile("/home/user/site/index.htm"), "/home/user/site/temp01.htm");
  EXPECT_EQ(BrowserTempFile(""), ProgramDirectory() + "temp01.htm");
  EXPECT_EQ(BrowserTempFile("page.htm"), ProgramDirectory() + "temp01.htm");
}

class ReplaceSourceTextTest : public testing::Test {
protected:
  ReplaceSourceTextTest() : host({648, 400}, 8, 16), editor(host, clipboard) {}

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < editor.Lines().Count(); ++i) lines.push_back(editor.Lines().Get(i));
    return lines;
  }

  THeadlessControlHost host;
  TMemoryClipboard clipboard;
  TSrcEdit editor;
};

TEST_F(ReplaceSourceTextTest, OneUndoGivesTheOldSourceBack) {
  editor.Lines().SetText("<HTML>\r\n<BODY>old</BODY>\r\n</HTML>\r\n");
  int changes = 0;
  editor.OnChange.Add(&changes, [&changes](TSrcEdit&) { ++changes; });

  ASSERT_TRUE(ReplaceSourceText(editor, "<html><head></head><body>\n<b>new</b>\n</body></html>"));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"<html><head></head><body>", "<b>new</b>", "</body></html>"}));
  EXPECT_TRUE(editor.Modified());
  EXPECT_GE(changes, 1);

  editor.Undo();
  EXPECT_EQ(Lines(), (std::vector<std::string>{"<HTML>", "<BODY>old</BODY>", "</HTML>"}));
  EXPECT_FALSE(editor.Modified());
  EXPECT_FALSE(editor.UndoAvailable());
}

TEST_F(ReplaceSourceTextTest, TheSameLinesAreNoEdit) {
  editor.Lines().SetText("<p>a</p>\r\n<p>b</p>\r\n");
  EXPECT_FALSE(ReplaceSourceText(editor, "<p>a</p>\n<p>b</p>\n"));
  EXPECT_FALSE(editor.UndoAvailable());
  EXPECT_FALSE(editor.Modified());
}

}  // namespace
}  // namespace tessaly
