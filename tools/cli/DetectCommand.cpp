// tessaly-cli detect FILE: the encoding the program would open FILE in, as
// one line: "encoding NAME", then " bom" and " invalid N" when they apply.

#include "cli/Command.h"
#include "platform/Files.h"
#include "platform/text/Detect.h"

namespace tessaly::cli {
namespace {

void Detect(const Arguments& args) {
  if (args.size() != 1) throw UsageError{"detect FILE"};
  const std::string bytes = ReadFileBytes(args[0]);
  WriteOut(text::DescribeDetection(text::Detect(bytes)) + "\n");
}

const CommandRegistration kDetect("detect", "detect FILE", Detect);

}  // namespace
}  // namespace tessaly::cli
