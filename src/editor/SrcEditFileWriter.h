#pragma once
// Buffered writing of a file in blocks of 16384 bytes (enlarged to hold a
// single larger line). Output goes to a temporary file that Commit renames
// over the target; a writer destroyed without Commit leaves the old file.

#include <string>
#include <string_view>

#include "platform/Files.h"

namespace tessaly {

class TSrcEditFileWriter {
public:
  static constexpr size_t kBlockSize = 16384;

  explicit TSrcEditFileWriter(const std::string& fileName);
  void Write(std::string_view bytes);
  // Flushes what is buffered and puts the file in place.
  void Commit();

private:
  void Flush();

  AtomicFileWriter file_;
  std::string block_;
  size_t capacity_ = kBlockSize;
};

}  // namespace tessaly
