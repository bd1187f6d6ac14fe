#pragma once
// UTF-8 encoding and decoding of single code points (the Basic Multilingual
// Plane and beyond).

#include <string>
#include <string_view>

namespace tessaly {

void AppendUtf8(std::string& out, char32_t codePoint);
// Decodes the sequence at text[i] and advances i; a malformed byte decodes as
// U+FFFD.
char32_t NextUtf8(std::string_view text, size_t& i);

}  // namespace tessaly
