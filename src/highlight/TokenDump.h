#pragma once
// Readable dumps of a highlighter's token stream, for the command-line tool
// and the golden-file tests.

#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

class TSrcCustomHighlighter;

// Splits file bytes into lines as the editor loads a file: a line ends at CR,
// LF or NUL; one CR, then one LF, then one NUL after it are stepped over; a
// final line break makes no empty last line.
std::vector<std::string> SplitLines(std::string_view bytes);

// Bytes below 32 and the backslash written as \xHH; everything else as it is.
std::string EscapeTokenText(std::string_view text);

// Scans the lines as the editor does (the first in the start state, each next
// one in the state the previous one ended in) and writes one line per token:
// 1-based line, 0-based start column, kind code and escaped text, separated by
// tabs; after each line's tokens "line N end-state S".
std::string DumpTokens(TSrcCustomHighlighter& highlighter, const std::vector<std::string>& lines);

}  // namespace tessaly
