#include "update/UpdatePage.h"

#include <array>
#include <cctype>

namespace tessaly {

namespace {

constexpr size_t kMaxField = 255;

// The text from `start` up to the next double quote within kMaxField
// characters; empty when there is none.
std::string QuotedField(const std::string& line, size_t start) {
  if (start >= line.size()) return {};
  const std::string window = line.substr(start, kMaxField);
  const size_t quote = window.find('"');
  return quote == std::string::npos ? std::string() : window.substr(0, quote);
}

std::string AsciiUpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The tag name of a META line, when the line has one.
bool MetaName(const std::string& line, std::string& name) {
  const size_t meta = line.find("META NAME");
  if (meta == std::string::npos) return false;
  // After "META NAME", an equals sign and a double quote.
  name = QuotedField(line, meta + 11);
  return true;
}

// A line without CONTENT= carries no value.
std::string ContentValue(const std::string& line) {
  const size_t content = AsciiUpperCase(line).find("CONTENT=");
  return content == std::string::npos ? std::string() : QuotedField(line, content + 9);
}

}  // namespace

std::string PageValue(const std::vector<std::string>& lines, const std::string& name) {
  std::string value, found;
  for (const std::string& line : lines)
    if (MetaName(line, found) && found == name) value = ContentValue(line);
  return value;
}

TTagValues EmptyTagValues() { return {"", "", "", "", "", "", "", ""}; }

void ParseUpdatePage(const std::vector<std::string>& lines, const TTagInfo& names, TTagValues& values) {
  values = EmptyTagValues();
  const std::array<std::pair<const std::string*, std::string*>, 8> fields = {{
      {&names.Author, &values.Author},
      {&names.Email, &values.Email},
      {&names.Download, &values.Download},
      {&names.ClientFileName, &values.ClientFileName},
      {&names.ProductName, &values.ProductName},
      {&names.Redirection, &values.Redirection},
      {&names.RunParameters, &values.RunParameters},
      {&names.Version, &values.Version},
  }};
  for (const std::string& line : lines) {
    std::string name;
    if (!MetaName(line, name)) continue;
    for (const auto& [tag, value] : fields)
      if (name == *tag) *value = ContentValue(line);
  }
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace tessaly
