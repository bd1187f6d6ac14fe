#pragma once
// A document's file bytes and the text the editor holds, both ways. The
// editor holds the bytes as they are, without the byte-order mark; a UTF-16
// file is held as UTF-8 and written back as UTF-16 with its mark, so opening
// and saving a file changes only what the user changed.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly {

// How a document's text is stored in its file.
struct TDocumentFormat {
  text::Encoding Encoding = text::kDefaultEncoding;
  bool Bom = false;
  std::optional<unsigned char> OddLastByte;  // a UTF-16 file of odd length ends with it
  std::size_t InvalidCount = 0;  // bytes (UTF-16 code units) the encoding cannot read

  bool operator==(const TDocumentFormat&) const = default;
};

struct TDocumentText {
  std::string Text;  // for the editor
  TDocumentFormat Format;
};

// The encoding detected from the bytes, and the text the editor holds.
TDocumentText DocumentFromBytes(std::string_view bytes, text::Encoding defaultEncoding = text::kDefaultEncoding);
// The bytes read in the encoding the user chose, whatever they declare; only
// a byte-order mark of that encoding is taken as a mark.
TDocumentText DocumentFromBytesAs(std::string_view bytes, text::Encoding chosen);
// The file bytes of the editor's text stored as `format` says.
std::string FileBytesOf(std::string_view text, const TDocumentFormat& format);

// UTF-8 text as the bytes the editor holds for a document stored as `format`
// says; a character a single-byte encoding lacks becomes "&#N;".
std::string EncodeForDocument(std::string_view utf8, const TDocumentFormat& format);

// "encoding NAME", then " bom" and " invalid N" when they apply.
std::string DescribeFormat(const TDocumentFormat& format);
// What the status bar's encoding pane shows: "UTF-8 BOM", "windows-1251".
std::string FormatCaption(const TDocumentFormat& format);

}  // namespace tessaly
