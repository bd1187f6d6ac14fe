#include "app/documents/DefaultEncoding.h"

#include <optional>

#include "platform/Exception.h"
#include "platform/IniFile.h"

namespace tessaly {

namespace {

constexpr const char* kSection = "Documents";
constexpr const char* kKey = "DefaultEncoding";

}  // namespace

text::Encoding ReadDefaultEncoding(const std::string& settingsFile) {
  try {
    const IniFile settings(settingsFile);
    const std::optional<text::Encoding> chosen = text::EncodingForLabel(settings.ReadString(kSection, kKey, ""));
    return chosen.value_or(text::kDefaultEncoding);
  } catch (const Exception&) {
    return text::kDefaultEncoding;
  }
}

void WriteDefaultEncoding(const std::string& settingsFile, text::Encoding encoding) {
  IniFile settings(settingsFile);
  settings.WriteString(kSection, kKey, text::Name(encoding));
}

}  // namespace tessaly
