#include "update/zip/Decoders.h"

namespace tessaly::zip {

bool DecodeMethod(uint16_t method, uint16_t flags, std::span<const uint8_t> in, TDecodeOutput& out) {
  switch (method) {
    case 0: out.Write(in.data(), in.size()); return true;
    case 1: Unshrink(in, out); return true;
    case 2:
    case 3:
    case 4:
    case 5: Unreduce(in, method - 1, out); return true;
    case 6: Explode(in, flags, out); return true;
    case 8: Inflate(in, out); return true;
    case 9: Inflate64(in, out); return true;
    default: return false;
  }
}

}  // namespace tessaly::zip
