#include "qt/BrowserView.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <unistd.h>

#include "qt/QtBrowserDocument.h"

namespace tessaly {

namespace {

// Marks a wait as running for its whole length, also when it ends by an error.
class WaitGuard {
public:
  explicit WaitGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~WaitGuard() { flag_ = false; }
  WaitGuard(const WaitGuard&) = delete;
  WaitGuard& operator=(const WaitGuard&) = delete;

private:
  bool& flag_;
};

void RequireIdle(bool waiting) {
  if (waiting) throw EBrowserError("Браузер ещё выполняет предыдущую команду");
}

// Runs `loop` until something quits it or `timeoutMs` passes, letting no
// user input through.
void RunBounded(QEventLoop& loop, int timeoutMs) {
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(timeoutMs);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

TBrowserView::TBrowserView(QWidget* parent)
    : QWebEngineView(parent), document_(std::make_unique<QtBrowserDocument>(*this)) {
  // Pages are shown whole: pictures, media and background sounds load.
  settings()->setAttribute(QWebEngineSettings::AutoLoadImages, true);
  settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  // Pages that name no character set are the editor's own windows-1251 text.
  settings()->setDefaultTextEncoding(QStringLiteral("windows-1251"));
  connect(this, &QWebEngineView::loadStarted, this, [this] { LoadStarted(); });
  connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) { LoadFinished(ok); });
}

TBrowserView::~TBrowserView() = default;

void TBrowserView::PrepareProcess() {
  // The engine's renderer sandbox refuses to start for the root user.
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void TBrowserView::SetPageScripts(bool run) {
  settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, run);
}

void TBrowserView::SetDefaultEncoding(const std::string& name) {
  settings()->setDefaultTextEncoding(QString::fromStdString(name));
}

void TBrowserView::Navigate(const std::string& address) {
  // Loading from here on, even before the engine reports the start, so that a
  // wait right after this call does not take the old document for the new.
  navigated_ = true;
  loading_ = true;
  const QString text = QString::fromStdString(address);
  if (text.startsWith(QLatin1String("about:<"))) {
    setHtml(text.mid(6));
  } else if (QFileInfo(text).isAbsolute()) {
    load(QUrl::fromLocalFile(text));
  } else {
    load(QUrl::fromUserInput(text));
  }
}

void TBrowserView::LoadStarted() {
  navigated_ = true;
  loading_ = true;
}

void TBrowserView::LoadFinished(bool ok) {
  loading_ = false;
  if (!ok) return;
  completePending_ = true;
  // Inside a wait the event would run the handler's commands inside the
  // waiting one; it is raised when the wait is over.
  if (!waiting_) DeliverDocumentComplete();
}

void TBrowserView::DeliverDocumentComplete() {
  if (!completePending_) return;
  completePending_ = false;
  loaded_ = true;
  if (OnDocumentComplete) OnDocumentComplete(*this);
}

int TBrowserView::ReadyState() {
  if (!navigated_) return rsUninitialized;
  return loading_ || completePending_ ? rsLoading : rsComplete;
}

BrowserDocument* TBrowserView::Document() { return loaded_ ? document_.get() : nullptr; }

void TBrowserView::ActivateDocument() {
  if (Document() == nullptr) return;
  setFocus(Qt::OtherFocusReason);
}

bool TBrowserView::WaitComplete(int timeoutMs) {
  RequireIdle(waiting_);
  if (loading_) {
    QEventLoop loop;
    const QMetaObject::Connection done = connect(this, &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
    {
      WaitGuard guard(waiting_);
      RunBounded(loop, timeoutMs);
    }
    disconnect(done);
  }
  DeliverDocumentComplete();
  return !loading_;
}

void TBrowserView::Pause(int ms) {
  RequireIdle(waiting_);
  {
    QEventLoop loop;
    WaitGuard guard(waiting_);
    RunBounded(loop, ms);
  }
  DeliverDocumentComplete();
}

QVariant TBrowserView::Evaluate(const QString& expression, int timeoutMs) {
  RequireIdle(waiting_);
  // The reply may come after a timeout, when this frame is gone; it finds the
  // state through the shared pointer and the loop no longer set.
  struct Reply {
    bool done = false;
    QVariant value;
    QEventLoop* loop = nullptr;
  };
  auto reply = std::make_shared<Reply>();
  const QString script = QStringLiteral("(function () { try { return { ok: true, v: (") + expression +
                         QStringLiteral(") }; } catch (e) { return { ok: false, e: String(e) }; } })()");
  QEventLoop loop;
  reply->loop = &loop;
  page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [reply](const QVariant& value) {
    reply->done = true;
    reply->value = value;
    if (reply->loop != nullptr) reply->loop->quit();
  });
  if (!reply->done) {
    WaitGuard guard(waiting_);
    RunBounded(loop, timeoutMs);
  }
  reply->loop = nullptr;
  if (completePending_) QTimer::singleShot(0, this, [this] { if (!waiting_) DeliverDocumentComplete(); });

  if (!reply->done) throw EBrowserError("Браузер не ответил за " + std::to_string(timeoutMs / 1000) + " с");
  const QVariantMap result = reply->value.toMap();
  if (!result.value(QStringLiteral("ok")).toBool()) {
    const QString error = result.value(QStringLiteral("e")).toString();
    throw EBrowserError("Ошибка браузера: " + (error.isEmpty() ? std::string("нет документа") : error.toStdString()));
  }
  return result.value(QStringLiteral("v"));
}

bool TBrowserView::SelectText(const std::string& utf8Text) {
  return Evaluate(QStringLiteral(R"((function (text) {
    var w = document.createTreeWalker(document.body || document.documentElement, NodeFilter.SHOW_TEXT);
    for (var n = w.nextNode(); n; n = w.nextNode()) {
      var at = n.data.indexOf(text);
      if (at < 0) continue;
      var r = document.createRange();
      r.setStart(n, at);
      r.setEnd(n, at + text.length);
      var s = window.getSelection();
      s.removeAllRanges();
      s.addRange(r);
      return true;
    }
    return false;
  }))") + QStringLiteral("(") + JsString(utf8Text) + QStringLiteral(")")).toBool();
}

bool TBrowserView::SelectElement(const std::string& tagName, int index) {
  return Evaluate(QStringLiteral(R"((function (tag, index) {
    var n = document.getElementsByTagName(tag)[index];
    if (!n) return false;
    var r = document.createRange();
    r.selectNode(n);
    var s = window.getSelection();
    s.removeAllRanges();
    s.addRange(r);
    return true;
  }))") + QStringLiteral("(") + JsString(tagName) + QStringLiteral(", ") + QString::number(index) +
                  QStringLiteral(")")).toBool();
}

}  // namespace tessaly
