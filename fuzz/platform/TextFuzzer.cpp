// Any bytes as a file to open: detection answers with counts that fit the
// file, stepping forward and backward agree, decoding takes the same steps,
// and every conversion the editor makes gives the bytes back.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/CaseFold.h"
#include "platform/text/Decode.h"
#include "platform/text/Detect.h"
#include "platform/text/Encode.h"
#include "platform/text/Stepping.h"
#include "platform/text/Utf16.h"

namespace {

using namespace tessaly::text;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckStepping(Encoding encoding, std::string_view bytes) {
  std::vector<std::size_t> forward{0};
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t next = NextBoundary(encoding, bytes, at);
    Check(next > at && next - at <= 4 && next <= bytes.size());
    Check(IsBoundary(encoding, bytes, at));
    for (std::size_t inside = at + 1; inside < next; ++inside) Check(!IsBoundary(encoding, bytes, inside));
    forward.push_back(at = next);
  }
  std::size_t index = forward.size() - 1;
  for (std::size_t at = bytes.size(); at > 0;) {
    at = PreviousBoundary(encoding, bytes, at);
    Check(index > 0 && forward[--index] == at);
  }
  Check(index == 0);

  const DecodedText decoded = Decode(encoding, bytes);
  Check(decoded.characters.size() + 1 == forward.size());
  for (std::size_t i = 0; i < decoded.characters.size(); ++i) {
    Check(decoded.characters[i].source == forward[i]);
    Check(decoded.SourceOffset(decoded.characters[i].text) == forward[i]);
    Check(decoded.TextOffset(forward[i]) == decoded.characters[i].text);
  }
  Check(CountInvalidUtf8(decoded.text) == 0);
  Check(CountInvalidUtf8(FoldCase(decoded.text)) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const Detection detection = Detect(bytes);
  Check(detection.bomLength <= size && detection.invalidCount <= size);
  Check(DescribeDetection(detection).rfind("encoding ", 0) == 0);
  const std::string_view body = bytes.substr(detection.bomLength);

  CheckStepping(Encoding::Utf8, bytes);
  CheckStepping(Encoding::Windows1251, bytes);

  // A UTF-8 document's bytes encode to themselves; a single-byte one's
  // decode and encode back when every byte is defined.
  Check(Encode(Encoding::Utf8, bytes).bytes == bytes);
  if (IsSingleByte(detection.encoding) && detection.invalidCount == 0)
    Check(Encode(detection.encoding, DecodeToUtf8(detection.encoding, body)).bytes == body);

  // A UTF-16 file comes back byte for byte, whatever its code units.
  for (const bool bigEndian : {false, true}) {
    const Utf16Decoded decoded = Utf16ToUtf8(body, bigEndian);
    std::string back = Utf8ToUtf16(decoded.text, bigEndian).bytes;
    if (decoded.oddLastByte) back += static_cast<char>(*decoded.oddLastByte);
    Check(back == body);
  }

  // Text typed into a page in the detected encoding is written whole.
  const std::string text = DecodeToUtf8(Encoding::Utf8, bytes);
  const EncodeResult encoded = Encode(Encoding::Windows1251, text);
  Check((encoded.replaced == 0) == (encoded.firstReplacedOffset == kNoOffset));
  Check(encoded.invalidInput == 0);
  return 0;
}
