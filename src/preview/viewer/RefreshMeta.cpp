#include "preview/viewer/RefreshMeta.h"

#include <cctype>

#include "platform/CodePage1251.h"
#include "preview/document/Attributes.h"

namespace tessaly::preview {

bool ParseRefreshContent(const std::string& content, int& delay, std::string& url) {
  const std::string text = Trim(content);
  size_t digits = 0;
  while (digits < text.size() && digits < 9 && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
  if (digits == 0) return false;
  delay = std::max(1, std::stoi(text.substr(0, digits)));
  url.clear();
  const std::string upper = cp1251::UpperCase(text);
  if (const size_t at = upper.find("URL="); at != std::string::npos) url = Trim(text.substr(at + 4));
  return true;
}

}  // namespace tessaly::preview
