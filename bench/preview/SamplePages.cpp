#include "SamplePages.h"

namespace tessaly::bench {

namespace {

std::string Block(int n) {
  const std::string i = std::to_string(n);
  std::string html;
  html += "<h2 align=center>Section " + i + "</h2>\r\n";
  html += "<p>This is paragraph <b>" + i + "</b> of the sample page, with a <a href=\"page" + i +
          ".htm\">link to page " + i + "</a>, some <i>emphasis</i>, an entity &amp; a copyright &copy; sign,\r\n"
          "and enough ordinary words to wrap across a few lines when the viewer is narrow.</p>\r\n";
  html += "<ul>\r\n";
  for (int k = 0; k < 4; ++k)
    html += "  <li><a href=\"item" + std::to_string(k) + ".htm\" target=main>Item " + std::to_string(k) +
            "</a> &mdash; short note</li>\r\n";
  html += "</ul>\r\n";
  html += "<table border=1 cellpadding=3 cellspacing=0 width=\"90%\" bgcolor=#f0f0f0>\r\n";
  html += "<tr><th>Name</th><th>Value</th><th>Picture</th></tr>\r\n";
  for (int r = 0; r < 4; ++r) {
    const std::string row = std::to_string(r);
    html += "<tr bgcolor=\"#ffffff\"><td align=left>Row " + row + "</td><td align=right>" + std::to_string(n * 7 + r) +
            ".50</td><td><img src=\"img/pic" + row + ".gif\" width=32 height=32 alt=\"Picture " + row +
            "\" border=0></td></tr>\r\n";
  }
  html += "</table>\r\n";
  if (n % 3 == 0) {
    html += "<form action=\"/cgi-bin/find\" method=post>Search: <input type=text name=q size=30 value=\"\">\r\n"
            "<select name=where><option value=all selected>Everywhere<option value=here>This site</select>\r\n"
            "<input type=checkbox name=exact checked> exact <input type=submit value=\"Find\"></form>\r\n";
  }
  html += "<!-- block " + i + " ends -->\r\n<hr width=80%>\r\n";
  return html;
}

}  // namespace

std::string SamplePage(size_t bytes) {
  std::string page = "<html><head><title>Sample page</title>\r\n"
                     "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head>\r\n"
                     "<body bgcolor=white text=black link=blue>\r\n";
  for (int n = 0; page.size() < bytes; ++n) page += Block(n);
  return page + "</body></html>\r\n";
}

}  // namespace tessaly::bench
