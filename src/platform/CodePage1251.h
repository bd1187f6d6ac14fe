#pragma once
// Windows code page 1251: the byte encoding of every text the system keeps
// (documents, lines, tokens, libraries, language files). Unicode appears only
// at the toolkit boundary, through these tables.

#include <array>
#include <string>
#include <string_view>

namespace tessaly::cp1251 {

using ByteTable = std::array<unsigned char, 256>;

// The Unicode code point of a byte. The one unassigned byte, 0x98, passes
// through as U+0098 so that every byte survives a round trip.
char32_t ToUnicode(unsigned char byte);

// The byte of a code point, or -1 when the code page has none.
int FromUnicode(char32_t codePoint);

// Letter case and letter-or-digit classes of the code page, as the system's
// ANSI character functions report them.
const ByteTable& LowerTable();
const ByteTable& UpperTable();
inline unsigned char ToLower(unsigned char byte) { return LowerTable()[byte]; }
inline unsigned char ToUpper(unsigned char byte) { return UpperTable()[byte]; }
bool IsAlphaNumeric(unsigned char byte);

std::string LowerCase(std::string_view bytes);
std::string UpperCase(std::string_view bytes);
// Case-insensitive equality under the code page's lower-case mapping.
bool SameText(std::string_view a, std::string_view b);

std::string ToUtf8(std::string_view bytes);
// Converts UTF-8 text; characters the code page cannot hold become '?', and
// *lossless (when given) tells whether that happened.
std::string FromUtf8(std::string_view utf8, bool* lossless = nullptr);

}  // namespace tessaly::cp1251
