#include <array>
#include <memory>

#include "update/zip/BitReader.h"
#include "update/zip/DecodeError.h"
#include "update/zip/Decoders.h"
#include "update/zip/HuffmanCode.h"

namespace tessaly::zip {

namespace {

constexpr size_t kWindowSize = 65536;
constexpr int kMaxLiteralCodes = 286;
constexpr int kMaxDistanceCodes = 32;
constexpr int kEndOfBlock = 256;

// Length codes 257..285; in this variant 285 takes 16 extra bits.
constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 3};
constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 16};
constexpr std::array<uint32_t, 32> kDistanceBase = {
    1,    2,    3,    4,    5,    7,     9,     13,    17,    25,    33,    49,    65,    97,    129,   193,
    257,  385,  513,  769,  1025, 1537,  2049,  3073,  4097,  6145,  8193,  12289, 16385, 24577, 32769, 49153};
constexpr std::array<uint8_t, 32> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,  6,
                                                    7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14};
// The order the code-length code lengths are stored in.
constexpr std::array<uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

class TInflater64 {
public:
  TInflater64(std::span<const uint8_t> in, TDecodeOutput& out) : in_(in), window_(out, kWindowSize, false) {}

  void Run() {
    bool last = false;
    while (!last) {
      last = in_.Bits(1) != 0;
      switch (in_.Bits(2)) {
        case 0: StoredBlock(); break;
        case 1: FixedBlock(); break;
        case 2: DynamicBlock(); break;
        default: throw EDecodeError("invalid block type");
      }
    }
    window_.Finish();
  }

private:
  void StoredBlock() {
    in_.AlignToByte();
    const uint32_t length = in_.Bits(16);
    if ((length ^ 0xFFFF) != in_.Bits(16)) throw EDecodeError("invalid stored block lengths");
    const auto bytes = in_.TakeBytes(length);
    window_.Put(bytes.data(), bytes.size());
  }

  void FixedBlock() {
    if (!fixedBuilt_) {
      std::array<uint8_t, 288> lengths{};
      for (int i = 0; i < 288; ++i) lengths[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
      fixedLiterals_.Build(lengths);
      std::array<uint8_t, 32> distances;
      distances.fill(5);
      fixedDistances_.Build(distances);
      fixedBuilt_ = true;
    }
    Codes(fixedLiterals_, fixedDistances_);
  }

  void DynamicBlock() {
    const int literalCount = static_cast<int>(in_.Bits(5)) + 257;
    const int distanceCount = static_cast<int>(in_.Bits(5)) + 1;
    const int codeLengthCount = static_cast<int>(in_.Bits(4)) + 4;
    if (literalCount > kMaxLiteralCodes || distanceCount > kMaxDistanceCodes)
      throw EDecodeError("too many length or distance symbols");

    std::array<uint8_t, 19> codeLengthLengths{};
    for (int i = 0; i < codeLengthCount; ++i) codeLengthLengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(in_.Bits(3));
    THuffmanCode codeLengthCode;
    if (codeLengthCode.Build(codeLengthLengths) != THuffmanCode::TShape::Complete)
      throw EDecodeError("invalid code lengths set");

    std::array<uint8_t, kMaxLiteralCodes + kMaxDistanceCodes> lengths{};
    const int total = literalCount + distanceCount;
    for (int i = 0; i < total;) {
      const int symbol = codeLengthCode.Decode(in_);
      if (symbol < 0) throw EDecodeError("invalid code lengths set");
      if (symbol < 16) {
        lengths[i++] = static_cast<uint8_t>(symbol);
        continue;
      }
      uint8_t repeated = 0;
      int times;
      if (symbol == 16) {
        if (i == 0) throw EDecodeError("invalid bit length repeat");
        repeated = lengths[i - 1];
        times = 3 + static_cast<int>(in_.Bits(2));
      } else if (symbol == 17) {
        times = 3 + static_cast<int>(in_.Bits(3));
      } else {
        times = 11 + static_cast<int>(in_.Bits(7));
      }
      if (i + times > total) throw EDecodeError("invalid bit length repeat");
      while (times-- > 0) lengths[i++] = repeated;
    }
    if (lengths[kEndOfBlock] == 0) throw EDecodeError("missing end-of-block code");

    const auto literalShape = literals_.Build(std::span(lengths.data(), literalCount));
    // An incomplete literal code is only sound when it has a single code.
    if (literalShape == THuffmanCode::TShape::OverSubscribed ||
        (literalShape == THuffmanCode::TShape::Incomplete && !HasSingleCode(std::span(lengths.data(), literalCount))))
      throw EDecodeError("invalid literal/lengths set");
    const auto distanceLengths = std::span(lengths.data() + literalCount, distanceCount);
    const auto distanceShape = distances_.Build(distanceLengths);
    if (distanceShape == THuffmanCode::TShape::OverSubscribed ||
        (distanceShape == THuffmanCode::TShape::Incomplete && !HasSingleCode(distanceLengths)))
      throw EDecodeError("invalid distances set");
    Codes(literals_, distances_);
  }

  static bool HasSingleCode(std::span<const uint8_t> lengths) {
    int used = 0;
    for (const uint8_t length : lengths) used += length != 0;
    return used == 1;
  }

  void Codes(const THuffmanCode& literals, const THuffmanCode& distances) {
    for (;;) {
      const int symbol = literals.Decode(in_);
      if (symbol < 0) throw EDecodeError("invalid literal/length code");
      if (symbol < 256) {
        window_.Put(static_cast<uint8_t>(symbol));
        continue;
      }
      if (symbol == kEndOfBlock) return;
      const int lengthCode = symbol - 257;
      if (lengthCode >= 29) throw EDecodeError("invalid literal/length code");
      const size_t length = kLengthBase[lengthCode] + in_.Bits(kLengthExtra[lengthCode]);
      const int distanceCode = distances.Decode(in_);
      if (distanceCode < 0) throw EDecodeError("invalid distance code");
      const size_t distance = kDistanceBase[distanceCode] + in_.Bits(kDistanceExtra[distanceCode]);
      window_.Copy(distance, length);
    }
  }

  TBitReader in_;
  TSlidingWindow window_;
  THuffmanCode literals_, distances_;
  THuffmanCode fixedLiterals_, fixedDistances_;
  bool fixedBuilt_ = false;
};

}  // namespace

void Inflate64(std::span<const uint8_t> in, TDecodeOutput& out) {
  auto inflater = std::make_unique<TInflater64>(in, out);
  inflater->Run();
}

}  // namespace tessaly::zip
