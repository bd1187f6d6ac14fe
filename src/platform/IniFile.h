#pragma once
// INI profile files: "[Section]" headers and "key=value" lines, in
// windows-1251 bytes. Section and key names compare without regard to letter
// case; entries keep their file order; lines the reader does not understand
// (comments, blank lines) are kept as they are. Every write goes to disk at
// once through a temporary file, as the system's profile functions do.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaly {

class IniFile {
public:
  // Reads the file when it exists; a missing file is an empty profile that
  // the first write creates. Only the first `maxBytes` bytes of a longer
  // file are read, so outside files cannot exhaust memory; such a profile is
  // for reading, as a write would save only what was read.
  explicit IniFile(std::string path, size_t maxBytes = std::string::npos);

  const std::string& Path() const { return path_; }

  // The value of a key, trimmed of surrounding blanks (and of one pair of
  // enclosing quotes); `defaultValue` when the key is absent. A value longer
  // than `maxLength` bytes is cut.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue,
                         size_t maxLength = std::string::npos) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // Writes the key, creating the section and key as needed; saves the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Writes many keys of one section and saves the file once.
  void WriteStrings(std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries);
  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);

  bool SectionExists(std::string_view section) const;
  std::vector<std::string> ReadSections() const;
  // The keys of a section, in file order.
  std::vector<std::string> ReadSection(std::string_view section) const;
  // The "key=value" lines of a section, in file order, values as ReadString gives them.
  std::vector<std::string> ReadSectionValues(std::string_view section) const;

  // The file's text as it would be written.
  std::string Text() const;

private:
  struct Line {
    std::string raw;                 // as read or as last written
    std::optional<std::string> key;  // set for "key=value" lines
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };

  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  static const Line* FindKey(const Section& section, std::string_view key);
  void Put(std::string_view section, std::string_view key, std::string_view value);
  void Save() const;

  std::string path_;
  std::vector<Section> sections_;  // the first holds lines before any header, name empty
};

}  // namespace tessaly
