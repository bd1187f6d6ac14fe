#pragma once
// The entries of a ZIP archive as its central directory lists them, and each
// entry's compressed bytes found through its local header. Every size and
// offset is checked against the archive before use.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessaly::zip {

struct TZipEntry {
  std::string RawName;  // the name bytes as stored
  uint16_t VersionMadeBy = 0;
  uint16_t Flags = 0;
  uint16_t Method = 0;
  uint16_t DosTime = 0;
  uint16_t DosDate = 0;
  uint32_t Crc = 0;
  uint64_t CompressedSize = 0;
  uint64_t UncompressedSize = 0;
  uint64_t LocalHeaderOffset = 0;
  uint32_t ExternalAttributes = 0;
  // The name in UTF-8 from the Unicode Path extra field, when it has one
  // that belongs to this name.
  std::string UnicodePath;

  bool Encrypted() const { return (Flags & 0x0001) != 0; }
  bool HasDataDescriptor() const { return (Flags & 0x0008) != 0; }
  bool Utf8Name() const { return (Flags & 0x0800) != 0; }
  bool IsDirectory() const { return !RawName.empty() && (RawName.back() == '/' || RawName.back() == '\\'); }
  uint8_t HostSystem() const { return static_cast<uint8_t>(VersionMadeBy >> 8); }
};

class TZipArchive {
public:
  // Reads the central directory of `bytes` (which must outlive the object);
  // EZipError when it cannot be found or is damaged.
  explicit TZipArchive(std::span<const uint8_t> bytes);

  const std::vector<TZipEntry>& Entries() const { return entries_; }
  // The compressed (and maybe encrypted) bytes of `entry`; EZipError with
  // zeBadLocalHeader when its local header is not where the directory says.
  std::span<const uint8_t> EntryData(const TZipEntry& entry) const;

private:
  void ReadCentralDirectory(uint64_t offset, uint64_t size, uint64_t count);
  void ApplyZip64Extra(std::span<const uint8_t> extra, TZipEntry& entry) const;

  std::span<const uint8_t> bytes_;
  std::vector<TZipEntry> entries_;
};

}  // namespace tessaly::zip
