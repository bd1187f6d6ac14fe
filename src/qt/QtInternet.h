#pragma once
// The internet interface on QtNetwork: system proxy settings, no cache, the
// agent "MOZILLA", and reads that wait in a local event loop so the user
// interface stays responsive and an abort ends the wait at once.

#include <memory>

#include "platform/Internet.h"

class QNetworkAccessManager;

namespace tessaly {

class QtInternet : public TInternet {
public:
  QtInternet();
  ~QtInternet() override;

  bool IsConnected() override;
  std::unique_ptr<THttpTransfer> Get(const THttpGetRequest& request) override;
  void ProcessMessages() override;

private:
  std::unique_ptr<QNetworkAccessManager> manager_;
};

}  // namespace tessaly
