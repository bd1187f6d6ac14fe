#pragma once
// Characters in a document's bytes. A document keeps its bytes; the encoding
// only says how they group into characters. In UTF-8 a character is a valid
// sequence of one to four bytes, and a byte that is not part of a valid
// sequence (a truncated or overlong sequence, a surrogate, a code point above
// U+10FFFF, a stray continuation byte, 0xC0, 0xC1, 0xF5-0xFF) is one character
// of its own. In a single-byte encoding every byte is one character. UTF-16
// documents are held as UTF-8, so they step as UTF-8.

#include <cstddef>
#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly::text {

// The length (1-4) of the valid UTF-8 sequence starting at bytes[offset], or
// 0 when the byte there does not start one. offset < bytes.size().
std::size_t ValidUtf8SequenceLength(std::string_view bytes, std::size_t offset);

// The length of the character at offset (offset < bytes.size()).
std::size_t Utf8CharLength(std::string_view bytes, std::size_t offset);
// The boundary after the character at offset; bytes.size() at the end.
std::size_t NextUtf8Boundary(std::string_view bytes, std::size_t offset);
// The start of the character that holds the byte before offset; 0 at the
// start. From a boundary this is the previous boundary, and it always lands
// where stepping forward from 0 lands.
std::size_t PreviousUtf8Boundary(std::string_view bytes, std::size_t offset);

// Whether every byte is part of a valid UTF-8 sequence.
bool IsValidUtf8(std::string_view bytes);
// The number of bytes that are characters of their own because they are not
// part of a valid sequence.
std::size_t CountInvalidUtf8(std::string_view bytes);

// The same questions for a document in any encoding.
std::size_t CharLength(Encoding encoding, std::string_view bytes, std::size_t offset);
std::size_t NextBoundary(Encoding encoding, std::string_view bytes, std::size_t offset);
std::size_t PreviousBoundary(Encoding encoding, std::string_view bytes, std::size_t offset);
// Whether offset is where a character starts (or the end).
bool IsBoundary(Encoding encoding, std::string_view bytes, std::size_t offset);

}  // namespace tessaly::text
