#pragma once
// TUnZip: extracts the entries of a ZIP archive into a directory. The update
// window unpacks a downloaded update with it and reads back how many files
// were written and the name of the last entry handled.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessaly {

namespace zip {
struct TZipEntry;
class TZipArchive;
}  // namespace zip

enum class TOverwriteMode { omOverwrite, omSkip, omUpdate };
enum class TDateAttribute { daFileDate, daSysDate };
// Kept for the update window's settings: one set of routines serves them all.
enum class TCpuType { cptAuto, cpt386, cptPentium };

class TUnZip {
public:
  TUnZip();
  ~TUnZip();

  const std::string& ArchiveFile() const { return archiveFile_; }
  void SetArchiveFile(const std::string& value) { archiveFile_ = value; }
  const std::vector<std::string>& FileSpec() const { return fileSpec_; }
  void SetFileSpec(const std::vector<std::string>& value) { fileSpec_ = value; }
  const std::string& ExtractDir() const { return extractDir_; }
  // Keeps the directory part of `value` (up to its last separator); empty
  // means the directory of the archive.
  void SetExtractDir(const std::string& value);
  const std::vector<std::string>& ExcludeSpec() const { return excludeSpec_; }
  void SetExcludeSpec(const std::vector<std::string>& value) { excludeSpec_ = value; }
  bool RecurseDirs() const { return recurseDirs_; }
  void SetRecurseDirs(bool value) { recurseDirs_ = value; }
  bool UseStoredDirs() const { return useStoredDirs_; }
  void SetUseStoredDirs(bool value) { useStoredDirs_ = value; }
  bool CreateStoredDirs() const { return createStoredDirs_; }
  void SetCreateStoredDirs(bool value) { createStoredDirs_ = value; }
  bool ConfirmOverwrites() const { return confirmOverwrites_; }
  void SetConfirmOverwrites(bool value) { confirmOverwrites_ = value; }
  TOverwriteMode OverwriteMode() const { return overwriteMode_; }
  void SetOverwriteMode(TOverwriteMode value) { overwriteMode_ = value; }
  bool RestoreFileAttr() const { return restoreFileAttr_; }
  void SetRestoreFileAttr(bool value) { restoreFileAttr_ = value; }
  TDateAttribute DateAttribute() const { return dateAttribute_; }
  void SetDateAttribute(TDateAttribute value) { dateAttribute_ = value; }
  bool TranslateOemChar() const { return translateOemChar_; }
  void SetTranslateOemChar(bool value) { translateOemChar_ = value; }
  const std::vector<std::string>& Passwords() const { return passwords_; }
  void SetPasswords(const std::vector<std::string>& value) { passwords_ = value; }
  int PasswordAttempts() const { return passwordAttempts_; }
  void SetPasswordAttempts(int value) { passwordAttempts_ = value; }
  TCpuType CpuType() const { return cpuType_; }
  void SetCpuType(TCpuType value) { cpuType_ = value; }

  // Extracts every entry matching FileSpec and not ExcludeSpec; returns the
  // number of files written (0 when the archive cannot be opened or read).
  int Extract();
  int Count() const { return count_; }
  // The entry handled last, in windows-1251, as stored (directories included).
  const std::string& LastName() const { return lastName_; }

  // Names are windows-1251 entry names as stored.
  std::function<void(TUnZip& sender, const std::string& name)> OnBeginEntry;
  std::function<void(TUnZip& sender, const std::string& name, bool extracted)> OnEndEntry;
  // Asked only when ConfirmOverwrites is set; `overwrite` comes preset from
  // OverwriteMode.
  std::function<void(TUnZip& sender, const std::string& path, bool& overwrite)> OnFileExists;
  // May change the relative output path of an entry (before it is checked).
  std::function<void(TUnZip& sender, std::string& path)> OnRenameFile;
  std::function<void(TUnZip& sender, uint64_t written, uint64_t size)> OnProgress;
  std::function<void(TUnZip& sender, int code, const std::string& message)> OnError;

private:
  void ExtractArchive(const zip::TZipArchive& archive);
  bool Selected(const std::string& name) const;
  bool ExtractEntry(const zip::TZipArchive& archive, const zip::TZipEntry& entry, const std::string& name);
  bool MayWrite(const std::string& path, const zip::TZipEntry& entry);
  void WriteEntry(const zip::TZipArchive& archive, const zip::TZipEntry& entry, const std::string& name,
                  const std::string& path);
  void ApplyDateAndAttributes(const zip::TZipEntry& entry, const std::string& path) const;
  void ReportError(int code, const std::string& message);

  std::string archiveFile_;
  std::vector<std::string> fileSpec_;
  std::string extractDir_;
  std::vector<std::string> excludeSpec_;
  bool recurseDirs_ = true;
  bool useStoredDirs_ = true;
  bool createStoredDirs_ = false;
  bool confirmOverwrites_ = false;
  TOverwriteMode overwriteMode_ = TOverwriteMode::omOverwrite;
  bool restoreFileAttr_ = true;
  TDateAttribute dateAttribute_ = TDateAttribute::daFileDate;
  bool translateOemChar_ = true;
  std::vector<std::string> passwords_;
  int passwordAttempts_ = 3;
  TCpuType cpuType_ = TCpuType::cptAuto;

  int count_ = 0;
  std::string lastName_;
};

}  // namespace tessaly
