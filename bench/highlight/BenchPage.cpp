#include "BenchPage.h"

#include <random>

#include "platform/CodePage1251.h"

namespace tessaly::bench {

namespace {

const char* const kWords[] = {
    "страница", "редактор", "текст",  "таблица", "ссылка",   "рисунок", "новости", "каталог",
    "цена",     "товар",    "заказ",  "доставка", "Москва",  "сайт",    "главная", "раздел",
    "документ", "версия",   "поиск",  "форма",   "контакты", "компания", "услуги", "и",
    "в",        "на",       "для",    "с",       "по",       "от",      "price",   "update",
};

const char* const kEntities[] = {"&nbsp;", "&laquo;", "&raquo;", "&copy;", "&amp;", "&mdash;", "&#8470;"};

class PageWriter {
public:
  explicit PageWriter(size_t bytes) : random_(1251), target_(bytes) {}

  BenchPage Write() {
    Head();
    for (int section = 1; page_.text.size() < target_; ++section) Section(section);
    Line("</body>");
    Line("</html>");
    return std::move(page_);
  }

private:
  size_t Pick(size_t count) { return random_() % count; }
  std::string Number(int limit) { return std::to_string(Pick(static_cast<size_t>(limit))); }

  std::string Words(int count) {
    std::string words;
    for (int i = 0; i < count; ++i) {
      if (i > 0) words += ' ';
      words += cp1251::FromUtf8(kWords[Pick(std::size(kWords))]);
      if (Pick(9) == 0) words += std::string(" ") + kEntities[Pick(std::size(kEntities))];
    }
    return words;
  }

  void Line(const std::string& line) {
    page_.lines.push_back(line);
    page_.text += line;
    page_.text += "\r\n";
  }

  void Head() {
    Line("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    Line("<html>");
    Line("<head>");
    Line("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">");
    Line("<title>" + Words(4) + "</title>");
    Line("<style type=\"text/css\">");
    Line("<!--");
    Line("body { background-color: #FFFFFF; font-family: Arial, sans-serif; font-size: 10pt; }");
    Line("td.caption { background-color: #336699; color: #FFFFFF; font-weight: bold; }");
    Line("-->");
    Line("</style>");
    Line("<script language=\"JavaScript\">");
    Line("<!--");
    Line("function swap(img, src) { document.images[img].src = src; }");
    Line("//-->");
    Line("</script>");
    Line("</head>");
    Line("<body bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000CC\" leftmargin=0 topmargin=0>");
  }

  void Section(int section) {
    const std::string n = std::to_string(section);
    Line("<!-- section " + n + ": " + Words(3) + " -->");
    Line("<table width=\"100%\" border=0 cellpadding=2 cellspacing=0>");
    Line("  <tr><td class=\"caption\" align=left colspan=2><b>" + Words(3) + " " + n + "</b></td></tr>");
    const size_t rows = 3 + Pick(6);
    for (size_t row = 0; row < rows; ++row) {
      Line("  <tr>");
      Line("    <td width=120 valign=top><a href=\"catalog/item" + Number(5000) + ".htm\"><img src=\"images/pic" +
           Number(300) + ".gif\" width=120 height=80 border=0 alt=\"" + Words(2) + "\"></a></td>");
      Line("    <td valign=top><p>" + Words(12) + " <span style=\"background-color: #FFFF99\">" + Words(2) +
           "</span> " + Words(10) + ".</p>");
      Line("    <p><font color=\"#CC0000\"><b>" + Number(10000) + cp1251::FromUtf8(" руб.") + "</b></font> &mdash; " + Words(6) +
           " <a href=\"order.php?id=" + Number(5000) + "&amp;qty=1\">" + Words(1) + "</a></p></td>");
      Line("  </tr>");
    }
    Line("</table>");
    if (Pick(3) == 0) {
      Line("<% if (Session(\"user\") <> \"\") { %>");
      Line("  <p>" + Words(2) + ", <%= Session(\"user\") %>!</p>");
      Line("<% } %>");
    }
    if (Pick(4) == 0) {
      Line("<form action=\"/cgi-bin/find.pl\" method=post>");
      Line("  <input type=text name=q size=20 value=\"\"><input type=submit value=\"" + Words(1) + "\">");
      Line("</form>");
    }
    Line("<br clear=all><hr size=1 noshade>");
  }

  std::mt19937 random_;
  size_t target_;
  BenchPage page_;
};

}  // namespace

const BenchPage& Page() {
  static const BenchPage page = PageWriter(4 << 20).Write();
  return page;
}

}  // namespace tessaly::bench
