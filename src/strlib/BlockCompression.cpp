#include "strlib/BlockCompression.h"

#include <array>

namespace tessaly::strlib {

namespace {

constexpr uint16_t kNoPosition = 0xFFFF;
constexpr size_t kMaxDistance = 4095;
constexpr size_t kMaxCopy = 18;
constexpr size_t kMinCopy = 3;
constexpr size_t kMinRun = 16;
constexpr size_t kMaxRun = 4095;

unsigned Byte(std::string_view s, size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; }

unsigned HashAt(std::string_view s, size_t p) {
  const uint32_t mixed = (((Byte(s, p) << 4) ^ Byte(s, p + 1)) << 4) ^ Byte(s, p + 2);
  return ((mixed * 40543u) >> 4) & 0x0FFF;
}

void PutWord(std::string& out, size_t at, unsigned word) {
  out[at] = static_cast<char>((word >> 8) & 0xFF);
  out[at + 1] = static_cast<char>(word & 0xFF);
}

}  // namespace

std::string CompressBlock(std::string_view s) {
  const size_t n = s.size();
  if (n >= kMaxBlockInput + 1) throw ECompressedBlock(Format("Block of %zu bytes is too large to compress", n));

  std::array<uint16_t, 4096> table;
  table.fill(kNoPosition);
  // The loop may run up to 6 bytes past n before the size check stops it.
  std::string out(n + 8, '\0');
  out[0] = static_cast<char>(kCompressedBlock);
  size_t controlAt = 1;
  size_t o = 3;
  size_t p = 0;
  unsigned items = 0;
  unsigned control = 0;

  while (p < n && o <= n) {
    if (items == 16) {
      PutWord(out, controlAt, control);
      controlAt = o;
      o += 2;
      items = 0;
      control = 0;
    }
    unsigned bit = 0;
    size_t run = 1;
    while (run < kMaxRun && p + run < n && s[p + run] == s[p]) ++run;
    if (run >= kMinRun) {
      const size_t extra = run - kMinRun;
      out[o++] = 0;
      out[o++] = static_cast<char>(extra >> 8);
      out[o++] = static_cast<char>(extra & 0xFF);
      out[o++] = s[p];
      bit = 1;
      p += run;
    } else {
      const unsigned hash = HashAt(s, p);
      const uint16_t q = table[hash];
      table[hash] = static_cast<uint16_t>(p);
      size_t length = 0;
      if (q != kNoPosition && p - q <= kMaxDistance)
        while (length < kMaxCopy && p + length < n && s[p + length] == s[q + length]) ++length;
      if (length >= kMinCopy) {
        const size_t value = (p - q) * 16 + length - kMinCopy;
        out[o++] = static_cast<char>(value >> 8);
        out[o++] = static_cast<char>(value & 0xFF);
        bit = 1;
        p += length;
      } else {
        out[o++] = s[p++];
      }
    }
    control = (control << 1) | bit;
    ++items;
  }
  PutWord(out, controlAt, (control << (16 - items)) & 0xFFFF);

  if (o > n) {
    std::string stored(1, static_cast<char>(kStoredBlock));
    stored.append(s);
    return stored;
  }
  out.resize(o);
  return out;
}

std::string DecompressBlock(std::string_view block) {
  const size_t m = block.size();
  if (m == 0) throw ECompressedBlock("Compressed block is empty");
  if (static_cast<uint8_t>(block[0]) == kStoredBlock) return std::string(block.substr(1));
  if (m < 3) throw ECompressedBlock("Compressed block ends inside its first control word");

  // Written through an index into a buffer of the largest output, so that
  // copies and runs cost no reallocation.
  std::string out(kMaxBlockInput, '\0');
  size_t o = 0;
  const auto need = [&](size_t pos, size_t count) {
    if (pos + count > m) throw ECompressedBlock("Compressed block ends inside an item");
  };
  const auto room = [&](size_t count) {
    if (o + count > kMaxBlockInput) throw ECompressedBlock("Compressed block expands past its size limit");
  };

  unsigned control = (Byte(block, 1) << 8) | Byte(block, 2);
  size_t pos = 3;
  unsigned itemsLeft = 16;
  while (pos < m) {
    if (itemsLeft == 0) {
      need(pos, 2);
      control = (Byte(block, pos) << 8) | Byte(block, pos + 1);
      pos += 2;
      itemsLeft = 16;
      if (pos == m) break;  // a control word with no items after it
    }
    if ((control & 0x8000) == 0) {
      room(1);
      out[o++] = block[pos++];
    } else {
      need(pos, 2);
      const unsigned b0 = Byte(block, pos), b1 = Byte(block, pos + 1);
      const size_t distance = b0 * 16 + (b1 >> 4);
      if (distance == 0) {
        need(pos, 4);
        const size_t count = Byte(block, pos + 1) * 256 + Byte(block, pos + 2) + kMinRun;
        room(count);
        out.replace(o, count, count, block[pos + 3]);
        o += count;
        pos += 4;
      } else {
        const size_t length = (b1 & 0x0F) + kMinCopy;
        if (distance > o) throw ECompressedBlock("Compressed block copies from before its start");
        room(length);
        // Byte by byte: an overlapping copy repeats what it has just written.
        for (size_t from = o - distance, k = 0; k < length; ++k) out[o++] = out[from++];
        pos += 2;
      }
    }
    control = (control << 1) & 0xFFFF;
    --itemsLeft;
  }
  out.resize(o);
  return out;
}

}  // namespace tessaly::strlib
