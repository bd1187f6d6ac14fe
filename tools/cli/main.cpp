#include <cstdio>
#include <exception>
#include <map>
#include <string>

#include "cli/Command.h"

namespace tessaly::cli {

namespace {

struct Entry {
  const char* usage;
  CommandFunction run;
};

std::map<std::string, Entry>& Commands() {
  static std::map<std::string, Entry> commands;
  return commands;
}

void PrintUsage() {
  std::fputs("usage: tessaly-cli COMMAND ...\n", stderr);
  for (const auto& [name, entry] : Commands()) std::fprintf(stderr, "  tessaly-cli %s\n", entry.usage);
}

}  // namespace

CommandRegistration::CommandRegistration(const char* name, const char* usage, CommandFunction run) {
  Commands()[name] = {usage, run};
}

void WriteOut(const std::string& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

}  // namespace tessaly::cli

int main(int argc, char** argv) {
  using namespace tessaly::cli;
  if (argc < 2) {
    PrintUsage();
    return 1;
  }
  const auto found = Commands().find(argv[1]);
  if (found == Commands().end()) {
    std::fprintf(stderr, "tessaly-cli: unknown command '%s'\n", argv[1]);
    PrintUsage();
    return 1;
  }
  try {
    found->second.run(Arguments(argv + 2, argv + argc));
    return std::fflush(stdout) == 0 ? 0 : 1;
  } catch (const ExitCode& exit) {
    std::fflush(stdout);
    return exit.code;
  } catch (const UsageError& error) {
    std::fprintf(stderr, "usage: tessaly-cli %s\n", error.usage.c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tessaly-cli: %s\n", error.what());
  }
  return 1;
}
