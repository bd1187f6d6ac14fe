// The language menu and the window's language start-up.

#include <QAction>

#include "app/MainWindow.h"
#include "app/UiLanguage.h"

namespace tessaly {

void TOsnovnFRM::StartLanguage() {
  mLang = std::make_unique<TUiLanguage>(*this, dialogs_);
  mLang->Startup();
}

void TOsnovnFRM::LanguageEnglish1Click() { mLang->SwitchByName("English"); }

void TOsnovnFRM::RuslangClick() { mLang->SwitchByFile(); }

void TOsnovnFRM::ConnectLanguageCommands() {
  ConnectMenuItem("LanguageEnglish1", &TOsnovnFRM::LanguageEnglish1Click);
  ConnectMenuItem("Ruslang", &TOsnovnFRM::RuslangClick);
  ConnectMenuItem("Ruslang2", &TOsnovnFRM::RuslangClick);
}

}  // namespace tessaly
