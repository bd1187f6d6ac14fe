#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "app/window/AboutForm.h"
#include "app/window/ProgramInfo.h"
#include "app/update/UpdateWindow.h"
#include "qt/BrowserView.h"
#include "qt/ClockPane.h"
#include "qt/MarqueePane.h"
#include "platform/text/Encoding.h"
#include "qt/SizePanel.h"

namespace tessaly {

namespace {

// "caption (shortcut) [off]" per item, "-" for separators, submenus in braces.
std::string DescribeMenu(const QMenu* menu) {
  std::string text;
  for (const QAction* action : menu->actions()) {
    if (!text.empty()) text += " | ";
    if (action->isSeparator()) {
      text += "-";
      continue;
    }
    text += action->text().toStdString();
    if (!action->shortcut().isEmpty()) text += " (" + action->shortcut().toString().toStdString() + ")";
    if (!action->isEnabled()) text += " [off]";
    if (action->menu() != nullptr) text += " {" + DescribeMenu(action->menu()) + "}";
  }
  return text;
}

// "Name:caption/hint" per button, "[off]" when disabled, "*" when it shows a
// picture, "|" for separators.
std::string DescribeToolBar(const QToolBar* bar) {
  std::string text;
  for (QAction* action : bar->actions()) {
    if (!text.empty()) text += " ";
    if (action->isSeparator()) {
      text += "|";
      continue;
    }
    const auto* button = qobject_cast<const QToolButton*>(bar->widgetForAction(action));
    if (button == nullptr) {
      text += "?";
      continue;
    }
    text += button->objectName().toStdString() + ":" + button->text().toStdString() + "/" +
            button->toolTip().toStdString();
    if (!button->isEnabled()) text += "[off]";
    if (!button->icon().isNull()) text += "*";
  }
  return text;
}

std::string WindowSnapshot(TOsnovnFRM& window) {
  return window.windowTitle().toStdString() + "|" + window.FileName() + "|" +
         window.StatusM->Caption().toStdString() + "|" + window.StatusPanel->text().toStdString() + "|" +
         std::to_string(window.EditPageControl->currentIndex()) + "|" +
         std::to_string(window.HTMLPageControl->currentIndex()) + "|" + (window.isVisible() ? "shown" : "hidden");
}

QAction* MenuItem(TOsnovnFRM& window, const char* name) {
  return window.findChild<QAction*>(QString::fromUtf8(name));
}

}  // namespace

TEST_F(MainWindowTest, MainMenuHasItsMenusAndItemsInOrder) {
  std::string encodings;
  for (const text::Encoding encoding : text::AllEncodings())
    encodings += (encodings.empty() ? "" : " | ") + std::string(text::Name(encoding));
  const std::vector<std::string> expected = {
      // No recent files yet: their submenu is off.
      "Файл {Создать... (Ctrl+N) | Открыть... (Ctrl+O) | - | Сохранить (Ctrl+S) | Сохранить как (Ctrl+Shift+S) | "
      "Последние файлы [off] {} | Кодировка {Открыть заново в кодировке {" + encodings + "} | Преобразовать в {" + encodings +
          "} | Кодировка новых страниц {" + encodings + "}} | - | E&xit (Alt+X)}",
      // Nothing selected and nothing cut or copied yet.
      "Правка {Копировать [off] | Вырезать [off] | Вставить [off] | Форматировать текст}",
      "Настройки {Язык(Language) {Русский | English | Другой...}}",
      "&Help {&About... | Сайт программы | - | Проверить обновление...}",
  };
  std::vector<std::string> actual;
  for (const QAction* top : window().menuBar()->actions())
    actual.push_back(top->text().toStdString() + " {" + DescribeMenu(top->menu()) + "}");
  EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowTest, BrowserContextMenuHasItsItemsInOrder) {
  EXPECT_EQ(DescribeMenu(window().PopupMenuControl),
            "Код | Просмотр | Quick Edit [off] | - | Вырезать (Ctrl+X) | Копировать (Ctrl+C) | Вставить (Ctrl+V) | "
            "Выбрать все... (Ctrl+A) | - | Отменить (Ctrl+Z) | Вернуть (Ctrl+Y) | - | - | Принять... (Ctrl+P) | "
            "Печать выбранное... | - | Найти... (Ctrl+F) | Найти и заменить... (Ctrl+H) | - | Select Case "
            "{Tags to Upper Case | Tags to Lower Case | - | All Upper Case | All Lower Case | "
            "Select to Upper Case (Ctrl+Alt+U) | Select to Lower Case (Ctrl+Alt+L)} | Resize Indent... | Clear All | "
            "WordWrap (Ctrl+W) | FTP [off] | - | Exit (Alt+F4)");
}

TEST_F(MainWindowTest, ToolPagesHoldTheirButtonsInOrder) {
  struct Page {
    std::string caption;
    std::string buttons;
  };
  const std::vector<Page> expected = {
      {"Стандартная",
       "BtnNew:/Новая страница* BtnOpen:/Открыть файл* BtnSave:/Save* | EditCut:/Cut[off]* EditCopy:/Copy[off]* "
       "EditPaste:/Paste[off]* | BtnUndo:/Undo* BtnRedo:/Redo* | BtnFind:/Find* BtnReplace:/Replace[off]*"},
      {"Текст",
       "BtnLeftJustify:Left Justify/* BtnCenterJustify:Center Justify/* BtnRightJustify:Right Justify/* "
       "BtnJustify:Justify/* | BtnBullets1:Bullets/* | BtnBold:Bold/* BtnItalic:Italic/* BtnUnderline:Underline/* "
       "BtnFont:Font/Текст с тенью* | BtnInternet:/Создать ссылку* | ToolbarButton1:BR/ ToolbarButton2:NB/Пробел "
       "ToolbarButton3:HR/Линия | inageBtn:/Добавление ссылки на рисунок*"},
      {"Рисунок", "BtnInsertImage:Insert Image/* BtnAttach:Attach/* BtnRuler:Ruler/*"},
      {"Таблицы",
       "BtnMonthView:Month View/* BtnWeekView:Week View/* | ToolbarButton9:tr+td/ ToolbarButton6:TR/ "
       "ToolbarButton7:TD/ ToolbarButton8:TB/"},
      {"Скриты",
       "BtnInformation:Information/Установленный броузер* BtnWarning:Warning/* BtnError:Error/* "
       "BtnReminder:Reminder/* BtnFinish:Finish/* | ScriptButton1:/* ScriptButton2:/* ScriptButton3:/* "
       "ScriptButton4:/* ScriptButton5:/* ScriptButton6:/* ScriptButton7:/* ScriptButton8:/*"},
      {"Шаблоны",
       "TemplateButton1:1/шаблон от Velmora TemplateButton2:2/очень простой TemplateButton3:3/немного картинок "
       "TemplateButton4:4/  TemplateButton5:5/  TemplateButton6:6/  TemplateButton7:7/  TemplateButton8:8/  "
       "TemplateButton9:9/  TemplateButton10:10/  TemplateButton11:11/  "
       "TemplateButton12:12/с квадратными кнопками TemplateButton13:13/  | BtnUtilities:Utilities/[off]*"},
  };
  QTabWidget* pages = window().EditPageControl;
  ASSERT_EQ(pages->count(), static_cast<int>(expected.size()));
  for (int i = 0; i < pages->count(); ++i) {
    SCOPED_TRACE(expected[i].caption);
    EXPECT_EQ(pages->tabText(i).toStdString(), expected[i].caption);
    const auto* bar = pages->widget(i)->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(DescribeToolBar(bar), expected[i].buttons);
  }
}

TEST_F(MainWindowTest, SideAndLineNumberBarsHoldTheirButtons) {
  const auto* keyBar = window().findChild<QToolBar*>("KeyBar");
  ASSERT_NE(keyBar, nullptr);
  EXPECT_EQ(DescribeToolBar(keyBar), "BtnKey:/Показать нумерацию строк* BtnPlaySound:Play Sound/[off]*");
  const auto* snippetBar = window().findChild<QToolBar*>("SkriptToolBar");
  ASSERT_NE(snippetBar, nullptr);
  EXPECT_EQ(DescribeToolBar(snippetBar),
            "AddScriptJavaBtn:/Добавление собственных скриптов* ToolButton33:/Изменить скрипт* "
            "ToolButton34:/Удаление выбранного скрипта*");
  std::vector<std::string> sidePages;
  for (int i = 0; i < window().SkriptPageControl->count(); ++i) {
    const QWidget* page = window().SkriptPageControl->widget(i);
    const auto* list = page->findChild<QListWidget*>();
    sidePages.push_back(window().SkriptPageControl->tabText(i).toStdString() + ":" +
                        (list != nullptr ? list->objectName().toStdString() : "none"));
  }
  EXPECT_EQ(sidePages, (std::vector<std::string>{"PHP:PHPList", "Java:JavaList", "***:SymbolList"}));
}

TEST_F(MainWindowTest, ComponentsAreFoundByTheirNames) {
  // Language files and later commands reach the components by these names.
  for (const char* name :
       {"OsnovnFRM", "EditPageControl", "HTMLPageControl", "SkriptPageControl", "PanelSkript", "PHPList", "JavaList",
        "SymbolList", "WebBrowser", "StatusM", "StatusPanel", "ClockStatus", "Timer1", "PopupMenuControl", "BtnKey",
        "BtnBold", "BtnNew", "AddScriptJavaBtn", "ViewerArea", "SrcEditArea", "New1", "Open1", "Save1", "Saveas1",
        "ExitItem", "FormatTextBTN", "N4", "SiteItem", "Ubgrade", "Ruslang", "LanguageEnglish1"}) {
    SCOPED_TRACE(name);
    const QObject* found = QString::fromUtf8(name) == window().objectName()
                               ? &window()
                               : window().findChild<QObject*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr);
  }
}

TEST_F(MainWindowTest, StartsOnTheFirstPagesWithFoldedPanelsAndAScrollingWelcome) {
  EXPECT_EQ(window().windowTitle().toStdString(), "Визуальный редактор HTML");
  EXPECT_EQ(QApplication::applicationName().toStdString(), "Tessaly");
  EXPECT_EQ(window().EditPageControl->currentIndex(), 0);
  EXPECT_EQ(window().HTMLPageControl->currentIndex(), 0);
  EXPECT_EQ(window().HTMLPageControl->tabText(0).toStdString(), "Просмотр");
  EXPECT_EQ(window().HTMLPageControl->tabText(1).toStdString(), "IExplore + EDIT");
  EXPECT_FALSE(window().PanelSkript->Opened());
  EXPECT_FALSE(window().findChild<TSizePanel*>("KeyPanel")->Opened());
  // The first document's path runs in the marquee until the first timer tick.
  EXPECT_EQ(window().StatusM->Caption().toStdString(), window().FileName());
  EXPECT_EQ(window().FileName(), programDir.Path() + "/Untitled.htm");
  EXPECT_TRUE(window().StatusM->Scrolling());
  EXPECT_FALSE(window().ClockStatus->text().isEmpty());
  EXPECT_TRUE(window().Timer1->isActive());
  EXPECT_EQ(window().Timer1->interval(), 40000);
  EXPECT_FALSE(forms->AboutForm().isVisible());
  EXPECT_FALSE(forms->form_MainWindow().isVisible());
  EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(MainWindowTest, HotSpotsOpenAndCloseTheSidePanel) {
  window().PanelSkript->HotSpot()->click();
  EXPECT_TRUE(window().PanelSkript->Opened());
  EXPECT_TRUE(window().SkriptPageControl->isVisible());
  window().PanelSkript->HotSpot()->click();
  EXPECT_FALSE(window().PanelSkript->Opened());
  EXPECT_FALSE(window().SkriptPageControl->isVisible());
}

TEST_F(MainWindowTest, MarqueeRunsUntilTheTimerStopsItAtTheFileName) {
  const int start = window().StatusM->Offset();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window().StatusM->Offset() != start; }, 2000));

  // Save As gives the document a new name; the marquee shows it at the tick.
  const std::string page = programDir.Path() + "/page.htm";
  dialogs.AnswerSaveFile(page);
  dialogs.AnswerMessage(mrOk);
  window().Saveas1Click();
  window().Timer1->setInterval(1);  // let the status timer's own wiring fire
  ASSERT_TRUE(ProcessEventsUntil([&] { return !window().StatusM->Scrolling(); }, 2000));
  EXPECT_EQ(window().StatusM->Caption().toStdString(), page);
  EXPECT_EQ(window().StatusM->Offset(), 0);

  // Later ticks repeat the step harmlessly and keep the timer running.
  const std::string savedAs = programDir.Path() + "/saved-as.htm";
  dialogs.AnswerSaveFile(savedAs);
  dialogs.AnswerMessage(mrOk);
  window().Saveas1Click();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window().StatusM->Caption().toStdString() == savedAs; }, 2000));
  EXPECT_FALSE(window().StatusM->Scrolling());
  EXPECT_TRUE(window().Timer1->isActive());
}

TEST_F(MainWindowTest, EditMenuClipboardItemsAreOffWithoutASelection) {
  const std::string before = WindowSnapshot(window());
  for (const char* name : {"Copy1", "Cut1", "Paste1"}) {
    SCOPED_TRACE(name);
    QAction* item = MenuItem(window(), name);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isEnabled());
    item->trigger();
    QApplication::processEvents();
    EXPECT_EQ(WindowSnapshot(window()), before);
  }
  EXPECT_TRUE(dialogs.Calls().empty());
  EXPECT_TRUE(shell.opened.empty());
}

TEST_F(MainWindowTest, HelpItemsShowTheirWindowsModallyAndOpenTheSite) {
  struct Case {
    const char* item;
    QDialog* dialog;
  };
  for (const Case& c : {Case{"N4", &forms->AboutForm()}, Case{"Ubgrade", &forms->form_MainWindow()}}) {
    SCOPED_TRACE(c.item);
    bool shownModally = false;
    QTimer::singleShot(0, c.dialog, [&] {
      shownModally = c.dialog->isVisible() && c.dialog->isModal();
      c.dialog->accept();
    });
    MenuItem(window(), c.item)->trigger();
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(c.dialog->isVisible());
  }

  MenuItem(window(), "SiteItem")->trigger();
  EXPECT_EQ(shell.opened, std::vector<std::string>{ProgramSiteAddress});
  EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(MainWindowTest, SiteThatCannotBeOpenedIsReported) {
  shell.succeeds = false;
  MenuItem(window(), "SiteItem")->trigger();
  ASSERT_EQ(dialogs.Calls().size(), 1u);
  EXPECT_EQ(dialogs.Calls()[0].Type, TMsgDlgType::mtError);
  EXPECT_NE(dialogs.Calls()[0].Text.find(ProgramSiteAddress), std::string::npos);
}

TEST_F(MainWindowTest, ExitClosesTheWindowWithAltX) {
  QAction* exit = MenuItem(window(), "ExitItem");
  EXPECT_EQ(exit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
  exit->trigger();
  EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, CommandErrorsGoToTheErrorBoxAndTheWindowGoesOn) {
  window().RunCommand([] { throw std::runtime_error("Invalid stringlist index 3"); });
  ASSERT_EQ(dialogs.Calls().size(), 1u);
  EXPECT_EQ(dialogs.Calls()[0].Text, "Invalid stringlist index 3");
  EXPECT_EQ(dialogs.Calls()[0].Type, TMsgDlgType::mtError);
  EXPECT_TRUE(window().isVisible());
}

TEST_F(MainWindowTest, BrowserStartsOnTheEmptyPage) {
  // Loading runs in the event loop, which has not run since the window was made.
  bool loaded = false, ok = false;
  QObject::connect(window().WebBrowser, &QWebEngineView::loadFinished, [&](bool success) {
    loaded = true;
    ok = success;
  });
  ASSERT_TRUE(ProcessEventsUntil([&] { return loaded; }, 15000));
  EXPECT_TRUE(ok);
  QString html;
  window().WebBrowser->page()->toHtml([&](const QString& text) { html = text; });
  ASSERT_TRUE(ProcessEventsUntil([&] { return !html.isEmpty(); }, 5000));
  EXPECT_EQ(html.toStdString(), "<html><head></head><body></body></html>");
  EXPECT_EQ(window().WebBrowser->contextMenuPolicy(), Qt::CustomContextMenu);
}

}  // namespace tessaly
