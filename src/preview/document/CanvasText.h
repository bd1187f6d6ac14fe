#pragma once
// Section text on its way to the canvas, which takes UTF-8: non-breaking
// spaces look like spaces, and a prefix of so many characters can be
// measured without converting the text again.

#include <string>
#include <string_view>
#include <vector>

namespace tessaly::preview {

// The characters as drawn, in UTF-8.
std::string CanvasText(std::u32string_view text);

class TCanvasText {
public:
  explicit TCanvasText(std::u32string_view text);
  const std::string& Whole() const { return utf8_; }
  // The first `chars` characters.
  std::string_view Prefix(size_t chars) const;

private:
  std::string utf8_;
  std::vector<size_t> ends_;  // byte end of each character; empty when all are one byte
};

}  // namespace tessaly::preview
