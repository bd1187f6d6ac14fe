// tessaly-cli unzip ARCHIVE DIR [PATTERN ...]: extracts as the update window
// does, prints the count and the last entry, each error on stderr, and exits
// 1 when any entry failed.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "platform/CodePage1251.h"
#include "platform/Paths.h"
#include "update/zip/UnZip.h"

namespace tessaly::cli {
namespace {

void RunUnzip(const Arguments& args) {
  if (args.size() < 2) throw UsageError{"unzip ARCHIVE DIR [PATTERN ...]"};
  TUnZip unzip;
  unzip.SetArchiveFile(args[0]);
  std::vector<std::string> patterns(args.begin() + 2, args.end());
  if (patterns.empty()) patterns.push_back("*.*");
  unzip.SetFileSpec(patterns);
  unzip.SetExtractDir(IncludeTrailingPathDelimiter(args[1]));
  unzip.SetCreateStoredDirs(true);
  std::vector<std::string> errors;
  unzip.OnError = [&](TUnZip&, int code, const std::string& message) {
    errors.push_back("error " + std::to_string(code) + " " + cp1251::ToUtf8(message) + "\n");
  };
  const int count = unzip.Extract();
  WriteOut("extracted " + std::to_string(count) + "\n");
  WriteOut("last " + cp1251::ToUtf8(unzip.LastName()) + "\n");
  for (const std::string& line : errors) std::fputs(line.c_str(), stderr);
  if (!errors.empty()) throw ExitCode{1};
}

const CommandRegistration registration("unzip", "unzip ARCHIVE DIR [PATTERN ...]", RunUnzip);

}  // namespace
}  // namespace tessaly::cli
