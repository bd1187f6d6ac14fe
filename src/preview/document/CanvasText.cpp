#include "preview/document/CanvasText.h"

#include "platform/Utf8.h"
#include "preview/document/Section.h"

namespace tessaly::preview {

namespace {

char32_t AsDrawn(char32_t c) { return c == kNonBreakingSpace ? U' ' : c; }

}  // namespace

std::string CanvasText(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t c : text) AppendUtf8(out, AsDrawn(c));
  return out;
}

TCanvasText::TCanvasText(std::u32string_view text) : utf8_(CanvasText(text)) {
  if (utf8_.size() == text.size()) return;
  ends_.reserve(text.size());
  size_t end = 0;
  for (const char32_t c : text) {
    const char32_t drawn = AsDrawn(c);
    end += drawn < 0x80 ? 1 : drawn < 0x800 ? 2 : drawn < 0x10000 ? 3 : 4;
    ends_.push_back(end);
  }
}

std::string_view TCanvasText::Prefix(size_t chars) const {
  const size_t bytes = chars == 0 ? 0 : ends_.empty() ? chars : ends_[chars - 1];
  return std::string_view(utf8_).substr(0, bytes);
}

}  // namespace tessaly::preview
