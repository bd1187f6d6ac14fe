#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>

#include "MainWindowFixture.h"
#include "app/window/AboutForm.h"
#include "app/window/ProgramInfo.h"

namespace tessaly {

namespace {

QPushButton* Button(TAboutForm& form, const char* name) { return form.findChild<QPushButton*>(name); }

}  // namespace

TEST(AboutForm, ShowsTheVersionOrSaysItIsUnknown) {
  struct Case {
    std::string version;
    std::string caption;
  };
  ScriptedDialogs dialogs;
  RecordingShell shell;
  for (const Case& c : {Case{"1.2.3", "v 1.2.3"}, Case{"3.0", "v 3.0"}, Case{"", "v не определено"}}) {
    SCOPED_TRACE(c.version);
    TAboutForm form(shell, dialogs, c.version);
    EXPECT_EQ(form.VersionText().toStdString(), c.caption);
  }
}

TEST(AboutForm, CarriesTheBuildVersion) {
  // The build always states its version; the about box shows it.
  EXPECT_FALSE(ProgramVersion().empty());
  EXPECT_EQ(VersionCaption(ProgramVersion()), "v " + ProgramVersion());
}

TEST(AboutForm, HasItsPagesHelpLinesLinkAndCloseButton) {
  ScriptedDialogs dialogs;
  RecordingShell shell;
  TAboutForm form(shell, dialogs, "1.0");
  EXPECT_EQ(form.windowTitle().toStdString(), "О программе");
  const auto* pages = form.findChild<QTabWidget*>();
  ASSERT_NE(pages, nullptr);
  ASSERT_EQ(pages->count(), 2);
  EXPECT_EQ(pages->tabText(0).toStdString(), "About");
  EXPECT_EQ(pages->tabText(1).toStdString(), "Help");

  const QStringList lines = form.HelpLines();
  ASSERT_EQ(lines.size(), 20);
  const std::vector<int> emptyLines = {5, 7, 10, 19};
  for (int i = 0; i < lines.size(); ++i) {
    const bool shouldBeEmpty = std::find(emptyLines.begin(), emptyLines.end(), i) != emptyLines.end();
    EXPECT_EQ(lines[i].isEmpty(), shouldBeEmpty) << "line " << i + 1;
  }
  // Trailing and doubled spaces are part of the text.
  EXPECT_EQ(lines[0].toStdString(), "Программа предназначена для создания и редактирования ");
  EXPECT_EQ(lines[8].toStdString(), "Установлено использование JAVA скриптов,  с возможностью ");
  EXPECT_EQ(lines[17].toStdString(), " удалить, картинки удалить, части таблиц удалить ");
  EXPECT_EQ(lines[18].toStdString(), "- возвращаетесь обратно и сохраняете...");

  QPushButton* link = Button(form, "SiteLink");
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->text().toStdString(), "Страница программы");
  link->click();
  EXPECT_EQ(shell.opened, std::vector<std::string>{ProgramSiteAddress});

  QPushButton* close = Button(form, "CloseButton");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text().toStdString(), "Закрыть");
  form.show();
  close->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(dialogs.Calls().empty());
}

}  // namespace tessaly
