#pragma once
// Where a decoder puts an entry's bytes: it keeps the CRC-32 and the count,
// and refuses more bytes than the entry's stated size, so a hostile archive
// cannot make a small entry fill the disk.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace tessaly::zip {

class TDecodeOutput {
public:
  using Sink = std::function<void(const uint8_t* data, size_t size)>;

  TDecodeOutput(uint64_t expectedSize, Sink sink) : expectedSize_(expectedSize), sink_(std::move(sink)) {}

  void Write(const uint8_t* data, size_t size);  // EDecodeError past the size
  uint64_t Written() const { return written_; }
  uint64_t ExpectedSize() const { return expectedSize_; }
  uint64_t Remaining() const { return expectedSize_ - written_; }
  uint32_t Crc() const { return crc_; }

private:
  uint64_t expectedSize_;
  Sink sink_;
  uint64_t written_ = 0;
  uint32_t crc_ = 0;
};

// The history an LZ77 decoder copies from: bytes are collected in one buffer
// and passed on in large pieces, keeping the last `windowSize` bytes.
class TSlidingWindow {
public:
  // `zeroHistory`: matches reaching before the first byte copy zeros, as the
  // older PKWARE methods do; otherwise they are an error.
  TSlidingWindow(TDecodeOutput& output, size_t windowSize, bool zeroHistory);
  ~TSlidingWindow() = default;

  void Put(uint8_t byte) {
    if (position_ == buffer_.size()) Flush();
    buffer_[position_++] = byte;
    ++total_;
  }
  void Put(const uint8_t* data, size_t size);
  void Copy(size_t distance, size_t length);
  uint64_t Total() const { return total_; }
  // Passes on what is still held; call once at the end.
  void Finish() { Flush(); }

private:
  void Flush();

  TDecodeOutput& output_;
  size_t windowSize_;
  bool zeroHistory_;
  std::vector<uint8_t> buffer_;
  size_t position_;  // next byte to fill; the window history sits before it
  size_t flushed_;   // bytes before this were passed on already
  uint64_t total_ = 0;
};

}  // namespace tessaly::zip
