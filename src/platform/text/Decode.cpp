#include "platform/text/Decode.h"

#include <algorithm>

#include "platform/Utf8.h"
#include "platform/text/SingleByteTables.h"
#include "platform/text/Stepping.h"

namespace tessaly::text {

DecodedCharacter DecodeAt(Encoding encoding, std::string_view bytes, std::size_t offset) {
  const auto lead = static_cast<unsigned char>(bytes[offset]);
  if (IsSingleByte(encoding)) {
    if (!IsDefinedByte(encoding, lead)) return {kReplacementCharacter, 1, false};
    return {SingleByteToUnicode(encoding, lead), 1, true};
  }
  const std::size_t length = ValidUtf8SequenceLength(bytes, offset);
  if (length == 0) return {kReplacementCharacter, 1, false};
  if (length == 1) return {lead, 1, true};
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i)
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[offset + i]) & 0x3F);
  return {codePoint, length, true};
}

DecodedText Decode(Encoding encoding, std::string_view bytes) {
  DecodedText decoded;
  decoded.sourceSize = bytes.size();
  decoded.text.reserve(bytes.size());
  decoded.characters.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const DecodedCharacter c = DecodeAt(encoding, bytes, i);
    decoded.characters.push_back({i, decoded.text.size(), c.valid});
    if (!c.valid) ++decoded.invalidBytes;
    AppendUtf8(decoded.text, c.codePoint);
    i += c.length;
  }
  return decoded;
}

std::size_t DecodedText::CharacterAtSource(std::size_t sourceOffset) const {
  if (characters.empty()) return 0;
  const auto after = std::upper_bound(characters.begin(), characters.end(), sourceOffset,
                                      [](std::size_t offset, const Character& c) { return offset < c.source; });
  return static_cast<std::size_t>(after - characters.begin()) - 1;
}

std::size_t DecodedText::CharacterAtText(std::size_t textOffset) const {
  if (characters.empty()) return 0;
  const auto after = std::upper_bound(characters.begin(), characters.end(), textOffset,
                                      [](std::size_t offset, const Character& c) { return offset < c.text; });
  return static_cast<std::size_t>(after - characters.begin()) - 1;
}

std::size_t DecodedText::TextOffset(std::size_t sourceOffset) const {
  if (sourceOffset >= sourceSize || characters.empty()) return text.size();
  return characters[CharacterAtSource(sourceOffset)].text;
}

std::size_t DecodedText::SourceOffset(std::size_t textOffset) const {
  if (textOffset >= text.size() || characters.empty()) return sourceSize;
  return characters[CharacterAtText(textOffset)].source;
}

std::string DecodeToUtf8(Encoding encoding, std::string_view bytes, std::size_t* invalidBytes) {
  std::string text;
  text.reserve(bytes.size());
  std::size_t invalid = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const DecodedCharacter c = DecodeAt(encoding, bytes, i);
    if (!c.valid) ++invalid;
    AppendUtf8(text, c.codePoint);
    i += c.length;
  }
  if (invalidBytes) *invalidBytes = invalid;
  return text;
}

}  // namespace tessaly::text
