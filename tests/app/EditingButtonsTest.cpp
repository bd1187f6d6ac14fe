// The editing buttons of "Стандартная" in the real window: Cut and Copy follow
// the selection whatever made it, Paste comes on with the first Cut or Copy
// and stays on; the Edit menu's items are the same commands.

#include <QAction>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "editor/SrcEdit.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {
namespace {

class EditingButtonsTest : public MainWindowTest {
protected:
  QToolButton* Button(const char* name) { return window().findChild<QToolButton*>(name); }
  TSrcEdit& editor() { return window().SrcEdit->Editor(); }
  std::string Text() { return editor().Lines().Text(); }
  void Select(int start, int end) {
    editor().SetSelStart(start);
    editor().SetSelEnd(end);
  }
};

TEST_F(EditingButtonsTest, PasteComesOnWithCutOrCopyAndStaysOn) {
  for (const char* name : {"EditCut", "EditCopy", "EditPaste"}) {
    ASSERT_NE(Button(name), nullptr) << name;
    EXPECT_FALSE(Button(name)->isEnabled()) << name << " at start";
  }
  editor().Lines().SetText("one two\r\n");
  Select(1, 4);
  EXPECT_TRUE(Button("EditCut")->isEnabled());
  EXPECT_TRUE(Button("EditCopy")->isEnabled());
  EXPECT_FALSE(Button("EditPaste")->isEnabled());
  // The menu items are the same commands.
  EXPECT_TRUE(window().findChild<QAction*>("Copy1")->isEnabled());
  EXPECT_FALSE(window().findChild<QAction*>("Paste1")->isEnabled());

  Button("EditCopy")->click();
  EXPECT_TRUE(Button("EditPaste")->isEnabled());
  EXPECT_EQ(Text(), "one two\r\n");

  Button("EditCut")->click();
  EXPECT_EQ(Text(), " two\r\n");
  EXPECT_FALSE(Button("EditCut")->isEnabled());
  EXPECT_FALSE(Button("EditCopy")->isEnabled());
  EXPECT_TRUE(Button("EditPaste")->isEnabled()) << "Paste is never switched off again";

  Select(8, 8);
  editor().SetCaretXY({5, 1});
  Button("EditPaste")->click();
  EXPECT_EQ(Text(), " twoone\r\n");

  // Undo and Redo go through the editor's history one item at a time.
  Button("BtnUndo")->click();
  EXPECT_EQ(Text(), " two\r\n");
  Button("BtnUndo")->click();
  EXPECT_EQ(Text(), "one two\r\n");
  Button("BtnRedo")->click();
  EXPECT_EQ(Text(), " two\r\n");
}

}  // namespace
}  // namespace tessaly
