#include "update/zip/UnZip.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <memory>

#include "platform/CodePage1251.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "update/zip/DecodeError.h"
#include "update/zip/Decoders.h"
#include "update/zip/EntryNames.h"
#include "update/zip/MappedFile.h"
#include "update/zip/PkwareCrypt.h"
#include "update/zip/ZipArchive.h"
#include "update/zip/ZipErrors.h"

namespace tessaly {

using namespace zip;

namespace {

enum THostSystem : uint8_t { hsMsDos = 0, hsUnix = 3, hsOs2 = 6, hsNtfs = 11, hsVfat = 14, hsMacOsX = 19 };

// The stored date: DOS date and time, local time of the computer that packed.
bool DosDateTime(const TZipEntry& entry, time_t& result) {
  std::tm parts{};
  parts.tm_year = (entry.DosDate >> 9) + 80;
  parts.tm_mon = ((entry.DosDate >> 5) & 0x0F) - 1;
  parts.tm_mday = entry.DosDate & 0x1F;
  parts.tm_hour = entry.DosTime >> 11;
  parts.tm_min = (entry.DosTime >> 5) & 0x3F;
  parts.tm_sec = (entry.DosTime & 0x1F) * 2;
  parts.tm_isdst = -1;
  if (parts.tm_mon < 0 || parts.tm_mon > 11 || parts.tm_mday == 0) return false;
  result = std::mktime(&parts);
  return result != static_cast<time_t>(-1);
}

std::string NamePart(const std::string& name) {
  const size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

TUnZip::TUnZip() = default;
TUnZip::~TUnZip() = default;

void TUnZip::SetExtractDir(const std::string& value) {
  extractDir_ = ExtractFilePath(value.empty() ? archiveFile_ : value);
}

int TUnZip::Extract() {
  count_ = 0;
  lastName_.clear();
  std::unique_ptr<TMappedFile> file;
  try {
    file = std::make_unique<TMappedFile>(archiveFile_);
  } catch (const Exception& error) {
    ReportError(zeOpenArchive, ZipErrorMessage(zeOpenArchive, error.Message()));
    return 0;
  }
  try {
    const TZipArchive archive(file->Bytes());
    ExtractArchive(archive);
  } catch (const EZipError& error) {
    ReportError(error.Code(), error.Message());
  }
  return count_;
}

// The free space of the file system `path` is on, or would be on once made.
std::optional<uint64_t> AvailableSpace(std::filesystem::path path) {
  std::error_code error;
  while (!path.empty() && !std::filesystem::exists(path, error)) path = path.parent_path();
  if (path.empty()) path = ".";
  const auto space = std::filesystem::space(path, error);
  if (error) return std::nullopt;
  return space.available;
}

void TUnZip::ExtractArchive(const TZipArchive& archive) {
  // An archive that states more than fits is refused before anything is
  // written: an update must not fill the disk.
  uint64_t stated = 0;
  for (const TZipEntry& entry : archive.Entries())
    if (!entry.IsDirectory() && Selected(EntryNameAnsi(entry, translateOemChar_)))
      stated = entry.UncompressedSize > UINT64_MAX - stated ? UINT64_MAX : stated + entry.UncompressedSize;
  const std::string base = extractDir_.empty() ? ExtractFilePath(archiveFile_) : extractDir_;
  const auto available = AvailableSpace(base.empty() ? "." : base);
  if (available && stated > *available) {
    ReportError(zeDiskFull, ZipErrorMessage(zeDiskFull, Format("%llu bytes stated, %llu free",
                                                               static_cast<unsigned long long>(stated),
                                                               static_cast<unsigned long long>(*available))));
    return;
  }
  for (const TZipEntry& entry : archive.Entries()) {
    const std::string name = EntryNameAnsi(entry, translateOemChar_);
    if (!Selected(name)) continue;
    lastName_ = name;
    if (OnBeginEntry) OnBeginEntry(*this, name);
    const bool extracted = ExtractEntry(archive, entry, name);
    if (OnEndEntry) OnEndEntry(*this, name, extracted);
  }
}

bool TUnZip::Selected(const std::string& name) const {
  std::string path = name;
  for (char& c : path)
    if (c == '\\') c = '/';
  while (!path.empty() && path.back() == '/') path.pop_back();
  const bool inSubDirectory = path.find('/') != std::string::npos;
  const auto matchesAny = [&](const std::vector<std::string>& patterns) {
    for (const std::string& pattern : patterns) {
      if (pattern.find_first_of("/\\") != std::string::npos) {
        if (MatchesWildcard(path, pattern)) return true;
      } else if ((recurseDirs_ || !inSubDirectory) && MatchesWildcard(NamePart(path), pattern)) {
        return true;
      }
    }
    return false;
  };
  return matchesAny(fileSpec_) && !matchesAny(excludeSpec_);
}

bool TUnZip::ExtractEntry(const TZipArchive& archive, const TZipEntry& entry, const std::string& name) {
  // The path on disk comes from the name in UTF-8, unless the owner renames.
  std::string relative = useStoredDirs_ ? name : NamePart(name);
  std::string onDisk = EntryNameUtf8(entry, translateOemChar_);
  if (!useStoredDirs_) onDisk = NamePart(onDisk);
  if (OnRenameFile) {
    const std::string given = relative;
    OnRenameFile(*this, relative);
    if (relative != given) onDisk = cp1251::ToUtf8(relative);
  }
  const auto safe = SafeRelativePath(onDisk);
  if (!safe) {
    ReportError(zeUnsafePath, ZipErrorMessage(zeUnsafePath, name));
    return false;
  }
  const std::string base = extractDir_.empty() ? ExtractFilePath(archiveFile_) : extractDir_;
  const std::string path = base + *safe;
  if (entry.IsDirectory()) {
    if (createStoredDirs_ && useStoredDirs_ && !ForceDirectories(path))
      ReportError(zeOpenFile, ZipErrorMessage(zeOpenFile, name));
    return false;
  }
  if (!MayWrite(path, entry)) return false;
  try {
    if (!ForceDirectories(ExtractFilePath(path))) throw EZipError(zeOpenFile, name);
    WriteEntry(archive, entry, name, path);
  } catch (const EZipError& error) {
    ReportError(error.Code(), error.Message());
    return false;
  } catch (const EDecodeError& error) {
    ReportError(zeBadData, ZipErrorMessage(zeBadData, name + " (" + error.Message() + ")"));
    return false;
  } catch (const EFCreateError&) {
    ReportError(zeOpenFile, ZipErrorMessage(zeOpenFile, name));
    return false;
  } catch (const EWriteError& error) {
    ReportError(zeWriteFile, ZipErrorMessage(zeWriteFile, name + " (" + error.Message() + ")"));
    return false;
  }
  ++count_;
  return true;
}

bool TUnZip::MayWrite(const std::string& path, const TZipEntry& entry) {
  if (!FileExists(path)) return true;
  bool overwrite = true;
  switch (overwriteMode_) {
    case TOverwriteMode::omOverwrite: break;
    case TOverwriteMode::omSkip: overwrite = false; break;
    case TOverwriteMode::omUpdate: {
      struct stat info {};
      time_t stored = 0;
      overwrite = ::stat(path.c_str(), &info) != 0 || !DosDateTime(entry, stored) || stored > info.st_mtime;
      break;
    }
  }
  if (confirmOverwrites_ && OnFileExists) OnFileExists(*this, path, overwrite);
  return overwrite;
}

void TUnZip::WriteEntry(const TZipArchive& archive, const TZipEntry& entry, const std::string& name,
                        const std::string& path) {
  std::span<const uint8_t> data = archive.EntryData(entry);
  std::vector<uint8_t> plain;
  if (entry.Encrypted()) {
    // The header's last byte repeats the CRC's high byte, or the time's when
    // the sizes follow the data.
    const auto check = static_cast<uint8_t>(entry.HasDataDescriptor() ? entry.DosTime >> 8 : entry.Crc >> 24);
    if (!DecryptEntryData(data, passwords_, passwordAttempts_, check, plain)) throw EZipError(zeWrongPassword, name);
    data = plain;
  }
  AtomicFileWriter writer(path);
  TDecodeOutput out(entry.UncompressedSize, [&](const uint8_t* bytes, size_t size) {
    writer.Write(bytes, size);
    if (OnProgress) OnProgress(*this, writer.Position(), entry.UncompressedSize);
  });
  if (!DecodeMethod(entry.Method, entry.Flags, data, out))
    throw EZipError(zeUnsupportedMethod, Format("%s (method %d)", name.c_str(), entry.Method));
  if (out.Written() != entry.UncompressedSize) throw EDecodeError("less data than the entry's size");
  if (out.Crc() != entry.Crc) throw EZipError(zeCrcCheck, name);
  writer.Commit();
  ApplyDateAndAttributes(entry, path);
}

void TUnZip::ApplyDateAndAttributes(const TZipEntry& entry, const std::string& path) const {
  time_t stored = 0;
  if (dateAttribute_ == TDateAttribute::daFileDate && DosDateTime(entry, stored)) {
    const struct timespec times[2] = {{stored, 0}, {stored, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
  }
  if (!restoreFileAttr_) return;
  switch (entry.HostSystem()) {
    case hsUnix:
    case hsMacOsX: {
      // Permission bits only: set-id bits from an archive are never applied.
      const mode_t mode = (entry.ExternalAttributes >> 16) & 0777;
      if (mode != 0) ::chmod(path.c_str(), mode);
      break;
    }
    case hsMsDos:
    case hsOs2:
    case hsNtfs:
    case hsVfat: {
      struct stat info {};
      if ((entry.ExternalAttributes & 0x01) != 0 && ::stat(path.c_str(), &info) == 0)
        ::chmod(path.c_str(), info.st_mode & 0555);
      break;
    }
    default: break;
  }
}

void TUnZip::ReportError(int code, const std::string& message) {
  if (OnError) OnError(*this, code, message);
}

}  // namespace tessaly
