#include <zlib.h>

#include <algorithm>
#include <string>

#include "update/zip/DecodeError.h"
#include "update/zip/Decoders.h"

namespace tessaly::zip {

namespace {

// Ends the zlib stream whichever way decoding leaves.
struct TInflateStream {
  z_stream stream{};
  TInflateStream() {
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw EDecodeError("cannot start inflating");
  }
  ~TInflateStream() { inflateEnd(&stream); }
};

}  // namespace

void Inflate(std::span<const uint8_t> in, TDecodeOutput& out) {
  TInflateStream z;
  uint8_t buffer[256 * 1024];
  size_t inputLeft = in.size();
  z.stream.next_in = const_cast<Bytef*>(in.data());
  for (;;) {
    const uInt feed = static_cast<uInt>(std::min<size_t>(inputLeft, 1u << 30));
    z.stream.avail_in = feed;
    z.stream.next_out = buffer;
    z.stream.avail_out = sizeof buffer;
    const int status = inflate(&z.stream, Z_NO_FLUSH);
    inputLeft -= feed - z.stream.avail_in;
    out.Write(buffer, sizeof buffer - z.stream.avail_out);
    if (status == Z_STREAM_END) return;
    if (status == Z_DATA_ERROR) throw EDecodeError(z.stream.msg ? z.stream.msg : "invalid deflate data");
    if (status == Z_MEM_ERROR) throw EDecodeError("out of memory");
    if (status == Z_BUF_ERROR && inputLeft == 0 && z.stream.avail_out != 0)
      throw EDecodeError("unexpected end of data");
  }
}

}  // namespace tessaly::zip
