#pragma once
// The counts pane of the status bar: text length, caret line and column.

#include <cstddef>
#include <string>

namespace tessaly {

class TSrcEditStringList;

// "зн: N cт: Y сим: X" (the "c" of "cт" is Latin), where N is the length of
// the text with CR LF after every line, the last one included. `lines` are
// windows-1251 bytes; the result is UTF-8.
std::string StatusCountsText(const TSrcEditStringList& lines, int caretX, int caretY);
// The length of the text with CR LF after every line, the last one included.
size_t CrLfTextLength(const TSrcEditStringList& lines);

}  // namespace tessaly
