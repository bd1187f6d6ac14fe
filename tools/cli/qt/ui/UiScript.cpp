#include "cli/qt/ui/UiScript.h"

namespace tessaly::cli {

std::vector<std::string> ScriptWords(std::string_view line) {
  std::vector<std::string> words;
  size_t i = 0;
  const auto blank = [&](size_t at) { return line[at] == ' ' || line[at] == '\t' || line[at] == '\r'; };
  for (;;) {
    while (i < line.size() && blank(i)) ++i;
    if (i == line.size() || (words.empty() && line[i] == '#')) break;
    std::string word;
    if (line[i] != '"') {
      while (i < line.size() && !blank(i)) word += line[i++];
      words.push_back(word);
      continue;
    }
    for (++i;; ++i) {
      if (i == line.size()) throw ScriptError("unterminated quoted text");
      if (line[i] == '"') break;
      if (line[i] != '\\') {
        word += line[i];
        continue;
      }
      if (++i == line.size()) throw ScriptError("unterminated quoted text");
      switch (line[i]) {
        case 'r': word += '\r'; break;
        case 'n': word += '\n'; break;
        case 't': word += '\t'; break;
        case '"': word += '"'; break;
        case '\\': word += '\\'; break;
        default: throw ScriptError(std::string("unknown escape \\") + line[i]);
      }
    }
    ++i;
    if (i < line.size() && !blank(i)) throw ScriptError("quoted text must end a word");
    words.push_back(word);
  }
  return words;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

}  // namespace tessaly::cli
