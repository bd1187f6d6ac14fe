#include "platform/text/Stepping.h"

#include <cstdint>
#include <cstring>

namespace tessaly::text {
namespace {

inline unsigned char At(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

inline bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Steps in UTF-8 whatever the encoding says when the document is held as
// UTF-8 in memory.
inline bool StepsAsUtf8(Encoding encoding) { return !IsSingleByte(encoding); }

// The start of the valid sequence that holds the continuation byte at
// `offset`, or `offset` itself when none does.
std::size_t SequenceStartHolding(std::string_view bytes, std::size_t offset) {
  // A valid sequence has no lead byte after its first, so only the nearest
  // byte that is not a continuation byte can start it.
  std::size_t lead = offset;
  for (int back = 0; back < 3 && lead > 0 && IsContinuation(At(bytes, lead)); ++back) --lead;
  if (lead == offset || IsContinuation(At(bytes, lead))) return offset;
  const std::size_t length = ValidUtf8SequenceLength(bytes, lead);
  return lead + length > offset ? lead : offset;
}

}  // namespace

std::size_t ValidUtf8SequenceLength(std::string_view bytes, std::size_t offset) {
  const unsigned char lead = At(bytes, offset);
  if (lead < 0x80) return 1;
  std::size_t length;
  // The range the second byte must fall in; the rest are 0x80-0xBF. These
  // narrower ranges are what exclude overlong forms, surrogates and code
  // points above U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() - offset < length) return 0;
  const unsigned char second = At(bytes, offset + 1);
  if (second < low || second > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (!IsContinuation(At(bytes, offset + i))) return 0;
  return length;
}

std::size_t Utf8CharLength(std::string_view bytes, std::size_t offset) {
  const std::size_t length = ValidUtf8SequenceLength(bytes, offset);
  return length == 0 ? 1 : length;
}

std::size_t NextUtf8Boundary(std::string_view bytes, std::size_t offset) {
  if (offset >= bytes.size()) return bytes.size();
  return offset + Utf8CharLength(bytes, offset);
}

std::size_t PreviousUtf8Boundary(std::string_view bytes, std::size_t offset) {
  if (offset == 0) return 0;
  if (offset > bytes.size()) offset = bytes.size();
  const std::size_t last = offset - 1;
  return IsContinuation(At(bytes, last)) ? SequenceStartHolding(bytes, last) : last;
}

bool IsValidUtf8(std::string_view bytes) { return CountInvalidUtf8(bytes) == 0; }

std::size_t CountInvalidUtf8(std::string_view bytes) {
  std::size_t invalid = 0;
  std::size_t i = 0;
  const std::size_t size = bytes.size();
  while (i < size) {
    // Runs of ASCII, the bulk of any page, eight bytes at a time.
    while (i + 8 <= size) {
      std::uint64_t word;
      std::memcpy(&word, bytes.data() + i, 8);
      if (word & 0x8080808080808080ULL) break;
      i += 8;
    }
    if (i >= size) break;
    if (At(bytes, i) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = ValidUtf8SequenceLength(bytes, i);
    if (length == 0) {
      ++invalid;
      ++i;
    } else {
      i += length;
    }
  }
  return invalid;
}

std::size_t CharLength(Encoding encoding, std::string_view bytes, std::size_t offset) {
  return StepsAsUtf8(encoding) ? Utf8CharLength(bytes, offset) : 1;
}

std::size_t NextBoundary(Encoding encoding, std::string_view bytes, std::size_t offset) {
  if (StepsAsUtf8(encoding)) return NextUtf8Boundary(bytes, offset);
  return offset >= bytes.size() ? bytes.size() : offset + 1;
}

std::size_t PreviousBoundary(Encoding encoding, std::string_view bytes, std::size_t offset) {
  if (StepsAsUtf8(encoding)) return PreviousUtf8Boundary(bytes, offset);
  if (offset > bytes.size()) offset = bytes.size();
  return offset == 0 ? 0 : offset - 1;
}

bool IsBoundary(Encoding encoding, std::string_view bytes, std::size_t offset) {
  if (offset >= bytes.size() || !StepsAsUtf8(encoding) || !IsContinuation(At(bytes, offset))) return true;
  return SequenceStartHolding(bytes, offset) == offset;
}

}  // namespace tessaly::text
