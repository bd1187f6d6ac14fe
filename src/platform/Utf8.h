#pragma once
// UTF-8 encoding and decoding of single code points (the Basic Multilingual
// Plane and beyond).

#include <string>
#include <string_view>

namespace tessaly {

// A code point above U+10FFFF is written as U+FFFD; a lone surrogate is
// written in the three bytes UTF-8 would give it.
void AppendUtf8(std::string& out, char32_t codePoint);
// Decodes the sequence at text[i] and advances i; a malformed byte decodes as
// U+FFFD.
char32_t NextUtf8(std::string_view text, size_t& i);

// The characters of UTF-8 text (bytes that do not continue a sequence), and
// the text cut after so many of them.
size_t Utf8Length(std::string_view utf8);
std::string_view Utf8Prefix(std::string_view utf8, size_t characters);

// Whole strings between UTF-8 and one code point a character.
std::string ToUtf8(std::u32string_view text);
std::u32string ToUtf32(std::string_view utf8);

}  // namespace tessaly
