#include "app/window/Icons.h"

#include <QFile>
#include <QHash>

#include "qt/SvgPicture.h"

// The resource lives in a static library, so it is registered by hand
// (outside any namespace, as the resource compiler names it).
static void RegisterIcons() { Q_INIT_RESOURCE(icons); }

namespace tessaly {

QIcon ToolIcon(const char* name) {
  static const bool registered = (RegisterIcons(), true);
  Q_UNUSED(registered);
  // Buttons share pictures (the eight script buttons), so each is drawn once.
  static QHash<QString, QIcon> cache;
  const QString key = QString::fromUtf8(name);
  const auto found = cache.constFind(key);
  if (found != cache.constEnd()) return *found;
  QFile file(QStringLiteral(":/icons/") + key + QStringLiteral(".svg"));
  const QIcon icon = file.open(QIODevice::ReadOnly) ? SvgIcon(file.readAll()) : QIcon();
  cache.insert(key, icon);
  return icon;
}

}  // namespace tessaly
