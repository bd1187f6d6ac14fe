#include "app/documents/EncodingChange.h"

#include <algorithm>
#include <cctype>

#include "platform/text/Decode.h"
#include "platform/text/Detect.h"
#include "platform/text/Encode.h"
#include "platform/text/Stepping.h"

namespace tessaly {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The end of the first <head> start tag, letter case ignored.
std::optional<std::size_t> HeadTagEnd(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  for (std::size_t at = lower.find("<head"); at != std::string::npos; at = lower.find("<head", at + 1)) {
    const std::size_t after = at + 5;
    if (after < lower.size() && (lower[after] == '>' || IsBlank(lower[after]))) {
      const std::size_t close = lower.find('>', after);
      if (close == std::string::npos) return std::nullopt;
      return close + 1;
    }
  }
  return std::nullopt;
}

}  // namespace

TTextPlace PlaceOf(std::string_view text, text::Encoding encoding, std::size_t offset) {
  offset = std::min(offset, text.size());
  TTextPlace place;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < offset; ++i) {
    const bool lineEnd = text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
    if (lineEnd) {
      ++place.Line;
      lineStart = i + 1;
    }
  }
  const text::Encoding held = text::HeldEncoding(encoding);
  for (std::size_t at = lineStart; at < offset; at = text::NextBoundary(held, text, at)) ++place.Column;
  return place;
}

TConversion ConvertText(std::string_view held, text::Encoding from, text::Encoding to) {
  const text::Encoding source = text::HeldEncoding(from);
  TConversion conversion;
  const std::string utf8 = text::DecodeToUtf8(source, held, &conversion.Invalid);
  if (conversion.Invalid > 0) {
    std::size_t at = 0;
    while (at < held.size()) {
      const text::DecodedCharacter c = text::DecodeAt(source, held, at);
      if (!c.valid) break;
      at += c.length;
    }
    conversion.FirstInvalidPlace = PlaceOf(held, from, at);
    return conversion;
  }
  text::EncodeResult encoded = text::Encode(text::HeldEncoding(to), utf8);
  conversion.Text = std::move(encoded.bytes);
  conversion.Unrepresentable = encoded.replaced;
  if (encoded.replaced > 0) {
    conversion.FirstUnrepresentable = encoded.firstReplaced;
    conversion.FirstUnrepresentablePlace = PlaceOf(utf8, text::Encoding::Utf8, encoded.firstReplacedOffset);
  }
  return conversion;
}

std::optional<TTextEdit> CharsetDeclarationEdit(std::string_view held, text::Encoding encoding) {
  if (text::IsUtf16(encoding)) return std::nullopt;
  const std::string name(text::Name(encoding));
  if (const std::optional<text::MetaDeclaration> declared = text::FindMetaDeclarationIn(held)) {
    if (declared->encoding == encoding) return std::nullopt;
    return TTextEdit{declared->labelOffset, declared->labelLength, name};
  }
  const std::string meta = "<meta charset=\"" + name + "\">";
  if (const std::optional<std::size_t> head = HeadTagEnd(held)) return TTextEdit{*head, 0, "\r\n" + meta};
  return TTextEdit{0, 0, meta + "\r\n"};
}

}  // namespace tessaly
