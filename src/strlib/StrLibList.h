#pragma once
// A string library: an ordered list of entries addressed by index from 0,
// stored in a file that starts with the signature byte 8 "VLMSLL30", the
// entry count and a table of entry offsets.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "strlib/StrLibItem.h"

namespace tessaly::strlib {

constexpr std::string_view kLibrarySignature{"\x08VLMSLL30", 9};

// The entries; the base of every string library.
class TStrLibContainer {
public:
  int Count() const { return static_cast<int>(items_.size()); }
  TStrLibItem& Items(int index);  // EStrLibIndex for an index out of range
  const TStrLibItem& Items(int index) const;
  TStrLibItem& Add();             // a new empty entry at the end
  void Delete(int index);         // later entries move up
  void Clear() { items_.clear(); }

  // Kept for the libraries' settings; new entries are created plain.
  bool DefaultCompressed() const { return defaultCompressed_; }
  void SetDefaultCompressed(bool compressed) { defaultCompressed_ = compressed; }

protected:
  std::vector<std::unique_ptr<TStrLibItem>> items_;

private:
  bool defaultCompressed_ = false;
};

class TStrLibList : public TStrLibContainer {
public:
  // Replaces the entries by the file's. Nothing changes when the file cannot
  // be read, has the wrong signature or is malformed: the error is raised and
  // the old entries stay.
  void LoadFromFile(const std::string& path);
  void LoadFromBytes(std::string_view bytes, const std::string& nameForErrors = "");
  // Writes through a temporary file renamed over `path`; on failure the old
  // file is untouched and the error is raised.
  void SaveToFile(const std::string& path) const;
  std::string SaveToBytes() const;
};

}  // namespace tessaly::strlib
