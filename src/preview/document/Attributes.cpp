#include "preview/document/Attributes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/CodePage1251.h"

namespace tessaly::preview {

const TAttribute* TAttributeList::Find(Attr which) const {
  for (const auto& attribute : items_)
    if (attribute.Which == which) return &attribute;
  return nullptr;
}

std::string TAttributeList::Text(Attr which) const {
  const TAttribute* attribute = Find(which);
  return attribute ? attribute->Text : std::string();
}

std::optional<TColor> TAttributeList::Color(Attr which) const {
  const TAttribute* attribute = Find(which);
  return attribute ? ColorFromString(attribute->Text) : std::nullopt;
}

std::optional<int> ParseInteger(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int>(value);
}

int StrToIntDef(std::string_view text, int fallback) { return ParseInteger(text).value_or(fallback); }

std::string Trim(std::string_view text) {
  size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return std::string(text.substr(first, last - first));
}

int QuotedNumericValue(std::string_view value) {
  std::string text = Trim(value);
  const size_t percent = text.find('%');
  if (percent != std::string::npos && percent == text.size() - 1) text.pop_back();
  return StrToIntDef(text, 0);
}

int LimitedAbs(int value, int limit) { return value < -limit || value > limit ? limit : std::abs(value); }

void ReadColor(const TAttribute& attribute, TColor& color, bool& has) {
  if (auto read = ColorFromString(attribute.Text)) {
    color = *read;
    has = true;
  }
}

void ReadLength(const TAttribute& attribute, int maxPercent, TLength& length) {
  if (attribute.Text.find('%') == std::string::npos) length = TLength::Pixels(std::max(attribute.Value, 0));
  else if (attribute.Value >= 1 && attribute.Value <= maxPercent) length = TLength::Percent(attribute.Value);
}

std::optional<TColor> ColorFromString(std::string_view value) {
  struct Named {
    std::string_view Name;
    TColor Color;
  };
  static constexpr Named kNames[] = {
      {"BLACK", clBlack}, {"MAROON", clMaroon}, {"GREEN", clGreen}, {"OLIVE", clOlive},
      {"NAVY", clNavy},   {"PURPLE", clPurple}, {"TEAL", clTeal},   {"GRAY", clGray},
      {"SILVER", clSilver}, {"RED", clRed},     {"LIME", clLime},   {"YELLOW", clYellow},
      {"BLUE", clBlue},   {"FUCHSIA", clFuchsia}, {"AQUA", clAqua}, {"WHITE", clWhite},
  };
  std::string text = cp1251::UpperCase(value.substr(0, 10));
  for (const auto& named : kNames)
    if (text == named.Name) return named.Color | kPaletteRelative;

  text = cp1251::UpperCase(value);
  if (const size_t hash = text.find('#'); hash != std::string::npos) text.erase(hash, 1);
  if (text.size() < 6) text.append(6 - text.size(), '0');
  if (text.size() > 8) return std::nullopt;
  uint32_t rgb = 0;
  for (char ch : text) {
    int digit;
    if (ch >= '0' && ch <= '9') digit = ch - '0';
    else if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
    else return std::nullopt;
    rgb = rgb << 4 | static_cast<uint32_t>(digit);
  }
  // Written as red-green-blue; the system keeps red in the lowest byte.
  return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF) | kPaletteRelative;
}

}  // namespace tessaly::preview
