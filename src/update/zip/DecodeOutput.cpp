#include "update/zip/DecodeOutput.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "update/zip/DecodeError.h"

namespace tessaly::zip {

void TDecodeOutput::Write(const uint8_t* data, size_t size) {
  if (size > Remaining()) throw EDecodeError("more data than the entry's size");
  written_ += size;
  // zlib's CRC-32 is the one of the ZIP format, only faster than a plain table.
  while (size > 0) {
    const uInt piece = static_cast<uInt>(std::min<size_t>(size, 1u << 30));
    crc_ = static_cast<uint32_t>(crc32(crc_, data, piece));
    if (sink_) sink_(data, piece);
    data += piece;
    size -= piece;
  }
}

namespace {
constexpr size_t kFlushBlock = 256 * 1024;
}

TSlidingWindow::TSlidingWindow(TDecodeOutput& output, size_t windowSize, bool zeroHistory)
    : output_(output), windowSize_(windowSize), zeroHistory_(zeroHistory),
      buffer_(windowSize + kFlushBlock), position_(windowSize), flushed_(windowSize) {
  // The history starts as zeros; only zeroHistory_ lets a match reach it.
}

void TSlidingWindow::Flush() {
  output_.Write(buffer_.data() + flushed_, position_ - flushed_);
  // Keep the last windowSize_ bytes as history in front of the free space.
  std::memmove(buffer_.data(), buffer_.data() + position_ - windowSize_, windowSize_);
  position_ = windowSize_;
  flushed_ = windowSize_;
}

void TSlidingWindow::Put(const uint8_t* data, size_t size) {
  while (size > 0) {
    if (position_ == buffer_.size()) Flush();
    const size_t piece = std::min(size, buffer_.size() - position_);
    std::memcpy(buffer_.data() + position_, data, piece);
    position_ += piece;
    total_ += piece;
    data += piece;
    size -= piece;
  }
}

void TSlidingWindow::Copy(size_t distance, size_t length) {
  if (distance == 0 || distance > windowSize_ || (!zeroHistory_ && distance > total_))
    throw EDecodeError("invalid distance too far back");
  total_ += length;
  while (length > 0) {
    if (position_ == buffer_.size()) Flush();
    const size_t piece = std::min(length, buffer_.size() - position_);
    uint8_t* to = buffer_.data() + position_;
    const uint8_t* from = to - distance;
    if (distance >= piece) {
      std::memcpy(to, from, piece);
    } else {
      for (size_t i = 0; i < piece; ++i) to[i] = from[i];
    }
    position_ += piece;
    length -= piece;
  }
}

}  // namespace tessaly::zip
