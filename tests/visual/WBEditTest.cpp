#include <gtest/gtest.h>

#include "FakeBrowser.h"
#include "platform/ScriptedDialogs.h"
#include "visual/WBEdit.h"

namespace tessaly::visual {
namespace {

using test::FakeEngine;

class WBEditTest : public ::testing::Test {
protected:
  WBEditTest() : document_(engine_) {
    auto prompt = std::make_unique<test::FakePrompt>();
    prompt_ = prompt.get();
    edit_ = std::make_unique<TWBEdit>(dialogs_, std::move(prompt));
    edit_->Attach(&document_);
  }

  size_t Messages() const {
    size_t count = 0;
    for (const TDialogCall& call : dialogs_.Calls()) count += call.Kind == TDialogKind::Message;
    return count;
  }

  FakeEngine engine_;
  test::FakeDocument document_;
  ScriptedDialogs dialogs_;
  test::FakePrompt* prompt_ = nullptr;
  std::unique_ptr<TWBEdit> edit_;
};

TEST_F(WBEditTest, AttachSwitchesDesignMode) {
  EXPECT_EQ(engine_.designMode, "On");
  edit_->Attach(&document_, false);
  EXPECT_EQ(engine_.designMode, "Off");
  EXPECT_EQ(edit_->Document(), &document_);
}

TEST_F(WBEditTest, EachOperationReachesTheTextSelection) {
  struct Row {
    void (TWBEdit::*operation)();
    const char* logged;
  };
  const Row rows[] = {
      {&TWBEdit::Bold, "text Bold"},
      {&TWBEdit::Italic, "text Italic"},
      {&TWBEdit::Underline, "text Underline"},
      {&TWBEdit::JustifyLeft, "text JustifyLeft"},
      {&TWBEdit::JustifyCenter, "text JustifyCenter"},
      {&TWBEdit::JustifyRight, "text JustifyRight"},
      // The engine knows no "JustifyMiddle": full justification stands in.
      {&TWBEdit::JustifyMiddle, "text JustifyFull"},
      {&TWBEdit::HorizontalRule, "text paste <HR>"},
      {&TWBEdit::LineBreak, "text paste <BR><BR>"},
      {&TWBEdit::NonBreakingSpace, "text paste &nbsp;"},
  };
  for (const char* selection : {"Text", "None"}) {
    for (const Row& row : rows) {
      engine_.selectionType = selection;
      engine_.log.clear();
      (edit_.get()->*row.operation)();
      ASSERT_EQ(engine_.log.size(), 1u) << row.logged;
      EXPECT_EQ(engine_.log[0], row.logged) << selection;
    }
  }
  EXPECT_EQ(Messages(), 0u);
}

TEST_F(WBEditTest, JustifyMiddleRunsByItsOwnNameWhereTheEngineHasIt) {
  engine_.unsupported.clear();
  edit_->JustifyMiddle();
  EXPECT_EQ(engine_.log, std::vector<std::string>{"text JustifyMiddle"});
}

TEST_F(WBEditTest, SelectedElementTakesOnlyWhatItSupports) {
  struct Row {
    const char* element;
    const char* command;
    bool supported;
  };
  const Row rows[] = {
      {"IMG", "Bold", false},         {"IMG", "ForeColor", false},   {"IMG", "JustifyCenter", true},
      {"IMG", "JustifyMiddle", true}, {"IMG", "CreateLink", true},   {"HR", "Bold", false},
      {"HR", "JustifyLeft", false},   {"HR", "CreateLink", false},   {"INPUT", "JustifyRight", true},
      {"INPUT", "Italic", false},     {"SELECT", "CreateLink", false}, {"TABLE", "Bold", true},
      {"TABLE", "ForeColor", true},   {"TABLE", "JustifyCenter", true}, {"TABLE", "CreateLink", false},
  };
  engine_.selectionType = "Control";
  for (const Row& row : rows) {
    engine_.elementName = row.element;
    engine_.log.clear();
    const size_t before = Messages();
    edit_->RunCommand(row.command);
    const std::string where = std::string(row.element) + " " + row.command;
    if (row.supported) {
      ASSERT_EQ(engine_.log.size(), 1u) << where;
      EXPECT_EQ(engine_.log[0].rfind("control ", 0), 0u) << where;
      EXPECT_EQ(Messages(), before) << where;
    } else {
      EXPECT_TRUE(engine_.log.empty()) << where;
      ASSERT_EQ(Messages(), before + 1) << where;
      const TDialogCall& call = dialogs_.Calls().back();
      EXPECT_EQ(call.Text, "Не поддерживается!");
      EXPECT_EQ(call.Caption, "");
      EXPECT_EQ(call.Buttons, mbOK);
    }
  }
}

TEST_F(WBEditTest, RefusalsAndMissingDocumentsAreErrors) {
  engine_.refuse = true;
  EXPECT_THROW(edit_->Bold(), EBrowserError);
  EXPECT_THROW(edit_->HorizontalRule(), EBrowserError);
  engine_.refuse = false;

  edit_->Attach(nullptr);
  EXPECT_THROW(edit_->Bold(), EBrowserError);
  EXPECT_THROW(edit_->PasteHTML("<b>"), EBrowserError);
}

TEST_F(WBEditTest, ColorValuesAreUpperCaseRedGreenBlue) {
  struct Row {
    TColor color;
    const char* value;
  };
  const Row rows[] = {
      {clWhite, "#FFFFFF"},          {RGB(255, 0, 0), "#FF0000"}, {RGB(0, 255, 0), "#00FF00"},
      {RGB(0, 0, 255), "#0000FF"},  {clBlack, "#000000"},        {RGB(0x0A, 0xBC, 0xDE), "#0ABCDE"},
      {clWindow, "#FFFFFF"},
  };
  for (const Row& row : rows) EXPECT_EQ(TWBEdit::ColorValue(row.color), row.value);
}

TEST_F(WBEditTest, TextColorAsksAndAppliesOnlyWhenConfirmed) {
  dialogs_.AnswerColor(RGB(255, 0, 0));
  edit_->TextColor();
  EXPECT_EQ(engine_.log, std::vector<std::string>{"text ForeColor #FF0000"});

  engine_.log.clear();
  dialogs_.Cancel(TDialogKind::Color);
  edit_->TextColor();
  EXPECT_TRUE(engine_.log.empty());
}

TEST_F(WBEditTest, PastedMarkupIsSourceTextInUtf8) {
  edit_->PasteHTML("<b>\xCF\xF0\xE8\xE2\xE5\xF2</b>");  // "Привет" in windows-1251
  EXPECT_EQ(engine_.log, std::vector<std::string>{"text paste <b>Привет</b>"});
}

TEST_F(WBEditTest, LinkPromptIsArrangedAsDescribed) {
  edit_->LinkPrompt();
  EXPECT_EQ(edit_->PendingPrompt(), "IS_HYPERLINK");
  ASSERT_TRUE(prompt_->visible);
  const TPromptLayout& layout = prompt_->shown;
  EXPECT_EQ(layout.Caption, "Создать ссылку");
  EXPECT_EQ(layout.Width, 350);
  EXPECT_EQ(layout.Height, 196);
  EXPECT_EQ(layout.Panel.Height, 120);
  EXPECT_EQ(layout.Panel.Width, 350);
  const char* captions[] = {"Текст:", "Ссылка:", "В окне:", "Заголовок:"};
  for (int row = 1; row <= 4; ++row) {
    EXPECT_EQ(layout.Labels[row - 1].Text, captions[row - 1]);
    EXPECT_EQ(layout.Labels[row - 1].Left, 10);
    EXPECT_EQ(layout.Labels[row - 1].Top, row * 24 - 8);
    EXPECT_EQ(layout.Edits[row - 1].Left, 100);
    EXPECT_EQ(layout.Edits[row - 1].Top, row * 24 - 10);
    EXPECT_EQ(layout.Edits[row - 1].Width, 233);
  }
  EXPECT_EQ(layout.Edits[1].Text, "http://");
  EXPECT_FALSE(layout.Edits[2].Visible);
  EXPECT_TRUE(layout.Combo.Visible);
  EXPECT_EQ(layout.Combo.Top, 62);
  EXPECT_EQ(layout.ComboItems, (std::vector<std::string>{"", "_blank", "_parent", "_self", "_top"}));
  EXPECT_EQ(layout.ApplyButton.Text, "Применить");
  EXPECT_EQ(layout.CancelButton.Text, "Отмена");
  EXPECT_EQ(layout.ApplyButton.Top, 130);
  EXPECT_EQ(layout.ApplyButton.Left, 36);
  EXPECT_EQ(layout.CancelButton.Left, 192);
  EXPECT_EQ(layout.ApplyButton.Width, 120);
  EXPECT_EQ(layout.CancelButton.Width, 120);
}

TEST_F(WBEditTest, ApplyingTheLinkPrompt) {
  edit_->LinkPrompt();
  prompt_->OnApply();  // the first row is empty
  EXPECT_TRUE(prompt_->visible);
  EXPECT_TRUE(engine_.log.empty());

  prompt_->edits[0] = "Сайт";
  prompt_->edits[1] = "http://example.org/?q=%3A";
  engine_.refuse = true;
  EXPECT_THROW(prompt_->OnApply(), EBrowserError);
  EXPECT_TRUE(prompt_->visible) << "a failed link keeps the prompt for another try";

  engine_.refuse = false;
  engine_.log.clear();
  prompt_->OnApply();
  EXPECT_EQ(engine_.log, std::vector<std::string>{"text CreateLink http://example.org/?q=%3A"});
  EXPECT_FALSE(prompt_->visible);

  edit_->LinkPrompt();
  engine_.log.clear();
  prompt_->edits[0] = "x";
  prompt_->OnCancel();
  EXPECT_FALSE(prompt_->visible);
  EXPECT_TRUE(engine_.log.empty());
}

}  // namespace
}  // namespace tessaly::visual
