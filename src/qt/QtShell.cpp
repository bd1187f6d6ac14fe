#include "qt/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tessaly {

bool QtShell::Open(const std::string& target) {
  // fromUserInput turns plain paths into file: URLs and keeps web addresses.
  return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}

}  // namespace tessaly
