#pragma once
// The traditional PKWARE encryption: three keys stirred by the password and
// by every plain byte. Each entry starts with a 12-byte header whose last
// byte lets a wrong password be told apart.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::zip {

class TPkwareDecrypter {
public:
  explicit TPkwareDecrypter(std::string_view password);
  uint8_t Decrypt(uint8_t cipher) {
    const uint32_t temp = (key2_ | 2) & 0xFFFF;
    const uint8_t plain = cipher ^ static_cast<uint8_t>((temp * (temp ^ 1)) >> 8);
    Update(plain);
    return plain;
  }

private:
  void Update(uint8_t plain);
  uint32_t key0_ = 0x12345678, key1_ = 0x23456789, key2_ = 0x34567890;
};

constexpr size_t kEncryptionHeaderSize = 12;

// The entry's data decrypted with the first password whose header check byte
// equals `check`, trying at most `attempts` of them; empty result and false
// when none fits.
bool DecryptEntryData(std::span<const uint8_t> data, std::span<const std::string> passwords, int attempts,
                      uint8_t check, std::vector<uint8_t>& plain);

}  // namespace tessaly::zip
