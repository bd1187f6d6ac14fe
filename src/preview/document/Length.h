#pragma once
// A WIDTH or HEIGHT as a page gives it: not given, a number of pixels, or a
// percentage of the room there is.

#include <string>

namespace tessaly::preview {

class TLength {
public:
  constexpr TLength() = default;
  static constexpr TLength Pixels(int pixels) { return TLength(TUnit::Pixels, pixels); }
  // Kept in tenths so that tables can share columns finer than whole percents.
  static constexpr TLength Percent(int percent) { return TLength(TUnit::Percent, percent * 10); }

  constexpr bool Given() const { return unit_ != TUnit::None; }
  constexpr bool IsPixels() const { return unit_ == TUnit::Pixels; }
  constexpr bool IsPercent() const { return unit_ == TUnit::Percent; }
  // Given and more than nothing: a zero WIDTH counts as none where sizes are shared out.
  constexpr bool Positive() const { return Given() && value_ > 0; }
  // The pixels given; 0 for a percentage.
  constexpr int PixelCount() const { return IsPixels() ? value_ : 0; }
  // The percentage in tenths; 0 for pixels.
  constexpr int Tenths() const { return IsPercent() ? value_ : 0; }
  // Pixels as given, or the percentage of `whole`.
  constexpr int Of(int whole) const { return IsPercent() ? whole * value_ / 1000 : value_; }

  // "300", "50%"; empty when not given.
  std::string Text() const {
    if (!Given()) return {};
    if (IsPixels()) return std::to_string(value_);
    std::string text = std::to_string(value_ / 10);
    if (value_ % 10) text += "." + std::to_string(value_ % 10);
    return text + "%";
  }

  friend constexpr bool operator==(const TLength&, const TLength&) = default;

private:
  enum class TUnit : unsigned char { None, Pixels, Percent };
  constexpr TLength(TUnit unit, int value) : unit_(unit), value_(value) {}
  TUnit unit_ = TUnit::None;
  int value_ = 0;
};

}  // namespace tessaly::preview
