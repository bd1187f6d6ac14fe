#pragma once
// Turning Unicode text (UTF-8) into a document's encoding. A character a
// single-byte encoding lacks is written as a numeric character reference
// (&#N;), which a browser shows as the character: never '?', never a
// substitute byte, never dropped.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly::text {

inline constexpr std::size_t kNoOffset = static_cast<std::size_t>(-1);

struct EncodeResult {
  std::string bytes;
  // Characters written as &#N;, and the first of them: its offset in the
  // input text (so the caller can name its line and column) and code point.
  std::size_t replaced = 0;
  std::size_t firstReplacedOffset = kNoOffset;
  char32_t firstReplaced = 0;
  // Input bytes that were not valid UTF-8. They are copied as they are into a
  // single-byte or UTF-8 target (so bytes the user never touched come back
  // unchanged) and become U+FFFD in UTF-16.
  std::size_t invalidInput = 0;
};

// UTF-16 targets get no byte-order mark; the caller adds the one the file had.
EncodeResult Encode(Encoding target, std::string_view utf8);

// Whether the encoding can hold the code point as it is.
bool CanEncode(Encoding target, char32_t codePoint);

}  // namespace tessaly::text
