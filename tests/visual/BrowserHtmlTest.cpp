#include <gtest/gtest.h>

#include "FakeBrowser.h"
#include "visual/BrowserHtml.h"
#include "visual/BrowserRoundTrip.h"

namespace tessaly::visual {
namespace {

TEST(NamedCharsetTest, FindsTheSetTheHeadNames) {
  struct Row {
    const char* html;
    const char* charset;
  };
  const Row rows[] = {
      {"<html><head><title>t</title></head><body>x</body></html>", ""},
      {"<html><head><meta charset=\"utf-8\"></head><body></body></html>", "utf-8"},
      {"<HTML><HEAD><META CHARSET=UTF-8></HEAD></HTML>", "utf-8"},
      {"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head>", "windows-1251"},
      {"<head><meta content='text/html; charset = koi8-r' http-equiv='Content-Type'></head>", "koi8-r"},
      {"<head><meta name=\"description\" content=\"a page\"><meta charset='iso-8859-5'></head>", "iso-8859-5"},
      // Page text that talks about markup names nothing.
      {"<head></head><body>&lt;meta charset=utf-8&gt; <meta charset=utf-8></body>", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(NamedCharset(row.html), row.charset) << row.html;
}

TEST(EncodeBrowserHtmlTest, KeepsEveryCharacterInTheSourceCharset) {
  struct Row {
    std::string utf8;
    std::string bytes;
  };
  const Row rows[] = {
      // No set named: windows-1251, Cyrillic as single bytes, the euro sign too.
      {"<p>Привет €</p>", "<p>\xCF\xF0\xE8\xE2\xE5\xF2 \x88</p>"},
      // What the code page lacks comes back as references, never as "?".
      {"<p>中 😀 ā</p>", "<p>&#20013; &#128512; &#257;</p>"},
      {"<head><meta charset=windows-1251></head>Ж", "<head><meta charset=windows-1251></head>\xC6"},
      // A page in UTF-8 stays UTF-8.
      {"<head><meta charset=\"utf-8\"></head>Ж中", "<head><meta charset=\"utf-8\"></head>Ж中"},
      // A set we have no table for: ASCII plus references, which it reads right.
      {"<head><meta charset=koi8-r></head>Жa", "<head><meta charset=koi8-r></head>&#1046;a"},
  };
  for (const Row& row : rows) EXPECT_EQ(EncodeBrowserHtml(row.utf8), row.bytes) << row.utf8;
}

class RoundTripTest : public ::testing::Test {
protected:
  RoundTripTest() : browser_(engine_) {}

  void Load() { trip_.DocumentComplete(*browser_.Document()); }

  test::FakeEngine engine_;
  test::FakeBrowser browser_;
  TBrowserRoundTrip trip_;
};

TEST_F(RoundTripTest, AnUneditedDocumentLeavesTheSourceAlone) {
  Load();
  const TBrowserSource source = trip_.Take(browser_);
  EXPECT_FALSE(source.Edited);
  EXPECT_TRUE(source.Bytes.empty());
}

TEST_F(RoundTripTest, AnEditedDocumentComesBackOnceInTheSourceCharset) {
  Load();
  engine_.html = "<html><head></head><body><b>Жук</b></body></html>";
  const TBrowserSource source = trip_.Take(browser_);
  EXPECT_TRUE(source.Edited);
  EXPECT_EQ(source.Bytes, "<html><head></head><body><b>\xC6\xF3\xEA</b></body></html>");
  // No new load since: the same document does not come back over later source edits.
  EXPECT_FALSE(trip_.Take(browser_).Edited);
}

TEST_F(RoundTripTest, ADocumentNotLoadedForThisSourceIsNotTaken) {
  Load();
  trip_.Forget();  // the source was shown anew, its load never completed
  engine_.html = "<html><body>the old page, edited</body></html>";
  EXPECT_FALSE(trip_.Take(browser_).Edited);
}

TEST_F(RoundTripTest, FailuresRaiseAndKeepTheDocumentForAnotherTry) {
  Load();
  engine_.html = "<html><body>edited</body></html>";

  browser_.complete = false;
  EXPECT_THROW(trip_.Take(browser_), EBrowserError);
  browser_.complete = true;

  browser_.hasDocument = false;
  EXPECT_THROW(trip_.Take(browser_), EBrowserError);
  browser_.hasDocument = true;

  engine_.refuse = true;
  EXPECT_THROW(trip_.Take(browser_), EBrowserError);
  engine_.refuse = false;

  EXPECT_TRUE(trip_.HasDocument());
  EXPECT_TRUE(trip_.Take(browser_).Edited);
}

}  // namespace
}  // namespace tessaly::visual
