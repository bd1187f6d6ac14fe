#include "app/documents/DocumentBytes.h"

#include "platform/text/Detect.h"
#include "platform/text/Encode.h"
#include "platform/text/Utf16.h"

namespace tessaly {

namespace {

bool BigEndian(text::Encoding encoding) { return encoding == text::Encoding::Utf16BE; }

TDocumentText DocumentAsDetected(std::string_view bytes, const text::Detection& detection) {
  TDocumentText document;
  TDocumentFormat& format = document.Format;
  format.Encoding = detection.encoding;
  format.Bom = detection.HasBom();
  format.InvalidCount = detection.invalidCount;
  const std::string_view content = bytes.substr(detection.bomLength);
  if (text::IsUtf16(format.Encoding)) {
    text::Utf16Decoded decoded = text::Utf16ToUtf8(content, BigEndian(format.Encoding));
    document.Text = std::move(decoded.text);
    format.OddLastByte = decoded.oddLastByte;
  } else {
    document.Text = std::string(content);
  }
  return document;
}

}  // namespace

TDocumentText DocumentFromBytes(std::string_view bytes, text::Encoding defaultEncoding) {
  return DocumentAsDetected(bytes, text::Detect(bytes, defaultEncoding));
}

TDocumentText DocumentFromBytesAs(std::string_view bytes, text::Encoding chosen) {
  text::Detection detection;
  detection.encoding = chosen;
  // A mark of the chosen encoding is still a mark; any other is text.
  const text::ByteOrderMarkMatch mark = text::FindByteOrderMark(bytes);
  if (mark.length != 0 && mark.encoding == chosen) detection.bomLength = mark.length;
  detection.invalidCount = text::CountInvalid(chosen, bytes.substr(detection.bomLength));
  return DocumentAsDetected(bytes, detection);
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
