// The mapping between source and viewer on random pages from a small grammar
// of the tags the viewer supports: it never fails, never leaves the text, and
// a caret placed in the source comes back on the same character, or on the
// nearest one the page shows when that character is not shown.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>

#include "app/preview/SelectionMapping.h"
#include "platform/RecordingCanvas.h"
#include "preview/viewer/HeadlessHost.h"
#include "preview/viewer/HtmlPreview.h"

namespace tessaly::test {
namespace {

class RandomPage {
public:
  explicit RandomPage(unsigned seed) : random_(seed) {}

  std::string Make() {
    std::string page = Pick({"", "<html><body>", "<html>\r\n<head><title>t</title></head>\r\n<body>\r\n"});
    const int blocks = Between(1, 6);
    for (int i = 0; i < blocks; ++i) page += Block(2);
    return page + Pick({"", "</body></html>", "</body>\r\n</html>\r\n"});
  }

private:
  std::string Block(int depth) {
    switch (Between(0, depth > 0 ? 7 : 2)) {
      case 0: return "<p>" + Inline(depth) + Pick({"", "</p>"}) + "\r\n";
      case 1: return "<h" + std::to_string(Between(1, 3)) + ">" + Words() + "</h1>\r\n";
      case 2: return "<pre>" + Words() + "\r\n\r\n  " + Words() + "</pre>\r\n";
      case 3: {
        std::string list = Pick({"<ul>", "<ol>"}) + "\r\n";
        for (int i = Between(1, 3); i > 0; --i) list += "  <li>" + Inline(depth - 1) + "\r\n";
        return list + "</ul>\r\n";
      }
      case 4: {
        std::string table = "<table border=1>";
        for (int r = Between(1, 2); r > 0; --r) {
          table += "<tr>";
          for (int c = Between(1, 3); c > 0; --c) table += "<td>" + Inline(depth - 1) + "</td>";
          table += "</tr>\r\n";
        }
        return table + "</table>\r\n";
      }
      case 5: return "<center>" + Block(depth - 1) + "</center>";
      case 6: return "<hr>" + Words() + "<br>" + Words();
      default: return "<!-- " + Words() + " -->" + Inline(depth - 1);
    }
  }

  std::string Inline(int depth) {
    std::string text;
    for (int i = Between(1, 4); i > 0; --i) {
      switch (Between(0, depth > 0 ? 6 : 2)) {
        case 0: text += Words(); break;
        case 1: text += Pick({"&amp;", "&nbsp;", "&lt;", "&copy;", "&#65;", " &nbsp; "}); break;
        case 2: text += Pick({"   ", "\r\n", " \r\n  "}); break;
        case 3: text += Pick({"<b>", "<i>", "<u>"}) + Inline(depth - 1) + Pick({"</b>", "</i>", "</u>"}); break;
        case 4: text += "<a href=\"x.htm\">" + Words() + "</a>"; break;
        case 5: text += "<font color=red size=" + std::to_string(Between(1, 5)) + ">" + Words() + "</font>"; break;
        default: text += "<img src=\"missing.gif\" width=8 height=8>"; break;
      }
    }
    return text;
  }

  std::string Words() {
    static const char* const words[] = {"word", "a", "page", "\xF2\xE5\xEA\xF1\xF2", "x1", "long-word"};
    std::string text;
    for (int i = Between(1, 4); i > 0; --i) text += std::string(i > 1 ? " " : "") + words[Between(0, 5)];
    return text;
  }

  std::string Pick(std::initializer_list<const char*> choices) { return *(choices.begin() + Between(0, static_cast<int>(choices.size()) - 1)); }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::mt19937 random_;
};

TEST(SelectionMappingTest, RandomPagesMapInsideTheTextAndBackToTheNearestShownCharacter) {
  preview::THeadlessHost host({400, 300});
  RecordingCanvas canvas;
  preview::THtmlPreview viewer(host, canvas);
  for (unsigned seed = 1; seed <= 300; ++seed) {
    const std::string page = RandomPage(seed).Make();
    SCOPED_TRACE("seed " + std::to_string(seed) + ": " + page);
    viewer.LoadText(page, "", preview::TDocumentType::Html);
    const int length = static_cast<int>(page.size());

    // Every displayed position stands for a character of the text, or for none.
    std::set<int> shown;
    int lastDisplayed = -1;
    for (int d = 0; d < 4 * length + 8; ++d) {
      const int source = viewer.SourcePosOf(d);
      ASSERT_GE(source, -1) << "display " << d;
      ASSERT_LT(source, length) << "display " << d;
      if (source >= 0) shown.insert(source), lastDisplayed = d;
    }
    if (shown.empty()) continue;

    for (int a = 0; a <= length; ++a) {
      const TViewerRange caret = ViewerRangeOf(viewer, {a + 1}, {a + 1}, page.size());
      ASSERT_GE(caret.caret, 0) << "source " << a;
      ASSERT_LE(caret.caret, lastDisplayed) << "source " << a;
      EXPECT_FALSE(caret.selected);
      const auto back = SourceRangeOf(viewer, caret.caret, 0);
      ASSERT_TRUE(back) << "source " << a;
      const int b = SourceIndexAfter(back->selStart).Value;
      ASSERT_TRUE(shown.count(b)) << "source " << a << " came back as " << b;
      if (shown.count(a)) {
        EXPECT_EQ(b, a);
      } else {
        // Nothing the page shows lies between the character and where it came back.
        const auto next = shown.lower_bound(a);
        EXPECT_EQ(b, next != shown.end() ? *next : *shown.rbegin()) << "source " << a;
      }

      // Any selection from here stays inside the text on both sides.
      const int end = a + 1 + static_cast<int>((a * 7919u + seed) % 40);
      const TViewerRange range = ViewerRangeOf(viewer, {a + 1}, {end}, page.size());
      // The end may be the place after the last shown character.
      ASSERT_GE(range.end, -1);
      ASSERT_LE(range.end, lastDisplayed + 1);
      const auto source = SourceRangeOf(viewer, range.caret, range.end - range.caret);
      if (source) {
        ASSERT_GE(source->selStart.Value, 1);
        ASSERT_LE(source->selEnd.Value, length + 1);
      }
    }
  }
}

// A selection made in the viewer comes back from the source as the same
// displayed characters, whichever way it was dragged.
TEST(SelectionMappingTest, ViewerSelectionsSurviveTheRoundTripThroughTheSource) {
  preview::THeadlessHost host({400, 300});
  RecordingCanvas canvas;
  preview::THtmlPreview viewer(host, canvas);
  const std::string page =
      "<p>one &amp; two&nbsp;three <!-- hidden --> four   five</p>\r\n<pre>code\r\n\r\n  more</pre>\r\n"
      "<table><tr><td>cell one</td><td>cell two</td></tr></table>\r\n<ul><li>first<li>second</ul>\r\n";
  viewer.LoadText(page, "", preview::TDocumentType::Html);
  struct Case {
    const char* first;  // the first and last displayed characters selected
    const char* last;
  } cases[] = {{"one", "two"}, {"&amp;", "three"}, {"four", "five"}, {"code", "more"}, {"cell one", "cell two"}, {"first", "second"}};
  for (const Case& c : cases) {
    const int from = viewer.DisplayPosOf(static_cast<int>(page.find(c.first)));
    const int to = viewer.DisplayPosOf(static_cast<int>(page.find(c.last) + std::string(c.last).size() - 1)) + 1;
    for (const bool backwards : {false, true}) {
      SCOPED_TRACE(std::string(c.first) + " .. " + c.last + (backwards ? " backwards" : ""));
      const int anchor = backwards ? to : from, length = backwards ? from - to : to - from;
      const auto source = SourceRangeOf(viewer, anchor, length);
      ASSERT_TRUE(source);
      EXPECT_EQ(page.substr(SourceIndexAfter(source->selStart).Value, 1), std::string(c.first).substr(0, 1));
      const TViewerRange back = ViewerRangeOf(viewer, source->selStart, source->selEnd, page.size());
      EXPECT_TRUE(back.selected);
      EXPECT_EQ(back.caret, from);
      EXPECT_EQ(back.end, to);
    }
  }
}

}  // namespace
}  // namespace tessaly::test
