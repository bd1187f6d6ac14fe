#pragma once
// Turning a document's bytes into Unicode for drawing and searching, keeping
// the way back to the bytes: every character knows the bytes it came from,
// and a byte the encoding cannot read is a character of its own, marked
// invalid (drawn as a small hex box such as "xE9").

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/Encoding.h"

namespace tessaly::text {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct DecodedCharacter {
  char32_t codePoint;  // U+FFFD for an invalid byte
  std::size_t length;  // bytes taken, 1 for an invalid byte
  bool valid;
};

// The character at bytes[offset] (offset < bytes.size()). UTF-16 documents
// are held as UTF-8 and decode as UTF-8.
DecodedCharacter DecodeAt(Encoding encoding, std::string_view bytes, std::size_t offset);

struct DecodedText {
  struct Character {
    std::size_t source;  // offset of its first byte in the decoded bytes
    std::size_t text;    // offset of its first byte in `text`
    bool valid;
  };

  std::string text;                   // UTF-8; an invalid byte reads as U+FFFD
  std::vector<Character> characters;  // in order, one per character
  std::size_t invalidBytes = 0;
  std::size_t sourceSize = 0;  // the length of the decoded bytes

  // The character holding a byte of the source or of the text (the last
  // character for an offset at or past the end; 0 when there are none).
  std::size_t CharacterAtSource(std::size_t sourceOffset) const;
  std::size_t CharacterAtText(std::size_t textOffset) const;
  // The offset in the other string where the character holding the given
  // offset starts; the end maps to the end.
  std::size_t TextOffset(std::size_t sourceOffset) const;
  std::size_t SourceOffset(std::size_t textOffset) const;
};

DecodedText Decode(Encoding encoding, std::string_view bytes);

// Decodes without offsets; invalid bytes become U+FFFD and are counted.
std::string DecodeToUtf8(Encoding encoding, std::string_view bytes, std::size_t* invalidBytes = nullptr);


}  // namespace tessaly::text
