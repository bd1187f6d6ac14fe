#include "app/update/UpdateFlow.h"

#include <QCryptographicHash>
#include <QDate>
#include <QFile>
#include <QLocale>

#include <filesystem>

#include "platform/CodePage1251.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/Internet.h"
#include "platform/Paths.h"
#include "update/UpdatePage.h"

namespace tessaly {

namespace {

constexpr const char* kNoVersion = "не определено";
constexpr const char* kShaTag = "upSHA256";

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string ShortDateToday() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace

std::string TIni::Read(const std::string& section, const std::string& key, const std::string& defaultValue) const {
  IniFile file(path_);
  std::string value = file.ReadString(section, key, "", MaxLength);
  if (!value.empty()) return value;
  const std::string stored = defaultValue.substr(0, MaxLength);
  file.WriteString(section, key, stored);
  return stored;
}

void TIni::Write(const std::string& section, const std::string& key, const std::string& value) const {
  IniFile(path_).WriteString(section, key, value.substr(0, MaxLength));
}

std::string UpdateLabelText(const std::string& lastUpdate) { return "Последнее обновление от " + lastUpdate; }

std::string UpdateQuestionText(const std::string& localVersion, const std::string& publishedVersion) {
  return "У вас установлена версия " + localVersion + ", \rНа сайте имеется " + publishedVersion +
         " \r\n \r\nВы будете обновлять данные?";
}

std::string UnpackedText(const std::string& lastEntry, const std::string& directory) {
  return "Обновление загружено. \rФайл для запуска:" + lastEntry + "\rВ каталоге с программой \r" + directory;
}

std::string UnpackFailedText(const std::string& archive) { return "Обновление не удалось распаковать! " + archive; }

std::string LocalVersionText(const std::string& buildVersion) {
  const std::string version = Trimmed(buildVersion);
  return version.empty() ? kNoVersion : version;
}

bool IsLocalAddress(const std::string& url) {
  std::string rest = AsciiLower(url);
  const size_t scheme = rest.find("://");
  if (scheme != std::string::npos) rest.erase(0, scheme + 3);
  if (rest.rfind("[::1]", 0) == 0) return true;
  const std::string host = rest.substr(0, rest.find_first_of("/:"));
  return host == "127.0.0.1" || host == "localhost";
}

std::string FileSha256(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return hash.result().toHex().toStdString();
}

TUpdateFlow::TUpdateFlow(TInternet& internet, TShell& shell, Dialogs& dialogs, TUpdateView& view,
                         std::string settingsFile, std::string programDirectory, std::string buildVersion)
    : Today(ShortDateToday),
      internet_(internet),
      dialogs_(dialogs),
      view_(view),
      ini_(std::move(settingsFile)),
      programDirectory_(std::move(programDirectory)),
      buildVersion_(std::move(buildVersion)),
      webUpdate_(internet, shell) {
  TProductInfo product = webUpdate_.ProductInfo();
  product.Version = "3.0";
  webUpdate_.SetProductInfo(product);
  webUpdate_.SetInfoCaption({"&OK", "&Отмена", "Проверять в дальнейшем"});
  webUpdate_.SetOptions(uoRunUpdate);
  unZip_.SetCpuType(TCpuType::cptAuto);
  // An update may bring empty folders the program expects.
  unZip_.SetCreateStoredDirs(true);

  const auto utf8 = [](const std::string& bytes) { return cp1251::ToUtf8(bytes); };
  webUpdate_.OnBeforeGetInfo = [this](TWebUpdate&) {
    view_.SetInfoText("Проверка обновления...");
    view_.SetInfoVisible(true);
  };
  webUpdate_.OnAfterGetInfo = [this, utf8](TWebUpdate& sender) {
    view_.SetVersions(utf8(sender.ProductInfo().Version), utf8(sender.Values().Version));
  };
  webUpdate_.OnNoUpdateFound = [this](TWebUpdate&) {
    dialogs_.MessageDlg("У вас уже установлена последняя версия продукта", "", TMsgDlgType::mtInformation, mbOK,
                        mbOK);
    view_.SetInfoText("Обновление не требуется");
  };
  webUpdate_.OnUpdateAvailable = [this, utf8](TWebUpdate&, const std::string& local, bool& canUpdate,
                                              const std::string& published) {
    canUpdate = dialogs_.MessageDlg(UpdateQuestionText(utf8(local), utf8(published)), "",
                                    TMsgDlgType::mtInformation, mbYes | mbNo, mbYes) == mrYes;
  };
  webUpdate_.OnBeforeShowInfo = [](TWebUpdate&, bool& showInfo, bool& checkForUpdate) {
    showInfo = true;
    checkForUpdate = true;
  };
  webUpdate_.OnClientFileExists = [](TWebUpdate&, std::string&, bool& overwrite) { overwrite = true; };
  webUpdate_.OnBeforeDownload = [this](TWebUpdate&, const std::string& fileName) {
    downloadFailed_ = false;
    view_.SetInfoText("Downloading file " + ExtractFileName(fileName));
  };
  webUpdate_.OnDownload = [this](TWebUpdate&, int64_t total, int64_t received) { view_.SetProgress(total, received); };
  webUpdate_.OnDownloadError = [this](TWebUpdate&) {
    downloadFailed_ = true;
    dialogs_.MessageDlg("Невозможно загрузить данные!", "", TMsgDlgType::mtError, mbOK, mbOK);
  };
  webUpdate_.OnVerifyDownload = [this](TWebUpdate&, const std::string& fileName) { return Verify(fileName); };
  webUpdate_.OnAfterDownload = [this](TWebUpdate&, const std::string& fileName) { Unpack(fileName); };
  webUpdate_.ShowInfoWindow = [this, utf8](TWebUpdate& sender, const std::string& url, bool& checkForUpdate) {
    return view_.ShowInfo(utf8(url), sender.InfoCaption(), checkForUpdate);
  };
}

void TUpdateFlow::SetUpdateUrl(const std::string& url) {
  TProductInfo product = webUpdate_.ProductInfo();
  product.URL = url;
  webUpdate_.SetProductInfo(product);
}

void TUpdateFlow::Activate() {
  view_.SetInfoText("");
  view_.SetBlinking(false);
  webUpdate_.Abort();
  TProductInfo product = webUpdate_.ProductInfo();
  product.Version = cp1251::FromUtf8(LocalVersionText(buildVersion_));
  webUpdate_.SetProductInfo(product);
  view_.SetUpdateLabel(UpdateLabelText(cp1251::ToUtf8(ini_.Read(Section, "last", "-"))));
}

void TUpdateFlow::CheckClick() {
  view_.SetInfoText("");
  view_.SetBlinking(false);
  if (!internet_.IsConnected() && !IsLocalAddress(webUpdate_.ProductInfo().URL)) {
    view_.SetInfoText("Нет соединения с ИНТЕРНЕТ");
    return;
  }
  webUpdate_.CheckForUpdate();
}

void TUpdateFlow::Close() {
  if (!view_.Blinking()) return;
  ini_.Write(Section, "last", cp1251::FromUtf8(Today()));
  ini_.Write(Section, "vers", cp1251::FromUtf8(view_.PublishedVersion()));
}

bool TUpdateFlow::Verify(const std::string& fileName) {
  const std::string expected = AsciiLower(Trimmed(PageValue(webUpdate_.PageLines(), kShaTag)));
  if (expected.empty() || FileSha256(fileName) == expected) return true;
  // A file that is not the published one is neither unpacked nor opened.
  std::error_code ignored;
  std::filesystem::remove(fileName, ignored);
  return false;
}

void TUpdateFlow::Unpack(const std::string& fileName) {
  unZip_.SetArchiveFile(fileName);
  unZip_.SetFileSpec({"*.*"});
  unZip_.SetExtractDir(programDirectory_);
  view_.SetInfoText("Идет распаковка...");
  // A download that failed may still have left a file that looks whole (a
  // body shorter than announced); it is reported, never unpacked.
  if (downloadFailed_ || unZip_.Extract() <= 0) {
    dialogs_.MessageDlg(UnpackFailedText(fileName), "", TMsgDlgType::mtInformation, mbOK, mbOK);
    return;
  }
  dialogs_.MessageDlg(UnpackedText(cp1251::ToUtf8(unZip_.LastName()), unZip_.ExtractDir()), "",
                      TMsgDlgType::mtInformation, mbOK, mbOK);
  view_.SetInfoText("Обновление загружено...");
  view_.SetBlinking(true);
}

}  // namespace tessaly
