#pragma once
// Small encoders for the ZIP methods, so the tests can build archives of every
// kind. They aim at correct output, not at good compression.

#include <cstdint>
#include <string>

namespace tessaly::zip::test {

std::string DeflateRaw(const std::string& data);
// Fixed-code blocks using the long lengths and far distances of method 9.
std::string Deflate64(const std::string& data);
// Method 1; a partial clear is sent after every `clearEvery` codes (0: never).
std::string Shrink(const std::string& data, int clearEvery);
// Methods 2 to 5, factor 1 to 4.
std::string Reduce(const std::string& data, int factor);
// Method 6; `flags` as in the entry: 0x02 for the 8 KiB window, 0x04 for
// coded literals.
std::string Implode(const std::string& data, uint16_t flags);
// Traditional PKWARE encryption, with the 12-byte header ending in `check`.
std::string Encrypt(const std::string& data, const std::string& password, uint8_t check);

}  // namespace tessaly::zip::test
