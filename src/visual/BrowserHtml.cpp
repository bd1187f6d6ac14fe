#include "visual/BrowserHtml.h"

#include <cctype>

#include "platform/CodePage1251.h"
#include "platform/Utf8.h"

namespace tessaly::visual {

namespace {

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool IsCharsetChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' || c == ':';
}

// The value after "charset" inside one tag's text, or empty.
std::string CharsetInTag(std::string_view tag) {
  for (size_t at = tag.find("charset"); at != std::string_view::npos; at = tag.find("charset", at + 1)) {
    size_t i = at + 7;
    while (i < tag.size() && std::isspace(static_cast<unsigned char>(tag[i]))) ++i;
    if (i >= tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && (std::isspace(static_cast<unsigned char>(tag[i])) || tag[i] == '"' || tag[i] == '\'')) ++i;
    size_t end = i;
    while (end < tag.size() && IsCharsetChar(tag[end])) ++end;
    if (end > i) return std::string(tag.substr(i, end - i));
  }
  return {};
}

void AppendReference(std::string& out, char32_t codePoint) {
  out += "&#";
  out += std::to_string(static_cast<unsigned long>(codePoint));
  out += ';';
}

}  // namespace

std::string NamedCharset(std::string_view html) {
  const std::string lower = AsciiLower(html);
  // Only the head can name the set; stop at the body so that page text
  // mentioning "<meta" is not taken for markup.
  size_t limit = lower.find("<body");
  if (limit == std::string::npos) limit = lower.size();
  for (size_t at = lower.find("<meta"); at < limit; at = lower.find("<meta", at + 5)) {
    const size_t end = lower.find('>', at);
    const std::string_view tag = std::string_view(lower).substr(at, end == std::string::npos ? std::string::npos : end - at);
    std::string charset = CharsetInTag(tag);
    if (!charset.empty()) return charset;
    if (end == std::string::npos) break;
  }
  return {};
}

TSourceCharset SourceCharsetOf(std::string_view html) {
  const std::string charset = NamedCharset(html);
  if (charset.empty() || charset == "windows-1251" || charset == "cp1251" || charset == "x-cp1251")
    return TSourceCharset::Cp1251;
  if (charset == "utf-8" || charset == "utf8") return TSourceCharset::Utf8;
  return TSourceCharset::Ascii;
}

std::string EncodeAs(std::string_view utf8, TSourceCharset charset) {
  if (charset == TSourceCharset::Utf8) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const char32_t codePoint = NextUtf8(utf8, i);
    if (codePoint < 0x80) {
      out += static_cast<char>(codePoint);
      continue;
    }
    const int byte = charset == TSourceCharset::Cp1251 ? cp1251::FromUnicode(codePoint) : -1;
    if (byte >= 0) {
      out += static_cast<char>(byte);
    } else {
      AppendReference(out, codePoint);
    }
  }
  return out;
}

std::string EncodeBrowserHtml(std::string_view utf8) { return EncodeAs(utf8, SourceCharsetOf(utf8)); }

}  // namespace tessaly::visual
