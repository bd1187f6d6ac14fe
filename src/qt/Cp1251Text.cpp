#include "qt/Cp1251Text.h"

#include <QList>

#include "platform/CodePage1251.h"

namespace tessaly {

QString QStringFromCp1251(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (char c : bytes) *out++ = QChar(static_cast<char16_t>(cp1251::ToUnicode(static_cast<unsigned char>(c))));
  return text;
}

std::string Cp1251FromQString(const QString& text, bool* lossless) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  bool exact = true;
  for (const char32_t c : text.toUcs4()) {
    const int byte = cp1251::FromUnicode(c);
    if (byte < 0) exact = false;
    bytes += static_cast<char>(byte < 0 ? '?' : byte);
  }
  if (lossless) *lossless = exact;
  return bytes;
}

}  // namespace tessaly
