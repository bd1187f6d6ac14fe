#include <gtest/gtest.h>

#include "app/StatusCounts.h"
#include "platform/ScriptedDialogs.h"
#include "qt/QtDialogs.h"

namespace tessaly {

TEST(ScriptedDialogs, AnswersInOrderAndFallsBackToEscape) {
  ScriptedDialogs dialogs;
  dialogs.AnswerMessage(mrNo);
  dialogs.AnswerInput("x.htm");
  dialogs.Cancel(TDialogKind::OpenFile);
  dialogs.AnswerColor(RGB(0, 0, 255));

  EXPECT_EQ(dialogs.MessageDlg("Сохранить?", "", TMsgDlgType::mtConfirmation, mbYes | mbNo | mbCancel, mbYes), mrNo);
  std::string value = "";
  EXPECT_TRUE(dialogs.InputQuery("Anchor", "Anchor value", value));
  EXPECT_EQ(value, "x.htm");
  TFileDialogSpec spec;
  spec.FileName = "keep.htm";
  EXPECT_FALSE(dialogs.OpenFile(spec));
  EXPECT_EQ(spec.FileName, "keep.htm");
  TColor color = clWhite;
  EXPECT_TRUE(dialogs.ChooseColor(color));
  EXPECT_EQ(color, RGB(0, 0, 255));

  // Unscripted: a message box takes its default button, other dialogs are cancelled.
  EXPECT_EQ(dialogs.MessageDlg("?", "", TMsgDlgType::mtConfirmation, mbYes | mbNo, mbNo), mrNo);
  std::string untouched = "****.gif";
  EXPECT_FALSE(dialogs.InputQuery("Image", "Image reference", untouched));
  EXPECT_EQ(untouched, "****.gif");
  TFontSpec font;
  EXPECT_FALSE(dialogs.ChooseFont(font));

  ASSERT_EQ(dialogs.Calls().size(), 7u);
  EXPECT_EQ(dialogs.Calls()[1].Caption, "Anchor");
  EXPECT_EQ(dialogs.Calls()[1].Text, "Anchor value");
  EXPECT_EQ(dialogs.Calls()[5].Value, "****.gif");
  EXPECT_EQ(dialogs.UnusedAnswers(), 0u);
}

TEST(ScriptedDialogs, AnswerOfAnotherKindWaitsForItsQuestion) {
  ScriptedDialogs dialogs;
  dialogs.AnswerSaveFile("/tmp/out.htm");
  ShowMessage(dialogs, "Файл сохранен:\r/tmp/x.htm");
  EXPECT_EQ(dialogs.UnusedAnswers(), 1u);
  TFileDialogSpec spec;
  EXPECT_TRUE(dialogs.SaveFile(spec));
  EXPECT_EQ(spec.FileName, "/tmp/out.htm");
  EXPECT_EQ(dialogs.Calls()[0].Buttons, static_cast<TMsgDlgButtons>(mbOK));
}

TEST(QtNameFilters, TurnsPipeSeparatedFiltersIntoQtFilters) {
  struct Case {
    std::string filter;
    QStringList expected;
  };
  const std::vector<Case> cases = {
      {"HTML Files|*.htm; *.html|All Files|*.*", {"HTML Files (*.htm *.html)", "All Files (*.*)"}},
      {"Language Files |*.lng", {"Language Files (*.lng)"}},
      {"", {}},
      {"Odd|", {"Odd ()"}},
      {"Dangling name", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    EXPECT_EQ(QtNameFilters(c.filter), c.expected);
  }
}

TEST(StatusCounts, CountsEveryLineWithItsLineBreak) {
  struct Case {
    std::vector<std::string> lines;
    int x, y;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {{"ab", "c"}, 2, 1, "зн: 7 cт: 1 сим: 2"},
      {{}, 1, 1, "зн: 0 cт: 1 сим: 1"},
      {{""}, 1, 1, "зн: 2 cт: 1 сим: 1"},
      {{"\xEF\xF0\xE8\xE2\xE5\xF2"}, 7, 12, "зн: 8 cт: 12 сим: 7"},  // windows-1251 bytes count once each
  };
  for (const Case& c : cases) EXPECT_EQ(StatusCountsText(c.lines, c.x, c.y), c.expected);
  // The "c" of "cт" is the Latin letter.
  EXPECT_NE(StatusCountsText({}, 1, 1).find(" c\xD1\x82: "), std::string::npos);
}

}  // namespace tessaly
