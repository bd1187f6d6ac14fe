#include "platform/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/CodePage1251.h"
#include "platform/Exception.h"
#include "platform/Files.h"

namespace tessaly {

namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view ValueOf(std::string_view raw) {
  std::string_view value = Trim(raw.substr(raw.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

std::string ReadFilePrefix(const std::string& path, size_t maxBytes) {
  if (maxBytes == std::string::npos) return ReadFileBytes(path);
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EFOpenError(path, std::strerror(errno));
  // Sized by the file, so a generous cap costs nothing on a small file.
  file.seekg(0, std::ios::end);
  const auto fileSize = static_cast<std::streamoff>(file.tellg());
  file.seekg(0, std::ios::beg);
  std::string text(std::min(maxBytes, fileSize > 0 ? static_cast<size_t>(fileSize) : size_t{0}), '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(file.gcount()));
  return text;
}

}  // namespace

IniFile::IniFile(std::string path, size_t maxBytes) : path_(std::move(path)) {
  sections_.push_back({});
  if (!FileExists(path_)) return;
  const std::string text = ReadFilePrefix(path_, maxBytes);
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    const std::string_view raw(text.data() + pos, end - pos);
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;

    const std::string_view trimmed = Trim(raw);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
      sections_.push_back({std::string(Trim(trimmed.substr(1, trimmed.size() - 2))), {}});
      continue;
    }
    Line line{std::string(raw), std::nullopt};
    const size_t eq = raw.find('=');
    if (eq != std::string_view::npos && !trimmed.empty() && trimmed.front() != ';')
      line.key = std::string(Trim(raw.substr(0, eq)));
    sections_.back().lines.push_back(std::move(line));
  }
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  return const_cast<Section*>(static_cast<const IniFile*>(this)->FindSection(name));
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (size_t i = 1; i < sections_.size(); ++i)
    if (cp1251::SameText(sections_[i].name, name)) return &sections_[i];
  return nullptr;
}

const IniFile::Line* IniFile::FindKey(const Section& section, std::string_view key) {
  for (const Line& line : section.lines)
    if (line.key && cp1251::SameText(*line.key, key)) return &line;
  return nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                size_t maxLength) const {
  const Section* found = FindSection(section);
  const Line* line = found ? FindKey(*found, key) : nullptr;
  const std::string_view value = line ? ValueOf(line->raw) : defaultValue;
  return std::string(value.substr(0, std::min(maxLength, value.size())));
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  return found && FindKey(*found, key);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Put(section, key, value);
  Save();
}

void IniFile::WriteStrings(std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries) {
  for (const auto& [key, value] : entries) Put(section, key, value);
  Save();
}

void IniFile::Put(std::string_view section, std::string_view key, std::string_view value) {
  Section* target = FindSection(section);
  if (!target) {
    sections_.push_back({std::string(section), {}});
    target = &sections_.back();
  }
  const std::string raw = std::string(key) + "=" + std::string(value);
  if (Line* line = const_cast<Line*>(FindKey(*target, key))) {
    line->raw = raw;
  } else {
    // New keys go after the section's last entry, before trailing blank lines.
    auto at = target->lines.end();
    while (at != target->lines.begin() && Trim(std::prev(at)->raw).empty()) --at;
    target->lines.insert(at, Line{raw, std::string(key)});
  }
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  Section* target = FindSection(section);
  if (!target) return;
  const auto before = target->lines.size();
  std::erase_if(target->lines, [&](const Line& line) { return line.key && cp1251::SameText(*line.key, key); });
  if (target->lines.size() != before) Save();
}

void IniFile::EraseSection(std::string_view section) {
  const auto before = sections_.size();
  std::erase_if(sections_, [&](const Section& s) { return &s != &sections_.front() && cp1251::SameText(s.name, section); });
  if (sections_.size() != before) Save();
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

std::vector<std::string> IniFile::ReadSections() const {
  std::vector<std::string> names;
  for (size_t i = 1; i < sections_.size(); ++i) names.push_back(sections_[i].name);
  return names;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* found = FindSection(section))
    for (const Line& line : found->lines)
      if (line.key) keys.push_back(*line.key);
  return keys;
}

std::vector<std::string> IniFile::ReadSectionValues(std::string_view section) const {
  std::vector<std::string> lines;
  if (const Section* found = FindSection(section))
    for (const Line& line : found->lines)
      if (line.key) lines.push_back(*line.key + "=" + std::string(ValueOf(line.raw)));
  return lines;
}

std::string IniFile::Text() const {
  std::string text;
  for (const Section& section : sections_) {
    if (&section != &sections_.front()) text += "[" + section.name + "]\r\n";
    for (const Line& line : section.lines) text += line.raw + "\r\n";
  }
  return text;
}

void IniFile::Save() const { WriteFileAtomically(path_, Text()); }

}  // namespace tessaly
