#include "platform/ProgramDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace tessaly {

namespace fs = std::filesystem;

namespace {

constexpr const char* ShippedMarkerFolder = "script";

std::string& ChosenDirectory() {
  static std::string directory;
  return directory;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool HoldsShippedFiles(const std::string& directory) {
  return !directory.empty() && DirectoryExists(IncludeTrailingPathDelimiter(directory) + ShippedMarkerFolder);
}

}  // namespace

std::string ShippedDefaultsDirectory(const std::string& executableDirectory) {
  if (HoldsShippedFiles(executableDirectory)) return IncludeTrailingPathDelimiter(executableDirectory);
  const fs::path installed = fs::path(executableDirectory).lexically_normal().parent_path().parent_path() / "share" / "tessaly";
  return IncludeTrailingPathDelimiter(installed.string());
}

std::string ResolveProgramDirectory(const std::string& executableDirectory, const std::string& dataHome,
                                    const std::string& home) {
  if (HoldsShippedFiles(executableDirectory)) return IncludeTrailingPathDelimiter(executableDirectory);
  // XDG: a relative $XDG_DATA_HOME is to be ignored.
  const std::string base = !dataHome.empty() && dataHome.front() == PathDelimiter
                               ? dataHome
                               : IncludeTrailingPathDelimiter(home.empty() ? "/tmp" : home) + ".local/share";
  return IncludeTrailingPathDelimiter(base) + "tessaly" + PathDelimiter;
}

void SeedProgramDirectory(const std::string& directory, const std::string& defaults) {
  if (!ForceDirectories(directory)) throw EFCreateError(directory, LastSystemErrorText());
  std::error_code error;
  const fs::path source(defaults);
  if (!fs::is_directory(source, error) || fs::equivalent(source, fs::path(directory), error)) return;
  for (auto entry = fs::recursive_directory_iterator(source, error); !error && entry != fs::recursive_directory_iterator();
       entry.increment(error)) {
    const fs::path target = fs::path(directory) / fs::relative(entry->path(), source);
    if (entry->is_directory(error)) {
      fs::create_directories(target, error);
    } else if (!fs::exists(fs::symlink_status(target, error))) {
      fs::copy_file(entry->path(), target, error);
      if (error) throw EFCreateError(target.string(), error.message());
    }
  }
}

void SetProgramDirectory(const std::string& directory) {
  const std::string chosen = IncludeTrailingPathDelimiter(fs::absolute(directory).lexically_normal().string());
  SeedProgramDirectory(chosen, ShippedDefaultsDirectory(ExtractFilePath(ProgramPath())));
  ChosenDirectory() = chosen;
}

std::string ProgramDirectory() {
  std::string& chosen = ChosenDirectory();
  if (chosen.empty()) {
    const std::string executableDirectory = ExtractFilePath(ProgramPath());
    const std::string resolved =
        ResolveProgramDirectory(executableDirectory, Environment("XDG_DATA_HOME"), Environment("HOME"));
    if (resolved != IncludeTrailingPathDelimiter(executableDirectory))
      SeedProgramDirectory(resolved, ShippedDefaultsDirectory(executableDirectory));
    chosen = resolved;
  }
  return chosen;
}

std::string SettingsFileName() { return ProgramDirectory() + "tessaly.ini"; }

}  // namespace tessaly
