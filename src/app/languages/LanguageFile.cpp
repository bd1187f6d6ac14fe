#include "app/languages/LanguageFile.h"

#include "platform/IniFile.h"

namespace tessaly::language {

namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  size_t pos = 0;
  for (size_t at; (at = text.find(from, pos)) != std::string_view::npos; pos = at + from.size()) {
    result.append(text.substr(pos, at - pos));
    result.append(to);
  }
  result.append(text.substr(pos));
  return result;
}

// Profile values lose surrounding blanks and one pair of enclosing quotes
// when read; such a value is written in quotes so it reads back as it was.
std::string Protected(std::string value) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  if (!value.empty() && (blank(value.front()) || blank(value.back()) || quoted)) return '"' + value + '"';
  return value;
}

}  // namespace

std::string EncodeLineBreaks(std::string_view text) { return ReplaceAll(text, "\r\n", "~~"); }
std::string DecodeLineBreaks(std::string_view value) { return ReplaceAll(value, "~~", "\r\n"); }

std::vector<std::pair<std::string, std::string>> DumpEntries(std::string_view formName, std::string_view caption,
                                                             const std::vector<TComponentEntry>& components) {
  // The caption is encoded too: a raw line break would split the entry and
  // leave the rest of the caption as a stray line.
  std::vector<std::pair<std::string, std::string>> entries{{CaptionKey, Protected(EncodeLineBreaks(caption))}};
  const std::string prefix = std::string(formName) + ".";
  for (const TComponentEntry& component : components) {
    const auto add = [&](const char* property, const std::string& text) {
      const std::string value = EncodeLineBreaks(text);
      if (!value.empty()) entries.emplace_back(prefix + component.Name + "." + property, Protected(value));
    };
    if (component.Caption != "-") add("Caption", component.Caption);
    add("Hint", component.Hint);
    add("Text", component.Text);
  }
  return entries;
}

void Dump(IniFile& file, std::string_view formName, std::string_view caption,
          const std::vector<TComponentEntry>& components) {
  file.WriteStrings(TranslationsSection, DumpEntries(formName, caption, components));
}

std::optional<TTranslation> ParseTranslation(std::string_view line, std::string_view formName) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const std::string_view key = line.substr(0, eq);
  const size_t firstDot = key.find('.');
  if (firstDot == std::string_view::npos || key.substr(0, firstDot) != formName) return std::nullopt;
  const std::string_view rest = key.substr(firstDot + 1);
  const size_t secondDot = rest.find('.');
  if (secondDot == std::string_view::npos) return std::nullopt;
  return TTranslation{std::string(rest.substr(0, secondDot)), std::string(rest.substr(secondDot + 1)),
                      DecodeLineBreaks(line.substr(eq + 1))};
}

std::vector<TTranslation> Translations(const IniFile& file, std::string_view formName) {
  std::vector<TTranslation> translations;
  for (const std::string& line : file.ReadSectionValues("TRANSLATIONS"))
    if (auto translation = ParseTranslation(line, formName)) translations.push_back(std::move(*translation));
  return translations;
}

std::string Caption(const IniFile& file) {
  return DecodeLineBreaks(file.ReadString(TranslationsSection, CaptionKey, MissingCaption));
}

std::string ConfiguredFile(const IniFile& settings, std::string_view formName, std::string_view defaultFile) {
  return settings.ReadString(SettingsSection, formName, defaultFile);
}

void SetConfiguredFile(IniFile& settings, std::string_view formName, std::string_view file) {
  settings.WriteString(SettingsSection, formName, file);
}

}  // namespace tessaly::language
