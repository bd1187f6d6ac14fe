// The browser control on the real engine, offscreen: loading the source's
// bytes, design mode, the editing commands on text and on selected elements,
// the link prompt, serialisation back to source bytes and the bounded waits.

#include "qt/BrowserView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "TempDir.h"
#include "platform/ScriptedDialogs.h"
#include "qt/QtBrowserDocument.h"
#include "qt/QtPromptWindow.h"
#include "visual/BrowserRoundTrip.h"
#include "visual/WBEdit.h"

namespace tessaly {
namespace {

// The first load also starts the engine's processes; a busy machine needs more
// than the user-facing bound for that.
constexpr int StartLimitMs = 60000;
constexpr int LoadLimitMs = 20000;

// "Привет, мир" in windows-1251.
const std::string kHello = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0";

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

class BrowserTest : public testing::Test {
protected:
  void SetUp() override {
    view = std::make_unique<TBrowserView>();
    view->SetPageScripts(false);
    view->resize(800, 600);
    view->show();
    auto prompt = std::make_unique<QtPromptWindow>(dialogs);
    prompt_ = prompt.get();
    edit = std::make_unique<visual::TWBEdit>(dialogs, std::move(prompt));
    view->OnDocumentComplete = [this](BrowserControl& browser) {
      // Raised between waits only: the handler's own calls must not nest.
      EXPECT_FALSE(view->Waiting());
      edit->Attach(browser.Document(), true);
      trip.DocumentComplete(*browser.Document());
      ++completed;
    };
    view->Navigate("about:<html><body></body></html>");
    if (!view->WaitComplete(StartLimitMs) || completed == 0)
      GTEST_SKIP() << "Qt WebEngine did not start here (offscreen, QTWEBENGINE_DISABLE_SANDBOX=1 as root)";
  }

  void TearDown() override {
    edit.reset();
    view.reset();
  }

  // As the switch to the browser page does: the source's bytes into
  // temp01.htm, then loaded from there.
  void LoadSource(const std::string& bytes) {
    const std::string path = dir.File("temp01.htm");
    std::ofstream(path, std::ios::binary) << bytes;
    trip.Forget();
    const int before = completed;
    view->Navigate(path);
    ASSERT_TRUE(view->WaitComplete(LoadLimitMs));
    ASSERT_EQ(completed, before + 1);
  }

  std::string Html() { return view->Document()->Serialize(); }
  std::string LowerHtml() { return Lower(Html()); }
  size_t Messages(const std::string& text) const {
    size_t count = 0;
    for (const TDialogCall& call : dialogs.Calls()) count += call.Kind == TDialogKind::Message && call.Text == text;
    return count;
  }

  test::TempDir dir;
  ScriptedDialogs dialogs;
  std::unique_ptr<TBrowserView> view;
  QtPromptWindow* prompt_ = nullptr;
  std::unique_ptr<visual::TWBEdit> edit;
  visual::TBrowserRoundTrip trip;
  int completed = 0;
};

TEST(BrowserStateTest, NothingIsLoadedBeforeTheFirstNavigation) {
  TBrowserView view;
  EXPECT_EQ(view.ReadyState(), rsUninitialized);
  EXPECT_EQ(view.Document(), nullptr);
  view.ActivateDocument();  // nothing to activate: no effect, no error
  EXPECT_TRUE(view.WaitComplete(10));
  view.Navigate("about:<html><body></body></html>");
  EXPECT_EQ(view.ReadyState(), rsLoading) << "loading is reported before the engine starts";
}

TEST_F(BrowserTest, EveryCompletedDocumentIsInDesignMode) {
  EXPECT_EQ(view->ReadyState(), rsComplete);
  EXPECT_EQ(view->Document()->DesignMode(), "On") << "the start page";
  LoadSource("<html><body><p>text</p></body></html>");
  EXPECT_EQ(view->Document()->DesignMode(), "On");
  edit->Attach(view->Document(), false);
  EXPECT_EQ(view->Document()->DesignMode(), "Off");
}

TEST_F(BrowserTest, SourceBytesAreReadInTheDefaultEncodingUnlessThePageSaysOtherwise) {
  LoadSource("<HTML><BODY><P ALIGN=center>" + kHello + "</P></BODY></HTML>");
  std::string html = Html();
  EXPECT_NE(html.find("Привет, мир"), std::string::npos) << html;

  LoadSource("<html><head><meta charset=\"utf-8\"></head><body><p>Привет, мир</p></body></html>");
  html = Html();
  EXPECT_NE(html.find("Привет, мир"), std::string::npos) << html;

  // A UTF-8 document that declares nothing, once the view is told.
  view->SetDefaultEncoding("UTF-8");
  LoadSource("<html><body><p>Привет, 中</p></body></html>");
  html = Html();
  view->SetDefaultEncoding("windows-1251");
  EXPECT_NE(html.find("Привет, 中"), std::string::npos) << html;
}

TEST_F(BrowserTest, SelectionTypes) {
  LoadSource("<html><body><p>one word here</p><img src=\"pic.gif\" width=\"10\" height=\"10\"></body></html>");
  ASSERT_TRUE(view->SelectText("word"));
  EXPECT_EQ(view->Document()->SelectionType(), "Text");
  ASSERT_TRUE(view->SelectElement("IMG"));
  EXPECT_EQ(view->Document()->SelectionType(), "Control");
  EXPECT_EQ(view->Document()->CreateControlRange()->ElementName(), "IMG");
  ASSERT_TRUE(view->SelectText(""));
  EXPECT_EQ(view->Document()->SelectionType(), "None");
  EXPECT_FALSE(view->SelectText("absent"));
  EXPECT_FALSE(view->SelectElement("TABLE"));
}

TEST_F(BrowserTest, CommandsOnATextSelection) {
  struct Row {
    std::function<void()> command;
    const char* markup;  // in the lower-cased serialisation
  };
  const Row rows[] = {
      {[this] { edit->Bold(); }, "<b>word</b>"},
      {[this] { edit->Italic(); }, "<i>word</i>"},
      {[this] { edit->Underline(); }, "<u>word</u>"},
      {[this] { edit->JustifyCenter(); }, "text-align: center"},
      {[this] { edit->JustifyRight(); }, "text-align: right"},
      {[this] { edit->JustifyMiddle(); }, "text-align: justify"},
      {[this] { dialogs.AnswerColor(RGB(255, 0, 0)); edit->TextColor(); }, "#ff0000"},
      {[this] { dialogs.AnswerColor(clWhite); edit->TextColor(); }, "#ffffff"},
      // The engine keeps the spaces around a pasted fragment as &nbsp;.
      {[this] { edit->PasteHTML("<i>new</i>"); }, "<i>new</i>&nbsp;here"},
      {[this] { edit->HorizontalRule(); }, "<hr>"},
      {[this] { edit->LineBreak(); }, "<br><br>"},
      {[this] { edit->NonBreakingSpace(); }, "one &nbsp; here"},
  };
  for (const Row& row : rows) {
    LoadSource("<html><body><p>one word here</p></body></html>");
    ASSERT_TRUE(view->SelectText("word"));
    row.command();
    EXPECT_NE(LowerHtml().find(row.markup), std::string::npos) << row.markup << "\n" << Html();
  }
  EXPECT_EQ(dialogs.Calls().size(), 2u) << "the two colour dialogs, no message";
}

TEST_F(BrowserTest, JustifyLeftUndoesAnotherAlignment) {
  LoadSource("<html><body><p align=\"right\">one word here</p></body></html>");
  ASSERT_TRUE(view->SelectText("word"));
  edit->JustifyLeft();
  EXPECT_NE(LowerHtml().find("text-align: left"), std::string::npos) << Html();
}

TEST_F(BrowserTest, SelectedElementsAreRefusedOrChanged) {
  const std::string page =
      "<html><body><p>text <img src=\"pic.gif\" width=\"10\" height=\"10\"></p><hr>"
      "<table><tr><td>cell</td></tr></table></body></html>";
  struct Row {
    const char* element;
    const char* command;
    const char* value;
    const char* markup;  // empty: refused
  };
  const Row rows[] = {
      {"IMG", "Bold", "", ""},
      {"IMG", "JustifyCenter", "", "text-align: center"},
      {"IMG", "CreateLink", "http://example.org/", "<a href=\"http://example.org/\"><img"},
      {"HR", "JustifyCenter", "", ""},
      {"TABLE", "Bold", "", "<b>cell</b>"},
      {"TABLE", "CreateLink", "http://example.org/", ""},
  };
  for (const Row& row : rows) {
    LoadSource(page);
    const std::string before = Html();
    ASSERT_TRUE(view->SelectElement(row.element));
    const size_t refusals = Messages("Не поддерживается!");
    edit->RunCommand(row.command, row.value);
    const std::string where = std::string(row.element) + " " + row.command;
    if (*row.markup == '\0') {
      EXPECT_EQ(Messages("Не поддерживается!"), refusals + 1) << where;
      EXPECT_EQ(Html(), before) << where;
    } else {
      EXPECT_EQ(Messages("Не поддерживается!"), refusals) << where;
      EXPECT_NE(LowerHtml().find(row.markup), std::string::npos) << where << "\n" << Html();
    }
  }
}

TEST_F(BrowserTest, LinkPrompt) {
  LoadSource("<html><body><p>one word here</p></body></html>");
  edit->LinkPrompt();
  ASSERT_TRUE(prompt_->isVisible());
  EXPECT_EQ(prompt_->windowTitle(), "Создать ссылку");
  EXPECT_EQ(prompt_->size(), QSize(350, 196));
  EXPECT_EQ(prompt_->Edit(2)->text(), "http://");
  EXPECT_EQ(prompt_->Edit(2)->geometry().topLeft(), QPoint(100, 38));
  EXPECT_EQ(prompt_->Edit(2)->width(), 233);
  EXPECT_TRUE(prompt_->Combo()->isVisible());
  EXPECT_FALSE(prompt_->Edit(3)->isVisible());
  EXPECT_EQ(prompt_->Combo()->count(), 5);
  EXPECT_EQ(prompt_->ApplyButton()->text(), "Применить");
  EXPECT_EQ(prompt_->ApplyButton()->geometry(), QRect(36, 130, 120, prompt_->ApplyButton()->height()));
  EXPECT_EQ(prompt_->CancelButton()->x(), 192);
  EXPECT_TRUE(prompt_->windowFlags() & Qt::WindowStaysOnTopHint);

  ASSERT_TRUE(view->SelectText("word"));
  prompt_->ApplyButton()->click();  // nothing in the first row
  EXPECT_TRUE(prompt_->isVisible());
  EXPECT_EQ(LowerHtml().find("<a "), std::string::npos);

  prompt_->Edit(1)->setText("слово");
  prompt_->Edit(2)->setText("http://example.org/a%3Ab");
  prompt_->ApplyButton()->click();
  EXPECT_FALSE(prompt_->isVisible());
  EXPECT_NE(Html().find("<a href=\"http://example.org/a%3Ab\">word</a>"), std::string::npos) << Html();

  edit->LinkPrompt();
  prompt_->CancelButton()->click();
  EXPECT_FALSE(prompt_->isVisible());
}

TEST_F(BrowserTest, RoundTripTakesOnlyAnEditedDocument) {
  LoadSource("<HTML>\r\n<HEAD><TITLE>t</TITLE></HEAD>\r\n<BODY BGCOLOR='#FFFFFF'>\r\n<P>one word here</P>\r\n</BODY></HTML>");
  EXPECT_FALSE(trip.Take(*view).Edited) << "looking is not editing";

  LoadSource("<html><body><p>one word " + kHello + " &#20013;</p></body></html>");
  ASSERT_TRUE(view->SelectText("word"));
  edit->Bold();
  const visual::TBrowserSource source = trip.Take(*view);
  ASSERT_TRUE(source.Edited);
  const std::string lower = Lower(source.Html);
  EXPECT_NE(lower.find("<b>word</b>"), std::string::npos) << source.Html;
  EXPECT_NE(source.Html.find("Привет, мир 中"), std::string::npos) << "Unicode, as the engine has it";
  EXPECT_EQ(source.Html.find('?'), std::string::npos);
}

TEST_F(BrowserTest, PageScriptsDoNotWriteIntoTheDocument) {
  const std::string page =
      "<html><body><p>before</p><script>document.write('<p id=\"writ' + 'ten\">x</p>');</script></body></html>";
  LoadSource(page);
  EXPECT_EQ(Html().find("id=\"written\""), std::string::npos) << Html();
  EXPECT_FALSE(trip.Take(*view).Edited);

  // The same page where scripts run: what the mend keeps out.
  view->SetPageScripts(true);
  LoadSource(page);
  EXPECT_NE(Html().find("id=\"written\""), std::string::npos) << Html();
}

TEST_F(BrowserTest, FailuresAreErrorsAndTheViewGoesOn) {
  try {
    view->Evaluate(QStringLiteral("(function () { throw new Error('boom'); })()"));
    ADD_FAILURE() << "a script error must raise";
  } catch (const EBrowserError& error) {
    EXPECT_NE(std::string(error.what()).find("boom"), std::string::npos) << error.what();
  }
  const QString slow = QStringLiteral("(function () { var t = Date.now(); while (Date.now() - t < 400) {} return 1; })()");
  EXPECT_THROW(view->Evaluate(slow, 50), EBrowserError);
  EXPECT_EQ(view->Evaluate(QStringLiteral("6 * 7")).toInt(), 42);
}

TEST_F(BrowserTest, ACallWhileAnotherWaitsIsRefused) {
  bool refused = false;
  bool ran = false;
  QTimer::singleShot(0, [&] {
    ran = true;
    try {
      view->Evaluate(QStringLiteral("1"));
    } catch (const EBrowserError&) {
      refused = true;
    }
  });
  const QString slow = QStringLiteral("(function () { var t = Date.now(); while (Date.now() - t < 200) {} return 1; })()");
  EXPECT_EQ(view->Evaluate(slow).toInt(), 1);
  EXPECT_TRUE(ran);
  EXPECT_TRUE(refused);
}

TEST(JsStringTest, QuotesEverything) {
  EXPECT_EQ(JsString(std::string("a\"b\\c\n\u2028")), QStringLiteral("\"a\\\"b\\\\c\\n\\u2028\""));
}

}  // namespace
}  // namespace tessaly
