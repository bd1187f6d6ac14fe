#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <stdexcept>
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
  struct FileCloser {
    int fd;
    ~FileCloser() { ::close(fd); }
  } closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) throw EFOpenError(path, "It is a folder, not a file.");
  std::string bytes;
  // A file larger than memory allows is refused, not read until the program dies.
  try {
    if (S_ISREG(info.st_mode)) bytes.reserve(static_cast<size_t>(info.st_size));
    char block[65536];
    for (;;) {
      const ssize_t got = ::read(fd, block, sizeof block);
      if (got < 0) {
        if (errno == EINTR) continue;
        throw EFOpenError(path, LastSystemErrorText());
      }
      if (got == 0) break;
      bytes.append(block, static_cast<size_t>(got));
    }
  } catch (const std::bad_alloc&) {
    throw EFOpenError(path, "The file is too large for the memory available.");
  } catch (const std::length_error&) {
    throw EFOpenError(path, "The file is too large for the memory available.");
  }
  return bytes;
}

std::string ResolveSymbolicLinks(const std::string& path) {
  std::string resolved = path;
  // A bounded walk: a loop of links ends at the last one reached.
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(resolved, error))) break;
    const std::filesystem::path target = std::filesystem::read_symlink(resolved, error);
    if (error) break;
    resolved = target.is_absolute() ? target.string()
                                    : (std::filesystem::path(resolved).parent_path() / target).lexically_normal().string();
  }
  return resolved;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter writer(path);
  writer.Write(bytes);
  writer.Commit();
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) : path_(ResolveSymbolicLinks(path)) {
  tempPath_ = path_ + ".tmp-XXXXXX";
  fd_ = ::mkstemp(tempPath_.data());
  if (fd_ < 0) throw EFCreateError(path, LastSystemErrorText());
  // Keep the permissions of the file being replaced.
  struct stat old {};
  if (::stat(path_.c_str(), &old) == 0) ::fchmod(fd_, old.st_mode & 07777);
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
