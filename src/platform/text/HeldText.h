#pragma once
// A file's bytes as a document holds them while it is edited or shown: the
// byte-order mark taken off, UTF-16 turned into UTF-8 (losslessly), every
// other encoding's bytes as they are. The one reading step of the editor's
// documents and of the pages the viewer opens itself.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly::text {

struct HeldText {
  std::string text;  // in HeldEncoding(encoding)
  Encoding encoding = kDefaultEncoding;  // the file's
  std::size_t bomLength = 0;
  std::optional<unsigned char> oddLastByte;  // a UTF-16 file of odd length ends with it
  std::size_t invalidCount = 0;  // bytes (UTF-16 code units) the encoding cannot read
};

// The encoding detected from the bytes, or `chosen` whatever they declare;
// then only a mark of the chosen encoding is a mark, any other is text.
HeldText ReadHeldText(std::string_view bytes, std::optional<Encoding> chosen = std::nullopt,
                      Encoding defaultEncoding = kDefaultEncoding);

}  // namespace tessaly::text
