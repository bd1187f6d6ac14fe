#pragma once
// TWebUpdate: asks a web server, through its update information page,
// whether a newer version is published, lets its owner decide through events,
// downloads the update file into the temporary folder and can open it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "update/UpdatePage.h"
#include "update/VersionCompare.h"

namespace tessaly {

class TInternet;
class THttpTransfer;
class TShell;

struct TProductInfo {
  std::string URL;
  std::string Version = "1.0";
  TVersionFormat VersionFormat = TVersionFormat::vfStandard;
};

struct TInfoCaption {
  std::string OK = "&OK";
  std::string Cancel = "&Cancel";
  std::string CheckBox = "C&heck for updates in the future";
};

enum TUpdateOption : unsigned { uoRunUpdate = 1, uoTerminate = 2, uoOverwrite = 4 };
using TUpdateOptions = unsigned;  // TUpdateOption bits

class TWebUpdate {
public:
  // At most this many information pages are read for one check.
  static constexpr int kMaxPages = 10;

  TWebUpdate(TInternet& internet, TShell& shell);
  ~TWebUpdate();

  const TTagInfo& TagInfo() const { return tagInfo_; }
  void SetTagInfo(const TTagInfo& value) { tagInfo_ = value; }
  const TProductInfo& ProductInfo() const { return productInfo_; }
  // Gives the URL "http://" in front unless it starts with "http://" or
  // "https://" already.
  void SetProductInfo(const TProductInfo& value);
  const TInfoCaption& InfoCaption() const { return infoCaption_; }
  void SetInfoCaption(const TInfoCaption& value) { infoCaption_ = value; }
  const std::string& UserName() const { return userName_; }
  void SetUserName(const std::string& value) { userName_ = value; }
  const std::string& Password() const { return password_; }
  void SetPassword(const std::string& value) { password_ = value; }
  TUpdateOptions Options() const { return options_; }
  void SetOptions(TUpdateOptions value) { options_ = value; }
  std::string Version() const;

  // True when an update was downloaded successfully.
  bool CheckForUpdate();
  // Stops the transfer under way at its next check.
  void Abort();

  // The temporary folder followed by the file-name part of the page's
  // client file name (never a path of the page's choosing).
  std::string TempFilePath() const;
  const std::vector<std::string>& PageLines() const { return pageLines_; }
  // What the last page read said.
  const TTagValues& Values() const { return values_; }
  int64_t TotalSize() const { return totalSize_; }
  int64_t Received() const { return received_; }
  bool Busy() const { return busy_; }

  using TNotifyEvent = std::function<void(TWebUpdate& sender)>;
  TNotifyEvent OnBeforeGetInfo;
  TNotifyEvent OnAfterGetInfo;
  TNotifyEvent OnDownloadError;
  TNotifyEvent OnNoUpdateFound;
  std::function<void(TWebUpdate& sender, const std::string& localVersion, bool& canUpdate,
                     const std::string& publishedVersion)>
      OnUpdateAvailable;
  std::function<void(TWebUpdate& sender, bool& showInfo, bool& checkForUpdate)> OnBeforeShowInfo;
  std::function<void(TWebUpdate& sender, bool checkForUpdate)> OnAfterShowInfo;
  std::function<void(TWebUpdate& sender, std::string& fileName)> OnGetClientFileName;
  std::function<void(TWebUpdate& sender, std::string& fileName, bool& overwrite)> OnClientFileExists;
  std::function<void(TWebUpdate& sender, const std::string& fileName)> OnBeforeDownload;
  std::function<void(TWebUpdate& sender, int64_t totalSize, int64_t received)> OnDownload;
  std::function<void(TWebUpdate& sender, const std::string& fileName)> OnAfterDownload;
  TNotifyEvent OnCannotExecute;
  // Asked after a complete download, before anything uses the file; false
  // fails the download as a transfer error does.
  std::function<bool(TWebUpdate& sender, const std::string& fileName)> OnVerifyDownload;

  // The information window: shows `url` with the check box set to
  // `checkForUpdate`, returns whether it was closed with OK and leaves the
  // check box state in `checkForUpdate`. Supplied by the window that owns
  // the component; without it the window counts as accepted.
  std::function<bool(TWebUpdate& sender, const std::string& url, bool& checkForUpdate)> ShowInfoWindow;

private:
  enum class TTarget { Memory, File };
  // One HTTP GET into the page lines or into `fileName`; raises
  // OnDownloadError when it fails unless it was aborted.
  bool Transfer(const std::string& url, TTarget target, const std::string& fileName);
  // The transfer itself; `quiet` tells that a failure is not to be reported.
  bool RunTransfer(const std::string& url, TTarget target, const std::string& fileName, bool& quiet);
  void ReadInfoPage();
  bool InfoAccepted();
  void Download();
  void Raise(const TNotifyEvent& event) {
    if (event) event(*this);
  }

  TInternet& internet_;
  TShell& shell_;
  TTagInfo tagInfo_;
  TProductInfo productInfo_;
  TInfoCaption infoCaption_;
  std::string userName_, password_;
  TUpdateOptions options_ = uoRunUpdate | uoTerminate;

  std::vector<std::string> pageLines_;
  TTagValues values_ = EmptyTagValues();
  std::string localFile_;
  bool success_ = false;
  int64_t totalSize_ = 0;
  int64_t received_ = 0;
  bool abort_ = false;
  bool busy_ = false;
  THttpTransfer* transfer_ = nullptr;  // the transfer under way, for Abort
};

}  // namespace tessaly
