#include "qt/QtInternet.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>

#include <cstring>

namespace tessaly {

namespace {

// A transfer stalled this long fails, as the system's HTTP client would.
constexpr int kTransferTimeoutMs = 30000;

class QtHttpTransfer : public THttpTransfer {
public:
  explicit QtHttpTransfer(QNetworkReply* reply) : reply_(reply) {}
  ~QtHttpTransfer() override {
    if (reply_) {
      reply_->abort();
      delete reply_.data();
    }
  }

  bool WaitForHeaders() override {
    WaitWhile([this] { return !HasHeaders() && !reply_->isFinished(); });
    return HasHeaders();
  }

  std::optional<std::string> ContentLength() const override {
    if (!reply_ || !reply_->hasRawHeader("Content-Length")) return std::nullopt;
    return reply_->rawHeader("Content-Length").trimmed().toStdString();
  }

  int StatusCode() const override {
    return reply_ ? reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
  }

  long Read(char* buffer, size_t size) override {
    WaitWhile([this] { return reply_->bytesAvailable() == 0 && !reply_->isFinished(); });
    if (!reply_) return -1;
    if (reply_->bytesAvailable() > 0) return static_cast<long>(reply_->read(buffer, static_cast<qint64>(size)));
    // Finished with nothing left: the end of the body, or a failed read
    // when the connection broke off.
    const auto error = reply_->error();
    return error == QNetworkReply::NoError || HttpLevel(error) ? 0 : -1;
  }

  void Abort() override {
    aborted_ = true;
    if (reply_) reply_->abort();
  }

private:
  bool HasHeaders() const { return reply_ && reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid(); }

  // Errors that only repeat the HTTP status; the body still came.
  static bool HttpLevel(QNetworkReply::NetworkError error) {
    return error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownServerError &&
           error != QNetworkReply::ProxyAuthenticationRequiredError;
  }

  template <typename Condition>
  void WaitWhile(Condition waiting) {
    if (!reply_ || aborted_ || !waiting()) return;
    QEventLoop loop;
    const auto wake = [&loop] { loop.quit(); };
    QObject::connect(reply_, &QNetworkReply::metaDataChanged, &loop, wake);
    QObject::connect(reply_, &QNetworkReply::readyRead, &loop, wake);
    QObject::connect(reply_, &QNetworkReply::finished, &loop, wake);
    QObject::connect(reply_, &QObject::destroyed, &loop, wake);
    while (reply_ && !aborted_ && waiting()) loop.exec();
  }

  QPointer<QNetworkReply> reply_;
  bool aborted_ = false;
};

QString FromBytes(const std::string& bytes) { return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())); }

}  // namespace

QtInternet::QtInternet() : manager_(std::make_unique<QNetworkAccessManager>()) {
  QNetworkProxyFactory::setUseSystemConfiguration(true);
}

QtInternet::~QtInternet() = default;

bool QtInternet::IsConnected() {
  if (QNetworkInformation::instance() != nullptr ||
      QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
    const auto reachability = QNetworkInformation::instance()->reachability();
    if (reachability != QNetworkInformation::Reachability::Unknown)
      return reachability != QNetworkInformation::Reachability::Disconnected;
  }
  // Without a reachability backend: any running interface other than loopback.
  for (const QNetworkInterface& item : QNetworkInterface::allInterfaces()) {
    const auto flags = item.flags();
    if ((flags & QNetworkInterface::IsUp) && (flags & QNetworkInterface::IsRunning) &&
        !(flags & QNetworkInterface::IsLoopBack) && !item.addressEntries().isEmpty())
      return true;
  }
  return false;
}

std::unique_ptr<THttpTransfer> QtInternet::Get(const THttpGetRequest& request) {
  QUrl url;
  url.setScheme(request.Secure ? "https" : "http");
  url.setHost(FromBytes(request.Host));
  url.setPort(request.Port);
  // The object goes as its bytes; anything beyond ASCII is percent-encoded.
  const QUrl object = QUrl::fromEncoded(QByteArray::fromStdString(request.Object), QUrl::TolerantMode);
  url.setPath(object.path(QUrl::FullyEncoded), QUrl::TolerantMode);
  url.setQuery(object.query(QUrl::FullyEncoded), QUrl::TolerantMode);
  if (!url.isValid() || url.host().isEmpty()) return nullptr;

  QNetworkRequest get(url);
  get.setHeader(QNetworkRequest::UserAgentHeader, "MOZILLA");
  get.setRawHeader("Accept", "*/*");
  get.setRawHeader("Cache-Control", "no-cache");
  get.setRawHeader("Pragma", "no-cache");
  get.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  get.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  get.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
  get.setTransferTimeout(kTransferTimeoutMs);

  QNetworkReply* reply = manager_->get(get);
  reply->setReadBufferSize(256 * 1024);
  if (!request.UserName.empty()) {
    const QString user = FromBytes(request.UserName), password = FromBytes(request.Password);
    QObject::connect(manager_.get(), &QNetworkAccessManager::authenticationRequired, reply,
                     [reply, user, password](QNetworkReply* asking, QAuthenticator* authenticator) {
                       if (asking != reply) return;
                       authenticator->setUser(user);
                       authenticator->setPassword(password);
                     });
  }
  return std::make_unique<QtHttpTransfer>(reply);
}

void QtInternet::ProcessMessages() { QCoreApplication::processEvents(); }

}  // namespace tessaly
