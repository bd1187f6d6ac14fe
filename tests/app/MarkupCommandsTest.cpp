// The markup table and the edits its rows make in the source, without a window.

#include "app/markup/MarkupTable.h"

#include <gtest/gtest.h>

#include <set>

#include "app/window/ToolPages.h"
#include "editor/SrcEdit.h"
#include "platform/Clipboard.h"
#include "platform/HeadlessControlHost.h"

namespace tessaly {
namespace {

TEST(MarkupCommandTableTest, EveryRowIsAButtonOfTheToolPagesOnce) {
  std::set<std::string> buttons;
  for (const TToolPageSpec& page : ToolPageTable()) {
    for (const TToolButtonSpec& button : page.Buttons) {
      if (button.Name != nullptr) buttons.insert(button.Name);
    }
  }
  std::set<std::string> seen;
  for (const TMarkupCommand& command : MarkupCommandTable()) {
    EXPECT_TRUE(buttons.count(command.Button)) << command.Button;
    EXPECT_TRUE(seen.insert(command.Button).second) << command.Button << " twice";
    EXPECT_EQ(FindMarkupCommand(command.Button), &command);
  }
  EXPECT_EQ(FindMarkupCommand("BtnAttach"), nullptr);
}

TEST(MarkupTextsTest, PromptAnswersBecomeTags) {
  EXPECT_EQ(LinkOpenText("x.htm"), "<A href=\"x.htm\">");
  // Typed as it stands, nothing escaped.
  EXPECT_EQ(LinkOpenText("a\"b&c"), "<A href=\"a\"b&c\">");
  EXPECT_EQ(ImageText(ImageDefault), "<IMG src=\"****.gif\">");
  const struct {
    TColor color;
    const char* open;
  } colors[] = {
      {0xFF0000, "<FONT color=\"#0000FF\">"},  // pure blue: blue sits in the third byte
      {0x0000FF, "<FONT color=\"#FF0000\">"},
      {0x0A0B0C, "<FONT color=\"#0C0B0A\">"},
      {clBlack, "<FONT color=\"#000000\">"},
      {clWhite, "<FONT color=\"#FFFFFF\">"},
  };
  for (const auto& row : colors) EXPECT_EQ(ColorOpenText(row.color), row.open) << std::hex << row.color;
  // A system colour is written as the plain colour it stands for.
  EXPECT_EQ(ColorOpenText(clWindowText), ColorOpenText(ColorToRGB(clWindowText)));
}

class WrapSelectionTest : public testing::Test {
protected:
  WrapSelectionTest() : host({648, 400}, 8, 16), editor(host, clipboard) {}

  THeadlessControlHost host;
  TMemoryClipboard clipboard;
  TSrcEdit editor;
};

TEST_F(WrapSelectionTest, EachRowIsOneUndoItemAroundTheSelectionOrAtTheCaret) {
  for (const TMarkupCommand& command : MarkupCommandTable()) {
    for (const bool selected : {false, true}) {
      SCOPED_TRACE(std::string(command.Button) + (selected ? " with abc selected" : " at the caret"));
      editor.Lines().SetText("xabcy\r\n");
      editor.ClearUndoHistory();
      editor.SetSelStart(2);
      editor.SetSelEnd(selected ? 5 : 2);
      WrapSelection(editor, command.Open, command.Close);

      std::string expected = std::string("x") + command.Open + (selected ? "abc" : "") + command.Close +
                             (selected ? "y" : "abcy");
      std::string text = editor.Lines().Text();
      text.resize(text.size() - 2);
      // The editor keeps line breaks as CR LF.
      std::string expectedText;
      for (char ch : expected) expectedText += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
      EXPECT_EQ(text, expectedText);
      // The caret ends after the inserted text.
      const int inserted = static_cast<int>(expectedText.size() - (selected ? 2 : 5));
      EXPECT_EQ(editor.SelStart(), 2 + inserted);
      EXPECT_FALSE(editor.SelAvail());

      editor.Undo();
      EXPECT_EQ(editor.Lines().Text(), "xabcy\r\n");
      EXPECT_FALSE(editor.UndoAvailable());
    }
  }
}

}  // namespace
}  // namespace tessaly
