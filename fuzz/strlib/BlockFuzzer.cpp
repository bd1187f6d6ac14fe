// Any bytes as a compressed block must decode or raise ECompressedBlock; any
// bytes as input must compress to a block that decodes back to them.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "strlib/BlockCompression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly::strlib;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    DecompressBlock(bytes);
  } catch (const ECompressedBlock&) {
  }
  if (size <= kMaxBlockInput) {
    const std::string block = CompressBlock(bytes);
    if (block.size() > size + 1 || DecompressBlock(block) != bytes) std::abort();
  }
  return 0;
}
