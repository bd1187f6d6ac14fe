#include "qt/QtShell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMetaObject>
#include <QProcess>
#include <QUrl>

namespace tessaly {

bool QtShell::Open(const std::string& target, const std::string& parameters) {
  const QString path = QString::fromUtf8(target.c_str());
  const QFileInfo file(path);
  if (!file.exists()) {
    const QUrl url(path);
    return url.isValid() && !url.scheme().isEmpty() && QDesktopServices::openUrl(url);
  }
  // URL handlers take no parameters, so a program that needs them is run.
  if (!parameters.empty() && file.isExecutable())
    return QProcess::startDetached(file.absoluteFilePath(), QProcess::splitCommand(QString::fromUtf8(parameters.c_str())));
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void QtShell::Terminate() {
  if (QCoreApplication::instance() != nullptr)
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

// Qt has one alert sound for every kind of message.
void QtShell::MessageBeep(unsigned) { QApplication::beep(); }

}  // namespace tessaly
