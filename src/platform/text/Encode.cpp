#include "platform/text/Encode.h"

#include <string>

#include "platform/text/Decode.h"
#include "platform/text/SingleByteTables.h"
#include "platform/text/Stepping.h"
#include "platform/text/Utf16.h"

namespace tessaly::text {

bool CanEncode(Encoding target, char32_t codePoint) {
  if (!IsSingleByte(target)) return codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
  return UnicodeToSingleByte(target, codePoint) >= 0;
}

EncodeResult Encode(Encoding target, std::string_view utf8) {
  EncodeResult result;
  if (IsUtf16(target)) {
    Utf16Encoded encoded = Utf8ToUtf16(utf8, target == Encoding::Utf16BE);
    result.bytes = std::move(encoded.bytes);
    result.invalidInput = encoded.replaced;
    return result;
  }
  if (target == Encoding::Utf8) {
    result.bytes.assign(utf8);
    result.invalidInput = CountInvalidUtf8(utf8);
    return result;
  }
  result.bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      result.bytes += static_cast<char>(lead);
      ++i;
      continue;
    }
    const DecodedCharacter c = DecodeAt(Encoding::Utf8, utf8, i);
    if (!c.valid) {
      result.bytes += static_cast<char>(lead);
      ++result.invalidInput;
    } else if (const int byte = UnicodeToSingleByte(target, c.codePoint); byte >= 0) {
      result.bytes += static_cast<char>(byte);
    } else {
      if (result.replaced++ == 0) {
        result.firstReplacedOffset = i;
        result.firstReplaced = c.codePoint;
      }
      result.bytes += "&#";
      result.bytes += std::to_string(static_cast<unsigned long>(c.codePoint));
      result.bytes += ';';
    }
    i += c.length;
  }
  return result;
}

}  // namespace tessaly::text
