#pragma once
// The rules of language files and of the language entry of the settings
// file, apart from any window: what the dump writes, what applying reads.
// Texts are windows-1251 bytes, as the files hold them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

class IniFile;

namespace language {

inline constexpr const char* TranslationsSection = "Translations";
inline constexpr const char* CaptionKey = "FCaption";
// The window caption when a language file does not give one.
inline constexpr const char* MissingCaption = "***";
inline constexpr const char* SettingsSection = "Language";
inline constexpr const char* DefaultFileName = "Language.lng";
inline constexpr const char* FileFilter = "Language Files |*.lng";
inline constexpr const char* NotFoundMessage = "File not found!!\r";
// Language files are read no further than this: every translation of the
// window fits many times over, and a stray huge file cannot stall the start.
inline constexpr size_t MaxFileBytes = 4 * 1024 * 1024;

// One line break (CR LF) of a text is "~~" in a file.
std::string EncodeLineBreaks(std::string_view text);
std::string DecodeLineBreaks(std::string_view value);

// The texts of one component as the dump writes them; empty ones are not written.
struct TComponentEntry {
  std::string Name;
  std::string Caption;
  std::string Hint;
  std::string Text;
};

// The keys and values the dump writes, in order: "FCaption", then per
// component its ".Caption" (unless it is a separator "-"), ".Hint" and
// ".Text", each with its line breaks encoded.
std::vector<std::pair<std::string, std::string>> DumpEntries(std::string_view formName, std::string_view caption,
                                                             const std::vector<TComponentEntry>& components);
// Writes them into the section "Translations", keeping the file's other entries.
void Dump(IniFile& file, std::string_view formName, std::string_view caption,
          const std::vector<TComponentEntry>& components);

// One translation for a component of the form: "FORM.COMPONENT.PROPERTY=VALUE".
struct TTranslation {
  std::string Component;
  std::string Property;  // as the file spells it
  std::string Value;     // line breaks decoded

  bool operator==(const TTranslation&) const = default;
};

// A "key=value" line of the section read as a translation for `formName`
// (compared exactly); nothing for another form, "FCaption" or a key
// without three parts.
std::optional<TTranslation> ParseTranslation(std::string_view line, std::string_view formName);
// Every translation for `formName` in the file's "Translations" section, in file order.
std::vector<TTranslation> Translations(const IniFile& file, std::string_view formName);
// The window caption a file gives, "***" when it gives none.
std::string Caption(const IniFile& file);

// The language file the settings name for `formName`, `defaultFile` when none.
std::string ConfiguredFile(const IniFile& settings, std::string_view formName, std::string_view defaultFile);
void SetConfiguredFile(IniFile& settings, std::string_view formName, std::string_view file);

}  // namespace language
}  // namespace tessaly
