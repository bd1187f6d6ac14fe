#pragma once
// UTF-16 files are edited as UTF-8 and written back as UTF-16. The conversion
// loses nothing a UTF-16 file can hold: an unpaired surrogate becomes the
// three bytes UTF-8 would give it if it allowed surrogates (bytes the editor
// shows as invalid) and turns back into the same code unit, and an odd last
// byte is handed back to be written again.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::text {

struct Utf16Decoded {
  std::string text;                         // UTF-8
  std::size_t invalidCodeUnits = 0;         // unpaired surrogates, and an odd last byte
  std::optional<unsigned char> oddLastByte;  // a file of odd length ends with it
};

// The bytes without their byte-order mark.
Utf16Decoded Utf16ToUtf8(std::string_view bytes, bool bigEndian);

struct Utf16Encoded {
  std::string bytes;
  // Input bytes that were neither valid UTF-8 nor an unpaired surrogate
  // written as above; each became U+FFFD.
  std::size_t replaced = 0;
};

// No byte-order mark is written; the caller adds the one the file had.
Utf16Encoded Utf8ToUtf16(std::string_view text, bool bigEndian);

}  // namespace tessaly::text
