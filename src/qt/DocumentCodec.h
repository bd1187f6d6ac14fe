#pragma once
// Text between the toolkit's Unicode and the bytes of the document being
// edited, in the document's encoding: typed and pasted text goes in, copied
// and dragged text comes out. A character a single-byte encoding lacks goes
// in as a numeric character reference, never as '?' and never dropped.

#include <QString>
#include <string>
#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly {

class TDocumentCodec {
public:
  text::Encoding Encoding() const { return encoding_; }
  void SetEncoding(text::Encoding encoding) { encoding_ = encoding; }

  std::string Encode(const QString& text) const;
  QString Decode(std::string_view bytes) const;

private:
  // UTF-16 documents are held as UTF-8.
  text::Encoding HeldAs() const;

  text::Encoding encoding_ = text::kDefaultEncoding;
};

}  // namespace tessaly
