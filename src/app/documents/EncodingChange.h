#pragma once
// Converting a document's text from one encoding into another, and making the
// page declare its new encoding. Plain text in, plain text out: the session
// applies the results to the editor as undoable edits.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly {

// A place in the text as the user counts it: 1-based line, 1-based column
// in characters.
struct TTextPlace {
  int Line = 1;
  int Column = 1;
};

// Where the byte at `offset` of a text held in `encoding` lies (lines end
// with LF, CR LF or CR).
TTextPlace PlaceOf(std::string_view text, text::Encoding encoding, std::size_t offset);

struct TConversion {
  std::string Text;  // held in the target encoding
  // Characters the target lacks, written as &#N;, and the first of them.
  std::size_t Unrepresentable = 0;
  char32_t FirstUnrepresentable = 0;
  TTextPlace FirstUnrepresentablePlace;
  // Bytes the source encoding cannot read; such a text is not converted,
  // since what they stand for is unknown.
  std::size_t Invalid = 0;
  TTextPlace FirstInvalidPlace;
};

// The held text of a document in `from`, as held in `to`.
TConversion ConvertText(std::string_view held, text::Encoding from, text::Encoding to);

// A replacement of `Length` bytes at `Offset`.
struct TTextEdit {
  std::size_t Offset = 0;
  std::size_t Length = 0;
  std::string Replacement;
};

// The edit that makes the page declare `encoding`: its first meta
// declaration's label rewritten, or <meta charset="NAME"> added after the
// <head> tag (at the very start when there is none). Nothing when the page
// already declares it, or for UTF-16, which its byte-order mark declares.
std::optional<TTextEdit> CharsetDeclarationEdit(std::string_view held, text::Encoding encoding);

}  // namespace tessaly
