// The archive reader with every decoder: input starting with "PK" is read as
// an archive and each entry decoded; anything else goes straight to a decoder
// chosen by its first byte, so damaged compressed data is reached quickly.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "update/zip/Decoders.h"
#include "update/zip/EntryNames.h"
#include "update/zip/PkwareCrypt.h"
#include "update/zip/ZipArchive.h"

using namespace tessaly;
using namespace tessaly::zip;

namespace {

constexpr uint64_t kMaxOutput = 1 << 22;

void DecodeQuietly(uint16_t method, uint16_t flags, std::span<const uint8_t> data, uint64_t size) {
  TDecodeOutput out(std::min(size, kMaxOutput), nullptr);
  try {
    DecodeMethod(method, flags, data, out);
  } catch (const Exception&) {
  }
}

void ReadArchive(std::span<const uint8_t> bytes) {
  try {
    const TZipArchive archive(bytes);
    const std::vector<std::string> passwords = {"secret"};
    size_t handled = 0;
    for (const TZipEntry& entry : archive.Entries()) {
      if (++handled > 64) break;
      const std::string name = EntryNameAnsi(entry, true);
      SafeRelativePath(EntryNameUtf8(entry, true));
      SafeRelativePath(name);
      MatchesWildcard(name, "*.htm");
      try {
        std::span<const uint8_t> data = archive.EntryData(entry);
        std::vector<uint8_t> plain;
        if (entry.Encrypted()) {
          if (!DecryptEntryData(data, passwords, 3, static_cast<uint8_t>(entry.Crc >> 24), plain)) continue;
          data = plain;
        }
        DecodeQuietly(entry.Method, entry.Flags, data, entry.UncompressedSize);
      } catch (const Exception&) {
      }
    }
  } catch (const Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (size >= 2 && data[0] == 'P' && data[1] == 'K') {
    ReadArchive(bytes);
  } else if (size >= 2) {
    static constexpr uint16_t methods[] = {1, 2, 3, 4, 5, 6, 8, 9};
    DecodeQuietly(methods[data[0] % 8], data[1] & 0x06, bytes.subspan(2), 1 << 20);
  }
  return 0;
}
