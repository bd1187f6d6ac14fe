#pragma once
// The one base of every failure the system raises: a message text shown to the
// user as it stands.

#include <stdexcept>
#include <string>

namespace tessaly {

class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A file that cannot be opened for reading.
class EFOpenError : public Exception {
public:
  EFOpenError(const std::string& fileName, const std::string& reason);
};

// A file that cannot be created or replaced.
class EFCreateError : public Exception {
public:
  EFCreateError(const std::string& fileName, const std::string& reason);
};

// Reading past the end of a stream, or a read or write that failed midway.
class EReadError : public Exception {
public:
  using Exception::Exception;
};
class EWriteError : public Exception {
public:
  using Exception::Exception;
};

// The silent failure: a user's Cancel that ends the running command without
// a message.
class EAbort : public Exception {
public:
  EAbort() : Exception("Operation aborted") {}
};

// printf-style formatting for the fixed message texts ("Invalid stringlist index %d").
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text of the operating system's last error (errno).
std::string LastSystemErrorText();

}  // namespace tessaly
