#pragma once
// Whole-file reads and crash-safe writes. A user's file, a library or a
// settings file is always written to a temporary file in the same folder and
// renamed over the old one, so a failed write never destroys what was there.

#include <string>
#include <string_view>

namespace tessaly {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder and its parents; false when that fails.
bool ForceDirectories(const std::string& path);

// The whole file as bytes; EFOpenError when it cannot be opened or read, is
// a folder, or does not fit in memory.
std::string ReadFileBytes(const std::string& path);

// The file a chain of symbolic links ends at (the path itself when it is no link).
std::string ResolveSymbolicLinks(const std::string& path);

// Writes bytes through a temporary file renamed over `path`; a symbolic link
// is followed, so its target is replaced and the link kept.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// A file written piece by piece that replaces `path` only on Commit. When the
// writer is destroyed without Commit (an error midway), the temporary file is
// removed and the old file stays as it was.
class AtomicFileWriter {
public:
  explicit AtomicFileWriter(const std::string& path);  // EFCreateError
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void Write(const void* data, size_t size);  // EWriteError
  void Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
  // Overwrites bytes already written, at an absolute offset (tables reserved
  // up front and filled in at the end).
  void WriteAt(size_t offset, const void* data, size_t size);
  size_t Position() const { return position_; }
  void Commit();  // EWriteError / EFCreateError

private:
  std::string path_;
  std::string tempPath_;
  int fd_ = -1;
  size_t position_ = 0;
};

}  // namespace tessaly
