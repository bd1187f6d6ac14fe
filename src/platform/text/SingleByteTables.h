#pragma once
// The generated single-byte tables (SingleByteTables.cpp, written by
// scripts/generate_text_tables.py) and the lookups built on them.

#include <cstddef>

#include "platform/text/Encoding.h"

namespace tessaly::text {

namespace tables {
inline constexpr std::size_t kSingleByteCount =
    static_cast<std::size_t>(Encoding::XMacCyrillic) - static_cast<std::size_t>(Encoding::Ibm866) + 1;
// 0 marks a byte the encoding leaves undefined.
extern const char32_t kUpperHalves[kSingleByteCount][128];
}  // namespace tables

inline constexpr char32_t kUndefinedByte = 0;

// The code point of a byte in a single-byte encoding, or kUndefinedByte for
// a byte of the upper half the encoding leaves undefined (byte 0 is U+0000).
char32_t SingleByteToUnicode(Encoding encoding, unsigned char byte);
// Whether any byte of the encoding is undefined (most windows-* have none).
bool HasUndefinedBytes(Encoding encoding);
inline bool IsDefinedByte(Encoding encoding, unsigned char byte) {
  return byte < 0x80 || SingleByteToUnicode(encoding, byte) != kUndefinedByte;
}

// The byte a single-byte encoding holds a code point in, or -1.
int UnicodeToSingleByte(Encoding encoding, char32_t codePoint);

}  // namespace tessaly::text
