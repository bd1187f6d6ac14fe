#include "app/languages/UiLanguage.h"

#include <QHash>
#include <QWidget>
#include <memory>

#include "app/languages/ComponentTexts.h"
#include "app/languages/LanguageFile.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/ProgramDirectory.h"
#include "qt/Cp1251Text.h"

namespace tessaly {

namespace {

// The settings as far as they can be read; an unreadable file reads as empty.
std::unique_ptr<IniFile> ReadSettings() {
  try {
    return std::make_unique<IniFile>(SettingsFileName());
  } catch (const Exception&) {
    return std::make_unique<IniFile>(std::string());
  }
}

}  // namespace

TUiLanguage::TUiLanguage(QWidget& window, Dialogs& dialogs)
    : window_(window), dialogs_(dialogs), currentFile_(LanguageDirectory() + language::DefaultFileName) {}

std::string TUiLanguage::LanguageDirectory() { return ProgramDirectory() + "lang/"; }

std::string TUiLanguage::FormName() const { return window_.objectName().toStdString(); }

void TUiLanguage::Startup() {
  const std::string directory = LanguageDirectory();
  ForceDirectories(directory);
  currentFile_ = directory + language::DefaultFileName;
  // The texts and the choice are only remembered here; a program directory
  // that cannot be written must not keep the window from being built.
  try {
    Dump(currentFile_);
  } catch (const Exception&) {
  }
  std::unique_ptr<IniFile> settings = ReadSettings();
  currentFile_ = language::ConfiguredFile(*settings, FormName(), currentFile_);
  if (FileExists(currentFile_)) Apply(currentFile_);
  try {
    IniFile writable(SettingsFileName());
    language::SetConfiguredFile(writable, FormName(), currentFile_);
  } catch (const Exception&) {
  }
}

void TUiLanguage::SwitchByName(const std::string& name) {
  // The directory ends with the delimiter already; the doubled one is harmless.
  currentFile_ = LanguageDirectory() + "/" + name + ".lng";
  ApplyOrReport();
}

void TUiLanguage::SwitchByFile() {
  TFileDialogSpec spec;
  spec.InitialDir = LanguageDirectory();
  spec.Filter = language::FileFilter;
  const bool chosen = dialogs_.OpenFile(spec);
  if (chosen) currentFile_ = spec.FileName;
  // The language the user picked shows even when it cannot be remembered;
  // a settings file that cannot be written is then reported.
  ApplyOrReport();
  if (chosen) {
    IniFile settings(SettingsFileName());
    language::SetConfiguredFile(settings, FormName(), currentFile_);
  }
}

void TUiLanguage::ApplyOrReport() {
  if (FileExists(currentFile_)) Apply(currentFile_);
  else ShowMessage(dialogs_, language::NotFoundMessage + currentFile_);
}

void TUiLanguage::Dump(const std::string& path) const {
  std::vector<language::TComponentEntry> entries;
  for (const QObject* component : OwnedComponents(window_)) {
    const TComponentTexts texts = ComponentTexts(*component);
    entries.push_back({component->objectName().toStdString(), Cp1251FromQString(texts.Caption),
                       Cp1251FromQString(texts.Hint), Cp1251FromQString(texts.Text)});
  }
  IniFile file(path, language::MaxFileBytes);
  language::Dump(file, FormName(), Cp1251FromQString(window_.windowTitle()), entries);
}

void TUiLanguage::Apply(const std::string& path) {
  std::unique_ptr<IniFile> file;
  try {
    file = std::make_unique<IniFile>(path, language::MaxFileBytes);
  } catch (const Exception&) {
    return;
  }
  QHash<QString, QObject*> byName;
  for (QObject* component : OwnedComponents(window_))
    if (!byName.contains(component->objectName())) byName.insert(component->objectName(), component);
  for (const language::TTranslation& translation : language::Translations(*file, FormName())) {
    QObject* component = byName.value(QString::fromStdString(translation.Component));
    const auto property = TextPropertyNamed(translation.Property);
    if (component != nullptr && property) SetComponentText(*component, *property, QStringFromCp1251(translation.Value));
  }
  window_.setWindowTitle(QStringFromCp1251(language::Caption(*file)));
}

}  // namespace tessaly
