#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "qt/Cp1251Text.h"

namespace tessaly {

QString QtClipboard::MimeTypeOf(const std::string& format) {
  return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QString::fromStdString(format));
}

bool QtClipboard::HasText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

std::string QtClipboard::Text() const { return Cp1251FromQString(QGuiApplication::clipboard()->text()); }

bool QtClipboard::HasFormat(const std::string& format) const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasFormat(MimeTypeOf(format));
}

std::optional<std::string> QtClipboard::FormatData(const std::string& format) const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(MimeTypeOf(format))) return std::nullopt;
  const QByteArray bytes = data->data(MimeTypeOf(format));
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool QtClipboard::SetContent(const std::string& text, const std::map<std::string, std::string>& formats) {
  auto data = std::make_unique<QMimeData>();
  data->setText(QStringFromCp1251(text));
  for (const auto& [name, bytes] : formats)
    data->setData(MimeTypeOf(name), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(data.release());  // the clipboard owns it now
  return true;
}

}  // namespace tessaly
