#include "update/zip/ZipArchive.h"

#include <algorithm>

#include <zlib.h>

#include "update/zip/ZipErrors.h"

namespace tessaly::zip {

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndSize = 22;
constexpr size_t kZip64EndSize = 56;
constexpr size_t kZip64LocatorSize = 20;
constexpr size_t kCentralSize = 46;
constexpr size_t kLocalSize = 30;
constexpr uint16_t kZip64ExtraId = 0x0001;

uint16_t Get16(std::span<const uint8_t> b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }
uint32_t Get32(std::span<const uint8_t> b, size_t at) { return Get16(b, at) | static_cast<uint32_t>(Get16(b, at + 2)) << 16; }
uint64_t Get64(std::span<const uint8_t> b, size_t at) { return Get32(b, at) | static_cast<uint64_t>(Get32(b, at + 4)) << 32; }

// Whether [offset, offset + size) lies inside a buffer of `total` bytes.
bool Fits(uint64_t offset, uint64_t size, uint64_t total) { return offset <= total && size <= total - offset; }

void ApplyUnicodePathExtra(std::span<const uint8_t> extra, TZipEntry& entry);

}  // namespace

TZipArchive::TZipArchive(std::span<const uint8_t> bytes) : bytes_(bytes) {
  if (bytes.size() < kEndSize) throw EZipError(zeNoCentralDirectory, "");
  // The end record sits before a comment of at most 65535 bytes; the last
  // signature whose comment length reaches exactly the end is the real one.
  const size_t lowest = bytes.size() - kEndSize > 65535 ? bytes.size() - kEndSize - 65535 : 0;
  size_t end = bytes.size() - kEndSize + 1;
  bool found = false;
  while (end-- > lowest) {
    if (Get32(bytes, end) == kEndSignature && end + kEndSize + Get16(bytes, end + 20) == bytes.size()) {
      found = true;
      break;
    }
  }
  if (!found) throw EZipError(zeNoCentralDirectory, "");

  uint64_t count = Get16(bytes, end + 10);
  uint64_t size = Get32(bytes, end + 12);
  uint64_t offset = Get32(bytes, end + 16);
  if (end >= kZip64LocatorSize && Get32(bytes, end - kZip64LocatorSize) == kZip64LocatorSignature) {
    const uint64_t at = Get64(bytes, end - kZip64LocatorSize + 8);
    if (!Fits(at, kZip64EndSize, end) || Get32(bytes, at) != kZip64EndSignature)
      throw EZipError(zeBadCentralDirectory, "bad ZIP64 end record");
    count = Get64(bytes, at + 32);
    size = Get64(bytes, at + 40);
    offset = Get64(bytes, at + 48);
  }
  if (!Fits(offset, size, bytes.size())) throw EZipError(zeBadCentralDirectory, "directory outside the archive");
  ReadCentralDirectory(offset, size, count);
}

void TZipArchive::ReadCentralDirectory(uint64_t offset, uint64_t size, uint64_t count) {
  const auto directory = bytes_.subspan(offset, size);
  // Each header takes at least kCentralSize bytes, which bounds what a
  // hostile count can make us reserve.
  entries_.reserve(std::min<uint64_t>(count, size / kCentralSize));
  size_t at = 0;
  for (uint64_t i = 0; i < count; ++i) {
    if (!Fits(at, kCentralSize, directory.size()) || Get32(directory, at) != kCentralSignature)
      throw EZipError(zeBadCentralDirectory, "missing entry header");
    const size_t nameLength = Get16(directory, at + 28);
    const size_t extraLength = Get16(directory, at + 30);
    const size_t commentLength = Get16(directory, at + 32);
    if (!Fits(at + kCentralSize, nameLength + extraLength + commentLength, directory.size()))
      throw EZipError(zeBadCentralDirectory, "entry header runs past the directory");
    TZipEntry entry;
    entry.VersionMadeBy = Get16(directory, at + 4);
    entry.Flags = Get16(directory, at + 8);
    entry.Method = Get16(directory, at + 10);
    entry.DosTime = Get16(directory, at + 12);
    entry.DosDate = Get16(directory, at + 14);
    entry.Crc = Get32(directory, at + 16);
    entry.CompressedSize = Get32(directory, at + 20);
    entry.UncompressedSize = Get32(directory, at + 24);
    entry.ExternalAttributes = Get32(directory, at + 38);
    entry.LocalHeaderOffset = Get32(directory, at + 42);
    const auto name = directory.subspan(at + kCentralSize, nameLength);
    entry.RawName.assign(name.begin(), name.end());
    ApplyZip64Extra(directory.subspan(at + kCentralSize + nameLength, extraLength), entry);
    ApplyUnicodePathExtra(directory.subspan(at + kCentralSize + nameLength, extraLength), entry);
    entries_.push_back(std::move(entry));
    at += kCentralSize + nameLength + extraLength + commentLength;
  }
}

namespace {

constexpr uint16_t kUnicodePathExtraId = 0x7075;

// The Unicode Path field: version 1, the CRC-32 of the header's name (a
// tool that renamed the entry without updating the field leaves it stale),
// then the name in UTF-8.
void ApplyUnicodePathExtra(std::span<const uint8_t> extra, TZipEntry& entry) {
  size_t at = 0;
  while (at + 4 <= extra.size()) {
    const uint16_t id = Get16(extra, at);
    const size_t length = Get16(extra, at + 2);
    if (!Fits(at + 4, length, extra.size())) return;
    if (id == kUnicodePathExtraId && length > 5 && extra[at + 4] == 1) {
      const uint32_t nameCrc = Get32(extra, at + 5);
      const auto* name = reinterpret_cast<const Bytef*>(entry.RawName.data());
      if (nameCrc == ::crc32(0, name, static_cast<uInt>(entry.RawName.size()))) {
        const auto text = extra.subspan(at + 9, length - 5);
        entry.UnicodePath.assign(text.begin(), text.end());
      }
      return;
    }
    at += 4 + length;
  }
}

}  // namespace

// Values that did not fit their 32-bit fields are in the ZIP64 extra block,
// in a fixed order, present only for the fields marked 0xFFFFFFFF.
void TZipArchive::ApplyZip64Extra(std::span<const uint8_t> extra, TZipEntry& entry) const {
  size_t at = 0;
  while (at + 4 <= extra.size()) {
    const uint16_t id = Get16(extra, at);
    const size_t length = Get16(extra, at + 2);
    if (!Fits(at + 4, length, extra.size())) return;
    if (id == kZip64ExtraId) {
      const auto block = extra.subspan(at + 4, length);
      size_t field = 0;
      for (uint64_t* value : {&entry.UncompressedSize, &entry.CompressedSize, &entry.LocalHeaderOffset}) {
        if (*value != 0xFFFFFFFFu) continue;
        if (!Fits(field, 8, block.size())) throw EZipError(zeBadCentralDirectory, "short ZIP64 extra field");
        *value = Get64(block, field);
        field += 8;
      }
      return;
    }
    at += 4 + length;
  }
}

std::span<const uint8_t> TZipArchive::EntryData(const TZipEntry& entry) const {
  const uint64_t at = entry.LocalHeaderOffset;
  if (!Fits(at, kLocalSize, bytes_.size()) || Get32(bytes_, at) != kLocalSignature)
    throw EZipError(zeBadLocalHeader, "");
  const uint64_t start = at + kLocalSize + Get16(bytes_, at + 26) + Get16(bytes_, at + 28);
  if (!Fits(start, entry.CompressedSize, bytes_.size()))
    throw EZipError(zeBadLocalHeader, "data runs past the archive");
  return bytes_.subspan(start, entry.CompressedSize);
}

}  // namespace tessaly::zip
