// tessaly-cli lines FILE: loads FILE into the editor's line buffer and prints
// the line count and the line-break style it found.

#include <cstdio>

#include "cli/Command.h"
#include "editor/SrcEditStringList.h"

namespace tessaly::cli {
namespace {

const char* StyleName(TLineBreakStyle style) {
  switch (style) {
    case TLineBreakStyle::lbLf: return "lf";
    case TLineBreakStyle::lbCr: return "cr";
    case TLineBreakStyle::lbCrLf: break;
  }
  return "crlf";
}

void Lines(const Arguments& args) {
  if (args.size() != 1) throw UsageError{"lines FILE"};
  TSrcEditStringList lines;
  lines.LoadFromFile(args[0]);
  std::printf("lines %d\nstyle %s\n", lines.Count(), StyleName(lines.LineBreakStyle()));
}

const CommandRegistration kLines("lines", "lines FILE", Lines);

}  // namespace
}  // namespace tessaly::cli
