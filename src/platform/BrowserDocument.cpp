#include "platform/BrowserDocument.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tessaly {

namespace {

bool SameAscii(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

template <size_t N>
bool OneOf(std::string_view word, const std::array<std::string_view, N>& words) {
  return std::any_of(words.begin(), words.end(), [word](std::string_view w) { return SameAscii(word, w); });
}

constexpr std::array<std::string_view, 4> kCharacterCommands = {"Bold", "Italic", "Underline", "ForeColor"};
constexpr std::array<std::string_view, 5> kAlignCommands = {"JustifyLeft", "JustifyCenter", "JustifyRight",
                                                           "JustifyMiddle", "JustifyFull"};
constexpr std::array<std::string_view, 1> kLinkCommands = {"CreateLink"};
constexpr std::array<std::string_view, 4> kFormControls = {"INPUT", "SELECT", "TEXTAREA", "BUTTON"};

}  // namespace

bool ElementSupportsCommand(std::string_view elementName, std::string_view command) {
  const bool character = OneOf(command, kCharacterCommands);
  const bool align = OneOf(command, kAlignCommands);
  const bool link = OneOf(command, kLinkCommands);
  if (!character && !align && !link) return true;
  if (SameAscii(elementName, "HR")) return false;
  if (SameAscii(elementName, "IMG")) return align || link;
  if (SameAscii(elementName, "TABLE")) return character || align;
  if (OneOf(elementName, kFormControls)) return align;
  // Embedded objects and frames: they can be placed, nothing more.
  return align;
}

}  // namespace tessaly
