#pragma once
// Which encoding a file's bytes are in, decided from the bytes alone. The
// first rule that answers wins:
//   1. a byte-order mark (UTF-8, UTF-16LE, UTF-16BE);
//   2. a <meta charset> or <meta http-equiv="Content-Type" content="...;
//      charset=..."> declaration within the first 1024 bytes, found as
//      browsers find it (comments skipped, the first declaration wins, a
//      label naming no known encoding ignored, UTF-16 read as UTF-8 since
//      the bytes that declare it are plainly not UTF-16);
//   3. an XML declaration's encoding at the very start;
//   4. the whole file valid UTF-8 with at least one multi-byte character;
//   5. the default (pure ASCII takes the default too).
// The user's explicit choice ("Reopen with encoding") comes between 1 and 2
// and is the caller's to apply.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly::text {

// How far a declaration may lie into the file.
inline constexpr std::size_t kDeclarationWindow = 1024;

enum class DetectionRule { ByteOrderMark, MetaDeclaration, XmlDeclaration, Utf8Content, Default };

struct Detection {
  Encoding encoding = kDefaultEncoding;
  DetectionRule rule = DetectionRule::Default;
  std::size_t bomLength = 0;  // the mark's bytes at the start of the file
  // Bytes (code units for UTF-16) after the mark that the encoding cannot
  // read: kept in the document, shown as such, counted in the status bar.
  std::size_t invalidCount = 0;

  bool HasBom() const { return bomLength != 0; }
};

Detection Detect(std::string_view bytes, Encoding defaultEncoding = kDefaultEncoding);

// Rule 1 alone: the encoding the mark names and the mark's length, or
// length 0 when the file starts with none.
struct ByteOrderMarkMatch {
  Encoding encoding = Encoding::Utf8;
  std::size_t length = 0;
};
ByteOrderMarkMatch FindByteOrderMark(std::string_view bytes);

// Rules 2 and 3 alone, each over the first kDeclarationWindow bytes.
std::optional<Encoding> FindMetaDeclaration(std::string_view bytes);

// The first meta declaration anywhere in `bytes`, with where its label lies
// (the value of charset=, or the charset part of a content= value), so that
// it can be rewritten in place.
struct MetaDeclaration {
  Encoding encoding = Encoding::Utf8;
  std::size_t labelOffset = 0;
  std::size_t labelLength = 0;
};
std::optional<MetaDeclaration> FindMetaDeclarationIn(std::string_view bytes);
std::optional<Encoding> FindXmlDeclaration(std::string_view bytes);

// The bytes of the document in `encoding` that it cannot read (code units
// for UTF-16); bytes excludes the byte-order mark.
std::size_t CountInvalid(Encoding encoding, std::string_view bytes);

// "encoding NAME", then " bom" and " invalid N" when they apply: the status
// line the command-line tool and the window driver print.
std::string DescribeDetection(const Detection& detection);

}  // namespace tessaly::text
