// The mapping between source and viewer on random pages from a small grammar
// of the tags the viewer supports: it never fails, never leaves the text, and
// a caret placed in the source comes back on the same character, or on the
// nearest one the page shows when that character is not shown. Pages come in
// windows-1251 and in UTF-8 with multi-byte characters and references, where
// a source place is a byte offset and a mapping never lands inside a character.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <map>
#include <set>
#include <string>

#include "app/preview/SelectionMapping.h"
#include "platform/RecordingCanvas.h"
#include "platform/Utf8.h"
#include "platform/text/Stepping.h"
#include "preview/document/DocumentDump.h"
#include "preview/document/Section.h"
#include "preview/viewer/HeadlessHost.h"
#include "preview/viewer/HtmlPreview.h"

namespace tessaly::test {
namespace {

class RandomPage {
public:
  RandomPage(unsigned seed, text::Encoding encoding) : random_(seed), utf8_(encoding == text::Encoding::Utf8) {}

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
        case 1:
          text += Pick({"&amp;", "&nbsp;", "&lt;", "&copy;", "&#65;", " &nbsp; ", "&mdash;", "&#8594;", "&#x41;",
                        "&eacute", "&#150;", "&NotEqualTilde;"});
          break;
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
    static const char* const utf8Words[] = {"word", "a", "текст", "中文字", "x😀y", "ελληνικά"};
    std::string text;
    for (int i = Between(1, 4); i > 0; --i)
      text += std::string(i > 1 ? " " : "") + (utf8_ ? utf8Words : words)[Between(0, 5)];
    return text;
  }

  std::string Pick(std::initializer_list<const char*> choices) { return *(choices.begin() + Between(0, static_cast<int>(choices.size()) - 1)); }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::mt19937 random_;
  bool utf8_;
};

bool AtBoundary(text::Encoding encoding, const std::string& page, int offset) {
  return text::IsBoundary(encoding, page, static_cast<size_t>(offset));
}

class RandomMapping : public ::testing::TestWithParam<text::Encoding> {};

TEST_P(RandomMapping, RandomPagesMapInsideTheTextAndBackToTheNearestShownCharacter) {
  const text::Encoding encoding = GetParam();
  preview::THeadlessHost host({400, 300});
  RecordingCanvas canvas;
  preview::THtmlPreview viewer(host, canvas);
  viewer.SetTextEncoding(encoding);
  for (unsigned seed = 1; seed <= 300; ++seed) {
    const std::string page = RandomPage(seed, encoding).Make();
    SCOPED_TRACE("seed " + std::to_string(seed) + ": " + page);
    viewer.LoadText(page, "", preview::TDocumentType::Html);
    const int length = static_cast<int>(page.size());

    // Every displayed position stands for a character of the text, or for
    // none; a reference stands for all of its bytes.
    std::set<int> shown;
    std::map<int, int> covered;  // first byte -> end, of what a displayed character stands for
    int lastDisplayed = -1;
    for (int d = 0; d < 4 * length + 8; ++d) {
      const int source = viewer.SourcePosOf(d);
      ASSERT_GE(source, -1) << "display " << d;
      ASSERT_LT(source, length) << "display " << d;
      if (source < 0) continue;
      ASSERT_TRUE(AtBoundary(encoding, page, source)) << "display " << d;
      shown.insert(source);
      covered[source] = std::max(covered[source], source + viewer.SourceLengthOf(d));
      lastDisplayed = d;
    }
    if (shown.empty()) continue;

    for (int a = 0; a <= length; ++a) {
      if (!AtBoundary(encoding, page, a)) continue;  // the editor's places are between characters
      const TViewerRange caret = ViewerRangeOf(viewer, {a + 1}, {a + 1}, page.size());
      ASSERT_GE(caret.caret, 0) << "source " << a;
      ASSERT_LE(caret.caret, lastDisplayed) << "source " << a;
      EXPECT_FALSE(caret.selected);
      const auto back = SourceRangeOf(viewer, caret.caret, 0);
      ASSERT_TRUE(back) << "source " << a;
      const int b = SourceIndexAfter(back->selStart).Value;
      ASSERT_TRUE(shown.count(b)) << "source " << a << " came back as " << b;
      const auto holder = covered.upper_bound(a);
      if (shown.count(a)) {
        EXPECT_EQ(b, a);
      } else if (holder != covered.begin() && a < std::prev(holder)->second) {
        EXPECT_EQ(b, std::prev(holder)->first) << "source " << a << " inside a reference";
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
        EXPECT_TRUE(AtBoundary(encoding, page, SourceIndexAfter(source->selStart).Value));
        EXPECT_TRUE(AtBoundary(encoding, page, SourceIndexAfter(source->selEnd).Value));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Encodings, RandomMapping,
                         ::testing::Values(text::Encoding::Windows1251, text::Encoding::Utf8),
                         [](const auto& info) { return info.param == text::Encoding::Utf8 ? "Utf8" : "Windows1251"; });

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

namespace tessaly::test {
namespace {

// The display position where `shown` (UTF-8) first appears in the viewer's text.
int DisplayedAt(preview::THtmlPreview& viewer, const std::string& shown) {
  const std::u32string wanted = ToUtf32(shown);
  int found = -1;
  preview::ForEachSection(viewer.Document(), [&](const preview::TSection& section) {
    const size_t at = section.Buff.find(wanted);
    if (found < 0 && at != std::u32string::npos) found = section.StartCurs + static_cast<int>(at);
  });
  return found;
}

struct ExactCase {
  text::Encoding encoding;
  std::string page;
  std::string shown;   // characters selected in the viewer (UTF-8)
  std::string source;  // the bytes of the page they stand for
};

// Both ways the mapping selects exactly the characters of the other side: a
// multi-byte character whole, a reference whole, whatever the line ends.
TEST(SelectionMappingTest, MultiByteTextAndReferencesMapExactlyBothWays) {
  const std::string cp1251Page = "<p>\xCF\xF0\xE8\xE2\xE5\xF2 &euro; &#1025;\xF8</p>\r\n";
  const ExactCase cases[] = {
      {text::Encoding::Utf8, "<p>Привет, мир &mdash; ok</p>\n<pre>中文\n字</pre>\n", "Привет", "Привет"},
      {text::Encoding::Utf8, "<p>Привет, мир &mdash; ok</p>\n<pre>中文\n字</pre>\n", "мир — ok", "мир &mdash; ok"},
      {text::Encoding::Utf8, "<p>Привет, мир &mdash; ok</p>\n<pre>中文\n字</pre>\n", "文", "文"},
      {text::Encoding::Utf8, "<p>α\r\nβ &#8594; γ😀</p>\r\n", "β → γ😀", "β &#8594; γ😀"},
      {text::Encoding::Utf8, "<p>α\r\nβ &#8594; γ😀</p>\r\n", "α β", "α\r\nβ"},
      {text::Encoding::Utf8, "<p>x&eacute&#x41;y</p>", "éA", "&eacute&#x41;"},
      {text::Encoding::Windows1251, cp1251Page, "Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
      {text::Encoding::Windows1251, cp1251Page, "€ Ёш", "&euro; &#1025;\xF8"},
  };
  preview::THeadlessHost host({400, 300});
  RecordingCanvas canvas;
  preview::THtmlPreview viewer(host, canvas);
  for (const ExactCase& c : cases) {
    SCOPED_TRACE(c.page + " / " + c.shown);
    viewer.SetTextEncoding(c.encoding);
    viewer.LoadText(c.page, "", preview::TDocumentType::Html);
    const int from = DisplayedAt(viewer, c.shown);
    ASSERT_GE(from, 0);
    const int to = from + static_cast<int>(ToUtf32(c.shown).size());
    const int begin = static_cast<int>(c.page.find(c.source)), end = begin + static_cast<int>(c.source.size());
    for (const bool backwards : {false, true}) {
      const auto source = SourceRangeOf(viewer, backwards ? to : from, backwards ? from - to : to - from);
      ASSERT_TRUE(source);
      EXPECT_EQ(SourceIndexAfter(source->selStart).Value, begin);
      EXPECT_EQ(SourceIndexAfter(source->selEnd).Value, end);
    }
    const TViewerRange back = ViewerRangeOf(viewer, EditorOffsetBefore({begin}), EditorOffsetBefore({end}), c.page.size());
    EXPECT_EQ(back.caret, from);
    EXPECT_EQ(back.end, to);
  }
}

}  // namespace
}  // namespace tessaly::test
