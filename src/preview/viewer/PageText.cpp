#include "preview/viewer/PageText.h"

#include "platform/text/Detect.h"
#include "platform/text/Utf16.h"

namespace tessaly::preview {

TPageText ReadPageText(std::string_view bytes, std::optional<text::Encoding> forced) {
  const text::ByteOrderMarkMatch mark = text::FindByteOrderMark(bytes);
  text::Encoding encoding = forced ? *forced : text::Detect(bytes).encoding;
  // A mark is not text; it is dropped when it names the encoding read.
  if (mark.length > 0 && mark.encoding == encoding) bytes.remove_prefix(mark.length);
  if (text::IsUtf16(encoding))
    return {text::Utf16ToUtf8(bytes, encoding == text::Encoding::Utf16BE).text, text::Encoding::Utf8};
  return {std::string(bytes), encoding};
}

}  // namespace tessaly::preview
