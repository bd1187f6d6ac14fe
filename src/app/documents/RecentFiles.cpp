#include "app/documents/RecentFiles.h"

#include <algorithm>

#include "platform/Exception.h"
#include "platform/IniFile.h"

namespace tessaly {

namespace {

constexpr const char* kSection = "Recent";

std::string KeyOf(size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

TRecentFiles::TRecentFiles(std::string settingsFile) : settingsFile_(std::move(settingsFile)) {
  try {
    const IniFile settings(settingsFile_);
    for (size_t i = 0; i < kMaxCount; ++i) {
      const std::string path = settings.ReadString(kSection, KeyOf(i), "");
      if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end()) paths_.push_back(path);
    }
  } catch (const Exception&) {
  }
}

void TRecentFiles::Add(const std::string& path) {
  std::erase(paths_, path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kMaxCount) paths_.resize(kMaxCount);
  Write();
}

void TRecentFiles::Remove(const std::string& path) {
  std::erase(paths_, path);
  Write();
}

void TRecentFiles::Write() const {
  try {
    IniFile settings(settingsFile_);
    settings.EraseSection(kSection);
    std::vector<std::pair<std::string, std::string>> entries;
    for (size_t i = 0; i < paths_.size(); ++i) entries.emplace_back(KeyOf(i), paths_[i]);
    if (!entries.empty()) settings.WriteStrings(kSection, entries);
  } catch (const Exception&) {
  }
}

}  // namespace tessaly
