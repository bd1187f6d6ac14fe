// The language menu and the window's language start-up.

#include <QAction>

#include "app/window/MainWindow.h"
#include "app/languages/UiLanguage.h"

namespace tessaly {

void TOsnovnFRM::StartLanguage() {
  mLang = std::make_unique<TUiLanguage>(*this, dialogs_);
  mLang->Startup();
}

void TOsnovnFRM::LanguageEnglish1Click() { mLang->SwitchByName("English"); }

void TOsnovnFRM::RuslangClick() { mLang->SwitchByFile(); }

}  // namespace tessaly
