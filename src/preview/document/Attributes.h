#pragma once
// Attributes of the tag being read, and the readings of attribute values
// (numbers, colours, alignment words) shared by the builders.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Graphics.h"
#include "preview/document/HtmlSymbols.h"
#include "preview/document/Length.h"

namespace tessaly::preview {

struct TAttribute {
  Attr Which = Attr::Unknown;
  int Value = 0;      // the numeric reading of Text, 0 when it is not a number
  std::string Text;   // the value string as written
};

class TAttributeList {
public:
  void Clear() { items_.clear(); }
  void Add(TAttribute attribute) { items_.push_back(std::move(attribute)); }
  // The first attribute with that symbol, or nullptr.
  const TAttribute* Find(Attr which) const;
  bool Has(Attr which) const { return Find(which) != nullptr; }
  std::string Text(Attr which) const;  // "" when absent
  const std::vector<TAttribute>& Items() const { return items_; }

  // COLOR-like attributes: the colour, or empty when absent or unreadable.
  std::optional<TColor> Color(Attr which) const;

private:
  std::vector<TAttribute> items_;
};

// Whole-string decimal integer with an optional sign; empty on anything else
// (including values outside 32 bits).
std::optional<int> ParseInteger(std::string_view text);
int StrToIntDef(std::string_view text, int fallback);

// The numeric reading of a quoted value: trimmed, one trailing % removed.
int QuotedNumericValue(std::string_view value);

// Colour names and #rrggbb (padded on the right with 0) in the system order,
// marked palette-relative; empty when unreadable.
constexpr TColor kPaletteRelative = 0x02000000;
std::optional<TColor> ColorFromString(std::string_view value);

std::string Trim(std::string_view text);

// min(|value|, limit), also for the most negative value.
int LimitedAbs(int value, int limit);

// A colour attribute: sets `color` and `has` when the value is readable.
void ReadColor(const TAttribute& attribute, TColor& color, bool& has);
// WIDTH-like values: percent x 10 with `percent` set when the text holds '%'
// and the number lies in 1..maxPercent (out of range changes nothing);
// otherwise pixels, at least 0.
void ReadLength(const TAttribute& attribute, int maxPercent, TLength& length);

}  // namespace tessaly::preview
