#include "update/WebUpdate.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/CodePage1251.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Internet.h"
#include "platform/Paths.h"
#include "platform/Shell.h"

namespace tessaly {

namespace {

constexpr uint16_t kComponentVersion = 0x0102;
constexpr size_t kBlockSize = 1025;
const std::string kHttpPrefix = "http://";
const std::string kHttpsPrefix = "https://";

struct TUrlParts {
  std::string host;
  int port = 80;
  std::string object;
  bool secure = false;
};

// Host and object of an address: "http://" or "https://" dropped, the host
// up to the first "/" (with an optional ":port"), the object from that "/" on.
TUrlParts SplitUrl(std::string url) {
  TUrlParts parts;
  const std::string lower = cp1251::LowerCase(url);
  if (lower.rfind(kHttpsPrefix, 0) == 0) {
    url.erase(0, kHttpsPrefix.size());
    parts.secure = true;
    parts.port = 443;
  } else if (lower.find(kHttpPrefix) != std::string::npos) {
    url.erase(0, kHttpPrefix.size());
  }
  const size_t slash = url.find('/');
  if (slash == std::string::npos) return {};  // no host at all: the transfer fails
  parts.host = url.substr(0, slash);
  parts.object = url.substr(slash);
  const size_t colon = parts.host.rfind(':');
  if (colon != std::string::npos) {
    const std::string port = parts.host.substr(colon + 1);
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), parts.port);
    if (error != std::errc() || end != port.data() + port.size()) return {};
    parts.host.erase(colon);
  }
  return parts;
}

int64_t ContentLengthValue(const std::string& text) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0)
    throw Exception("'" + text + "' is not a valid integer value");
  return value;
}

// Closes the local file however the transfer ends.
struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

TWebUpdate::TWebUpdate(TInternet& internet, TShell& shell) : internet_(internet), shell_(shell) {}
TWebUpdate::~TWebUpdate() = default;

void TWebUpdate::SetProductInfo(const TProductInfo& value) {
  productInfo_ = value;
  if (!cp1251::SameText(productInfo_.URL.substr(0, kHttpPrefix.size()), kHttpPrefix) &&
      !cp1251::SameText(productInfo_.URL.substr(0, kHttpsPrefix.size()), kHttpsPrefix))
    productInfo_.URL = kHttpPrefix + productInfo_.URL;
}

std::string TWebUpdate::Version() const { return Format("%d.%d", kComponentVersion >> 8, kComponentVersion & 0xFF); }

std::string TWebUpdate::TempFilePath() const {
  std::error_code error;
  const std::string folder = IncludeTrailingPathDelimiter(std::filesystem::temp_directory_path(error).string());
  std::string name = values_.ClientFileName;
  const size_t separator = name.find_last_of("/\\");
  if (separator != std::string::npos) name.erase(0, separator + 1);
  return folder + cp1251::ToUtf8(name);
}

void TWebUpdate::Abort() {
  abort_ = true;
  if (transfer_ != nullptr) transfer_->Abort();
}

bool TWebUpdate::Transfer(const std::string& url, TTarget target, const std::string& fileName) {
  bool quiet = false;
  try {
    success_ = RunTransfer(url, target, fileName, quiet);
  } catch (const std::exception&) {
    // A failure inside the transfer (a bad header, a file that cannot be
    // written) ends it quietly, as an abort does.
    success_ = false;
    quiet = true;
  }
  transfer_ = nullptr;
  if (!success_ && !quiet) Raise(OnDownloadError);
  return success_;
}

bool TWebUpdate::RunTransfer(const std::string& url, TTarget target, const std::string& fileName, bool& quiet) {
  abort_ = false;
  const TUrlParts parts = SplitUrl(url);
  if (parts.host.empty()) return false;
  const std::unique_ptr<THttpTransfer> transfer =
      internet_.Get({parts.host, parts.port, parts.object, userName_, password_, parts.secure});
  if (!transfer) return false;
  transfer_ = transfer.get();
  const bool replied = transfer->WaitForHeaders();
  if (abort_) return !(quiet = true);
  if (!replied) return false;
  // An error page in place of the update file is not the update.
  if (target == TTarget::File && transfer->StatusCode() >= 400) return false;
  const std::optional<std::string> length = transfer->ContentLength();
  if (abort_) return !(quiet = true);
  if (!length && target == TTarget::File) return false;
  // Without the header the size is unknown, not the previous transfer's.
  totalSize_ = length ? ContentLengthValue(*length) : 0;

  received_ = 0;
  std::unique_ptr<std::FILE, TFileCloser> file;
  if (target == TTarget::File) {
    file.reset(std::fopen(fileName.c_str(), "wb"));
    if (!file) throw EFCreateError(fileName, LastSystemErrorText());
  }
  std::string text;
  char block[kBlockSize];
  for (;;) {
    if (abort_) return !(quiet = true);
    const long count = transfer->Read(block, sizeof block);
    if (count <= 0) break;
    if (file) {
      if (std::fwrite(block, 1, static_cast<size_t>(count), file.get()) != static_cast<size_t>(count))
        throw EWriteError("cannot write " + fileName);
    } else {
      text.append(block, static_cast<size_t>(count));
    }
    received_ += count;
    if (OnDownload) OnDownload(*this, totalSize_, received_);
    internet_.ProcessMessages();
  }
  if (target == TTarget::Memory) {
    if (received_ == 0) return false;
    pageLines_ = SplitLines(text);
    return true;
  }
  if (std::fclose(file.release()) != 0) throw EWriteError("cannot write " + fileName);
  return received_ == totalSize_;
}

void TWebUpdate::ReadInfoPage() {
  for (int page = 1;; ++page) {
    const std::string redirection = values_.Redirection;
    values_ = EmptyTagValues();
    values_.Redirection = redirection;
    const std::string address = redirection.empty() ? productInfo_.URL : redirection;
    if (!Transfer(address, TTarget::Memory, {})) return;
    ParseUpdatePage(pageLines_, tagInfo_, values_);
    if (values_.Redirection.empty()) return;
    if (page == kMaxPages) {
      // A chain of pages that never ends (or loops) is a failed read.
      values_ = EmptyTagValues();
      success_ = false;
      Raise(OnDownloadError);
      return;
    }
  }
}

bool TWebUpdate::InfoAccepted() {
  bool showInfo = true;
  bool checkForUpdate = true;
  if (OnBeforeShowInfo) OnBeforeShowInfo(*this, showInfo, checkForUpdate);
  if (!showInfo) return true;
  const std::string url = values_.Redirection.empty() ? productInfo_.URL : values_.Redirection;
  const bool accepted = ShowInfoWindow ? ShowInfoWindow(*this, url, checkForUpdate) : true;
  if (OnAfterShowInfo) OnAfterShowInfo(*this, checkForUpdate);
  return accepted;
}

void TWebUpdate::Download() {
  localFile_ = TempFilePath();
  if (OnGetClientFileName) OnGetClientFileName(*this, localFile_);
  success_ = false;
  if (FileExists(localFile_)) {
    bool overwrite = (options_ & uoOverwrite) != 0;
    if (OnClientFileExists) OnClientFileExists(*this, localFile_, overwrite);
    if (!overwrite) {
      Raise(OnDownloadError);
      return;
    }
  }
  if (OnBeforeDownload) OnBeforeDownload(*this, localFile_);
  if (Transfer(values_.Download, TTarget::File, localFile_) && OnVerifyDownload &&
      !OnVerifyDownload(*this, localFile_)) {
    success_ = false;
    Raise(OnDownloadError);
  }
  if (OnAfterDownload) OnAfterDownload(*this, localFile_);
}

bool TWebUpdate::CheckForUpdate() {
  if (busy_) return false;
  busy_ = true;
  // Clears busy on every way out, exceptions from event handlers included.
  const std::unique_ptr<bool, void (*)(bool*)> busyGuard(&busy_, [](bool* busy) { *busy = false; });
  values_.Redirection.clear();
  success_ = false;

  Raise(OnBeforeGetInfo);
  ReadInfoPage();
  Raise(OnAfterGetInfo);
  // A failed read has reported itself; a page without these values has not.
  if (success_ && (values_.ProductName.empty() || values_.Version.empty())) {
    Raise(OnDownloadError);
    success_ = false;
  }
  bool canUpdate = false;
  if (success_) {
    if (IsNewerVersion(productInfo_.Version, values_.Version, productInfo_.VersionFormat)) {
      canUpdate = true;
      if (OnUpdateAvailable) OnUpdateAvailable(*this, productInfo_.Version, canUpdate, values_.Version);
    } else {
      Raise(OnNoUpdateFound);
    }
  }
  if (!canUpdate || !InfoAccepted()) return false;
  Download();
  if (!success_) return false;
  if ((options_ & uoRunUpdate) != 0) {
    if (!shell_.Open(localFile_, values_.RunParameters)) Raise(OnCannotExecute);
    if ((options_ & uoTerminate) != 0) shell_.Terminate();
  }
  return true;
}

}  // namespace tessaly
