#include <array>
#include <memory>
#include <vector>

#include "update/zip/BitReader.h"
#include "update/zip/DecodeError.h"
#include "update/zip/Decoders.h"

namespace tessaly::zip {

namespace {

constexpr int kTableSize = 8192;
constexpr int kControl = 256;
constexpr int kFirstFree = 257;
constexpr int kMaxCodeSize = 13;

// LZW dictionary: each code is its parent's string plus one byte. Freed codes
// keep their parent and byte until reused.
class TUnshrinker {
public:
  TUnshrinker(std::span<const uint8_t> in, TDecodeOutput& out) : in_(in), out_(out), buffer_(out, 0, false) {
    for (int code = 0; code < 256; ++code) value_[code] = static_cast<uint8_t>(code);
    free_.fill(true);
    for (int code = 0; code < kFirstFree; ++code) free_[code] = false;
    parent_.fill(-1);
  }

  void Run() {
    if (out_.ExpectedSize() == 0) return;
    int previous = ReadCode();
    if (previous >= 256) throw EDecodeError("invalid first code");
    Emit(&value_[previous], 1);
    while (buffer_.Total() < out_.ExpectedSize()) {
      const int code = ReadCode();
      if (code == kControl) {
        Control();
        continue;
      }
      const bool repeatsPrevious = free_[code];  // the code being defined right now
      if (repeatsPrevious && code != NextFree()) throw EDecodeError("invalid code");
      const std::span<const uint8_t> text = Expand(repeatsPrevious ? previous : code, repeatsPrevious);
      Emit(text.data(), text.size());
      Define(previous, text[0]);
      previous = code;
    }
    buffer_.Finish();
  }

private:
  int ReadCode() { return static_cast<int>(in_.Bits(codeSize_)); }

  void Control() {
    switch (ReadCode()) {
      case 1:
        if (++codeSize_ > kMaxCodeSize) throw EDecodeError("invalid code size");
        break;
      case 2: PartialClear(); break;
      default: throw EDecodeError("invalid control code");
    }
  }

  // Frees the codes nothing is built on, looking only at codes up to the last
  // one assigned; a parent mark set beyond that stays until a later clear
  // reaches it. This is how existing archives were written and read.
  void PartialClear() {
    for (int code = kFirstFree; code <= lastAssigned_; ++code)
      if (!free_[code] && parent_[code] >= kFirstFree) hasChild_[parent_[code]] = true;
    for (int code = kFirstFree; code <= lastAssigned_; ++code) {
      if (hasChild_[code]) hasChild_[code] = false;
      else free_[code] = true;
    }
    lastAssigned_ = kControl;
    searchFrom_ = kFirstFree;
  }

  int NextFree() {
    while (searchFrom_ < kTableSize && !free_[searchFrom_]) ++searchFrom_;
    return searchFrom_;
  }

  void Define(int parent, uint8_t byte) {
    const int code = NextFree();
    if (code == kTableSize) return;  // the table is full until the next clear
    lastAssigned_ = code;
    parent_[code] = static_cast<int16_t>(parent);
    value_[code] = byte;
    free_[code] = false;
  }

  // The string of `code`, built back to front; with `repeat` its first byte
  // is appended once more (the code defined by this very step).
  std::span<const uint8_t> Expand(int code, bool repeat) {
    size_t start = stack_.size();
    if (repeat) --start;
    size_t steps = 0;
    for (int at = code; at >= 0; at = parent_[at]) {
      if (++steps > kTableSize || start == 0) throw EDecodeError("invalid code");
      stack_[--start] = value_[at];
    }
    if (repeat) stack_.back() = stack_[start];
    return std::span(stack_.data() + start, stack_.size() - start);
  }

  void Emit(const uint8_t* data, size_t size) {
    if (size > out_.ExpectedSize() - buffer_.Total()) throw EDecodeError("more data than the entry's size");
    buffer_.Put(data, size);
  }

  TBitReader in_;
  TDecodeOutput& out_;
  TSlidingWindow buffer_;  // no history needed, only collects output
  int codeSize_ = 9;
  int searchFrom_ = kFirstFree;
  int lastAssigned_ = kControl;
  std::array<bool, kTableSize> hasChild_{};
  std::array<int16_t, kTableSize> parent_;
  std::array<uint8_t, kTableSize> value_{};
  std::array<bool, kTableSize> free_;
  std::array<uint8_t, kTableSize + 1> stack_{};
};

}  // namespace

void Unshrink(std::span<const uint8_t> in, TDecodeOutput& out) {
  auto unshrinker = std::make_unique<TUnshrinker>(in, out);
  unshrinker->Run();
}

}  // namespace tessaly::zip
