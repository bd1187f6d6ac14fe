// Markup that is never page text: style sheets and processing instructions
// leave nothing behind (so BODY still finds the document empty), and PRE and
// plain-text lines keep their height when they are blank.

#include <gtest/gtest.h>

#include "LayoutHelpers.h"
#include "preview/document/Section.h"

namespace tessaly::preview::test {
namespace {

struct SkipCase {
  std::string source;
  std::string texts;  // section texts joined by '|'
};

TEST(SkippedMarkup, LeavesNoText) {
  const SkipCase cases[] = {
      {"<style>b { color: red }</style>text", "text"},
      {"<STYLE type=\"text/css\"><!-- p { margin: 0 } --></STYLE>text", "text"},
      {"<style>a <b>bold</b> &amp; </STYLE>after", "after"},
      {"<style>never closed <b>x</b>", ""},
      {"<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<html>x", "x"},
      {"a <?php echo 1 ?> b", "a b"},
      {"<pre>a<style>s{}</style>b</pre>", "ab"},
      {"<table><style>td{}</style><tr><td>cell</table>", "cell"},
      {"<title>T</title><style>x</style><script>y</script>body", "body"},
  };
  for (const auto& c : cases) {
    ParsedPage page;
    page.Html(c.source);
    EXPECT_EQ(page.Texts(), c.texts) << c.source;
  }
}

TEST(SkippedMarkup, PlainTextKeepsItAsText) {
  ParsedPage page;
  page.Plain("<?xml?><style>x</style>");
  EXPECT_EQ(page.Texts(), "<?xml?><style>x</style>");
}

TEST(SkippedMarkup, BodyColoursStillApply) {
  ParsedPage reference;
  reference.Html("<body bgcolor=#102030 text=#405060 link=#708090>x");
  const std::string heads[] = {
      "<?xml version=\"1.0\"?>\n",
      "<html><head><style type=\"text/css\">\nbody { font: 10pt }\n</style></head>\n",
      "<?xml version=\"1.0\"?>\n<!DOCTYPE html>\n<html><head><title>t</title><style>p{}</style></head>\n",
  };
  for (const auto& head : heads) {
    ParsedPage page;
    page.Html(head + "<body bgcolor=#102030 text=#405060 link=#708090>x");
    EXPECT_EQ(page.Document->Background, reference.Document->Background) << head;
    EXPECT_EQ(page.Document->FontColor, reference.Document->FontColor) << head;
    EXPECT_EQ(page.Document->HotSpotColor, reference.Document->HotSpotColor) << head;
  }
}

// The heights of the preformatted lines, joined by ','.
std::string LineHeights(const ParsedPage& page) {
  std::string heights;
  for (const TSection* section : page.Sections())
    if (dynamic_cast<const TPreFormated*>(section))
      heights += (heights.empty() ? "" : ",") + std::to_string(section->SectionHeight);
  return heights;
}

struct BlankLineCase {
  std::string source;
  bool plain;
  std::string heights;  // one line of the 16-pixel test font each
};

TEST(BlankLines, AreOneLineHigh) {
  const BlankLineCase cases[] = {
      // The line end after <pre> and the empty rest before </pre> take no room.
      {"<pre>\na\n\nb\n</pre>", false, "0,16,16,16,0"},
      {"<pre>a\r\n\r\n\r\nb</pre>", false, "16,16,16,16"},
      {"<pre><br>x</pre>", false, "16,16"},
      {"<pre>a<p>\n\nb</pre>", false, "16,16,16"},
      {"a\r\n\r\nb", true, "16,16,16"},
      {"a\n", true, "16,0"},
  };
  for (const auto& c : cases) {
    LaidOutPage page;
    if (c.plain) {
      page.Plain(c.source);
      page.Document->DoLayout(page.Canvas, 0, 400);
    } else {
      page.Layout(c.source, 400);
    }
    EXPECT_EQ(LineHeights(page), c.heights) << c.source;
  }
}

}  // namespace
}  // namespace tessaly::preview::test
