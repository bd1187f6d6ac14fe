#include "app/languages/UiLanguage.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <map>

#include "MainWindowFixture.h"
#include "app/languages/ComponentTexts.h"
#include "app/languages/LanguageFile.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "qt/ClockPane.h"
#include "qt/MarqueePane.h"

namespace tessaly {

namespace {

struct TKindCase {
  const char* kind;
  std::function<QObject*(QWidget& window)> make;
  bool caption, hint, text;
};

TEST(ComponentTexts, EachKindHasItsOwnTexts) {
  const TKindCase cases[] = {
      {"menu item", [](QWidget& w) { return new QAction(&w); }, true, true, false},
      {"menu", [](QWidget& w) { return new QMenu(&w); }, true, true, false},
      {"tool button", [](QWidget& w) { return new QToolButton(&w); }, true, true, false},
      {"button", [](QWidget& w) { return new QPushButton(&w); }, true, true, false},
      {"check box", [](QWidget& w) { return new QCheckBox(&w); }, true, true, false},
      {"radio button", [](QWidget& w) { return new QRadioButton(&w); }, true, true, false},
      {"label", [](QWidget& w) { return new QLabel(&w); }, true, true, false},
      {"group box", [](QWidget& w) { return new QGroupBox(&w); }, true, true, false},
      {"status pane", [](QWidget& w) { return new TMarqueePane(&w); }, true, true, false},
      {"clock pane", [](QWidget& w) { return new TClockPane(&w); }, false, true, false},
      {"tab page",
       [](QWidget& w) {
         auto* tabs = new QTabWidget(&w);
         auto* page = new QWidget;
         tabs->addTab(page, QStringLiteral("first"));
         return page;
       },
       true, true, false},
      {"line edit", [](QWidget& w) { return new QLineEdit(&w); }, false, true, true},
      {"combo box",
       [](QWidget& w) {
         auto* combo = new QComboBox(&w);
         combo->setEditable(true);
         return combo;
       },
       false, true, true},
      {"window", [](QWidget&) { return new QWidget(nullptr, Qt::Window); }, true, true, false},
      {"plain widget", [](QWidget& w) { return new QWidget(&w); }, false, true, false},
  };
  for (const TKindCase& c : cases) {
    QWidget window;
    QObject* component = c.make(window);
    std::unique_ptr<QObject> orphan(component->parent() == nullptr ? component : nullptr);
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(SetComponentText(*component, TTextProperty::Caption, QStringLiteral("Cap\r\ntion")), c.caption);
    EXPECT_EQ(SetComponentText(*component, TTextProperty::Hint, QStringLiteral("Tip")), c.hint);
    EXPECT_EQ(SetComponentText(*component, TTextProperty::Text, QStringLiteral("Typed")), c.text);
    const TComponentTexts texts = ComponentTexts(*component);
    if (c.caption) {
      EXPECT_EQ(texts.Caption, QStringLiteral("Cap\r\ntion"));
    }
    EXPECT_EQ(texts.Hint, c.hint ? QStringLiteral("Tip") : QString());
    EXPECT_EQ(texts.Text, c.text ? QStringLiteral("Typed") : QString());
  }
}

TEST(ComponentTexts, PropertyNamesIgnoreLetterCase) {
  EXPECT_EQ(TextPropertyNamed("caption"), TTextProperty::Caption);
  EXPECT_EQ(TextPropertyNamed("HINT"), TTextProperty::Hint);
  EXPECT_EQ(TextPropertyNamed("Text"), TTextProperty::Text);
  EXPECT_EQ(TextPropertyNamed("Caption.Extra"), std::nullopt);
  EXPECT_EQ(TextPropertyNamed("Font"), std::nullopt);
}

TEST(ComponentTexts, AWindowOwnsItsNamedObjectsButNotAnotherForms) {
  QWidget window;
  auto* first = new QLabel(&window);
  first->setObjectName(QStringLiteral("First"));
  auto* box = new QGroupBox(&window);  // unnamed: not a component, but it holds one
  auto* inner = new QLabel(box);
  inner->setObjectName(QStringLiteral("Inner"));
  new QLabel(&window);
  auto* toolkit = new QLabel(&window);
  toolkit->setObjectName(QStringLiteral("qt_internal"));
  auto* dialog = new QDialog(&window);
  dialog->setObjectName(QStringLiteral("OtherForm"));
  (new QLabel(dialog))->setObjectName(QStringLiteral("OtherFormLabel"));
  auto* last = new QAction(&window);
  last->setObjectName(QStringLiteral("Last"));

  EXPECT_EQ(OwnedComponents(window), (std::vector<QObject*>{first, inner, last}));
  EXPECT_EQ(OwnedComponent(window, QStringLiteral("Inner")), inner);
  EXPECT_EQ(OwnedComponent(window, QStringLiteral("OtherFormLabel")), nullptr);
  EXPECT_EQ(OwnedComponent(window, QStringLiteral("inner")), nullptr);
}

// Every text of the window.
std::map<std::string, std::string> AllTexts(const QWidget& window) {
  std::map<std::string, std::string> texts{{"FCaption", window.windowTitle().toStdString()}};
  for (const QObject* component : OwnedComponents(window)) {
    const TComponentTexts t = ComponentTexts(*component);
    const std::string name = component->objectName().toStdString();
    texts[name + ".Caption"] = t.Caption.toStdString();
    texts[name + ".Hint"] = t.Hint.toStdString();
    texts[name + ".Text"] = t.Text.toStdString();
  }
  return texts;
}

std::vector<std::string> TranslatedKeys(const std::string& path) {
  return IniFile(path).ReadSection(language::TranslationsSection);
}

using UiLanguageTest = MainWindowTest;

TEST_F(UiLanguageTest, TheEnglishFileTranslatesEveryTextOfTheWindow) {
  const std::string dumped = TUiLanguage::LanguageDirectory() + language::DefaultFileName;
  const std::string english = std::string(TESSALY_SOURCE_DIR) + "/data/lang/English.lng";
  EXPECT_EQ(TranslatedKeys(english), TranslatedKeys(dumped))
      << "a component was added, renamed or removed: translate it in data/lang/English.lng";
  // Russian is left only where the language menu names itself.
  for (const std::string& line : IniFile(english).ReadSectionValues(language::TranslationsSection)) {
    if (line.starts_with("OsnovnFRM.Language1.") || line.starts_with("OsnovnFRM.Ruslang.")) continue;
    EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        << line;
  }
}

TEST_F(UiLanguageTest, EnglishAndBackRestoresEveryText) {
  const std::map<std::string, std::string> builtIn = AllTexts(window());
  ASSERT_TRUE(FileExists(TUiLanguage::LanguageDirectory() + "English.lng")) << "shipped with the program";
  window().LanguageEnglish1Click();
  EXPECT_EQ(window().windowTitle(), QStringLiteral("Visual HTML Editor"));
  const std::map<std::string, std::string> english = AllTexts(window());
  size_t changed = 0;
  for (const auto& [key, text] : english) changed += text != builtIn.at(key);
  EXPECT_GT(changed, 60u);

  dialogs.AnswerOpenFile(TUiLanguage::LanguageDirectory() + language::DefaultFileName);
  window().RuslangClick();
  // The marquee shows its start-up caption again, until the status timer puts the file name back.
  for (const auto& [key, text] : AllTexts(window()))
    if (key != "StatusM.Caption") {
      EXPECT_EQ(text, builtIn.at(key)) << key;
    }
  EXPECT_TRUE(dialogs.Calls().size() == 1 && dialogs.Calls()[0].File.Filter == "Language Files |*.lng" &&
              dialogs.Calls()[0].File.InitialDir == TUiLanguage::LanguageDirectory());
}

TEST_F(UiLanguageTest, ApplyingSkipsWhatTheWindowDoesNotHave) {
  const std::string path = programDir.File("test.lng");
  WriteFileAtomically(path,
                      "[translations]\r\n"
                      "OsnovnFRM.BtnBold.caption=Fett\r\n"          // property case is free
                      "OsnovnFRM.BtnNew.Hint=Neu~~Seite\r\n"
                      "OsnovnFRM.BtnBold.Text=no text\r\n"          // a button has no text
                      "OsnovnFRM.NoSuchThing.Caption=x\r\n"
                      "osnovnfrm.BtnOpen.Hint=wrong case\r\n"       // the form name counts case
                      "OsnovnFRM.BtnOpen.Font=Arial\r\n"
                      "OsnovnFRM.BtnOpen\r\n"
                      "\x01\x02=\xff\r\n");
  const TComponentTexts openBefore = ComponentTexts(*OwnedComponent(window(), QStringLiteral("BtnOpen")));
  window().mLang->Apply(path);
  EXPECT_EQ(ComponentTexts(*OwnedComponent(window(), QStringLiteral("BtnBold"))).Caption, QStringLiteral("Fett"));
  EXPECT_EQ(ComponentTexts(*OwnedComponent(window(), QStringLiteral("BtnNew"))).Hint, QStringLiteral("Neu\r\nSeite"));
  EXPECT_EQ(ComponentTexts(*OwnedComponent(window(), QStringLiteral("BtnOpen"))).Hint, openBefore.Hint);
  EXPECT_EQ(window().windowTitle(), QStringLiteral("***")) << "the file gives no caption";
}

}  // namespace
}  // namespace tessaly
