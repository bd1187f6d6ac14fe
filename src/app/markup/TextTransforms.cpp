#include "app/markup/TextTransforms.h"

#include "platform/CodePage1251.h"

namespace tessaly {

namespace {

bool IsBlank(char ch) { return static_cast<unsigned char>(ch) <= 32; }

std::string TrimBlanks(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool Contains(const std::string& text, const char* part) {
  return cp1251::LowerCase(text).find(part) != std::string::npos;
}

}  // namespace

std::vector<std::string> FormatTextLines(const std::vector<std::string>& lines) {
  std::vector<std::string> result;
  size_t skip = static_cast<size_t>(-1);  // the closing line already joined to its item
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    if (Contains(line, "<li>") && !Contains(line, "</li>")) {
      const std::string next = i + 1 < lines.size() ? lines[i + 1] : std::string();
      if (Contains(next, "</li>")) {
        line = " " + TrimBlanks(line) + " " + TrimBlanks(next);
        skip = i + 1;
      }
    }
    if (!TrimBlanks(line).empty() && i != skip) result.push_back(line);
  }
  return result;
}

}  // namespace tessaly
