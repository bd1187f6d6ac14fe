#pragma once
// A page file the viewer opens itself (a link followed, the command line):
// its encoding found as the editor finds a document's, and its text as the
// parser reads it (without the byte-order mark; UTF-16 as UTF-8).

#include <optional>
#include <string>
#include <string_view>

#include "platform/text/Encoding.h"

namespace tessaly::preview {

struct TPageText {
  std::string Text;
  text::Encoding Encoding;
};

// `forced`, when given, is the encoding whatever the bytes say.
TPageText ReadPageText(std::string_view bytes, std::optional<text::Encoding> forced = {});

}  // namespace tessaly::preview
