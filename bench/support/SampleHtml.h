#pragma once
// Deterministic real-world-like HTML (tables, lists, links, forms, text) for
// the benchmarks: with Cyrillic windows-1251 bytes, pure ASCII, or declared
// UTF-8 with Cyrillic, Greek and Chinese words.

#include <cstddef>
#include <string>

namespace tessaly::bench {

enum class SampleText { Cp1251, Ascii, Utf8 };

inline std::string SampleHtml(size_t bytes, SampleText kind = SampleText::Cp1251) {
  static const char* const kCp1251Words[] = {"page",  "editor", "\xF2\xE5\xEA\xF1\xF2", "table", "link",
                                             "\xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0", "image", "form", "list", "value"};
  static const char* const kAsciiWords[] = {"page", "editor", "text", "table", "link",
                                            "website", "image", "form", "list", "value"};
  static const char* const kUtf8Words[] = {"page",  "\xD1\x80\xD0\xB5\xD0\xB4\xD0\xB0\xD0\xBA\xD1\x82\xD0\xBE\xD1\x80",
                                           "\xCE\xBA\xCE\xB5\xCE\xAF\xCE\xBC\xCE\xB5\xCE\xBD\xCE\xBF", "table",
                                           "\xE9\x93\xBE\xE6\x8E\xA5", "\xD1\x81\xD1\x82\xD1\x80\xD0\xB0\xD0\xBD\xD0\xB8\xD1\x86\xD0\xB0",
                                           "image", "\xE8\xA1\xA8\xE5\x8D\x95", "list", "value"};
  const char* const* kWords = kind == SampleText::Ascii  ? kAsciiWords
                              : kind == SampleText::Utf8 ? kUtf8Words
                                                         : kCp1251Words;
  std::string html = std::string("<html>\r\n<head>") + (kind == SampleText::Utf8 ? "<meta charset=\"utf-8\">" : "") +
                     "<title>Sample</title></head>\r\n<body bgcolor=\"#FFFFFF\">\r\n";
  unsigned seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  while (html.size() < bytes) {
    switch (next() % 4) {
      case 0:
        html += "<table border=\"1\" width=\"100%\">\r\n";
        for (int r = 0; r < 4; ++r) {
          html += "  <tr>";
          for (int c = 0; c < 3; ++c) html += "<td align=\"center\">" + std::string(kWords[next() % 10]) + "</td>";
          html += "</tr>\r\n";
        }
        html += "</table>\r\n";
        break;
      case 1:
        html += "<ul>\r\n";
        for (int i = 0; i < 5; ++i)
          html += "  <li><a href=\"page" + std::to_string(next() % 100) + ".htm\">" + kWords[next() % 10] + "</a></li>\r\n";
        html += "</ul>\r\n";
        break;
      case 2:
        html += "<p>";
        for (int i = 0; i < 30; ++i) html += std::string(kWords[next() % 10]) + (i % 7 == 6 ? ",\r\n" : " ");
        html += "&nbsp;&copy;</p>\r\n";
        break;
      default:
        html += "<form action=\"send.php\" method=\"post\"><input type=\"text\" name=\"q" + std::to_string(next() % 50) +
                "\" size=\"20\"><img src=\"pic.gif\" width=\"10\" height=\"10\" alt=\"\"></form>\r\n";
    }
  }
  html += "</body>\r\n</html>\r\n";
  return html;
}

}  // namespace tessaly::bench
