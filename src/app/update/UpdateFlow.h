#pragma once
// What the update window does, apart from its widgets: the settings it keeps,
// the check, the questions and result boxes, the unpack after a download and
// what closing remembers. The window supplies a view; tests supply their own.

#include <functional>
#include <memory>
#include <string>

#include "update/WebUpdate.h"
#include "update/zip/UnZip.h"

namespace tessaly {

class Dialogs;
class TInternet;
class TShell;

// The program's settings file as the update window uses it: values of at
// most MaxLength characters, and a read that stores the default it returns.
class TIni {
public:
  static constexpr size_t MaxLength = 255;

  explicit TIni(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // The value; when the key is absent or empty the default is written under
  // it and returned.
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  void Write(const std::string& section, const std::string& key, const std::string& value) const;

private:
  std::string path_;  // read afresh each time: other parts of the program write it too
};

// The texts of the window that carry values (UTF-8).
std::string UpdateLabelText(const std::string& lastUpdate);
std::string UpdateQuestionText(const std::string& localVersion, const std::string& publishedVersion);
std::string UnpackedText(const std::string& lastEntry, const std::string& directory);
std::string UnpackFailedText(const std::string& archive);
// The local version as the window shows and compares it.
std::string LocalVersionText(const std::string& buildVersion);
// Whether the address names this computer, which is reachable without a
// connection to the Internet (a local mirror, the tests' server).
bool IsLocalAddress(const std::string& url);
// The lower-case hexadecimal SHA-256 of a file; empty when it cannot be read.
std::string FileSha256(const std::string& path);

// What the flow shows; texts are UTF-8.
class TUpdateView {
public:
  virtual ~TUpdateView() = default;
  virtual void SetInfoText(const std::string& text) = 0;
  virtual void SetInfoVisible(bool visible) = 0;
  virtual void SetBlinking(bool blinking) = 0;
  virtual bool Blinking() const = 0;
  virtual void SetVersions(const std::string& local, const std::string& published) = 0;
  virtual std::string PublishedVersion() const = 0;
  virtual void SetProgress(int64_t maximum, int64_t position) = 0;
  virtual void SetUpdateLabel(const std::string& text) = 0;
  // The information window; true when closed with OK.
  virtual bool ShowInfo(const std::string& url, const TInfoCaption& captions, bool& checkForUpdate) = 0;
};

class TUpdateFlow {
public:
  static constexpr const char* Section = "set";

  TUpdateFlow(TInternet& internet, TShell& shell, Dialogs& dialogs, TUpdateView& view, std::string settingsFile,
              std::string programDirectory, std::string buildVersion);

  TWebUpdate& WebUpdate() { return webUpdate_; }
  TUnZip& UnZip() { return unZip_; }
  const TIni& Ini() const { return ini_; }
  // The address of the update information page.
  void SetUpdateUrl(const std::string& url);
  // Today's date as the settings keep it; the platform's short date unless set.
  std::function<std::string()> Today;

  void Activate();
  void CheckClick();
  // The window closes: a successful unpack is remembered.
  void Close();

private:
  void Unpack(const std::string& fileName);
  bool Verify(const std::string& fileName);

  TInternet& internet_;
  Dialogs& dialogs_;
  TUpdateView& view_;
  TIni ini_;
  std::string programDirectory_;
  std::string buildVersion_;
  TWebUpdate webUpdate_;
  TUnZip unZip_;
  bool downloadFailed_ = false;
};

}  // namespace tessaly
