#include "TestHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace tessaly::test {

namespace {

void SendAll(int socket, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

}  // namespace

TTestHttpServer::TTestHttpServer() {
  listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 16) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    throw std::runtime_error("cannot start the test HTTP server");
  port_ = ntohs(address.sin_port);
  acceptor_ = std::thread([this] { AcceptLoop(); });
}

TTestHttpServer::~TTestHttpServer() {
  stopping_ = true;
  acceptor_.join();
  for (std::thread& connection : connections_) connection.join();
  ::close(listener_);
}

std::string TTestHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void TTestHttpServer::Set(const std::string& path, THttpReply reply) {
  const std::lock_guard lock(mutex_);
  replies_[path] = std::move(reply);
}

std::vector<std::string> TTestHttpServer::Requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

void TTestHttpServer::AcceptLoop() {
  while (!stopping_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (::poll(&waiting, 1, 20) <= 0) continue;
    const int client = ::accept(listener_, nullptr, nullptr);
    if (client < 0) continue;
    connections_.emplace_back([this, client] { Serve(client); });
  }
}

void TTestHttpServer::Serve(int client) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    pollfd waiting{client, POLLIN, 0};
    if (stopping_ || ::poll(&waiting, 1, 5000) <= 0) break;
    const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    head.append(buffer, static_cast<size_t>(n));
  }
  const size_t pathStart = head.find(' ') + 1;
  const std::string path = head.substr(pathStart, head.find(' ', pathStart) - pathStart);
  THttpReply reply{"not found", THttpReply::TLength::Correct, std::string::npos, 404};
  {
    const std::lock_guard lock(mutex_);
    requests_.push_back(head);
    const auto found = replies_.find(path);
    if (found != replies_.end()) reply = found->second;
  }
  std::string out = "HTTP/1.0 " + std::to_string(reply.status) + (reply.status == 200 ? " OK" : " Not Found") + "\r\n";
  if (reply.length == THttpReply::TLength::Correct) out += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
  if (reply.length == THttpReply::TLength::Larger)
    out += "Content-Length: " + std::to_string(reply.body.size() + 1000) + "\r\n";
  out += "Connection: close\r\n\r\n";
  SendAll(client, out);
  SendAll(client, reply.body.substr(0, reply.stallAfter));
  if (reply.stallAfter < reply.body.size()) {
    // Hold the connection until the client gives up on it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!stopping_ && std::chrono::steady_clock::now() < deadline) {
      pollfd waiting{client, POLLIN, 0};
      if (::poll(&waiting, 1, 20) > 0 && ::recv(client, buffer, sizeof buffer, 0) <= 0) break;
    }
  }
  ::shutdown(client, SHUT_RDWR);
  ::close(client);
}

}  // namespace tessaly::test
