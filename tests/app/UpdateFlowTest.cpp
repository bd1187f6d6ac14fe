// The update window's steps against the tests' own HTTP server on 127.0.0.1:
// the check, the questions, the download, the unpack into a scratch program
// directory and what closing remembers.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestFiles.h"
#include "TestHttpServer.h"
#include "ZipBuilder.h"
#include "app/update/UpdateFlow.h"
#include "platform/IniFile.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Shell.h"
#include "qt/QtInternet.h"

namespace tessaly {
namespace {

using test::THttpReply;
namespace zt = zip::test;

class TRecordingShell : public TShell {
public:
  bool Open(const std::string& target, const std::string&) override {
    opened.push_back(target);
    return true;
  }
  void Terminate() override { ++terminated; }
  std::vector<std::string> opened;
  int terminated = 0;
};

// The real network, with the connected-state answer chosen by the test.
class TTestInternet : public QtInternet {
public:
  bool IsConnected() override { return connected; }
  bool connected = true;
};

class TFakeView : public TUpdateView {
public:
  void SetInfoText(const std::string& text) override { info = text; }
  void SetInfoVisible(bool visible) override { infoVisible = visible; }
  void SetBlinking(bool value) override { blinking = value; }
  bool Blinking() const override { return blinking; }
  void SetVersions(const std::string& local, const std::string& published) override {
    yourVersion = local;
    webVersion = published;
  }
  std::string PublishedVersion() const override { return webVersion; }
  void SetProgress(int64_t maximum, int64_t position) override {
    ++progressEvents;
    progress = {maximum, position};
  }
  void SetUpdateLabel(const std::string& text) override { updateLabel = text; }
  bool ShowInfo(const std::string& url, const TInfoCaption& captions, bool& checkForUpdate) override {
    infoUrl = url;
    infoCaptions = captions.OK + "|" + captions.Cancel + "|" + captions.CheckBox;
    checkForUpdate = false;
    return acceptInfo;
  }

  std::string info, yourVersion, webVersion, updateLabel, infoUrl, infoCaptions;
  bool infoVisible = false, blinking = false, acceptInfo = true;
  int progressEvents = 0;
  std::pair<int64_t, int64_t> progress;
};

std::string Page(const std::string& version, const std::string& download, const std::string& extra = "") {
  return "<HTML><HEAD>\r\n<META NAME=\"upProduct\" CONTENT=\"Tessaly\">\r\n<META NAME=\"upVersion\" CONTENT=\"" +
         version + "\">\r\n<META NAME=\"upDownload\" CONTENT=\"" + download +
         "\">\r\n<META NAME=\"upClientSideName\" CONTENT=\"update.zip\">\r\n" + extra + "</HEAD></HTML>\r\n";
}

const std::string kArchive = zt::BuildZip({{.name = "backup/", .data = ""},
                                          {.name = "tessaly.txt", .data = zt::SampleText(5000, 3), .method = 8},
                                          {.name = "lang/English.lng", .data = "[lang]\r\n", .method = 0}});

class UpdateFlowTest : public ::testing::Test {
protected:
  void SetUp() override {
    const char* previous = std::getenv("TMPDIR");
    savedTmp = previous ? previous : "";
    hadTmp = previous != nullptr;
    std::filesystem::create_directories(temp.Path() + "tmp");
    setenv("TMPDIR", (temp.Path() + "tmp").c_str(), 1);
    flow.SetUpdateUrl(server.Url("/info.htm"));
    flow.Today = [] { return std::string("09.12.2026"); };
    flow.Activate();
  }
  void TearDown() override {
    if (hadTmp)
      setenv("TMPDIR", savedTmp.c_str(), 1);
    else
      unsetenv("TMPDIR");
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const TDialogCall& call : dialogs.Calls()) texts.push_back(call.Text);
    return texts;
  }
  std::string Setting(const char* key) const { return IniFile(settings()).ReadString("set", key, "<none>"); }
  std::string settings() const { return program.Path() + "tessaly.ini"; }
  std::string Download() const { return temp.Path() + "tmp/update.zip"; }

  test::TTestHttpServer server;
  zt::TScratchDir program, temp;
  std::string savedTmp;
  bool hadTmp = false;
  TTestInternet internet;
  TRecordingShell shell;
  ScriptedDialogs dialogs;
  TFakeView view;
  TUpdateFlow flow{internet, shell, dialogs, view, program.Path() + "tessaly.ini", program.Path(), "2.0"};
};

const std::string kNoUpdate = "У вас уже установлена последняя версия продукта";
const std::string kLoadError = "Невозможно загрузить данные!";

TEST_F(UpdateFlowTest, ActivationShowsTheStoredDateAndStoresTheDefault) {
  EXPECT_EQ(view.updateLabel, "Последнее обновление от -");
  EXPECT_EQ(Setting("last"), "-");  // the read wrote its default
  EXPECT_EQ(flow.WebUpdate().ProductInfo().Version, "2.0");
  EXPECT_EQ(flow.WebUpdate().InfoCaption().Cancel, "&Отмена");
  EXPECT_EQ(flow.WebUpdate().Options(), uoRunUpdate);
}

TEST_F(UpdateFlowTest, NoUpdateSaysSoAndClosingWritesNothing) {
  server.Set("/info.htm", {Page("1.5", server.Url("/u.zip"))});
  flow.CheckClick();
  EXPECT_EQ(Messages(), std::vector<std::string>{kNoUpdate});
  EXPECT_EQ(view.info, "Обновление не требуется");
  EXPECT_EQ(view.yourVersion, "2.0");
  EXPECT_EQ(view.webVersion, "1.5");
  flow.Close();
  EXPECT_EQ(Setting("vers"), "<none>");
  EXPECT_EQ(Setting("last"), "-");
}

TEST_F(UpdateFlowTest, AcceptedUpdateIsUnpackedIntoTheProgramDirectoryAndRemembered) {
  server.Set("/info.htm", {Page("2.1", server.Url("/u.zip"))});
  server.Set("/u.zip", {kArchive});
  dialogs.AnswerMessage(mrYes);
  flow.CheckClick();
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0], "У вас установлена версия 2.0, \rНа сайте имеется 2.1 \r\n \r\nВы будете обновлять данные?");
  EXPECT_EQ(Messages()[1], "Обновление загружено. \rФайл для запуска:lang/English.lng\rВ каталоге с программой \r" +
                               program.Path());
  EXPECT_EQ(dialogs.Calls()[0].Buttons, TMsgDlgButtons(mbYes | mbNo));
  EXPECT_EQ(zt::ReadFile(program.Path() + "lang/English.lng"), "[lang]\r\n");
  EXPECT_EQ(zt::ReadFile(program.Path() + "tessaly.txt"), zt::SampleText(5000, 3));
  EXPECT_TRUE(std::filesystem::is_directory(program.Path() + "backup"));  // an empty folder of the update
  EXPECT_EQ(view.info, "Обновление загружено...");
  EXPECT_TRUE(view.blinking);
  EXPECT_GT(view.progressEvents, 1);
  EXPECT_EQ(view.progress, std::make_pair(int64_t(kArchive.size()), int64_t(kArchive.size())));
  EXPECT_EQ(view.infoCaptions, "&OK|&Отмена|Проверять в дальнейшем");
  EXPECT_EQ(shell.opened, std::vector<std::string>{Download()});
  EXPECT_EQ(shell.terminated, 0);

  flow.Close();
  EXPECT_EQ(Setting("last"), "09.12.2026");
  EXPECT_EQ(Setting("vers"), "2.1");
  flow.Activate();
  EXPECT_EQ(view.updateLabel, "Последнее обновление от 09.12.2026");
  EXPECT_FALSE(view.blinking);
}

struct TFailedUpdateCase {
  const char* label;
  THttpReply archive;
  std::string extra;  // further META lines of the page
  std::vector<std::string> boxes;  // after the question
  bool downloadStays;
};

class FailedUpdates : public UpdateFlowTest, public ::testing::WithParamInterface<TFailedUpdateCase> {};

TEST_P(FailedUpdates, ReportAndUnpackNothing) {
  const TFailedUpdateCase& row = GetParam();
  server.Set("/info.htm", {Page("3.0", server.Url("/u.zip"), row.extra)});
  server.Set("/u.zip", row.archive);
  dialogs.AnswerMessage(mrYes);
  flow.CheckClick();
  std::vector<std::string> boxes = Messages();
  ASSERT_FALSE(boxes.empty());
  boxes.erase(boxes.begin());
  std::vector<std::string> expected;
  for (const std::string& box : row.boxes) expected.push_back(box == "unpack" ? UnpackFailedText(Download()) : box);
  EXPECT_EQ(boxes, expected);
  EXPECT_FALSE(std::filesystem::exists(program.Path() + "tessaly.txt"));
  EXPECT_EQ(std::filesystem::exists(Download()), row.downloadStays);
  EXPECT_FALSE(view.blinking);
  EXPECT_TRUE(shell.opened.empty() || row.downloadStays);
  flow.Close();
  EXPECT_EQ(Setting("vers"), "<none>");
}

const std::string kWrongSha = "<META NAME=\"upSHA256\" CONTENT=\"" + std::string(64, '0') + "\">\r\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, FailedUpdates,
    ::testing::Values(
        TFailedUpdateCase{"missing_archive", {"not found", THttpReply::TLength::Correct, std::string::npos, 404}, "",
                          {kLoadError, "unpack"}, false},
        TFailedUpdateCase{"short_transfer", {kArchive, THttpReply::TLength::Larger}, "", {kLoadError, "unpack"}, true},
        TFailedUpdateCase{"damaged_archive", {zt::NoiseBytes(3000, 7)}, "", {"unpack"}, true},
        TFailedUpdateCase{"checksum_mismatch", {kArchive}, kWrongSha, {kLoadError, "unpack"}, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(UpdateFlowTest, MatchingChecksumIsUnpacked) {
  server.Set("/info.htm", {Page("3.0", server.Url("/u.zip"))});
  server.Set("/u.zip", {kArchive});
  zt::WriteFile(temp.Path() + "a.zip", kArchive);
  const std::string sha = FileSha256(temp.Path() + "a.zip");
  ASSERT_EQ(sha.size(), 64u);
  std::string upper = sha;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  server.Set("/info.htm", {Page("3.0", server.Url("/u.zip"), "<META NAME=\"upSHA256\" CONTENT=\"" + upper + "\">\r\n")});
  dialogs.AnswerMessage(mrYes);
  flow.CheckClick();
  EXPECT_TRUE(view.blinking);
  EXPECT_EQ(zt::ReadFile(program.Path() + "lang/English.lng"), "[lang]\r\n");
}

TEST_F(UpdateFlowTest, DeclinedQuestionOrInfoWindowDownloadsNothing) {
  server.Set("/info.htm", {Page("3.0", server.Url("/u.zip"))});
  server.Set("/u.zip", {kArchive});
  dialogs.AnswerMessage(mrNo);
  flow.CheckClick();
  EXPECT_EQ(Messages().size(), 1u);
  view.acceptInfo = false;
  dialogs.AnswerMessage(mrYes);
  flow.CheckClick();
  EXPECT_EQ(view.infoUrl, server.Url("/info.htm"));
  EXPECT_EQ(server.Requests().size(), 2u);  // the page twice, never the archive
  EXPECT_FALSE(std::filesystem::exists(Download()));
}

TEST_F(UpdateFlowTest, WithoutAConnectionOnlyThisComputerIsAsked) {
  internet.connected = false;
  server.Set("/info.htm", {Page("1.0", "x")});
  flow.SetUpdateUrl("http://update.invalid/info.htm");
  flow.CheckClick();
  EXPECT_EQ(view.info, "Нет соединения с ИНТЕРНЕТ");
  EXPECT_TRUE(dialogs.Calls().empty());
  flow.SetUpdateUrl(server.Url("/info.htm"));
  flow.CheckClick();
  EXPECT_EQ(Messages(), std::vector<std::string>{kNoUpdate});
}

// A plain HTTP server cannot complete a TLS handshake: the transfer fails
// with the download error, not quietly.
TEST_F(UpdateFlowTest, FailedSecureTransferIsADownloadError) {
  server.Set("/info.htm", {Page("3.0", "x")});
  flow.SetUpdateUrl("https://127.0.0.1:" + std::to_string(server.Port()) + "/info.htm");
  EXPECT_EQ(flow.WebUpdate().ProductInfo().URL.rfind("https://", 0), 0u);
  flow.CheckClick();
  EXPECT_EQ(Messages(), std::vector<std::string>{kLoadError});
}

TEST(UpdateTextsTest, LocalVersion) {
  EXPECT_EQ(LocalVersionText(""), "не определено");
  EXPECT_EQ(LocalVersionText("  1.4.2 "), "1.4.2");
}

TEST(UpdateTextsTest, LocalAddresses) {
  const std::pair<const char*, bool> rows[] = {{"http://127.0.0.1:8080/a", true}, {"HTTP://LocalHost/a", true},
                                               {"https://[::1]:5/a", true},      {"http://127.0.0.10/a", false},
                                               {"http://example.org/a", false},  {"localhost.example.org/", false}};
  for (const auto& [url, local] : rows) EXPECT_EQ(IsLocalAddress(url), local) << url;
}

TEST(IniTest, ReadWritesTheDefaultAndValuesAreCut) {
  zt::TScratchDir dir;
  const TIni ini(dir.Path() + "tessaly.ini");
  EXPECT_EQ(ini.Read("set", "last", "-"), "-");
  EXPECT_EQ(IniFile(ini.Path()).ReadString("set", "last", "<none>"), "-");
  ini.Write("set", "vers", "");
  EXPECT_EQ(ini.Read("set", "vers", "1.0"), "1.0");  // an empty value counts as absent
  ini.Write("set", "vers", std::string(300, 'v'));
  EXPECT_EQ(ini.Read("set", "vers", "x"), std::string(TIni::MaxLength, 'v'));
  // The language settings share the file and survive.
  IniFile(ini.Path()).WriteString("lang", "file", "English.lng");
  ini.Write("set", "last", "01.02.2026");
  EXPECT_EQ(IniFile(ini.Path()).ReadString("lang", "file", ""), "English.lng");
}

}  // namespace
}  // namespace tessaly
