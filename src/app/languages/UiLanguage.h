#pragma once
// `TUiLanguage` (`mLang`): the interface language of one window. At start-up
// it writes the window's built-in texts to "Language.lng" and applies the
// language the settings file names; the language menu switches by name or
// by a file the user picks.

#include <string>

class QWidget;

namespace tessaly {

class Dialogs;

class TUiLanguage {
public:
  TUiLanguage(QWidget& window, Dialogs& dialogs);

  // The program directory's "lang/", with the delimiter.
  static std::string LanguageDirectory();

  const std::string& CurrentFile() const { return currentFile_; }

  // Creation step 1 of the window.
  void Startup();
  // "English": the language directory's NAME.lng, for this run only.
  void SwitchByName(const std::string& name);
  // "Русский", "Другой...": a file picked in the language directory; the
  // choice is kept in the settings file.
  void SwitchByFile();

  // Writes the window's texts into the "Translations" section of `path`.
  void Dump(const std::string& path) const;
  // Sets the window's texts from `path`; what the window does not have is
  // skipped, and a file that cannot be read changes nothing.
  void Apply(const std::string& path);

private:
  void ApplyOrReport();
  std::string FormName() const;

  QWidget& window_;
  Dialogs& dialogs_;
  std::string currentFile_;
};

}  // namespace tessaly
