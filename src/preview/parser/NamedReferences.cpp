#include "preview/parser/NamedReferences.h"

#include <algorithm>

#include "platform/text/Decode.h"

namespace tessaly::preview {

namespace {

const NamedReference* Find(std::string_view name) {
  const NamedReference* end = kNamedReferences + kNamedReferenceCount;
  const NamedReference* found =
      std::lower_bound(kNamedReferences, end, name, [](const NamedReference& r, std::string_view n) { return r.Name < n; });
  return found != end && found->Name == name ? found : nullptr;
}

}  // namespace

std::optional<NamedMatch> MatchNamedReference(std::string_view text) {
  for (std::size_t length = std::min(text.size(), kLongestReferenceName); length > 0; --length)
    if (const NamedReference* reference = Find(text.substr(0, length))) return NamedMatch{reference, length};
  return std::nullopt;
}

char32_t NumericReferenceCharacter(unsigned long value) {
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return text::kReplacementCharacter;
  if (value >= 0x80 && value <= 0x9F) {
    const char byte = static_cast<char>(value);
    return text::DecodeAt(text::Encoding::Windows1252, std::string_view(&byte, 1), 0).codePoint;
  }
  return static_cast<char32_t>(value);
}

}  // namespace tessaly::preview
