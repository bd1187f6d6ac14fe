#include "app/documents/DocumentBytes.h"

#include "platform/text/Detect.h"
#include "platform/text/Encode.h"
#include "platform/text/HeldText.h"
#include "platform/text/Utf16.h"

namespace tessaly {

namespace {

bool BigEndian(text::Encoding encoding) { return encoding == text::Encoding::Utf16BE; }

TDocumentText DocumentOf(text::HeldText held) {
  TDocumentText document;
  document.Text = std::move(held.text);
  document.Format.Encoding = held.encoding;
  document.Format.Bom = held.bomLength != 0;
  document.Format.OddLastByte = held.oddLastByte;
  document.Format.InvalidCount = held.invalidCount;
  return document;
}

}  // namespace

TDocumentText DocumentFromBytes(std::string_view bytes, text::Encoding defaultEncoding) {
  return DocumentOf(text::ReadHeldText(bytes, std::nullopt, defaultEncoding));
}

TDocumentText DocumentFromBytesAs(std::string_view bytes, text::Encoding chosen) {
  return DocumentOf(text::ReadHeldText(bytes, chosen));
}

std::string FileBytesOf(std::string_view text, const TDocumentFormat& format) {
  std::string bytes;
  if (format.Bom) bytes = std::string(text::ByteOrderMark(format.Encoding));
  if (text::IsUtf16(format.Encoding)) {
    bytes += text::Utf8ToUtf16(text, BigEndian(format.Encoding)).bytes;
    if (format.OddLastByte) bytes += static_cast<char>(*format.OddLastByte);
  } else {
    bytes += text;
  }
  return bytes;
}

std::string EncodeForDocument(std::string_view utf8, const TDocumentFormat& format) {
  return text::Encode(text::HeldEncoding(format.Encoding), utf8).bytes;
}

std::string DescribeFormat(const TDocumentFormat& format) {
  text::Detection detection;
  detection.encoding = format.Encoding;
  detection.bomLength = format.Bom ? text::ByteOrderMark(format.Encoding).size() : 0;
  detection.invalidCount = format.InvalidCount;
  return text::DescribeDetection(detection);
}

std::string FormatCaption(const TDocumentFormat& format) {
  std::string caption(text::Name(format.Encoding));
  if (format.Bom) caption += " BOM";
  if (format.InvalidCount > 0) caption += ", неверных байтов: " + std::to_string(format.InvalidCount);
  return caption;
}

}  // namespace tessaly
