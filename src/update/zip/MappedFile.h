#pragma once
// A file mapped read-only into memory, so entries are decoded straight from
// the archive without copying it.

#include <cstdint>
#include <span>
#include <string>

namespace tessaly::zip {

class TMappedFile {
public:
  explicit TMappedFile(const std::string& path);  // EFOpenError
  ~TMappedFile();
  TMappedFile(const TMappedFile&) = delete;
  TMappedFile& operator=(const TMappedFile&) = delete;

  std::span<const uint8_t> Bytes() const { return {data_, size_}; }

private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace tessaly::zip
