// The update check over real HTTP: the tests' own server on 127.0.0.1, the
// Qt internet layer, and the component's events in the order it raises them.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <filesystem>

#include "TestFiles.h"
#include "TestHttpServer.h"
#include "platform/Shell.h"
#include "qt/QtInternet.h"
#include "update/WebUpdate.h"

namespace tessaly {
namespace {

using test::THttpReply;

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "update_qt_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* application = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
  (void)application;
}

class TFakeShell : public TShell {
public:
  bool Open(const std::string& target, const std::string& parameters) override {
    opened.push_back(target + " " + parameters);
    return opens;
  }
  void Terminate() override { ++terminated; }
  std::vector<std::string> opened;
  bool opens = true;
  int terminated = 0;
};

std::string Page(const std::string& product, const std::string& version, const std::string& download,
                 const std::string& extra = "") {
  return "<HTML><HEAD>\r\n<META NAME=\"upProduct\" CONTENT=\"" + product + "\">\r\n<META NAME=\"upVersion\" CONTENT=\"" +
         version + "\">\r\n<META NAME=\"upDownload\" CONTENT=\"" + download +
         "\">\r\n<META NAME=\"upClientSideName\" CONTENT=\"update.zip\">\r\n"
         "<META NAME=\"upRunParameters\" CONTENT=\"-quiet\">\r\n" +
         extra + "</HEAD><BODY>News</BODY></HTML>\r\n";
}

class WebUpdateTest : public ::testing::Test {
protected:
  void SetUp() override {
    EnsureApplication();
    update.SetOptions(uoRunUpdate);
    TProductInfo info;
    info.URL = server.Url("/info.htm");
    info.Version = "1.0";
    update.SetProductInfo(info);
    const auto note = [this](const char* name) { return [this, name](TWebUpdate&) { log.push_back(name); }; };
    update.OnBeforeGetInfo = note("OnBeforeGetInfo");
    update.OnAfterGetInfo = note("OnAfterGetInfo");
    update.OnDownloadError = note("OnDownloadError");
    update.OnNoUpdateFound = note("OnNoUpdateFound");
    update.OnCannotExecute = note("OnCannotExecute");
    update.OnUpdateAvailable = [this](TWebUpdate&, const std::string& local, bool&, const std::string& published) {
      log.push_back("OnUpdateAvailable " + local + " " + published);
    };
    update.OnBeforeShowInfo = [this](TWebUpdate&, bool&, bool&) { log.push_back("OnBeforeShowInfo"); };
    update.OnAfterShowInfo = [this](TWebUpdate&, bool check) { log.push_back(std::string("OnAfterShowInfo ") + (check ? "true" : "false")); };
    update.OnGetClientFileName = [this](TWebUpdate&, std::string& fileName) {
      log.push_back("OnGetClientFileName " + std::filesystem::path(fileName).filename().string());
      fileName = dir.Path() + "update.zip";
    };
    update.OnClientFileExists = [this](TWebUpdate&, std::string&, bool& overwrite) {
      log.push_back(std::string("OnClientFileExists ") + (overwrite ? "true" : "false"));
      overwrite = overwriteAnswer;
    };
    update.OnBeforeDownload = [this](TWebUpdate&, const std::string&) { log.push_back("OnBeforeDownload"); };
    update.OnDownload = [this](TWebUpdate& sender, int64_t total, int64_t received) {
      ++downloadEvents;
      lastProgress = {total, received};
      if (abortDuringDownload && log.back() == "OnBeforeDownload") sender.Abort();
      if (reenter) reenteredResult = sender.CheckForUpdate();
    };
    update.OnAfterDownload = [this](TWebUpdate&, const std::string&) { log.push_back("OnAfterDownload"); };
  }

  std::vector<std::string> Log(std::initializer_list<const char*> names) const { return {names.begin(), names.end()}; }
  std::string Downloaded() const { return zip::test::ReadFile(dir.Path() + "update.zip"); }

  test::TTestHttpServer server;
  zip::test::TScratchDir dir;
  QtInternet internet;
  TFakeShell shell;
  TWebUpdate update{internet, shell};
  std::vector<std::string> log;
  int downloadEvents = 0;
  std::pair<int64_t, int64_t> lastProgress;
  bool overwriteAnswer = true;
  bool abortDuringDownload = false;
  bool reenter = false;
  bool reenteredResult = true;
};

const std::string kArchive = zip::test::NoiseBytes(10000, 1);

// A read blocked on a silent server returns as soon as the user aborts.
TEST_F(WebUpdateTest, BlockedReadEndsOnAbort) {
  server.Set("/slow", {kArchive, THttpReply::TLength::Correct, 0});
  const auto transfer = internet.Get({"127.0.0.1", server.Port(), "/slow", "", ""});
  ASSERT_TRUE(transfer);
  ASSERT_TRUE(transfer->WaitForHeaders());
  EXPECT_EQ(transfer->ContentLength(), std::to_string(kArchive.size()));
  QTimer::singleShot(50, [&transfer] { transfer->Abort(); });
  char block[1025];
  EXPECT_LE(transfer->Read(block, sizeof block), 0);
}

TEST_F(WebUpdateTest, DefaultsAndTheUrlPrefix) {
  TWebUpdate fresh(internet, shell);
  EXPECT_EQ(fresh.Version(), "1.2");
  EXPECT_EQ(fresh.Options(), uoRunUpdate | uoTerminate);
  EXPECT_EQ(fresh.ProductInfo().Version, "1.0");
  EXPECT_EQ(fresh.TagInfo().ClientFileName, "upClientSideName");
  EXPECT_EQ(fresh.InfoCaption().CheckBox, "C&heck for updates in the future");
  for (const auto& [given, stored] : std::vector<std::pair<std::string, std::string>>{
           {"example.com/up.htm", "http://example.com/up.htm"},
           {"HTTP://example.com/up.htm", "HTTP://example.com/up.htm"},
           {"", "http://"}}) {
    TProductInfo info;
    info.URL = given;
    fresh.SetProductInfo(info);
    EXPECT_EQ(fresh.ProductInfo().URL, stored);
  }
}

TEST_F(WebUpdateTest, NewerVersionIsDownloadedAndOpened) {
  server.Set("/info.htm", {Page("Tessaly", "2.0", server.Url("/files/update.zip"))});
  server.Set("/files/update.zip", {kArchive});
  EXPECT_TRUE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnAfterGetInfo", "OnUpdateAvailable 1.0 2.0", "OnBeforeShowInfo",
                      "OnAfterShowInfo true", "OnGetClientFileName update.zip", "OnBeforeDownload", "OnAfterDownload"}));
  EXPECT_EQ(Downloaded(), kArchive);
  EXPECT_EQ(lastProgress, (std::pair<int64_t, int64_t>{10000, 10000}));
  EXPECT_GE(downloadEvents, 10000 / 1025);
  EXPECT_EQ(shell.opened, std::vector<std::string>{dir.Path() + "update.zip -quiet"});
  EXPECT_EQ(shell.terminated, 0);
  const std::string request = server.Requests().at(0);
  EXPECT_NE(request.find("GET /info.htm HTTP/1."), std::string::npos);
  EXPECT_NE(request.find("User-Agent: MOZILLA"), std::string::npos);
  EXPECT_NE(request.find("no-cache"), std::string::npos);
}

TEST_F(WebUpdateTest, TerminatesWhenAskedAndReportsWhatCannotBeOpened) {
  server.Set("/info.htm", {Page("Tessaly", "2.0", server.Url("/u.zip"))});
  server.Set("/u.zip", {kArchive});
  update.SetOptions(uoRunUpdate | uoTerminate);
  shell.opens = false;
  EXPECT_TRUE(update.CheckForUpdate());
  EXPECT_EQ(log.back(), "OnCannotExecute");
  EXPECT_EQ(shell.terminated, 1);
}

TEST_F(WebUpdateTest, SameVersionFindsNoUpdate) {
  server.Set("/info.htm", {Page("Tessaly", "1.0", server.Url("/u.zip"))});
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnAfterGetInfo", "OnNoUpdateFound"}));
  EXPECT_EQ(update.Values().ProductName, "Tessaly");
}

struct TPageCase {
  const char* label;
  std::string page;
};

class PagesWithoutValues : public WebUpdateTest, public ::testing::WithParamInterface<TPageCase> {};

TEST_P(PagesWithoutValues, GiveADownloadError) {
  server.Set("/info.htm", {GetParam().page});
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnAfterGetInfo", "OnDownloadError"}));
}

TEST_F(WebUpdateTest, EmptyReplyFailsTheRead) {
  server.Set("/info.htm", {"", THttpReply::TLength::Correct, std::string::npos, 404});
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnDownloadError", "OnAfterGetInfo"}));
}

INSTANTIATE_TEST_SUITE_P(Rows, PagesWithoutValues,
                         ::testing::Values(TPageCase{"no_tags", "<html><body>Nothing here</body></html>"},
                                           TPageCase{"lower_case_meta", "<meta name=\"upProduct\" content=\"T\">\n"
                                                                        "<meta name=\"upVersion\" content=\"9.0\">\n"},
                                           TPageCase{"no_version", "<META NAME=\"upProduct\" CONTENT=\"T\">"}),
                         [](const auto& info) { return std::string(info.param.label); });

// A failed read reports itself while the page is read, and only once.
TEST_F(WebUpdateTest, UnreachableServerReportsOnce) {
  TProductInfo info = update.ProductInfo();
  {
    const test::TTestHttpServer gone;  // its port is closed when it goes
    info.URL = gone.Url("/info.htm");
  }
  update.SetProductInfo(info);
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnDownloadError", "OnAfterGetInfo"}));
}

TEST_F(WebUpdateTest, AddressWithoutPathFails) {
  TProductInfo info = update.ProductInfo();
  info.URL = "http://127.0.0.1";
  update.SetProductInfo(info);
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnDownloadError", "OnAfterGetInfo"}));
  EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WebUpdateTest, RedirectionsAreFollowedAndEachPageReplacesTheValues) {
  server.Set("/info.htm", {"<META NAME=\"upRedirection\" CONTENT=\"" + server.Url("/second.htm") +
                           "\">\n<META NAME=\"upAuthor\" CONTENT=\"first\">\n"});
  server.Set("/second.htm", {"<META NAME=\"upRedirection\" CONTENT=\"" + server.Url("/third.htm") + "\">\n"});
  server.Set("/third.htm", {Page("Tessaly", "1.0", "x", "<META NAME=\"upEmail\" CONTENT=\"a@b\">\n")});
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnAfterGetInfo", "OnNoUpdateFound"}));
  EXPECT_EQ(server.Requests().size(), 3u);
  EXPECT_EQ(update.Values().Author, "");
  EXPECT_EQ(update.Values().Email, "a@b");
}

TEST_F(WebUpdateTest, EndlessRedirectionStopsAfterTenPages) {
  server.Set("/info.htm", {"<META NAME=\"upRedirection\" CONTENT=\"" + server.Url("/info.htm") + "\">\n"});
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnDownloadError", "OnAfterGetInfo"}));
  EXPECT_EQ(server.Requests().size(), static_cast<size_t>(TWebUpdate::kMaxPages));
}

TEST_F(WebUpdateTest, InformationPageNeedsNoContentLength) {
  server.Set("/info.htm", {Page("Tessaly", "1.0", "x"), THttpReply::TLength::Missing});
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log.back(), "OnNoUpdateFound");
}

struct TBrokenDownloadCase {
  const char* label;
  THttpReply reply;
  bool fileStays;
};

class BrokenDownloads : public WebUpdateTest, public ::testing::WithParamInterface<TBrokenDownloadCase> {};

TEST_P(BrokenDownloads, FailWithAnErrorAndStillRaiseAfterDownload) {
  server.Set("/info.htm", {Page("Tessaly", "2.0", server.Url("/u.zip"))});
  server.Set("/u.zip", GetParam().reply);
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnAfterGetInfo", "OnUpdateAvailable 1.0 2.0", "OnBeforeShowInfo",
                      "OnAfterShowInfo true", "OnGetClientFileName update.zip", "OnBeforeDownload", "OnDownloadError",
                      "OnAfterDownload"}));
  EXPECT_EQ(std::filesystem::exists(dir.Path() + "update.zip"), GetParam().fileStays);
  EXPECT_TRUE(shell.opened.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, BrokenDownloads,
                         ::testing::Values(TBrokenDownloadCase{"missing_content_length", {kArchive, THttpReply::TLength::Missing}, false},
                                           TBrokenDownloadCase{"short_body", {kArchive, THttpReply::TLength::Larger}, true},
                                           TBrokenDownloadCase{"not_found", {"", THttpReply::TLength::Missing, std::string::npos, 404}, false},
                                           // An error page of the right length is still not the update.
                                           TBrokenDownloadCase{"error_page", {"not found", THttpReply::TLength::Correct, std::string::npos, 404}, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(WebUpdateTest, AbortMidTransferEndsQuietly) {
  server.Set("/info.htm", {Page("Tessaly", "2.0", server.Url("/u.zip"))});
  server.Set("/u.zip", {kArchive, THttpReply::TLength::Correct, 3000});
  abortDuringDownload = true;
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnAfterGetInfo", "OnUpdateAvailable 1.0 2.0", "OnBeforeShowInfo",
                      "OnAfterShowInfo true", "OnGetClientFileName update.zip", "OnBeforeDownload", "OnAfterDownload"}));
  EXPECT_LT(lastProgress.second, 3001);
  EXPECT_FALSE(update.Busy());
}

TEST_F(WebUpdateTest, CheckDuringACheckIsTurnedAway) {
  server.Set("/info.htm", {Page("Tessaly", "1.0", "x")});
  reenter = true;
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_FALSE(reenteredResult);
  EXPECT_EQ(server.Requests().size(), 1u);
  reenter = false;
  EXPECT_FALSE(update.CheckForUpdate());  // usable again afterwards
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(WebUpdateTest, ExistingFileIsKeptWhenTheOwnerSaysSo) {
  server.Set("/info.htm", {Page("Tessaly", "2.0", server.Url("/u.zip"))});
  server.Set("/u.zip", {kArchive});
  zip::test::WriteFile(dir.Path() + "update.zip", "mine");
  overwriteAnswer = false;
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log, Log({"OnBeforeGetInfo", "OnAfterGetInfo", "OnUpdateAvailable 1.0 2.0", "OnBeforeShowInfo",
                      "OnAfterShowInfo true", "OnGetClientFileName update.zip", "OnClientFileExists false",
                      "OnDownloadError"}));
  EXPECT_EQ(Downloaded(), "mine");
}

TEST_F(WebUpdateTest, ClientFileNameCannotLeaveTheTemporaryFolder) {
  server.Set("/info.htm", {Page("Tessaly", "1.0", "x", "<META NAME=\"upClientSideName\" CONTENT=\"../../etc/evil.zip\">\n")});
  update.CheckForUpdate();
  const std::string temp = std::filesystem::temp_directory_path().string();
  EXPECT_EQ(update.TempFilePath(), temp + (temp.back() == '/' ? "" : "/") + "evil.zip");
}

TEST_F(WebUpdateTest, DeclinedUpdateOrInformationDownloadsNothing) {
  server.Set("/info.htm", {Page("Tessaly", "2.0", server.Url("/u.zip"))});
  update.OnUpdateAvailable = [](TWebUpdate&, const std::string&, bool& canUpdate, const std::string&) { canUpdate = false; };
  EXPECT_FALSE(update.CheckForUpdate());
  update.OnUpdateAvailable = nullptr;
  update.ShowInfoWindow = [](TWebUpdate&, const std::string& url, bool& check) {
    check = false;
    return url.empty();
  };
  EXPECT_FALSE(update.CheckForUpdate());
  EXPECT_EQ(log.back(), "OnAfterShowInfo false");
  EXPECT_EQ(server.Requests().size(), 2u);
}

}  // namespace
}  // namespace tessaly
