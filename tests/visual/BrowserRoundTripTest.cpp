#include <gtest/gtest.h>

#include "FakeBrowser.h"
#include "visual/BrowserRoundTrip.h"

namespace tessaly::visual {
namespace {

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
  EXPECT_TRUE(source.Html.empty());
}

TEST_F(RoundTripTest, AnEditedDocumentComesBackOnceAsTheEngineWroteIt) {
  Load();
  engine_.html = "<html><head></head><body><b>Жук</b></body></html>";
  const TBrowserSource source = trip_.Take(browser_);
  EXPECT_TRUE(source.Edited);
  EXPECT_EQ(source.Html, "<html><head></head><body><b>Жук</b></body></html>");
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
