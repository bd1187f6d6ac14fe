#pragma once
// The platform browser control on Qt WebEngine.

#include <QWebEngineView>
#include <string>

namespace tessaly {

class TBrowserView : public QWebEngineView {
  Q_OBJECT
public:
  explicit TBrowserView(QWidget* parent = nullptr);

  // Settings the browser engine reads once, before the application object
  // is created.
  static void PrepareProcess();

  // Loads an address and returns at once: "about:" followed by markup shows
  // that markup, a local path the file, anything else the web address.
  void Navigate(const std::string& address);
};

}  // namespace tessaly
