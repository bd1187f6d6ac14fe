// tessaly-cli find [--case] [--whole] PATTERN FILE: every match of PATTERN,
// line by line, as LINE:POS (both 1-based).

#include <string>

#include "cli/Command.h"
#include "highlight/SrcEditSearch.h"
#include "highlight/TokenDump.h"
#include "platform/Files.h"

namespace tessaly::cli {

namespace {

constexpr const char* kUsage = "find [--case] [--whole] [--] PATTERN FILE";

void Find(const Arguments& args) {
  TSrcEditSearch search;
  size_t next = 0;
  for (; next < args.size() && args[next].starts_with("--"); ++next) {
    if (args[next] == "--") {  // what follows is the pattern, even if it starts with "--"
      ++next;
      break;
    }
    if (args[next] == "--case")
      search.SetMatchCase(true);
    else if (args[next] == "--whole")
      search.SetWholeWordsOnly(true);
    else
      throw UsageError{kUsage};
  }
  if (args.size() - next != 2) throw UsageError{kUsage};
  search.SetSearchPattern(args[next]);
  const std::vector<std::string> lines = SplitLines(ReadFileBytes(args[next + 1]));
  std::string out;
  for (size_t line = 0; line < lines.size(); ++line) {
    search.FindAllIn(lines[line]);
    for (int i = 0; i < search.MatchCount(); ++i)
      out += std::to_string(line + 1) + ':' + std::to_string(search.MatchPosition(i)) + '\n';
  }
  WriteOut(out);
}

const CommandRegistration kRegistration("find", kUsage, Find);

}  // namespace

}  // namespace tessaly::cli
