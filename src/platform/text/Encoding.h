#pragma once
// The encodings a document can be in, their standard names and the labels
// pages and users write for them (the web's encoding standard's table).

#include <optional>
#include <span>
#include <string_view>

namespace tessaly::text {

enum class Encoding : unsigned char {
  Utf8,
  // Single-byte; the order is that of the generated tables.
  Ibm866,
  Iso8859_2,
  Iso8859_3,
  Iso8859_4,
  Iso8859_5,
  Iso8859_6,
  Iso8859_7,
  Iso8859_8,
  Iso8859_8I,
  Iso8859_10,
  Iso8859_13,
  Iso8859_14,
  Iso8859_15,
  Iso8859_16,
  Koi8R,
  Koi8U,
  Macintosh,
  Windows874,
  Windows1250,
  Windows1251,
  Windows1252,
  Windows1253,
  Windows1254,
  Windows1255,
  Windows1256,
  Windows1257,
  Windows1258,
  XMacCyrillic,
  // Held in memory as UTF-8 and converted on the way in and out.
  Utf16LE,
  Utf16BE,
};

// The default for a new page and for a file nothing else identifies.
inline constexpr Encoding kDefaultEncoding = Encoding::Windows1251;

// Every encoding, in the order a menu lists them.
std::span<const Encoding> AllEncodings();

// The standard name: "UTF-8", "windows-1251", "ISO-8859-2", "KOI8-R", ...
std::string_view Name(Encoding encoding);

// The encoding a label names, as the standard matches labels: surrounding
// ASCII whitespace ignored, ASCII case ignored. Standard names are labels too.
std::optional<Encoding> EncodingForLabel(std::string_view label);

bool IsSingleByte(Encoding encoding);
bool IsUtf16(Encoding encoding);
// The encoding a document's bytes are held in while it is edited: a UTF-16
// document is held as UTF-8 and converted only when read and written.
Encoding HeldEncoding(Encoding encoding);

// The byte-order mark a file in this encoding starts with when it has one
// (empty for single-byte encodings).
std::string_view ByteOrderMark(Encoding encoding);

}  // namespace tessaly::text
