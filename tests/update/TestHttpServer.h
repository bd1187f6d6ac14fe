#pragma once
// A small HTTP server on 127.0.0.1 for the update-check tests: each path has a
// fixed reply; replies can lack Content-Length, claim more than they send or
// stall after a first part until the client goes away.

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tessaly::test {

struct THttpReply {
  std::string body;
  enum class TLength { Correct, Missing, Larger } length = TLength::Correct;
  // Sends this many body bytes, then waits until the client closes.
  size_t stallAfter = std::string::npos;
  int status = 200;
};

class TTestHttpServer {
public:
  TTestHttpServer();
  ~TTestHttpServer();

  int Port() const { return port_; }
  std::string Url(const std::string& path) const;  // "http://127.0.0.1:PORT/path"
  void Set(const std::string& path, THttpReply reply);
  // The request heads received so far, in order.
  std::vector<std::string> Requests() const;

private:
  void AcceptLoop();
  void Serve(int client);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::map<std::string, THttpReply> replies_;
  std::vector<std::string> requests_;
  std::vector<std::thread> connections_;
  std::thread acceptor_;
};

}  // namespace tessaly::test
