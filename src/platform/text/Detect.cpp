#include "platform/text/Detect.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/text/SingleByteTables.h"
#include "platform/text/Stepping.h"
#include "platform/text/Utf16.h"

namespace tessaly::text {
namespace {

bool IsSpace(char c) { return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' '; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view lowerPrefix) {
  if (text.size() - at < lowerPrefix.size()) return false;
  for (std::size_t i = 0; i < lowerPrefix.size(); ++i)
    if (Lower(text[at + i]) != lowerPrefix[i]) return false;
  return true;
}

// A declaration that names UTF-16 was read as ASCII bytes, so it cannot be
// true; the bytes are taken as UTF-8, as browsers do.
Encoding Declared(Encoding encoding) { return IsUtf16(encoding) ? Encoding::Utf8 : encoding; }

// The scan over the first bytes of a page that finds a meta declaration the
// way browsers do before they parse. Running out of bytes inside a tag ends
// the scan without an answer, so a declaration cut by the window's edge does
// not count.
class MetaScanner {
 public:
  explicit MetaScanner(std::string_view window) : bytes_(window) {}

  std::optional<MetaDeclaration> Run();

 private:
  struct Attribute {
    std::string name;
    std::string value;
    std::size_t valueOffset = 0;  // where the value's bytes start in the scanned bytes
  };
  enum class Got { Attribute, None, OutOfBytes };

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  char Byte() const { return bytes_[pos_]; }
  Got GetAttribute(Attribute& attribute);
  // Returns false when the bytes ran out inside the tag.
  bool SkipAttributes();
  // Returns false when the bytes ran out; `found` gets a usable declaration.
  bool ReadMeta(std::optional<MetaDeclaration>& found);

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

struct ContentCharset {
  std::string label;
  std::size_t offset = 0;  // in the content value
};

std::optional<ContentCharset> CharsetInMetaContent(std::string_view content) {
  std::size_t pos = 0;
  for (;;) {
    std::size_t at = std::string::npos;
    for (std::size_t i = pos; i + 7 <= content.size(); ++i)
      if (StartsWithNoCase(content, i, "charset")) {
        at = i;
        break;
      }
    if (at == std::string::npos) return std::nullopt;
    pos = at + 7;
    while (pos < content.size() && IsSpace(content[pos])) ++pos;
    if (pos < content.size() && content[pos] == '=') {
      ++pos;
      break;
    }
  }
  while (pos < content.size() && IsSpace(content[pos])) ++pos;
  if (pos >= content.size()) return std::nullopt;
  const char first = content[pos];
  if (first == '"' || first == '\'') {
    const std::size_t close = content.find(first, pos + 1);
    if (close == std::string::npos) return std::nullopt;
    return ContentCharset{std::string(content.substr(pos + 1, close - pos - 1)), pos + 1};
  }
  std::size_t end = pos;
  while (end < content.size() && !IsSpace(content[end]) && content[end] != ';') ++end;
  return ContentCharset{std::string(content.substr(pos, end - pos)), pos};
}

MetaScanner::Got MetaScanner::GetAttribute(Attribute& attribute) {
  attribute = {};
  while (!AtEnd() && (IsSpace(Byte()) || Byte() == '/')) ++pos_;
  if (AtEnd()) return Got::OutOfBytes;
  if (Byte() == '>') return Got::None;
  // The name, up to '=', a space, '/' or '>'.
  for (;; ++pos_) {
    if (AtEnd()) return Got::OutOfBytes;
    const char c = Byte();
    if (c == '=' && !attribute.name.empty()) break;
    if (IsSpace(c)) {
      while (!AtEnd() && IsSpace(Byte())) ++pos_;
      if (AtEnd()) return Got::OutOfBytes;
      if (Byte() != '=') return Got::Attribute;
      break;
    }
    if (c == '/' || c == '>') return Got::Attribute;
    attribute.name += Lower(c);
  }
  ++pos_;  // the '='
  while (!AtEnd() && IsSpace(Byte())) ++pos_;
  if (AtEnd()) return Got::OutOfBytes;
  const char first = Byte();
  if (first == '"' || first == '\'') {
    attribute.valueOffset = pos_ + 1;
    for (++pos_; !AtEnd(); ++pos_) {
      if (Byte() == first) {
        ++pos_;
        return Got::Attribute;
      }
      attribute.value += Lower(Byte());
    }
    return Got::OutOfBytes;
  }
  if (first == '>') return Got::Attribute;
  attribute.valueOffset = pos_;
  for (; !AtEnd(); ++pos_) {
    if (IsSpace(Byte()) || Byte() == '>') return Got::Attribute;
    attribute.value += Lower(Byte());
  }
  return Got::OutOfBytes;
}

bool MetaScanner::SkipAttributes() {
  Attribute attribute;
  for (;;) {
    const Got got = GetAttribute(attribute);
    if (got == Got::OutOfBytes) return false;
    if (got == Got::None) return true;
  }
}

bool MetaScanner::ReadMeta(std::optional<MetaDeclaration>& found) {
  enum class Charset { Unset, Unknown, Known };
  enum class NeedPragma { Unset, Yes, No };
  std::vector<std::string> seen;
  bool gotPragma = false;
  NeedPragma needPragma = NeedPragma::Unset;
  Charset charsetState = Charset::Unset;
  MetaDeclaration charset;

  Attribute attribute;
  for (;;) {
    const Got got = GetAttribute(attribute);
    if (got == Got::OutOfBytes) return false;
    if (got == Got::None) break;
    if (std::find(seen.begin(), seen.end(), attribute.name) != seen.end()) continue;
    seen.push_back(attribute.name);
    if (attribute.name == "http-equiv") {
      if (attribute.value == "content-type") gotPragma = true;
    } else if (attribute.name == "content") {
      if (charsetState != Charset::Unset) continue;
      if (const auto label = CharsetInMetaContent(attribute.value))
        if (const auto encoding = EncodingForLabel(label->label)) {
          charset = {*encoding, attribute.valueOffset + label->offset, label->label.size()};
          charsetState = Charset::Known;
          needPragma = NeedPragma::Yes;
        }
    } else if (attribute.name == "charset") {
      const auto encoding = EncodingForLabel(attribute.value);
      charsetState = encoding ? Charset::Known : Charset::Unknown;
      if (encoding) charset = {*encoding, attribute.valueOffset, attribute.value.size()};
      needPragma = NeedPragma::No;
    }
  }
  if (needPragma == NeedPragma::Unset) return true;
  if (needPragma == NeedPragma::Yes && !gotPragma) return true;
  if (charsetState != Charset::Known) return true;
  charset.encoding = Declared(charset.encoding);
  found = charset;
  return true;
}

std::optional<MetaDeclaration> MetaScanner::Run() {
  while (!AtEnd()) {
    if (bytes_.substr(pos_, 4) == "<!--") {
      // "<!-->" is a whole comment, so the search starts at the dashes.
      const std::size_t end = bytes_.find("-->", pos_ + 2);
      if (end == std::string_view::npos) return std::nullopt;
      pos_ = end + 3;
      continue;
    }
    if (StartsWithNoCase(bytes_, pos_, "<meta") && pos_ + 5 < bytes_.size() &&
        (IsSpace(bytes_[pos_ + 5]) || bytes_[pos_ + 5] == '/')) {
      pos_ += 5;
      std::optional<MetaDeclaration> found;
      if (!ReadMeta(found)) return std::nullopt;
      if (found) return found;
    } else if (Byte() == '<' && pos_ + 1 < bytes_.size() &&
               (IsAsciiLetter(bytes_[pos_ + 1]) ||
                (bytes_[pos_ + 1] == '/' && pos_ + 2 < bytes_.size() && IsAsciiLetter(bytes_[pos_ + 2])))) {
      // Another tag: its attributes are skipped so that a '>' or a "<meta"
      // inside an attribute value is not taken for markup.
      while (!AtEnd() && !IsSpace(Byte()) && Byte() != '>') ++pos_;
      if (!SkipAttributes()) return std::nullopt;
    } else if (Byte() == '<' && pos_ + 1 < bytes_.size() &&
               (bytes_[pos_ + 1] == '!' || bytes_[pos_ + 1] == '/' || bytes_[pos_ + 1] == '?')) {
      const std::size_t end = bytes_.find('>', pos_ + 2);
      if (end == std::string_view::npos) return std::nullopt;
      pos_ = end;
    }
    ++pos_;
  }
  return std::nullopt;
}

// Scans for valid UTF-8 with at least one multi-byte character, giving up at
// the first invalid byte (a page in a single-byte encoding usually has one
// early).
bool IsUtf8WithMultiByte(std::string_view bytes) {
  bool multiByte = false;
  for (std::size_t i = 0; i < bytes.size();) {
    if (i + 8 <= bytes.size()) {
      std::uint64_t word;
      std::memcpy(&word, bytes.data() + i, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        i += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = ValidUtf8SequenceLength(bytes, i);
    if (length == 0) return false;
    multiByte = true;
    i += length;
  }
  return multiByte;
}

}  // namespace

ByteOrderMarkMatch FindByteOrderMark(std::string_view bytes) {
  for (const Encoding encoding : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
    const std::string_view mark = ByteOrderMark(encoding);
    if (bytes.substr(0, mark.size()) == mark) return {encoding, mark.size()};
  }
  return {};
}

std::optional<Encoding> FindMetaDeclaration(std::string_view bytes) {
  const std::optional<MetaDeclaration> found = FindMetaDeclarationIn(bytes.substr(0, kDeclarationWindow));
  return found ? std::optional(found->encoding) : std::nullopt;
}

std::optional<MetaDeclaration> FindMetaDeclarationIn(std::string_view bytes) { return MetaScanner(bytes).Run(); }

std::optional<Encoding> FindXmlDeclaration(std::string_view bytes) {
  const std::string_view window = bytes.substr(0, kDeclarationWindow);
  if (window.substr(0, 5) != "<?xml" || window.size() < 6 || !IsSpace(window[5])) return std::nullopt;
  const std::size_t close = window.find("?>");
  if (close == std::string_view::npos) return std::nullopt;
  const std::string_view declaration = window.substr(0, close);
  for (std::size_t at = declaration.find("encoding"); at != std::string_view::npos;
       at = declaration.find("encoding", at + 1)) {
    if (!IsSpace(declaration[at - 1])) continue;
    std::size_t pos = at + 8;
    while (pos < declaration.size() && IsSpace(declaration[pos])) ++pos;
    if (pos >= declaration.size() || declaration[pos] != '=') continue;
    ++pos;
    while (pos < declaration.size() && IsSpace(declaration[pos])) ++pos;
    if (pos >= declaration.size() || (declaration[pos] != '"' && declaration[pos] != '\'')) return std::nullopt;
    const std::size_t end = declaration.find(declaration[pos], pos + 1);
    if (end == std::string_view::npos) return std::nullopt;
    const auto encoding = EncodingForLabel(declaration.substr(pos + 1, end - pos - 1));
    if (!encoding) return std::nullopt;
    return Declared(*encoding);
  }
  return std::nullopt;
}

std::size_t CountInvalid(Encoding encoding, std::string_view bytes) {
  if (encoding == Encoding::Utf8) return CountInvalidUtf8(bytes);
  if (IsUtf16(encoding)) return Utf16ToUtf8(bytes, encoding == Encoding::Utf16BE).invalidCodeUnits;
  if (!HasUndefinedBytes(encoding)) return 0;
  std::size_t invalid = 0;
  for (const char c : bytes)
    if (!IsDefinedByte(encoding, static_cast<unsigned char>(c))) ++invalid;
  return invalid;
}

Detection Detect(std::string_view bytes, Encoding defaultEncoding) {
  Detection detection;
  if (const ByteOrderMarkMatch mark = FindByteOrderMark(bytes); mark.length != 0) {
    detection.encoding = mark.encoding;
    detection.rule = DetectionRule::ByteOrderMark;
    detection.bomLength = mark.length;
  } else if (const auto meta = FindMetaDeclaration(bytes)) {
    detection.encoding = *meta;
    detection.rule = DetectionRule::MetaDeclaration;
  } else if (const auto xml = FindXmlDeclaration(bytes)) {
    detection.encoding = *xml;
    detection.rule = DetectionRule::XmlDeclaration;
  } else if (IsUtf8WithMultiByte(bytes)) {
    detection.encoding = Encoding::Utf8;
    detection.rule = DetectionRule::Utf8Content;
    return detection;
  } else {
    detection.encoding = defaultEncoding;
    detection.rule = DetectionRule::Default;
  }
  detection.invalidCount = CountInvalid(detection.encoding, bytes.substr(detection.bomLength));
  return detection;
}

std::string DescribeDetection(const Detection& detection) {
  std::string line = "encoding ";
  line += Name(detection.encoding);
  if (detection.HasBom()) line += " bom";
  if (detection.invalidCount != 0) line += " invalid " + std::to_string(detection.invalidCount);
  return line;
}

}  // namespace tessaly::text
