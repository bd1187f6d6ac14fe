#pragma once
// `--encoding NAME` of the commands that read pages: a label of the web's
// encoding standard names the encoding the page is read in.

#include <cstddef>

#include "cli/Command.h"
#include "platform/text/Encoding.h"

namespace tessaly::cli {

// The encoding named by the word after args[i]; i moves onto it. A missing
// or unknown name is a usage error.
text::Encoding EncodingArgument(const Arguments& args, std::size_t& i, const char* usage);

}  // namespace tessaly::cli
