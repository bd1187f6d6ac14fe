#include "cli/EncodingArgument.h"

#include <optional>

namespace tessaly::cli {

text::Encoding EncodingArgument(const Arguments& args, std::size_t& i, const char* usage) {
  if (i + 1 >= args.size()) throw UsageError{usage};
  const std::optional<text::Encoding> encoding = text::EncodingForLabel(args[++i]);
  if (!encoding) throw UsageError{std::string("unknown encoding: ") + args[i] + "\n" + usage};
  return *encoding;
}

}  // namespace tessaly::cli
