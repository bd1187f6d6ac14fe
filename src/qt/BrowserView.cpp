#include "qt/BrowserView.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <unistd.h>
#include <QWebEngineSettings>

namespace tessaly {

TBrowserView::TBrowserView(QWidget* parent) : QWebEngineView(parent) {
  // Pages are shown whole: pictures, media and background sounds load.
  settings()->setAttribute(QWebEngineSettings::AutoLoadImages, true);
  settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
}

void TBrowserView::PrepareProcess() {
  // The engine's renderer sandbox refuses to start for the root user.
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void TBrowserView::Navigate(const std::string& address) {
  const QString text = QString::fromStdString(address);
  if (text.startsWith(QLatin1String("about:<"))) {
    setHtml(text.mid(6));
  } else if (QFileInfo(text).isAbsolute()) {
    load(QUrl::fromLocalFile(text));
  } else {
    load(QUrl::fromUserInput(text));
  }
}

}  // namespace tessaly
