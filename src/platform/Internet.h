#pragma once
// What the update check asks of the network: whether the computer is online,
// and an HTTP (or HTTPS) GET read block by block. Reads are blocking calls that let
// the user interface run its pending events while they wait, so an Abort
// clicked during a transfer is seen at the next block.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace tessaly {

struct THttpGetRequest {
  std::string Host;    // name or address, without a port
  int Port = 80;
  std::string Object;  // the path part, starting with "/"
  std::string UserName;
  std::string Password;
  bool Secure = false;  // HTTPS: a certificate the system does not trust fails the transfer
};

// One request under way. Destroying it closes the connection.
class THttpTransfer {
public:
  virtual ~THttpTransfer() = default;

  // Waits for the reply's headers; false when no reply came (no connection,
  // unknown host, refused, aborted).
  virtual bool WaitForHeaders() = 0;
  // The Content-Length header of the reply, when it has one.
  virtual std::optional<std::string> ContentLength() const = 0;
  // The reply's HTTP status code (200 when the transport has none).
  virtual int StatusCode() const { return 200; }
  // Reads up to `size` bytes, waiting for them when none are buffered yet.
  // Returns the count, 0 at the end of the body, -1 when the read failed.
  virtual long Read(char* buffer, size_t size) = 0;
  // Stops the transfer; a Read waiting now returns at once.
  virtual void Abort() = 0;
};

class TInternet {
public:
  virtual ~TInternet() = default;

  virtual bool IsConnected() = 0;
  // Starts a GET with the agent "MOZILLA", the system's proxy settings and no
  // cache; nullptr when the request cannot even be started.
  virtual std::unique_ptr<THttpTransfer> Get(const THttpGetRequest& request) = 0;
  // Lets the user interface handle what is pending (between blocks).
  virtual void ProcessMessages() = 0;
};

}  // namespace tessaly
