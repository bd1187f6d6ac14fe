#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>


namespace tessaly {

QString QtClipboard::MimeTypeOf(const std::string& format) {
  return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QString::fromStdString(format));
}

namespace {

// The private formats hold document bytes; this entry says in which
// encoding, so a document in another one takes the plain text instead.
constexpr const char* EncodingFormat = "Tessaly Document Encoding";

}  // namespace

bool QtClipboard::WrittenInOtherEncoding(const QMimeData& data) const {
  const QString type = MimeTypeOf(EncodingFormat);
  return data.hasFormat(type) &&
         data.data(type).toStdString() != std::string(text::Name(codec_.Encoding()));
}

bool QtClipboard::HasText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

std::string QtClipboard::Text() const { return codec_.Encode(QGuiApplication::clipboard()->text()); }

bool QtClipboard::HasFormat(const std::string& format) const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasFormat(MimeTypeOf(format)) && !WrittenInOtherEncoding(*data);
}

std::optional<std::string> QtClipboard::FormatData(const std::string& format) const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(MimeTypeOf(format)) || WrittenInOtherEncoding(*data)) return std::nullopt;
  const QByteArray bytes = data->data(MimeTypeOf(format));
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool QtClipboard::SetContent(const std::string& text, const std::map<std::string, std::string>& formats) {
  auto data = std::make_unique<QMimeData>();
  data->setText(codec_.Decode(text));
  const std::string_view encoding = text::Name(codec_.Encoding());
  data->setData(MimeTypeOf(EncodingFormat), QByteArray(encoding.data(), static_cast<qsizetype>(encoding.size())));
  for (const auto& [name, bytes] : formats)
    data->setData(MimeTypeOf(name), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(data.release());  // the clipboard owns it now
  return true;
}

}  // namespace tessaly
