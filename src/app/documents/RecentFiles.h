#pragma once
// The documents opened or saved last, newest first, kept in the settings
// file (section "Recent", keys File1 to File10) so the File menu lists them
// in the next run too.

#include <string>
#include <vector>

namespace tessaly {

class TRecentFiles {
public:
  static constexpr size_t kMaxCount = 10;

  // Reads the list; an unreadable settings file gives an empty one.
  explicit TRecentFiles(std::string settingsFile);

  const std::vector<std::string>& Paths() const { return paths_; }
  // Puts `path` first (once), dropping the oldest beyond ten.
  void Add(const std::string& path);
  void Remove(const std::string& path);

private:
  // The list is kept for this run even when the settings cannot be written.
  void Write() const;

  std::string settingsFile_;
  std::vector<std::string> paths_;
};

}  // namespace tessaly
