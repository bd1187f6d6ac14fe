#include "qt/DocumentCodec.h"

#include "platform/text/Decode.h"
#include "platform/text/Encode.h"

namespace tessaly {

text::Encoding TDocumentCodec::HeldAs() const {
  return text::HeldEncoding(encoding_);
}

std::string TDocumentCodec::Encode(const QString& text) const {
  return text::Encode(HeldAs(), text.toStdString()).bytes;
}

QString TDocumentCodec::Decode(std::string_view bytes) const {
  return QString::fromStdString(text::DecodeToUtf8(HeldAs(), bytes));
}

}  // namespace tessaly
