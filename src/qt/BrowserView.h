#pragma once
// The platform browser control on Qt WebEngine.
//
// The engine answers script calls asynchronously, from another process; the
// core's operations are synchronous. Each call therefore waits in a local
// event loop that lets the engine's replies and timers through but no user
// input, gives up after WaitLimitMs, and refuses to start while another wait
// is running, so no command of the caller can run inside another one.

#include <QVariant>
#include <QWebEngineView>
#include <memory>
#include <string>

#include "platform/BrowserDocument.h"

namespace tessaly {

class QtBrowserDocument;

class TBrowserView : public QWebEngineView, public BrowserControl {
  Q_OBJECT
public:
  static constexpr int WaitLimitMs = 5000;

  explicit TBrowserView(QWidget* parent = nullptr);
  ~TBrowserView() override;

  // Settings the browser engine reads once, before the application object
  // is created.
  static void PrepareProcess();

  // The page's own scripts run by default. An editing view turns them off:
  // in design mode a script writing into the document would write into the
  // source that comes back.
  void SetPageScripts(bool run);
  // The encoding a page that declares none is read in (windows-1251 until
  // told otherwise), by its standard name.
  void SetDefaultEncoding(const std::string& name);

  void Navigate(const std::string& address) override;
  int ReadyState() override;
  BrowserDocument* Document() override;
  void ActivateDocument() override;
  bool WaitComplete(int timeoutMs) override;

  // Lets the engine work for `ms` without user input reaching the program;
  // a load that completes meanwhile raises its event at the end.
  void Pause(int ms);

  // Runs `expression` in a world of its own, apart from the page's scripts,
  // and returns its value. Raises EBrowserError on a script error, a timeout,
  // or when another call is still waiting.
  QVariant Evaluate(const QString& expression, int timeoutMs = WaitLimitMs);
  // True inside one of this control's waits; whoever runs commands from
  // timers holds them back until it is over.
  bool Waiting() const { return waiting_; }

  // Selections as a user makes them, for the window driver and tests: the
  // first occurrence of a text in the body, or the index-th element of a tag
  // as a selected element. False when there is none.
  bool SelectText(const std::string& utf8Text);
  bool SelectElement(const std::string& tagName, int index = 0);

private:
  void LoadStarted();
  void LoadFinished(bool ok);
  void DeliverDocumentComplete();

  std::unique_ptr<QtBrowserDocument> document_;
  bool navigated_ = false;
  bool loading_ = false;
  bool loaded_ = false;
  bool completePending_ = false;
  bool waiting_ = false;
};

}  // namespace tessaly
