#include "preview/viewer/AddressResolver.h"

#include <algorithm>
#include <filesystem>

#include "platform/CodePage1251.h"
#include "platform/Paths.h"
#include "preview/document/Attributes.h"

namespace tessaly::preview {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Steps common to addresses and the base: escapes decoded, "file:" prefix off.
std::string Converted(std::string_view address) {
  std::string name = DecodePercentEscapes(Trim(address));
  if (name.find('/') != std::string::npos && name.size() >= 7 && cp1251::SameText(name.substr(0, 7), "file://"))
    name.erase(0, 7);
  return name;
}

}  // namespace

std::string DecodePercentEscapes(std::string_view address) {
  std::string out(address);
  for (size_t i = out.find('%'); i != std::string::npos; i = out.find('%', i + 1)) {
    if (i == 0 || i + 2 >= out.size()) break;
    const int high = HexValue(out[i + 1]), low = HexValue(out[i + 2]);
    if (high < 0 || low < 0) break;
    out.replace(i, 3, 1, static_cast<char>(high * 16 + low));
  }
  return out;
}

std::string FullPath(std::string_view name) {
  if (name.empty()) return {};
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(std::string(name)), error);
  return (error ? std::filesystem::path(std::string(name)) : absolute).lexically_normal().string();
}

namespace {

bool SameAsciiText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

}  // namespace

std::string MatchLetterCase(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (path.empty() || fs::exists(path, error)) return path;
  fs::path found;
  for (const fs::path& part : fs::path(path)) {
    const fs::path next = found / part;
    if (found.empty() || fs::exists(next, error)) {
      found = next;
      continue;
    }
    // Exactly one entry of that name, letter case aside; else the path stays.
    fs::path match;
    int matches = 0;
    for (auto entry = fs::directory_iterator(found, error); !error && entry != fs::directory_iterator();
         entry.increment(error))
      if (SameAsciiText(entry->path().filename().string(), part.string()) && ++matches == 1) match = entry->path();
    if (matches != 1) return path;
    found = match;
  }
  return found.string();
}

std::string ResolveAddress(std::string_view address, const TAddressContext& context) {
  std::string name = Converted(address);
  if (!name.empty() && name[0] == '/' && !context.ServerRoot.empty()) name = context.ServerRoot + name;
  if (!name.empty() && name[0] == '/') return MatchLetterCase(FullPath(name));
  if (cp1251::SameText(context.Base, "DosPath")) return MatchLetterCase(FullPath(name));
  std::string folder = context.Base.empty() ? ExtractFilePath(context.CurrentFile) : Converted(context.Base);
  if (!folder.empty() && folder.back() != '/') folder = ExtractFilePath(folder);
  return MatchLetterCase(FullPath(folder + name));
}

}  // namespace tessaly::preview
