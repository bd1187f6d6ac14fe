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

TCanvasText::TCanvasText(std::u32string_view text) {
  utf8_.reserve(text.size());
  for (const char32_t c : text) {
    AppendUtf8(utf8_, AsDrawn(c));
    ends_.push_back(utf8_.size());
  }
  // All of one byte: a prefix's length is its character count.
  if (utf8_.size() == text.size()) ends_.clear();
}

std::string_view TCanvasText::Prefix(size_t chars) const {
  const size_t bytes = chars == 0 ? 0 : ends_.empty() ? chars : ends_[chars - 1];
  return std::string_view(utf8_).substr(0, bytes);
}

}  // namespace tessaly::preview
