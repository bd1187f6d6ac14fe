#include "update/VersionCompare.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace tessaly {

namespace {

long long IntegerOrZero(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::optional<double> Number(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The text before the first ".", and the rest after it (empty when there is
// no "."): a published version with fewer parts compares as zeros.
std::string_view TakePart(std::string_view& text) {
  const size_t dot = text.find('.');
  const std::string_view part = text.substr(0, dot);
  text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  return part;
}

bool IsNewerStandard(std::string_view local, std::string_view published) {
  for (;;) {
    const bool localGoesOn = local.find('.') != std::string_view::npos;
    const long long localPart = IntegerOrZero(TakePart(local));
    const long long publishedPart = IntegerOrZero(TakePart(published));
    if (localPart < publishedPart) return true;
    if (publishedPart < localPart) return false;
    if (!localGoesOn) return false;
  }
}

}  // namespace

bool IsNewerVersion(const std::string& local, const std::string& published, TVersionFormat format) {
  switch (format) {
    case TVersionFormat::vfStandard: return IsNewerStandard(local, published);
    case TVersionFormat::vfString: return published > local;
    case TVersionFormat::vfNumber: {
      const auto l = Number(local), p = Number(published);
      return l && p && *p > *l;
    }
  }
  return false;
}

}  // namespace tessaly
