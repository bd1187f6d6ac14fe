#include "preview/viewer/PageText.h"

#include "platform/text/HeldText.h"

namespace tessaly::preview {

TPageText ReadPageText(std::string_view bytes, std::optional<text::Encoding> forced) {
  text::HeldText held = text::ReadHeldText(bytes, forced);
  return {std::move(held.text), text::HeldEncoding(held.encoding)};
}

}  // namespace tessaly::preview
