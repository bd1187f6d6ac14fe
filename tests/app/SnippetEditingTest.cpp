#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>

#include "MainWindowFixture.h"
#include "TempDir.h"
#include "app/libraries/AddForm.h"
#include "app/window/MainWindow.h"
#include "app/libraries/SnippetEditing.h"
#include "app/libraries/ScriptLibrary.h"
#include "app/libraries/SymbolTable.h"
#include "platform/CodePage1251.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/ScriptedDialogs.h"
#include "qt/Cp1251Text.h"

namespace tessaly {
namespace {

using test::TempDir;

std::vector<std::string> Rows(const QListWidget& list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list.count(); ++i) rows.push_back(list.item(i)->text().toStdString());
  return rows;
}

void WriteLibrary(const std::string& file, const std::vector<std::string>& names) {
  strlib::TStrLibList list;
  for (const std::string& name : names) {
    strlib::TStrLibItem& item = list.Add();
    item.SetDescription(cp1251::FromUtf8(name));
    item.SetLines({"// " + name});
  }
  list.SaveToFile(file);
}

// The side pages of one program directory: both libraries, both lists.
struct SidePages {
  TempDir Dir;
  ScriptedDialogs Dialogs;
  TScriptLibrary Java{Dir.File("script/java.velmora")};
  TScriptLibrary PHP{Dir.File("script/php.velmora")};
  QListWidget JavaList, PHPList;
  int Page = spJava;
  TSnippetEditing Commands{Dialogs, Java, JavaList, PHP, PHPList, [this] { return Page; }};

  SidePages() {
    ForceDirectories(Dir.File("script"));
    WriteLibrary(Java.FileName(), {"one", "two", "three"});
    WriteLibrary(PHP.FileName(), {"hello"});
    Commands.LoadJavaScripts();
    Commands.LoadPHPScripts();
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const TDialogCall& call : Dialogs.Calls()) texts.push_back(call.Text);
    return texts;
  }
};

TEST(SymbolList, ShowsOneRowPerTableRowWithItsColour) {
  QListWidget list;
  FillSymbolList(list);
  ASSERT_EQ(list.count(), 207);
  EXPECT_EQ(list.item(0)->text(), QString());
  EXPECT_EQ(list.item(154)->text(), QStringLiteral("Стрелки  "));
  EXPECT_EQ(list.item(1)->text(), QStringLiteral("перевернутый восклицательный знак"));
  EXPECT_EQ(list.item(0)->background().color(), QColor(255, 255, 255));
  EXPECT_EQ(list.item(1)->background().color(), QColor(166, 202, 240));

  const std::pair<int, std::string> picks[] = {{154, ""}, {0, ""}, {181, "&#38;"}, {206, "&#8364;"}};
  for (const auto& [row, entity] : picks) {
    list.setCurrentRow(row);
    EXPECT_EQ(SelectedSymbol(list), entity) << row;
  }
  list.setCurrentRow(-1);
  EXPECT_THROW(SelectedSymbol(list), Exception);
}

TEST(SnippetEditing, StartUpFillsBothListsInFileOrder) {
  SidePages pages;
  EXPECT_EQ(Rows(pages.JavaList), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(Rows(pages.PHPList), std::vector<std::string>{"hello"});
  EXPECT_EQ(pages.JavaList.item(0)->checkState(), Qt::Unchecked);
  pages.JavaList.setCurrentRow(1);
  EXPECT_EQ(pages.Commands.JavaListDblClick(), "// two\r\n");
  pages.JavaList.setCurrentRow(-1);
  EXPECT_THROW(pages.Commands.JavaListDblClick(), Exception);
}

TEST(SnippetEditing, DamagedLibraryShowsItsErrorAndLeavesItsListEmpty) {
  SidePages pages;
  WriteFileAtomically(pages.PHP.FileName(), "garbage");
  pages.Commands.LoadPHPScripts();
  EXPECT_EQ(pages.PHPList.count(), 0);
  ASSERT_EQ(pages.Dialogs.Calls().size(), 1u);
  EXPECT_EQ(pages.Dialogs.Calls()[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(ReadFileBytes(pages.PHP.FileName()), "garbage");
}

TEST(SnippetEditing, AddAppendsAndEditReplacesInPlace) {
  SidePages pages;
  pages.Commands.StoreScript(stJava, false, "abc", {"alert(1);"});
  EXPECT_EQ(Rows(pages.JavaList), (std::vector<std::string>{"one", "two", "three", "abc"}));
  pages.JavaList.setCurrentRow(1);
  pages.Commands.StoreScript(stJava, true, "deux", {"x"});
  EXPECT_EQ(Rows(pages.JavaList), (std::vector<std::string>{"one", "deux", "three", "abc"}));
  EXPECT_EQ(pages.JavaList.currentRow(), 1);
  pages.PHPList.setCurrentRow(0);
  pages.Commands.StoreScript(stPHP, false, "bye", {"<?php exit; ?>"});
  EXPECT_EQ(Rows(pages.PHPList), (std::vector<std::string>{"hello", "bye"}));

  TScriptLibrary reread(pages.Java.FileName());
  reread.Load();
  EXPECT_EQ(reread.Descriptions().back(), "abc");
  EXPECT_EQ(reread.SnippetText(1), "x\r\n");

  pages.Commands.StoreScript(stTemplate, false, "tpl", {"x"});
  EXPECT_EQ(pages.Messages().back(), "Пока не задействовано!");
  EXPECT_EQ(pages.Java.Count(), 4);
}

TEST(SnippetEditing, FailedSaveKeepsListAndLibraryRowForRow) {
  SidePages pages;
  std::filesystem::remove_all(pages.Dir.File("script"));
  EXPECT_THROW(pages.Commands.StoreScript(stJava, false, "abc", {"x"}), Exception);
  pages.JavaList.setCurrentRow(2);
  pages.Commands.ToolButton34Click();  // unanswered: No is the default, nothing happens
  pages.Dialogs.AnswerMessage(mrYes);
  EXPECT_THROW(pages.Commands.ToolButton34Click(), Exception);
  EXPECT_EQ(Rows(pages.JavaList), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(pages.Java.Descriptions(), (std::vector<std::string>{"one", "two", "three"}));
  pages.JavaList.setCurrentRow(2);
  EXPECT_EQ(pages.Commands.JavaListDblClick(), "// three\r\n");
}

TEST(SnippetEditing, DeleteAsksFirstAndRemovesTheSelectedSnippetOnEitherPage) {
  struct Case {
    int Page;
    TModalResult Answer;
    std::vector<std::string> Java, PHP, Messages;
  };
  const std::string ask = "Вы точно хотите удалить скрипт?", done = "Операция завершена!!!";
  const Case cases[] = {
      {spJava, mrYes, {"one", "three"}, {"hello"}, {ask, done}},
      {spJava, mrNo, {"one", "two", "three"}, {"hello"}, {ask}},
      {spPHP, mrYes, {"one", "two", "three"}, {}, {ask, done}},
      {spSymbols, mrYes, {"one", "two", "three"}, {"hello"}, {ask, "Пока не задействовано!", done}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Page * 10 + c.Answer);
    SidePages pages;
    pages.Page = c.Page;
    pages.JavaList.setCurrentRow(1);
    pages.PHPList.setCurrentRow(0);
    pages.Dialogs.AnswerMessage(c.Answer);
    pages.Commands.ToolButton34Click();
    EXPECT_EQ(Rows(pages.JavaList), c.Java);
    EXPECT_EQ(Rows(pages.PHPList), c.PHP);
    EXPECT_EQ(pages.Messages(), c.Messages);
    const TDialogCall& question = pages.Dialogs.Calls()[0];
    EXPECT_EQ(question.Caption, "удаление скрипта");
    EXPECT_EQ(question.Buttons, static_cast<TMsgDlgButtons>(mbYes | mbNo));
    EXPECT_EQ(question.DefaultButton, mbNo);
    EXPECT_EQ(question.Type, TMsgDlgType::mtConfirmation);
  }
}

TEST(AddForm, HasItsFieldsTypesAndStaysOpenAfterAdd) {
  TAddForm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Add Script"));
  EXPECT_EQ(form.size(), QSize(518, 313));
  EXPECT_EQ(form.NameEdit->maxLength(), 25);
  EXPECT_EQ(form.NameEdit->toolTip(), QStringLiteral("НЕ больше  10 символов"));
  EXPECT_EQ(form.tipGroup->title(), QStringLiteral("выбор типа"));
  const QList<QRadioButton*> types = form.tipGroup->findChildren<QRadioButton*>();
  ASSERT_EQ(types.size(), 3);
  EXPECT_EQ(types[2]->text(), QStringLiteral("Шаблон"));
  EXPECT_EQ(form.Type(), stJava);
  EXPECT_FALSE(form.EditMode());

  form.SetName(cp1251::FromUtf8("имя"));
  form.SetScriptLines({"a", "", "b"});
  form.SetType(stPHP);
  int added = 0;
  form.OnAdd = [&](TAddForm& dialog) {
    ++added;
    EXPECT_EQ(dialog.Name(), cp1251::FromUtf8("имя"));
    EXPECT_EQ(dialog.ScriptLines(), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(dialog.Type(), stPHP);
  };
  form.show();
  form.Button1->click();
  form.Button1->click();
  EXPECT_EQ(added, 2);
  EXPECT_TRUE(form.isVisible());
  form.Button2->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tessaly

namespace tessaly {
namespace {

// Snippets added, edited and deleted in one run are there in the next, on
// the same program directory.
TEST_F(MainWindowTest, SnippetChangesSurviveARestart) {
  window().SkriptPageControl->setCurrentIndex(spPHP);
  TSnippetEditing commands(dialogs, *window().JavaScriptList, *window().JavaList, *window().PHPScriptList,
                           *window().PHPList, [] { return spPHP; });
  commands.StoreScript(stPHP, false, "abc", {"<?php echo 1; ?>"});
  window().PHPList->setCurrentRow(0);
  commands.StoreScript(stPHP, true, "first", {"x"});
  window().PHPList->setCurrentRow(1);
  dialogs.AnswerMessage(mrYes);
  window().ToolButton34Click();
  const std::vector<std::string> before = Rows(*window().PHPList);

  forms.reset();
  forms = std::make_unique<TApplicationForms>(dialogs, shell, "1.2.3");
  EXPECT_EQ(Rows(*window().PHPList), before);
  EXPECT_EQ(before.front(), "first");
  EXPECT_EQ(before.back(), "abc");
  EXPECT_EQ(window().SymbolList->count(), 207);
}

}  // namespace
}  // namespace tessaly
