// The viewer's operations on the fixed-metric canvas: loading and position,
// anchors, history and visited links, link addresses, source mapping.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FakeControlHost.h"
#include "LayoutHelpers.h"
#include "platform/RecordingCanvas.h"
#include "preview/viewer/AddressResolver.h"
#include "preview/viewer/HtmlPreview.h"
#include "preview/viewer/ImageCache.h"
#include "preview/document/PreviewErrors.h"
#include "preview/viewer/RefreshMeta.h"
#include "pictures/GifWriter.h"

namespace tessaly::preview::test {
namespace {

namespace fs = std::filesystem;

// A page of `lines` paragraphs, each with an anchor named "aN".
std::string LongPage(int lines) {
  std::string page;
  for (int i = 0; i < lines; ++i) page += "<p><a name=a" + std::to_string(i) + ">line " + std::to_string(i) + "</a>\n";
  return page;
}

class ViewerTest : public ::testing::Test {
protected:
  FakeControlHost host;
  RecordingCanvas canvas;
  THtmlPreview viewer{host, canvas, &host};
  fs::path dir = fs::temp_directory_path() / ("tessaly-viewer-" + std::to_string(::getpid()));

  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }

  std::string WriteFile(const std::string& name, const std::string& text) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
};

TEST_F(ViewerTest, ReloadingTheSamePageKeepsThePosition) {
  const std::string page = LongPage(100);
  viewer.LoadText(page, "/site/page.htm", TDocumentType::Html);
  viewer.SetVScrollPosition(500);
  const int position = viewer.Position();
  viewer.LoadText(page + "<p>more", "/site/page.htm#nowhere", TDocumentType::Html);
  EXPECT_EQ(viewer.VScrollPosition(), 500);
  viewer.SetPosition(position);
  EXPECT_EQ(viewer.VScrollPosition(), 500);
  viewer.LoadText(page, "/site/other.htm", TDocumentType::Html);
  EXPECT_EQ(viewer.VScrollPosition(), 0);
}

TEST_F(ViewerTest, PositionNamesABlockAndAnOffsetIntoIt) {
  viewer.LoadText(LongPage(100), "/p.htm", TDocumentType::Html);
  viewer.SetVScrollPosition(viewer.Document()[10]->YValue + 3);
  EXPECT_EQ(viewer.Position(), (10 << 16) | 3);
  viewer.SetVScrollPosition(0);
  viewer.SetPosition((10 << 16) | 3);
  EXPECT_EQ(viewer.VScrollPosition(), viewer.Document()[10]->YValue + 3);
}

TEST_F(ViewerTest, ScrollPositionIsClampedToTheDocument) {
  viewer.LoadText(LongPage(100), "/p.htm", TDocumentType::Html);
  viewer.SetVScrollPosition(1000000);
  EXPECT_EQ(viewer.VScrollPosition(), viewer.DocumentHeight() - viewer.PanelSize().cy);
  viewer.SetVScrollPosition(-5);
  EXPECT_EQ(viewer.VScrollPosition(), 0);
  EXPECT_TRUE(host.BarVisible[TScrollBarKind::sbVertical]);
}

TEST_F(ViewerTest, AWordWiderThanTheWindowWidensThePageAndShowsTheHorizontalBar) {
  viewer.LoadText("short words", "/w.htm", TDocumentType::Html);
  EXPECT_FALSE(host.BarVisible[TScrollBarKind::sbHorizontal]);
  viewer.LoadText(std::string(100, 'w'), "/w.htm", TDocumentType::Html);
  EXPECT_EQ(viewer.DocumentWidth(), 800 + 2 * viewer.MarginWidth());
  EXPECT_TRUE(host.BarVisible[TScrollBarKind::sbHorizontal]);
  viewer.KeyDown(THtmlPreview::TKey::Right);
  EXPECT_EQ(viewer.HScrollPosition(), 15);
}

TEST_F(ViewerTest, AnchorsScrollToTheirBlockAndAreMarkedVisited) {
  viewer.LoadText(LongPage(100), "/site/p.htm#a50", TDocumentType::Html);
  const int y = viewer.VScrollPosition();
  EXPECT_GT(y, 0);
  EXPECT_EQ(viewer.Visited().front(), "/site/p.htm#A50");
  EXPECT_FALSE(viewer.PositionToAnchor("#missing"));
  EXPECT_EQ(viewer.VScrollPosition(), y);
  EXPECT_TRUE(viewer.PositionToAnchor("#a0"));
  EXPECT_LT(viewer.VScrollPosition(), y);
}

TEST_F(ViewerTest, HistoryIsKeptOnlyWithAPositiveSize) {
  const std::string first = WriteFile("first.htm", "<a href=second.htm>go</a>");
  const std::string second = WriteFile("second.htm", "second page");
  viewer.OpenHtmlFile(first);
  viewer.OpenHtmlFile(second);
  EXPECT_TRUE(viewer.History().empty());
  viewer.SetHistoryMaxCount(5);
  viewer.OpenHtmlFile(first);
  ASSERT_EQ(viewer.History().size(), 2u);
  EXPECT_EQ(viewer.History()[0], first);
  EXPECT_EQ(viewer.History()[1], second);
  viewer.SetHistoryIndex(1);
  EXPECT_EQ(viewer.CurrentFile(), second);
  // Going somewhere new from an older page drops the pages ahead of it.
  viewer.OpenHtmlFile(first);
  ASSERT_EQ(viewer.History().size(), 2u);
  EXPECT_EQ(viewer.History()[0], first);
  EXPECT_EQ(viewer.HistoryIndex(), 0);
  viewer.SetHistoryMaxCount(1);
  EXPECT_TRUE(viewer.History().empty());
  EXPECT_GE(host.HistoryChanges, 3);
}

TEST_F(ViewerTest, VisitedListKeepsTheMostRecentAndColoursLinks) {
  viewer.SetVisitedMaxCount(3);
  for (const char* address : {"/a.htm", "/b.htm", "/c.htm", "/d.htm", "/b.htm"}) viewer.MarkVisited(address);
  EXPECT_EQ(viewer.Visited(), (std::vector<std::string>{"/b.htm", "/d.htm", "/c.htm"}));
  viewer.LoadText("<a href=/d.htm>d</a> <a href=/a.htm>a</a>", "/x.htm", TDocumentType::Html);
  ASSERT_EQ(viewer.Document().LinkList.size(), 2u);
  EXPECT_TRUE(viewer.Document().LinkList[0]->Visited);
  EXPECT_FALSE(viewer.Document().LinkList[1]->Visited);
  viewer.SetVisitedMaxCount(0);
  EXPECT_TRUE(viewer.Visited().empty());
  EXPECT_FALSE(viewer.Document().LinkList[0]->Visited);
}

TEST_F(ViewerTest, FollowingALinkLoadsTheFileUnlessHandled) {
  const std::string first = WriteFile("one.htm", "<a href=\"tw%6F.htm#x\">go</a>");
  WriteFile("two.htm", "<a name=x>two</a>");
  viewer.OpenHtmlFile(first);
  bool handle = true;
  std::string clicked;
  viewer.OnHotSpotClick = [&](const std::string& src, bool& handled) {
    clicked = src;
    handled = handle;
  };
  viewer.HotSpotClick("two.htm");
  EXPECT_EQ(viewer.CurrentFile(), first);
  handle = false;
  viewer.HotSpotClick("tw%6F.htm#x");
  EXPECT_EQ(clicked, "tw%6F.htm#x");
  EXPECT_EQ(viewer.CurrentFile(), (dir / "two.htm").string());
  viewer.HotSpotClick("readme.txt");
  EXPECT_EQ(viewer.CurrentFile(), (dir / "two.htm").string());
}

TEST_F(ViewerTest, MissingFileIsReportedByName) {
  try {
    viewer.LoadFile("/no/such/file.htm", TDocumentType::Html);
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "Can't locate file: /no/such/file.htm");
  }
}

TEST_F(ViewerTest, SourceMappingRoundTrips) {
  const std::string source = "<p>Hello <b>bold</b> world<table><tr><td>cell text</table>";
  viewer.LoadText(source, "/m.htm", TDocumentType::Html);
  int checked = 0;
  for (int pos = 0; pos < viewer.Document().Len; ++pos) {
    const int index = viewer.SourcePosOf(pos);
    if (index < 0) continue;
    EXPECT_EQ(viewer.DisplayPosOf(index), pos) << "at " << pos;
    int x = 0, y = 0;
    EXPECT_TRUE(viewer.DisplayPosToXY(pos, x, y));
    ++checked;
  }
  EXPECT_GT(checked, 20);
  EXPECT_EQ(source.substr(viewer.SourcePosOf(viewer.DisplayPosOf(source.find("cell"))), 4), "cell");
}

TEST_F(ViewerTest, FollowedLinksAreReadInTheirOwnEncodingAndWordsAreOfAnyScript) {
  const std::string first = WriteFile("one.htm", "<meta charset=utf-8><a href=\"k\xC3\xB6ln.htm\">go</a>");
  WriteFile("k\xC3\xB6ln.htm", "<p>\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0");  // windows-1251, by default
  viewer.OpenHtmlFile(first);
  EXPECT_EQ(viewer.PageEncoding(), text::Encoding::Utf8);
  viewer.HotSpotClick("k\xC3\xB6ln.htm");
  EXPECT_EQ(viewer.PageEncoding(), text::Encoding::Windows1251);
  ASSERT_EQ(viewer.CurrentFile(), (dir / "k\xC3\xB6ln.htm").string());
  // Double-clicking inside a word selects the word, its letters being Cyrillic.
  const int x = viewer.MarginWidth() + 8 * 2 + 4, y = viewer.Document()[1]->YValue + 4;
  EXPECT_EQ(viewer.WordAt(x, y), "Привет");
  viewer.DoubleClick(TMouseButton::mbLeft, 0, x, y);
  EXPECT_EQ(viewer.SelLength(), 6);
}

TEST_F(ViewerTest, ClickOnALinkFollowsItAndSelectionSuppressesIt) {
  viewer.LoadText("<a href=\"#end\">jump</a>" + LongPage(60) + "<a name=end>end</a>", "/c.htm", TDocumentType::Html);
  std::string followed;
  viewer.OnHotSpotClick = [&](const std::string& src, bool& handled) {
    followed = src;
    handled = true;
  };
  // The link is the first word: 8-pixel cells from the margin.
  const int x = viewer.MarginWidth() + 4, y = viewer.MarginHeight() + 4;
  viewer.MouseMove(0, x, y);
  EXPECT_EQ(host.Cursor, TCursorShape::crHandPoint);
  viewer.MouseDown(TMouseButton::mbLeft, 0, x, y);
  viewer.MouseUp(TMouseButton::mbLeft, 0, x, y);
  EXPECT_EQ(followed, "#end");
  followed.clear();
  viewer.MouseDown(TMouseButton::mbLeft, 0, x, y);
  viewer.MouseMove(0, x + 16, y);
  viewer.MouseUp(TMouseButton::mbLeft, 0, x + 16, y);
  EXPECT_EQ(viewer.SelLength(), 2);
  EXPECT_TRUE(followed.empty());
}

TEST_F(ViewerTest, ImageMapAreasAreLinks) {
  viewer.LoadText("<map name=m><area shape=rect coords=\"0,0,5,5\" href=\"#a1\"></map>"
                  "<img src=none.gif usemap=\"#m\">" + LongPage(3), "/m.htm", TDocumentType::Html);
  std::string covered;
  viewer.OnHotSpotCovered = [&](const std::string& src) { covered = src; };
  const TImageObj* image = nullptr;
  for (const auto& block : viewer.Document())
    if (auto* section = dynamic_cast<TSection*>(block.get()); section && !section->Images.empty())
      image = section->Images.front().get();
  ASSERT_NE(image, nullptr);
  const int x = image->DrawX + viewer.MarginWidth(), y = image->DrawY - viewer.VScrollPosition();
  viewer.MouseMove(0, x + 2, y + 2);
  EXPECT_EQ(covered, "#a1");
  viewer.MouseMove(0, x + 12, y + 12);
  EXPECT_EQ(covered, "");
}

TEST_F(ViewerTest, AnimatedGifsRunOnTheTimerAndHoverImagesOnlyUnderThePointer) {
  using namespace tessaly::testing;
  const TPalette colors = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}};
  const std::string gif = GifHeader(2, 2, colors) + NetscapeLoop(0) + GraphicControl(0, 1) +
                          ImageBlock({0, 0, 2, 2, {1, 1, 1, 1}}) + GraphicControl(0, 1) +
                          ImageBlock({0, 0, 2, 2, {2, 2, 2, 2}}) + ";";
  const std::string file = WriteFile("anim.gif", gif);
  TImageCache::Shared().Clear();
  viewer.LoadText("<img src=anim.gif width=20 height=20>", (dir / "a.htm").string(), TDocumentType::Html);
  ASSERT_EQ(host.Timers.size(), 1u);
  const TImageObj& image = *static_cast<TSection&>(*viewer.Document().front()).Images.front();
  ASSERT_NE(image.Animation, nullptr);
  EXPECT_EQ(image.Animation->CurrentFrame(), 1);
  viewer.LoadText("<img src=anim.gif active>", (dir / "b.htm").string(), TDocumentType::Html);
  EXPECT_TRUE(host.Timers.empty());
  const TImageObj& hover = *static_cast<TSection&>(*viewer.Document().front()).Images.front();
  ASSERT_TRUE(hover.Active);
  ASSERT_NE(hover.Animation, nullptr);
  // A two-frame hover image shows its second frame under the pointer.
  viewer.MouseMove(0, hover.DrawX + viewer.MarginWidth(), hover.DrawY);
  EXPECT_EQ(hover.Animation->CurrentFrame(), 2);
  viewer.MouseMove(0, 300, 250);
  EXPECT_EQ(hover.Animation->CurrentFrame(), 1);
  TImageCache::Shared().Clear();
}

TEST_F(ViewerTest, FormSubmissionArrivesAfterTheEvent) {
  viewer.LoadText("<form action=go method=post><input name=q value=v><input type=submit name=s></form>", "/f.htm", TDocumentType::Html);
  viewer.Document().HtmlFormList.front()->SubmitTheForm("");
  EXPECT_TRUE(host.Submitted.empty());
  host.RunPosted();
  ASSERT_EQ(host.Submitted.size(), 1u);
  EXPECT_EQ(host.Submitted[0].Action, "go");
  EXPECT_EQ(host.Submitted[0].Method, "post");
  EXPECT_EQ(host.Submitted[0].Results, std::vector<std::string>{"q=v"});
}

TEST_F(ViewerTest, RefreshMetaReportsDelayAndAddress) {
  viewer.LoadText("<meta http-equiv=refresh content=\"5; URL=next.htm\">x", "/r.htm", TDocumentType::Html);
  viewer.LoadText("no refresh here", "/s.htm", TDocumentType::Html);
  EXPECT_EQ(host.Refreshes, (std::vector<std::pair<int, std::string>>{{5, "next.htm"}}));
}

TEST_F(ViewerTest, ScriptsAndFormControlsReachTheContainer) {
  viewer.LoadText("<script name=s language=js>go()</script><form><input name=q></form>", "/c.htm",
                  TDocumentType::Html);
  EXPECT_EQ(host.Scripts, std::vector<std::string>{"s/js/go()"});
  const int clearsAfterLoad = host.ControlClears;
  EXPECT_GE(clearsAfterLoad, 1);  // the old page's widgets go before a new page
  viewer.Paint(canvas, {0, 0, 400, 300});
  ASSERT_EQ(host.Placed.size(), 1u);
  EXPECT_FALSE(host.Placed[0].IsEmpty());
  // Scrolled out of sight, the control is taken off the surface.
  host.Placed.clear();
  viewer.Paint(canvas, {0, 200, 400, 300});
  ASSERT_EQ(host.Placed.size(), 1u);
  EXPECT_TRUE(host.Placed[0].IsEmpty());
  viewer.ClearPage();
  EXPECT_EQ(host.ControlClears, clearsAfterLoad + 1);
}

TEST(ViewerWithoutContainer, LoadsPagesAndLetsTheirEventsPass) {
  FakeControlHost host;
  RecordingCanvas canvas;
  THtmlPreview viewer(host, canvas);
  viewer.LoadText("<meta http-equiv=refresh content=\"1; URL=x.htm\"><script>s()</script>"
                  "<form action=go><input name=q value=v><input type=submit></form>",
                  "/n.htm", TDocumentType::Html);
  viewer.Paint(canvas, {0, 0, 400, 300});
  viewer.Document().HtmlFormList.front()->SubmitTheForm("");
  host.RunPosted();
  EXPECT_TRUE(host.Submitted.empty());
  EXPECT_TRUE(host.Refreshes.empty());
  EXPECT_TRUE(host.Scripts.empty());
  EXPECT_TRUE(host.Placed.empty());
}

TEST(RefreshContent, DelaysAndAddresses) {
  struct Case {
    const char* content;
    bool ok;
    int delay;
    const char* url;
  } cases[] = {{"5; URL=next.htm", true, 5, "next.htm"}, {"0", true, 1, ""}, {"soon; url=x", false, 0, ""}};
  for (const Case& c : cases) {
    int delay = 0;
    std::string url;
    EXPECT_EQ(ParseRefreshContent(c.content, delay, url), c.ok) << c.content;
    EXPECT_EQ(delay, c.delay) << c.content;
    EXPECT_EQ(url, c.url) << c.content;
  }
}

TEST(AddressResolution, Cases) {
  const TAddressContext plain{"", "", "/home/u/site/page.htm"};
  struct Case {
    const char* address;
    TAddressContext context;
    const char* expected;
  } cases[] = {
      {"x%41bc.htm", plain, "/home/u/site/xAbc.htm"},
      {"x%4", plain, "/home/u/site/x%4"},
      {"%41b.htm", plain, "/home/u/site/%41b.htm"},
      {"a%20b%zz%41.htm", plain, "/home/u/site/a b%zz%41.htm"},
      {"  sub/../img.gif ", plain, "/home/u/site/img.gif"},
      {"FILE:///tmp/a.htm", plain, "/tmp/a.htm"},
      {"/img/a.gif", {"/srv/site", "", "/home/u/p.htm"}, "/srv/site/img/a.gif"},
      {"/img/a.gif", plain, "/img/a.gif"},
      {"a.htm", {"", "file:///base/dir/", "/home/u/p.htm"}, "/base/dir/a.htm"},
      {"a.htm", {"", "dospath", "/home/u/p.htm"}, "a.htm"},
  };
  for (const Case& c : cases) {
    std::string expected = c.expected;
    if (expected[0] != '/') expected = FullPath(expected);
    EXPECT_EQ(ResolveAddress(c.address, c.context), expected) << c.address;
  }
}

TEST(AddressResolver, ALocalFileIsFoundWhateverTheLetterCaseOfTheReference) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tessaly-letter-case";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "Pics");
  for (const char* name : {"Pics/4x4.gif", "Pics/twin.gif", "Pics/TWIN.gif"}) std::ofstream(dir / name) << "x";
  const std::string base = dir.string() + "/";
  struct Case {
    const char* reference;
    std::string expected;
  } cases[] = {
      {"Pics/4x4.gif", base + "Pics/4x4.gif"},    // as written
      {"PICS/4X4.GIF", base + "Pics/4x4.gif"},    // the parser's upper case
      {"pics/Twin.gif", base + "pics/Twin.gif"},  // two candidates: left as written
      {"Pics/none.gif", base + "Pics/none.gif"},  // none: left as written
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResolveAddress(c.reference, {"", "", base + "page.htm"}), c.expected) << c.reference;
  std::filesystem::remove_all(dir);
}

TEST(ImageCache, UnusedPicturesAgeOut) {
  TImageCache cache;
  auto kept = std::make_shared<TBitmap>(1, 1);
  cache.Add("kept.gif", kept);
  cache.Add(" dropped.gif", std::make_shared<TBitmap>(1, 1));
  EXPECT_EQ(cache.Find("DROPPED.GIF ")->Width, 1);
  cache.Age(1);
  EXPECT_EQ(cache.Count(), 2u);
  cache.Age(1);
  EXPECT_EQ(cache.Count(), 1u);
  EXPECT_EQ(cache.Find("KEPT.GIF"), kept);
}

}  // namespace
}  // namespace tessaly::preview::test
