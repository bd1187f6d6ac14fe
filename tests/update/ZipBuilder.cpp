#include "ZipBuilder.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

#include "TestEncoders.h"

namespace tessaly::zip::test {

namespace {

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Put64(std::string& out, uint64_t v) {
  Put32(out, static_cast<uint32_t>(v));
  Put32(out, static_cast<uint32_t>(v >> 32));
}
constexpr uint32_t kInExtra = 0xFFFFFFFF;

}  // namespace

uint32_t Crc32(const std::string& data) {
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string Compress(const TTestEntry& entry) {
  if (entry.compressed) return *entry.compressed;
  switch (entry.method) {
    case 0: return entry.data;
    case 1: return Shrink(entry.data, 0);
    case 2:
    case 3:
    case 4:
    case 5: return Reduce(entry.data, entry.method - 1);
    case 6: return Implode(entry.data, entry.flags);
    case 8: return DeflateRaw(entry.data);
    case 9: return Deflate64(entry.data);
  }
  throw std::invalid_argument("no encoder for this method");
}

std::string BuildZip(const std::vector<TTestEntry>& entries, bool zip64) {
  std::string archive, directory;
  for (const TTestEntry& entry : entries) {
    const uint32_t crc = entry.crc.value_or(Crc32(entry.data));
    std::string data = Compress(entry);
    uint16_t flags = entry.flags;
    if (!entry.password.empty()) {
      // With the sizes after the data, the check byte comes from the time.
      const auto check = static_cast<uint8_t>((entry.flags & 0x08) != 0 ? entry.dosTime >> 8 : crc >> 24);
      data = Encrypt(data, entry.password, check);
      flags |= 1;
    }
    const uint32_t offset = entry.localHeaderOffset.value_or(static_cast<uint32_t>(archive.size()));
    const uint64_t stated = entry.statedSize.value_or(entry.data.size());
    const auto header = [&](std::string& out, bool central) {
      Put32(out, central ? 0x02014b50 : 0x04034b50);
      if (central) Put16(out, entry.versionMadeBy);
      Put16(out, 20);
      Put16(out, flags);
      Put16(out, static_cast<uint32_t>(entry.method));
      Put16(out, entry.dosTime);
      Put16(out, entry.dosDate);
      Put32(out, crc);
      Put32(out, zip64 ? kInExtra : static_cast<uint32_t>(data.size()));
      Put32(out, zip64 ? kInExtra : static_cast<uint32_t>(stated));
      Put16(out, static_cast<uint32_t>(entry.name.size()));
      Put16(out, (zip64 ? (central ? 28 : 20) : 0) + static_cast<uint32_t>(entry.extra.size()));
      if (central) {
        Put16(out, 0);  // comment
        Put16(out, 0);  // disk
        Put16(out, 0);  // internal attributes
        Put32(out, entry.externalAttributes);
        Put32(out, zip64 ? kInExtra : offset);
      }
      out += entry.name;
      if (zip64) {
        Put16(out, 0x0001);
        Put16(out, central ? 24 : 16);
        Put64(out, stated);
        Put64(out, data.size());
        if (central) Put64(out, offset);
      }
      out += entry.extra;
    };
    header(archive, false);
    archive += data;
    header(directory, true);
  }
  const auto directoryOffset = static_cast<uint32_t>(archive.size());
  archive += directory;
  if (zip64) {
    const uint64_t recordOffset = archive.size();
    Put32(archive, 0x06064b50);
    Put64(archive, 44);  // the record's size after this field
    Put16(archive, 45);
    Put16(archive, 45);
    Put32(archive, 0);
    Put32(archive, 0);
    Put64(archive, entries.size());
    Put64(archive, entries.size());
    Put64(archive, directory.size());
    Put64(archive, directoryOffset);
    Put32(archive, 0x07064b50);
    Put32(archive, 0);
    Put64(archive, recordOffset);
    Put32(archive, 1);
  }
  Put32(archive, 0x06054b50);
  Put16(archive, 0);
  Put16(archive, 0);
  Put16(archive, zip64 ? 0xFFFF : static_cast<uint32_t>(entries.size()));
  Put16(archive, zip64 ? 0xFFFF : static_cast<uint32_t>(entries.size()));
  Put32(archive, zip64 ? kInExtra : static_cast<uint32_t>(directory.size()));
  Put32(archive, zip64 ? kInExtra : directoryOffset);
  Put16(archive, 0);
  return archive;
}

TFirstEntry FirstEntry(const std::string& archive) {
  if (archive.size() < 30) return {};
  const auto get16 = [&](size_t at) {
    return static_cast<size_t>(static_cast<uint8_t>(archive[at]) | static_cast<uint8_t>(archive[at + 1]) << 8);
  };
  const size_t start = 30 + get16(26) + get16(28);
  return {static_cast<int>(get16(8)), archive.substr(std::min(start, archive.size()), get16(18) | get16(20) << 16)};
}

}  // namespace tessaly::zip::test
