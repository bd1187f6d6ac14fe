#include "platform/text/Utf16.h"

#include "platform/Utf8.h"
#include "platform/text/Decode.h"
#include "platform/text/Stepping.h"

namespace tessaly::text {
namespace {

char16_t UnitAt(std::string_view bytes, std::size_t i, bool bigEndian) {
  const auto first = static_cast<unsigned char>(bytes[i]);
  const auto second = static_cast<unsigned char>(bytes[i + 1]);
  return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

void AppendUnit(std::string& out, char16_t unit, bool bigEndian) {
  const auto high = static_cast<char>(unit >> 8);
  const auto low = static_cast<char>(unit & 0xFF);
  if (bigEndian) {
    out += high;
    out += low;
  } else {
    out += low;
    out += high;
  }
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// A surrogate written as a three-byte sequence: ED A0-BF 80-BF.
bool IsEncodedSurrogate(std::string_view text, std::size_t i) {
  return text.size() - i >= 3 && static_cast<unsigned char>(text[i]) == 0xED &&
         static_cast<unsigned char>(text[i + 1]) >= 0xA0 && static_cast<unsigned char>(text[i + 1]) <= 0xBF &&
         (static_cast<unsigned char>(text[i + 2]) & 0xC0) == 0x80;
}

}  // namespace

Utf16Decoded Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  Utf16Decoded decoded;
  decoded.text.reserve(bytes.size() + bytes.size() / 2);
  const std::size_t units = bytes.size() / 2;
  for (std::size_t u = 0; u < units; ++u) {
    const char32_t unit = UnitAt(bytes, 2 * u, bigEndian);
    if (IsHighSurrogate(unit) && u + 1 < units) {
      const char32_t next = UnitAt(bytes, 2 * (u + 1), bigEndian);
      if (IsLowSurrogate(next)) {
        AppendUtf8(decoded.text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        ++u;
        continue;
      }
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) ++decoded.invalidCodeUnits;
    AppendUtf8(decoded.text, unit);
  }
  if (bytes.size() % 2 != 0) {
    decoded.oddLastByte = static_cast<unsigned char>(bytes.back());
    ++decoded.invalidCodeUnits;
  }
  return decoded;
}

Utf16Encoded Utf8ToUtf16(std::string_view text, bool bigEndian) {
  Utf16Encoded encoded;
  encoded.bytes.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    if (IsEncodedSurrogate(text, i)) {
      const char32_t unit = ((static_cast<unsigned char>(text[i]) & 0x0F) << 12) |
                            ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
                            (static_cast<unsigned char>(text[i + 2]) & 0x3F);
      AppendUnit(encoded.bytes, static_cast<char16_t>(unit), bigEndian);
      i += 3;
      continue;
    }
    const DecodedCharacter c = DecodeAt(Encoding::Utf8, text, i);
    if (!c.valid) ++encoded.replaced;
    if (c.codePoint >= 0x10000) {
      const char32_t v = c.codePoint - 0x10000;
      AppendUnit(encoded.bytes, static_cast<char16_t>(0xD800 + (v >> 10)), bigEndian);
      AppendUnit(encoded.bytes, static_cast<char16_t>(0xDC00 + (v & 0x3FF)), bigEndian);
    } else {
      AppendUnit(encoded.bytes, static_cast<char16_t>(c.codePoint), bigEndian);
    }
    i += c.length;
  }
  return encoded;
}

}  // namespace tessaly::text
