#include "highlight/TokenDump.h"

#include <cstdio>

#include "highlight/CustomHighlighter.h"

namespace tessaly {

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = bytes.find_first_of(std::string_view("\r\n\0", 3), pos);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(pos));
      break;
    }
    lines.emplace_back(bytes.substr(pos, end - pos));
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\0') ++pos;
  }
  return lines;
}

std::string EscapeTokenText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == '\\') {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      escaped += hex;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string DumpTokens(TSrcCustomHighlighter& highlighter, const std::vector<std::string>& lines) {
  std::string dump;
  highlighter.ResetScanState();
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string lineNumber = std::to_string(i + 1);
    highlighter.StartLine(lines[i], static_cast<int>(i));
    for (; !highlighter.AtLineEnd(); highlighter.NextToken()) {
      dump += lineNumber + '\t' + std::to_string(highlighter.CurrentTokenStart()) + '\t' +
              std::to_string(highlighter.CurrentTokenKind()) + '\t' + EscapeTokenText(highlighter.CurrentTokenText()) +
              '\n';
    }
    dump += "line " + lineNumber + " end-state " + std::to_string(highlighter.GetScanState()) + '\n';
  }
  return dump;
}

}  // namespace tessaly
