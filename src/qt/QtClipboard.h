#pragma once
// The system clipboard: plain text converted from and to the document's
// encoding (windows-1251 until told otherwise), and
// private formats kept as MIME types beside it. The MIME name is the form
// that Windows builds of Qt register as a clipboard format of that name, so
// other programs that know the format can read it there.

#include <QString>

class QMimeData;

#include "platform/Clipboard.h"
#include "qt/DocumentCodec.h"

namespace tessaly {

class QtClipboard : public TClipboard {
public:
  bool HasText() const override;
  std::string Text() const override;
  bool HasFormat(const std::string& format) const override;
  std::optional<std::string> FormatData(const std::string& format) const override;
  bool SetContent(const std::string& text, const std::map<std::string, std::string>& formats) override;

  static QString MimeTypeOf(const std::string& format);
  TDocumentCodec& Codec() { return codec_; }

private:
  bool WrittenInOtherEncoding(const QMimeData& data) const;

  TDocumentCodec codec_;
};

}  // namespace tessaly
