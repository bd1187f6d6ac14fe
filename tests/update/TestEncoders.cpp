#include "TestEncoders.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "BitWriter.h"

namespace tessaly::zip::test {

namespace {

struct TMatch {
  size_t distance = 0;
  size_t length = 0;
};

// Greedy LZ77 over hash chains of three bytes.
class TMatcher {
public:
  TMatcher(const std::string& data, size_t window, size_t maxLength)
      : data_(data), window_(window), maxLength_(maxLength), previous_(data.size(), SIZE_MAX) {}

  TMatch Find(size_t at) const {
    TMatch best;
    if (at + 3 > data_.size()) return best;
    const auto found = heads_.find(Key(at));
    size_t candidate = found == heads_.end() ? SIZE_MAX : found->second;
    for (int depth = 0; candidate != SIZE_MAX && at - candidate <= window_ && depth < 64; ++depth) {
      size_t length = 0;
      const size_t limit = std::min(maxLength_, data_.size() - at);
      while (length < limit && data_[candidate + length] == data_[at + length]) ++length;
      if (length > best.length) best = {at - candidate, length};
      candidate = previous_[candidate];
    }
    return best;
  }
  void Insert(size_t at) {
    if (at + 3 > data_.size()) return;
    const auto [head, inserted] = heads_.try_emplace(Key(at), at);
    previous_[at] = inserted ? SIZE_MAX : head->second;
    head->second = at;
  }

private:
  uint32_t Key(size_t at) const {
    return static_cast<uint8_t>(data_[at]) | static_cast<uint8_t>(data_[at + 1]) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(data_[at + 2])) << 16;
  }
  const std::string& data_;
  size_t window_, maxLength_;
  std::vector<size_t> previous_;
  std::unordered_map<uint32_t, size_t> heads_;
};

// Calls literal(byte) or match(TMatch) for every step of a greedy parse.
template <typename Literal, typename Match>
void Parse(const std::string& data, size_t window, size_t minLength, size_t maxLength, Literal literal, Match match,
           size_t minLengthNear = 0, size_t nearDistance = 0) {
  TMatcher matcher(data, window, maxLength);
  for (size_t at = 0; at < data.size();) {
    TMatch found = matcher.Find(at);
    const size_t needed = found.distance <= nearDistance ? std::max(minLength, minLengthNear) : minLength;
    if (found.length >= needed) {
      match(found);
      for (size_t i = 0; i < found.length; ++i) matcher.Insert(at + i);
      at += found.length;
    } else {
      literal(static_cast<uint8_t>(data[at]));
      matcher.Insert(at++);
    }
  }
}

uint32_t Reverse(uint32_t value, int bits) {
  uint32_t out = 0;
  for (int i = 0; i < bits; ++i, value >>= 1) out = (out << 1) | (value & 1);
  return out;
}

}  // namespace

std::string DeflateRaw(const std::string& data) {
  z_stream stream{};
  deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, data.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

std::string Deflate64(const std::string& data) {
  static constexpr std::array<uint16_t, 29> lengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 3};
  static constexpr std::array<uint8_t, 29> lengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                          2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 16};
  TBitWriter out;
  const auto symbol = [&](int value) {
    if (value < 144) out.Code(0x30 + value, 8);
    else if (value < 256) out.Code(0x190 + value - 144, 9);
    else if (value < 280) out.Code(value - 256, 7);
    else out.Code(0xC0 + value - 280, 8);
  };
  out.Bits(1, 1);  // the last block
  out.Bits(1, 2);  // fixed codes
  Parse(
      data, 65536, 3, 65538, [&](uint8_t byte) { symbol(byte); },
      [&](TMatch m) {
        int code = 28;
        if (m.length <= 257) {
          code = 27;
          while (lengthBase[code] > m.length) --code;
        }
        symbol(257 + code);
        out.Bits(static_cast<uint32_t>(m.length - lengthBase[code]), lengthExtra[code]);
        int distanceCode = 0;
        uint32_t base = 1;
        for (int c = 0; c < 32; ++c) {
          const int extra = c < 4 ? 0 : (c - 2) / 2;
          const uint32_t start = c < 4 ? c + 1 : ((2u + (c & 1)) << extra) + 1;
          if (start <= m.distance) {
            distanceCode = c;
            base = start;
          }
        }
        out.Code(static_cast<uint32_t>(distanceCode), 5);
        out.Bits(static_cast<uint32_t>(m.distance - base), distanceCode < 4 ? 0 : (distanceCode - 2) / 2);
      });
  symbol(256);
  return out.Finish();
}

std::string Shrink(const std::string& data, int clearEvery) {
  constexpr int tableSize = 8192;
  std::vector<int> parent(tableSize, -1), value(tableSize, 0);
  std::vector<bool> isFree(tableSize, true);
  for (int code = 0; code < 257; ++code) isFree[code] = false;
  std::unordered_map<uint32_t, int> codes;  // parent << 8 | byte
  int codeSize = 9;
  int emitted = 0;
  int lastAssigned = 256;
  std::vector<bool> hasChild(tableSize, false);
  TBitWriter out;
  const auto emit = [&](int code) {
    while (code >= (1 << codeSize)) {
      out.Bits(256, codeSize);
      out.Bits(1, codeSize);
      ++codeSize;
    }
    out.Bits(static_cast<uint32_t>(code), codeSize);
    ++emitted;
  };
  const auto nextFree = [&] {
    int code = 257;
    while (code < tableSize && !isFree[code]) ++code;
    return code;
  };
  const auto partialClear = [&] {
    out.Bits(256, codeSize);
    out.Bits(2, codeSize);
    // The reader looks only at codes up to the last one it assigned, and a
    // parent mark set beyond that stays until a later clear consumes it.
    for (int code = 257; code <= lastAssigned; ++code)
      if (!isFree[code] && parent[code] >= 257) hasChild[parent[code]] = true;
    for (int code = 257; code <= lastAssigned; ++code) {
      if (hasChild[code]) {
        hasChild[code] = false;
        continue;
      }
      if (isFree[code]) continue;
      isFree[code] = true;
      const auto key = static_cast<uint32_t>(parent[code]) << 8 | static_cast<uint32_t>(value[code]);
      if (codes.count(key) && codes[key] == code) codes.erase(key);
    }
    lastAssigned = 256;
  };
  if (data.empty()) return {};
  // A clear is sent only right after a single-byte code: the reader's next
  // code is then built on a code a clear never frees.
  bool clearDue = false;
  int current = static_cast<uint8_t>(data[0]);
  for (size_t i = 1; i < data.size(); ++i) {
    const auto byte = static_cast<uint8_t>(data[i]);
    const auto key = static_cast<uint32_t>(current) << 8 | byte;
    const auto found = codes.find(key);
    if (!clearDue && found != codes.end()) {
      current = found->second;
      continue;
    }
    emit(current);
    if (clearDue && current < 256) {
      partialClear();
      clearDue = false;
    }
    const int code = nextFree();
    lastAssigned = code;
    parent[code] = current;
    value[code] = byte;
    isFree[code] = false;
    codes[key] = code;
    // A full table must be cleared before the next code is defined.
    if ((clearEvery > 0 && emitted % clearEvery == 0) || nextFree() == tableSize) clearDue = true;
    current = byte;
  }
  emit(current);
  return out.Finish();
}

std::string Reduce(const std::string& data, int factor) {
  constexpr uint8_t dle = 144;
  const size_t lengthMask = 0xFFu >> factor;
  // The byte stream before follower coding: literals, DLE escapes and matches.
  std::string stream;
  Parse(
      data, static_cast<size_t>(256) << factor, 3, lengthMask + 255 + 3,
      [&](uint8_t byte) {
        stream += static_cast<char>(byte);
        if (byte == dle) stream += '\0';
      },
      [&](TMatch m) {
        const size_t high = (m.distance - 1) >> 8;
        const size_t length = m.length - 3;
        const uint8_t marker = static_cast<uint8_t>(high << (8 - factor) | std::min(length, lengthMask));
        stream += static_cast<char>(dle);
        stream += static_cast<char>(marker);
        if (length >= lengthMask) stream += static_cast<char>(length - lengthMask);
        stream += static_cast<char>((m.distance - 1) & 0xFF);
      },
      4, 256);  // a marker of 0 would mean a literal DLE

  // Follower sets: the most frequent successors of each byte, at most 32.
  std::map<std::pair<int, int>, int> counts;
  for (size_t i = 0; i < stream.size(); ++i)
    ++counts[{i == 0 ? 0 : static_cast<uint8_t>(stream[i - 1]), static_cast<uint8_t>(stream[i])}];
  std::array<std::vector<uint8_t>, 256> followers;
  for (int last = 0; last < 256; ++last) {
    std::vector<std::pair<int, int>> ranked;
    for (int next = 0; next < 256; ++next) {
      const auto found = counts.find({last, next});
      if (found != counts.end() && found->second > 1) ranked.push_back({-found->second, next});
    }
    std::sort(ranked.begin(), ranked.end());
    for (size_t i = 0; i < ranked.size() && i < 32; ++i) followers[last].push_back(static_cast<uint8_t>(ranked[i].second));
  }
  TBitWriter out;
  for (int set = 255; set >= 0; --set) {
    out.Bits(static_cast<uint32_t>(followers[set].size()), 6);
    for (const uint8_t byte : followers[set]) out.Bits(byte, 8);
  }
  uint8_t last = 0;
  for (const char c : stream) {
    const auto byte = static_cast<uint8_t>(c);
    const auto& set = followers[last];
    if (set.empty()) {
      out.Bits(byte, 8);
    } else {
      const auto found = std::find(set.begin(), set.end(), byte);
      if (found == set.end()) {
        out.Bits(1, 1);
        out.Bits(byte, 8);
      } else {
        int bits = 1;
        while ((1u << bits) < set.size()) ++bits;
        out.Bits(0, 1);
        out.Bits(static_cast<uint32_t>(found - set.begin()), bits);
      }
    }
    last = byte;
  }
  return out.Finish();
}

namespace {

// A Shannon-Fano tree of fixed shape: `lengths` per symbol, written in the
// stored form and coded as the format's tree generation assigns the codes.
struct TShannonFano {
  std::vector<int> lengths;
  std::vector<uint32_t> codes;  // reversed, ready to write first bit first

  explicit TShannonFano(std::vector<int> l) : lengths(std::move(l)), codes(lengths.size()) {
    std::vector<size_t> order(lengths.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return lengths[a] < lengths[b]; });
    uint32_t code = 0, increment = 0;
    int lastLength = 0;
    for (size_t k = order.size(); k-- > 0;) {
      const size_t symbol = order[k];
      code += increment;
      if (lengths[symbol] != lastLength) {
        lastLength = lengths[symbol];
        increment = 1u << (16 - lastLength);
      }
      codes[symbol] = Reverse(code & 0xFFFF, 16);
    }
  }
  void WriteTree(TBitWriter& out) const {
    std::vector<uint8_t> runs;
    for (size_t i = 0; i < lengths.size();) {
      size_t count = 1;
      while (i + count < lengths.size() && lengths[i + count] == lengths[i] && count < 16) ++count;
      runs.push_back(static_cast<uint8_t>((count - 1) << 4 | (lengths[i] - 1)));
      i += count;
    }
    out.Bits(static_cast<uint32_t>(runs.size() - 1), 8);
    for (const uint8_t run : runs) out.Bits(run, 8);
  }
  void Write(TBitWriter& out, size_t symbol) const { out.Bits(codes[symbol], lengths[symbol]); }
};

std::vector<int> Shape(std::initializer_list<std::pair<int, int>> countAndLength) {
  std::vector<int> lengths;
  for (const auto& [count, length] : countAndLength) lengths.insert(lengths.end(), count, length);
  return lengths;
}

}  // namespace

std::string Implode(const std::string& data, uint16_t flags) {
  const bool largeWindow = (flags & 0x02) != 0;
  const bool literalTree = (flags & 0x04) != 0;
  const int lowBits = largeWindow ? 7 : 6;
  const size_t minimum = literalTree ? 3 : 2;
  const TShannonFano literals(Shape({{64, 7}, {64, 8}, {128, 9}}));
  const TShannonFano lengths(Shape({{16, 5}, {16, 6}, {32, 7}}));
  const TShannonFano distances(Shape({{32, 7}, {16, 5}, {16, 6}}));
  TBitWriter out;
  if (literalTree) literals.WriteTree(out);
  lengths.WriteTree(out);
  distances.WriteTree(out);
  Parse(
      data, largeWindow ? 8192 : 4096, minimum, minimum + 63 + 255,
      [&](uint8_t byte) {
        out.Bits(1, 1);
        if (literalTree) literals.Write(out, byte);
        else out.Bits(byte, 8);
      },
      [&](TMatch m) {
        out.Bits(0, 1);
        const size_t distance = m.distance - 1;
        out.Bits(static_cast<uint32_t>(distance & ((1u << lowBits) - 1)), lowBits);
        distances.Write(out, distance >> lowBits);
        const size_t length = m.length - minimum;
        lengths.Write(out, std::min<size_t>(length, 63));
        if (length >= 63) out.Bits(static_cast<uint32_t>(length - 63), 8);
      });
  return out.Finish();
}

std::string Encrypt(const std::string& data, const std::string& password, uint8_t check) {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  uint32_t keys[3] = {0x12345678, 0x23456789, 0x34567890};
  const auto update = [&](uint8_t plain) {
    keys[0] = (keys[0] >> 8) ^ table[(keys[0] ^ plain) & 0xFF];
    keys[1] = (keys[1] + (keys[0] & 0xFF)) * 134775813u + 1;
    keys[2] = (keys[2] >> 8) ^ table[(keys[2] ^ (keys[1] >> 24)) & 0xFF];
  };
  for (const char c : password) update(static_cast<uint8_t>(c));
  std::string plain = "0123456789A";
  plain += static_cast<char>(check);
  plain += data;
  std::string cipher;
  for (const char c : plain) {
    const uint32_t temp = (keys[2] | 2) & 0xFFFF;
    cipher += static_cast<char>(static_cast<uint8_t>(c) ^ static_cast<uint8_t>((temp * (temp ^ 1)) >> 8));
    update(static_cast<uint8_t>(c));
  }
  return cipher;
}

}  // namespace tessaly::zip::test
