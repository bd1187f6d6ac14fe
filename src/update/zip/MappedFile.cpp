#include "update/zip/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Exception.h"

namespace tessaly::zip {

TMappedFile::TMappedFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EFOpenError(path, LastSystemErrorText());
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw EFOpenError(path, "not a regular file");
  }
  size_ = static_cast<size_t>(info.st_size);
  if (size_ > 0) {
    void* mapped = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped == MAP_FAILED) {
      const std::string reason = LastSystemErrorText();
      ::close(fd);
      throw EFOpenError(path, reason);
    }
    data_ = static_cast<const uint8_t*>(mapped);
  }
  ::close(fd);
}

TMappedFile::~TMappedFile() {
  if (data_ != nullptr) ::munmap(const_cast<uint8_t*>(data_), size_);
}

}  // namespace tessaly::zip
