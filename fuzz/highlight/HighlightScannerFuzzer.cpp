// The HTML scanner over arbitrary bytes split at LF into lines, the first byte
// choosing the state the first line starts in. Each line lies in a buffer of
// exactly its size, so a read past its zero byte is caught; the tokens must
// cover the line without gaps and the scan must end.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "highlight/HtmlHighlighter.h"

namespace {

void ScanLine(tessaly::THtmlHighlighter& highlighter, const uint8_t* bytes, size_t size) {
  const auto line = std::make_unique<char[]>(size + 1);
  std::memcpy(line.get(), bytes, size);
  line[size] = 0;
  const int length = static_cast<int>(std::strlen(line.get()));

  int end = 0;
  size_t tokens = 0;
  for (highlighter.StartLine(line.get(), 0); !highlighter.AtLineEnd(); highlighter.NextToken()) {
    if (highlighter.CurrentTokenStart() != end) std::abort();
    end += static_cast<int>(highlighter.CurrentTokenBytes().size());
    if (end > length) std::abort();
    // Empty tokens never come more than a few in a row.
    if (++tokens > 3 * static_cast<size_t>(length) + 3) std::abort();
    if (highlighter.CurrentTokenAttri() == nullptr) std::abort();
  }
  if (end != length) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  tessaly::THtmlHighlighter highlighter;
  highlighter.SetScanState(data[0]);
  const uint8_t* begin = data + 1;
  const uint8_t* const end = data + size;
  while (begin <= end) {
    const auto* lineEnd = static_cast<const uint8_t*>(std::memchr(begin, '\n', static_cast<size_t>(end - begin)));
    if (lineEnd == nullptr) lineEnd = end;
    ScanLine(highlighter, begin, static_cast<size_t>(lineEnd - begin));
    begin = lineEnd + 1;
  }
  return 0;
}
