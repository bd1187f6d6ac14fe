#include "update/zip/PkwareCrypt.h"

#include <array>

namespace tessaly::zip {

namespace {

const std::array<uint32_t, 256>& CrcTable() {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

uint32_t CrcByte(uint32_t crc, uint8_t byte) { return (crc >> 8) ^ CrcTable()[(crc ^ byte) & 0xFF]; }

}  // namespace

TPkwareDecrypter::TPkwareDecrypter(std::string_view password) {
  for (const char c : password) Update(static_cast<uint8_t>(c));
}

void TPkwareDecrypter::Update(uint8_t plain) {
  key0_ = CrcByte(key0_, plain);
  key1_ = (key1_ + (key0_ & 0xFF)) * 134775813u + 1;
  key2_ = CrcByte(key2_, static_cast<uint8_t>(key1_ >> 24));
}

bool DecryptEntryData(std::span<const uint8_t> data, std::span<const std::string> passwords, int attempts,
                      uint8_t check, std::vector<uint8_t>& plain) {
  plain.clear();
  if (data.size() < kEncryptionHeaderSize) return false;
  for (size_t i = 0; i < passwords.size() && static_cast<int>(i) < attempts; ++i) {
    TPkwareDecrypter decrypter(passwords[i]);
    uint8_t last = 0;
    for (size_t k = 0; k < kEncryptionHeaderSize; ++k) last = decrypter.Decrypt(data[k]);
    if (last != check) continue;
    plain.resize(data.size() - kEncryptionHeaderSize);
    for (size_t k = 0; k < plain.size(); ++k) plain[k] = decrypter.Decrypt(data[kEncryptionHeaderSize + k]);
    return true;
  }
  return false;
}

}  // namespace tessaly::zip
