// tessaly-cli tokens FILE: the HTML highlighter's token stream of a file.

#include "cli/Command.h"
#include "editor/SrcEditStringList.h"
#include "highlight/HtmlHighlighter.h"
#include "highlight/TokenDump.h"

namespace tessaly::cli {

namespace {

constexpr const char* kUsage = "tokens FILE";

void Tokens(const Arguments& args) {
  if (args.size() != 1) throw UsageError{kUsage};
  THtmlHighlighter highlighter;
  WriteOut(DumpTokens(highlighter, LoadLinesFromFile(args[0])));
}

const CommandRegistration kRegistration("tokens", kUsage, Tokens);

}  // namespace

}  // namespace tessaly::cli
