#include <algorithm>
#include <array>
#include <memory>

#include "update/zip/BitReader.h"
#include "update/zip/DecodeError.h"
#include "update/zip/Decoders.h"

namespace tessaly::zip {

namespace {

constexpr uint8_t kDle = 144;
constexpr int kMaxFollowers = 32;

// Bits of an index into a follower set of n bytes (at least one).
int IndexBits(int n) {
  int bits = 1;
  while ((1 << bits) < n) ++bits;
  return bits;
}

class TUnreducer {
public:
  TUnreducer(std::span<const uint8_t> in, int factor, TDecodeOutput& out)
      : in_(in), out_(out), window_(out, 4096, true), factor_(factor) {
    if (factor < 1 || factor > 4) throw EDecodeError("invalid reduction factor");
  }

  void Run() {
    ReadFollowerSets();
    const uint8_t lengthMask = static_cast<uint8_t>(0xFF >> factor_);
    enum class TState { Literal, Marker, LongLength, Distance } state = TState::Literal;
    uint8_t last = 0;
    uint8_t marker = 0;
    size_t length = 0;
    while (window_.Total() < out_.ExpectedSize()) {
      const uint8_t c = NextByte(last);
      last = c;
      switch (state) {
        case TState::Literal:
          if (c == kDle) state = TState::Marker;
          else window_.Put(c);
          break;
        case TState::Marker:
          if (c == 0) {
            window_.Put(kDle);
            state = TState::Literal;
          } else {
            marker = c;
            length = c & lengthMask;
            state = length == lengthMask ? TState::LongLength : TState::Distance;
          }
          break;
        case TState::LongLength:
          length += c;
          state = TState::Distance;
          break;
        case TState::Distance: {
          const size_t distance = (static_cast<size_t>(marker >> (8 - factor_)) << 8) + c + 1;
          const size_t count = std::min<uint64_t>(length + 3, out_.ExpectedSize() - window_.Total());
          window_.Copy(distance, count);
          state = TState::Literal;
          break;
        }
      }
    }
    window_.Finish();
  }

private:
  void ReadFollowerSets() {
    for (int set = 255; set >= 0; --set) {
      const int size = static_cast<int>(in_.Bits(6));
      if (size > kMaxFollowers) throw EDecodeError("invalid follower set");
      followerCount_[set] = static_cast<uint8_t>(size);
      for (int i = 0; i < size; ++i) followers_[set][i] = static_cast<uint8_t>(in_.Bits(8));
    }
  }

  uint8_t NextByte(uint8_t last) {
    const int count = followerCount_[last];
    if (count == 0 || in_.Bits(1) == 1) return static_cast<uint8_t>(in_.Bits(8));
    const uint32_t index = in_.Bits(IndexBits(count));
    if (index >= static_cast<uint32_t>(count)) throw EDecodeError("invalid follower index");
    return followers_[last][index];
  }

  TBitReader in_;
  TDecodeOutput& out_;
  TSlidingWindow window_;
  int factor_;
  std::array<uint8_t, 256> followerCount_{};
  std::array<std::array<uint8_t, kMaxFollowers>, 256> followers_{};
};

}  // namespace

void Unreduce(std::span<const uint8_t> in, int factor, TDecodeOutput& out) {
  auto unreducer = std::make_unique<TUnreducer>(in, factor, out);
  unreducer->Run();
}

}  // namespace tessaly::zip
