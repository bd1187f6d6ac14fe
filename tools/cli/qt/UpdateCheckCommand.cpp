// tessaly-cli update-check URL LOCALVERSION [--format standard|string|number]
// [--download-dir DIR] [--run]: runs the update check answering every
// question with yes and prints each event raised, then the result.

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "platform/CodePage1251.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "qt/QtInternet.h"
#include "qt/QtShell.h"
#include "update/WebUpdate.h"

namespace tessaly::cli {
namespace {

const char* const kUsage =
    "update-check URL LOCALVERSION [--format standard|string|number] [--download-dir DIR] [--run]";

struct TCheckOptions {
  TProductInfo product;
  std::string downloadDir;
  bool run = false;
};

TCheckOptions ParseArguments(const Arguments& args) {
  if (args.size() < 2) throw UsageError{kUsage};
  TCheckOptions options;
  options.product.URL = args[0];
  options.product.Version = args[1];
  for (size_t i = 2; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--run") {
      options.run = true;
    } else if (args[i] == "--download-dir" && hasValue) {
      options.downloadDir = args[++i];
    } else if (args[i] == "--format" && hasValue) {
      const std::string& format = args[++i];
      if (format == "standard") options.product.VersionFormat = TVersionFormat::vfStandard;
      else if (format == "string") options.product.VersionFormat = TVersionFormat::vfString;
      else if (format == "number") options.product.VersionFormat = TVersionFormat::vfNumber;
      else throw UsageError{kUsage};
    } else {
      throw UsageError{kUsage};
    }
  }
  return options;
}

void Print(const std::string& line) { WriteOut(cp1251::ToUtf8(line) + "\n"); }

void ConnectPrinting(TWebUpdate& update, const TCheckOptions& options) {
  const auto note = [](const char* name) { return [name](TWebUpdate&) { Print(name); }; };
  update.OnBeforeGetInfo = note("OnBeforeGetInfo");
  update.OnAfterGetInfo = note("OnAfterGetInfo");
  update.OnDownloadError = note("OnDownloadError");
  update.OnNoUpdateFound = note("OnNoUpdateFound");
  update.OnCannotExecute = note("OnCannotExecute");
  update.OnUpdateAvailable = [](TWebUpdate&, const std::string& local, bool&, const std::string& published) {
    Print("OnUpdateAvailable " + local + " " + published);
  };
  update.OnBeforeShowInfo = [](TWebUpdate&, bool&, bool&) { Print("OnBeforeShowInfo"); };
  update.OnAfterShowInfo = [](TWebUpdate&, bool check) { Print(std::string("OnAfterShowInfo ") + (check ? "true" : "false")); };
  update.OnGetClientFileName = [dir = options.downloadDir](TWebUpdate&, std::string& fileName) {
    if (!dir.empty()) fileName = IncludeTrailingPathDelimiter(dir) + ExtractFileName(fileName);
    WriteOut("OnGetClientFileName " + fileName + "\n");  // a file-system path already
  };
  update.OnClientFileExists = [](TWebUpdate&, std::string& fileName, bool& overwrite) {
    overwrite = true;
    WriteOut("OnClientFileExists " + fileName + "\n");
  };
  update.OnBeforeDownload = [](TWebUpdate&, const std::string& fileName) { WriteOut("OnBeforeDownload " + fileName + "\n"); };
  update.OnDownload = [](TWebUpdate&, int64_t total, int64_t received) {
    Print("OnDownload " + std::to_string(total) + " " + std::to_string(received));
  };
  update.OnAfterDownload = [](TWebUpdate&, const std::string& fileName) { WriteOut("OnAfterDownload " + fileName + "\n"); };
}

void RunUpdateCheck(const Arguments& args) {
  const TCheckOptions options = ParseArguments(args);
  if (!options.downloadDir.empty() && !ForceDirectories(options.downloadDir))
    throw Exception("cannot create " + options.downloadDir);
  static int argc = 1;
  static char name[] = "tessaly-cli";
  static char* argv[] = {name, nullptr};
  // Opening the download goes through the desktop, which needs the GUI side.
  std::unique_ptr<QCoreApplication> application;
  if (options.run) application = std::make_unique<QGuiApplication>(argc, argv);
  else application = std::make_unique<QCoreApplication>(argc, argv);

  QtInternet internet;
  QtShell shell;
  TWebUpdate update(internet, shell);
  update.SetProductInfo(options.product);
  update.SetOptions(options.run ? TUpdateOptions{uoRunUpdate} : TUpdateOptions{0});
  ConnectPrinting(update, options);
  const bool result = update.CheckForUpdate();
  Print(std::string("result ") + (result ? "true" : "false"));
}

const CommandRegistration registration("update-check", kUsage, RunUpdateCheck);

}  // namespace
}  // namespace tessaly::cli
