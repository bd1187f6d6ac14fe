#include "platform/text/HeldText.h"

#include "platform/text/Detect.h"
#include "platform/text/Utf16.h"

namespace tessaly::text {

HeldText ReadHeldText(std::string_view bytes, std::optional<Encoding> chosen, Encoding defaultEncoding) {
  HeldText held;
  std::optional<std::size_t> invalid;  // detection counts them already
  if (chosen) {
    held.encoding = *chosen;
    const ByteOrderMarkMatch mark = FindByteOrderMark(bytes);
    if (mark.length != 0 && mark.encoding == *chosen) held.bomLength = mark.length;
  } else {
    const Detection detection = Detect(bytes, defaultEncoding);
    held.encoding = detection.encoding;
    held.bomLength = detection.bomLength;
    invalid = detection.invalidCount;
  }
  const std::string_view content = bytes.substr(held.bomLength);
  if (IsUtf16(held.encoding)) {
    Utf16Decoded decoded = Utf16ToUtf8(content, held.encoding == Encoding::Utf16BE);
    held.text = std::move(decoded.text);
    held.oddLastByte = decoded.oddLastByte;
    held.invalidCount = decoded.invalidCodeUnits;
  } else {
    held.text = std::string(content);
    held.invalidCount = invalid ? *invalid : CountInvalid(held.encoding, content);
  }
  return held;
}

}  // namespace tessaly::text
