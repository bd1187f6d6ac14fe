#include "update/zip/EntryNames.h"

#include <array>

#include "platform/CodePage1251.h"
#include "platform/Utf8.h"

namespace tessaly::zip {

namespace {

// Code page 866, bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kOemHigh = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C,
    0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429,
    0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436,
    0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, 0x0401, 0x0451, 0x0404, 0x0454, 0x0407,
    0x0457, 0x040E, 0x045E, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0};

std::string OemToUtf8(std::string_view oem) {
  std::string utf8;
  for (const char c : oem) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(utf8, byte < 0x80 ? byte : kOemHigh[byte - 0x80]);
  }
  return utf8;
}

std::string OemToAnsi(std::string_view oem) {
  std::string ansi;
  ansi.reserve(oem.size());
  for (const char c : oem) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      ansi += c;
      continue;
    }
    const int mapped = cp1251::FromUnicode(kOemHigh[byte - 0x80]);
    ansi += mapped < 0 ? '_' : static_cast<char>(mapped);
  }
  return ansi;
}

bool MatchFrom(std::string_view name, std::string_view pattern) {
  // Greedy matching with one backtrack point for the latest "*".
  size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || cp1251::ToLower(static_cast<unsigned char>(pattern[p])) ==
                                         cp1251::ToLower(static_cast<unsigned char>(name[n])))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool ValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const size_t length = byte < 0x80 ? 1 : (byte >> 5) == 0x06 ? 2 : (byte >> 4) == 0x0E ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    if (length == 2 && byte < 0xC2) return false;  // overlong
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

enum THostSystem : uint8_t { hsMsDos = 0, hsOs2 = 6, hsNtfs = 11, hsVfat = 14 };

// Systems whose packers store names in the DOS code page.
bool OemHost(const TZipEntry& entry) {
  switch (entry.HostSystem()) {
    case hsMsDos:
    case hsOs2:
    case hsNtfs:
    case hsVfat: return true;
    default: return false;
  }
}

// The name in UTF-8 when the archive tells or shows it: the Unicode Path
// field, the UTF-8 flag, or a name from a system that is not DOS-like
// (Unix packers store the local text, UTF-8 today, without the flag) that
// is valid UTF-8.
std::optional<std::string> Utf8Name(const TZipEntry& entry) {
  if (!entry.UnicodePath.empty()) return entry.UnicodePath;
  if (entry.Utf8Name()) return entry.RawName;
  if (!OemHost(entry) && ValidUtf8(entry.RawName)) return entry.RawName;
  return std::nullopt;
}

}  // namespace

std::string EntryNameAnsi(const TZipEntry& entry, bool translateOem) {
  if (const auto utf8 = Utf8Name(entry)) return cp1251::FromUtf8(*utf8);
  if (translateOem) return OemToAnsi(entry.RawName);
  return entry.RawName;
}

std::string EntryNameUtf8(const TZipEntry& entry, bool translateOem) {
  if (const auto utf8 = Utf8Name(entry)) return *utf8;
  if (translateOem) return OemToUtf8(entry.RawName);
  return cp1251::ToUtf8(entry.RawName);
}

std::optional<std::string> SafeRelativePath(std::string_view name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\') return std::nullopt;
  if (name.size() >= 2 && name[1] == ':') return std::nullopt;  // a drive letter
  std::string path;
  size_t start = 0;
  while (start <= name.size()) {
    size_t stop = name.find_first_of("/\\", start);
    if (stop == std::string_view::npos) stop = name.size();
    const std::string_view part = name.substr(start, stop - start);
    if (part == "..") return std::nullopt;
    if (!part.empty() && part != ".") {
      if (!path.empty()) path += '/';
      path += part;
    }
    start = stop + 1;
  }
  if (path.empty()) return std::nullopt;
  return path;
}

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  if (MatchFrom(name, pattern)) return true;
  const size_t nameStart = name.find_last_of('/') + 1;
  return pattern.ends_with(".*") && name.find('.', nameStart) == std::string_view::npos &&
         MatchFrom(name, pattern.substr(0, pattern.size() - 2));
}

}  // namespace tessaly::zip
