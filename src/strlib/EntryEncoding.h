#pragma once
// The byte encoding of one string library entry, shared by library files and
// the built-in page templates:
//   flags (bit 0 compressed, 1 description, 2 identifier, 3 lines),
//   [length byte + description], [int32 identifier], [lines block].
// Integers are little-endian.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Exception.h"
#include "strlib/StrLibItem.h"

namespace tessaly::strlib {

enum EntryFlag : uint8_t { efCompressed = 1, efDescription = 2, efIdentifier = 4, efLines = 8 };

// Text forms are cut into pieces of at most this many bytes, one block each.
constexpr size_t kMaxPiece = 32781;

// A malformed library file or entry.
class EStrLibFormat : public Exception {
public:
  using Exception::Exception;
};

// Reads little-endian values from a byte string; every read is bounds-checked
// and a short read raises EStrLibFormat.
class ByteReader {
public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
  size_t Position() const { return pos_; }
  size_t Remaining() const { return bytes_.size() - pos_; }
  uint8_t ReadByte();
  int32_t ReadInt32();
  std::string_view ReadBytes(size_t count);
  void Skip(size_t count) { ReadBytes(count); }

private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

void AppendInt32(std::string& out, int32_t value);

uint8_t EntryFlags(const TStrLibItem& item);
void EncodeEntry(const TStrLibItem& item, std::string& out);
TStrLibItem DecodeEntry(ByteReader& reader);

}  // namespace tessaly::strlib
