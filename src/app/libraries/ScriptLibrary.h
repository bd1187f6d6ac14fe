#pragma once
// A user's snippet library ("script/java.velmora", "script/php.velmora"):
// a string library kept in step with its file. Every change is saved at once
// and read back; a change whose save fails is taken back, so the entries (and
// the side list refilled from them) always match what was last saved.

#include <string>
#include <vector>

#include "strlib/StrLibList.h"

namespace tessaly {

// The list-control index error: no row selected, or a row past the end.
void CheckListIndex(int index, int count);

class TScriptLibrary {
public:
  explicit TScriptLibrary(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }
  const strlib::TStrLibList& List() const { return list_; }
  strlib::TStrLibList& List() { return list_; }

  // Start-up: reads the file. A missing or damaged file leaves the library
  // empty and raises its error for the caller to show; a damaged file is
  // kept aside as FILE.bak before the first change replaces it.
  void Load();

  int Count() const { return list_.Count(); }
  std::vector<std::string> Descriptions() const;
  // The entry's lines, each followed by CR LF.
  std::string SnippetText(int index) const;

  void Add(const std::string& description, std::vector<std::string> lines);
  void Replace(int index, const std::string& description, std::vector<std::string> lines);
  void Delete(int index);

  // True while the file on disk is one this library could not read.
  bool KeepsDamagedFile() const { return damagedFile_; }

private:
  template <typename Change>
  void Commit(Change&& change);

  std::string fileName_;
  strlib::TStrLibList list_;
  bool damagedFile_ = false;
};

// The entries a new Java library starts with, before its file is read.
void FillDefaultJavaScripts(strlib::TStrLibList& list);

}  // namespace tessaly
