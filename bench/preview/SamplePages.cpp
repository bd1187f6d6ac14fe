#include "SamplePages.h"

namespace tessaly::bench {

namespace {

// The words of a page, in one language.
struct TWords {
  const char* Section;
  const char* Paragraph;  // "This is paragraph"
  const char* OfPage;     // "of the sample page, with a"
  const char* LinkTo;
  const char* Rest;       // the rest of the paragraph
  const char* Item;
  const char* Note;
  const char* Charset;
};

constexpr TWords kEnglish = {
    "Section", "This is paragraph", "of the sample page, with a", "link to page",
    ", some <i>emphasis</i>, an entity &amp; a copyright &copy; sign,\r\n"
    "and enough ordinary words to wrap across a few lines when the viewer is narrow.",
    "Item", "short note", "windows-1251"};

constexpr TWords kRussian = {
    "Раздел", "Это абзац", "образцовой страницы, со", "ссылкой на страницу",
    ", немного <i>выделения</i>, знак &amp; и знак &copy;,\r\n"
    "и достаточно обычных слов, чтобы перенестись на несколько строк в узком окне.",
    "Пункт", "короткая заметка", "utf-8"};

std::string Block(int n, const TWords& w) {
  const std::string i = std::to_string(n);
  std::string html;
  html += "<h2 align=center>" + std::string(w.Section) + " " + i + "</h2>\r\n";
  html += "<p>" + std::string(w.Paragraph) + " <b>" + i + "</b> " + w.OfPage + " <a href=\"page" + i + ".htm\">" +
          w.LinkTo + " " + i + "</a>" + w.Rest + "</p>\r\n";
  html += "<ul>\r\n";
  for (int k = 0; k < 4; ++k)
    html += "  <li><a href=\"item" + std::to_string(k) + ".htm\" target=main>" + w.Item + " " + std::to_string(k) +
            "</a> &mdash; " + w.Note + "</li>\r\n";
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

std::string SamplePage(size_t bytes, TSampleText text) {
  const TWords& words = text == TSampleText::Ascii ? kEnglish : kRussian;
  std::string page = "<html><head><title>Sample page</title>\r\n"
                     "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
                     std::string(words.Charset) + "\"></head>\r\n<body bgcolor=white text=black link=blue>\r\n";
  for (int n = 0; page.size() < bytes; ++n) page += Block(n, words);
  return page + "</body></html>\r\n";
}

}  // namespace tessaly::bench
