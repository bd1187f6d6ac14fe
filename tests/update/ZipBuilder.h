#pragma once
// Builds ZIP archives in memory for the tests, with any method's data and
// any field made wrong on purpose.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::zip::test {

struct TTestEntry {
  std::string name;
  std::string data;  // the entry's bytes before compression
  int method = 0;    // 0, 1, 2..5, 6, 8, 9: compressed by the test encoders
  uint16_t flags = 0;
  std::string password;  // encrypts the entry when not empty
  uint16_t versionMadeBy = 3 << 8 | 20;  // Unix
  uint32_t externalAttributes = 0100644u << 16;
  uint16_t dosTime = 12 << 11 | 30 << 5;  // 12:30:00
  uint16_t dosDate = (2020 - 1980) << 9 | 5 << 5 | 17;  // 17 May 2020
  std::optional<std::string> compressed;  // replaces the encoder's output
  std::optional<uint32_t> crc;
  std::optional<uint32_t> localHeaderOffset;
  std::string extra;                   // further extra fields, in both headers
  std::optional<uint64_t> statedSize;  // replaces the uncompressed size the headers state
};

// The compressed bytes of `entry` by its method.
std::string Compress(const TTestEntry& entry);
uint32_t Crc32(const std::string& data);
// With `zip64`, sizes and offsets go into ZIP64 extra fields and records.
std::string BuildZip(const std::vector<TTestEntry>& entries, bool zip64 = false);
// The method and compressed bytes of an archive's first entry, found through
// its local header (archives of other tools, whose sizes come first).
struct TFirstEntry {
  int method = -1;
  std::string compressed;
};
TFirstEntry FirstEntry(const std::string& archive);

}  // namespace tessaly::zip::test
