#pragma once
// Subcommands of tessaly-cli. Each file under cli/ registers its commands with
// a static CommandRegistration; main() dispatches on the first argument.

#include <string>
#include <vector>

namespace tessaly::cli {

using Arguments = std::vector<std::string>;  // the words after the command name

// Runs the command; returns normally on success and throws on failure (the
// message becomes the one-line error on stderr).
using CommandFunction = void (*)(const Arguments& args);

struct CommandRegistration {
  CommandRegistration(const char* name, const char* usage, CommandFunction run);
};

// Thrown for wrong arguments; main() prints the usage line.
struct UsageError {
  std::string usage;
};

// Ends the program with this exit code; whatever it has to say is printed already.
struct ExitCode {
  int code;
};

// Writes bytes to stdout exactly as given.
void WriteOut(const std::string& bytes);

}  // namespace tessaly::cli
