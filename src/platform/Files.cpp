#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/Exception.h"

namespace tessaly {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool DirectoryExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool ForceDirectories(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return DirectoryExists(path);
}

std::string ReadFileBytes(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EFOpenError(path, LastSystemErrorText());
  std::string bytes;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) bytes.reserve(static_cast<size_t>(info.st_size));
  char block[65536];
  for (;;) {
    const ssize_t got = ::read(fd, block, sizeof block);
    if (got < 0) {
      if (errno == EINTR) continue;
      const std::string reason = LastSystemErrorText();
      ::close(fd);
      throw EFOpenError(path, reason);
    }
    if (got == 0) break;
    bytes.append(block, static_cast<size_t>(got));
  }
  ::close(fd);
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter writer(path);
  writer.Write(bytes);
  writer.Commit();
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) : path_(path) {
  tempPath_ = path + ".tmp-XXXXXX";
  fd_ = ::mkstemp(tempPath_.data());
  if (fd_ < 0) throw EFCreateError(path, LastSystemErrorText());
  // Keep the permissions of the file being replaced.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) ::fchmod(fd_, old.st_mode & 07777);
  else ::fchmod(fd_, 0644);
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(tempPath_.c_str());
  }
}

void AtomicFileWriter::Write(const void* data, size_t size) {
  WriteAt(position_, data, size);
}

void AtomicFileWriter::WriteAt(size_t offset, const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t done = ::pwrite(fd_, bytes, size, static_cast<off_t>(offset));
    if (done < 0) {
      if (errno == EINTR) continue;
      throw EWriteError("Cannot write file \"" + path_ + "\". " + LastSystemErrorText());
    }
    bytes += done;
    size -= static_cast<size_t>(done);
    offset += static_cast<size_t>(done);
    if (offset > position_) position_ = offset;
  }
}

void AtomicFileWriter::Commit() {
  if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
    fd_ = -1;
    const std::string reason = LastSystemErrorText();
    ::unlink(tempPath_.c_str());
    throw EWriteError("Cannot write file \"" + path_ + "\". " + reason);
  }
  fd_ = -1;
  if (::rename(tempPath_.c_str(), path_.c_str()) != 0) {
    const std::string reason = LastSystemErrorText();
    ::unlink(tempPath_.c_str());
    throw EFCreateError(path_, reason);
  }
}

}  // namespace tessaly
