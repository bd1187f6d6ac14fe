#pragma once
// Deterministic real-world-like HTML (tables, lists, links, forms, text with
// Cyrillic windows-1251 bytes) for the benchmarks.

#include <cstddef>
#include <string>

namespace tessaly::bench {

inline std::string SampleHtml(size_t bytes) {
  static const char* const kWords[] = {"page",  "editor", "\xF2\xE5\xEA\xF1\xF2", "table", "link",
                                       "\xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0", "image", "form", "list", "value"};
  std::string html = "<html>\r\n<head><title>Sample</title></head>\r\n<body bgcolor=\"#FFFFFF\">\r\n";
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
