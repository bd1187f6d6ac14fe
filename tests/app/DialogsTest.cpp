#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/window/StatusCounts.h"
#include "editor/SrcEditStringList.h"
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
  for (const Case& c : cases) {
    TSrcEditStringList lines;
    lines.AddStrings(c.lines);
    EXPECT_EQ(StatusCountsText(lines, c.x, c.y), c.expected);
  }
  // The "c" of "cт" is the Latin letter.
  EXPECT_NE(StatusCountsText(TSrcEditStringList(), 1, 1).find(" c\xD1\x82: "), std::string::npos);
}

}  // namespace tessaly

namespace tessaly {

namespace {

// Acts on the modal dialog once it is up, as the user would.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr) act(modal);
  });
}

void PressEscape(QMessageBox* box) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(box, &escape);
}

}  // namespace

TEST(QtDialogs, MessageBoxAnswersWithTheButtonPressedOrItsEscape) {
  struct Case {
    const char* name;
    TMsgDlgButtons buttons;
    TMsgDlgBtn defaultButton;
    std::function<void(QMessageBox*)> user;
    TModalResult expected;
  };
  const std::vector<Case> cases = {
      {"yes", mbYes | mbNo | mbCancel, mbYes, [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, mrYes},
      {"no", mbYes | mbNo | mbCancel, mbYes, [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, mrNo},
      {"escape with cancel", mbYes | mbNo | mbCancel, mbYes, PressEscape, mrCancel},
      {"default on enter", mbYes | mbNo, mbNo, [](QMessageBox* box) { box->defaultButton()->click(); }, mrNo},
      {"ok only, escape", mbOK, mbOK, PressEscape, mrOk},
      {"yes and no, closed", mbYes | mbNo, mbYes, [](QMessageBox* box) { box->done(0); }, mrNone},
  };
  QtDialogs dialogs;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string caption;
    WhenModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      caption = box->windowTitle().toStdString();
      c.user(box);
    });
    EXPECT_EQ(dialogs.MessageDlg("Данные были изменены!", "", TMsgDlgType::mtConfirmation, c.buttons, c.defaultButton),
              c.expected);
    EXPECT_EQ(caption, "Tessaly");  // an empty caption is the application's title
  }
}

TEST(QtDialogs, InputBoxReturnsTheTextOnlyOnOk) {
  QtDialogs dialogs;
  for (const bool accept : {true, false}) {
    SCOPED_TRACE(accept);
    std::string initial;
    WhenModal([&](QWidget* modal) {
      auto* input = qobject_cast<QInputDialog*>(modal);
      ASSERT_NE(input, nullptr);
      initial = input->textValue().toStdString();
      input->setTextValue(QStringLiteral("страница.htm"));
      accept ? input->accept() : input->reject();
    });
    std::string value = "****.gif";
    EXPECT_EQ(dialogs.InputQuery("Image", "Image reference", value), accept);
    EXPECT_EQ(initial, "****.gif");
    EXPECT_EQ(value, accept ? "страница.htm" : "****.gif");
  }
}

}  // namespace tessaly
