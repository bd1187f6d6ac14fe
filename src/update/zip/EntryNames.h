#pragma once
// Entry names as the archive stores them, turned into the system's text
// (windows-1251) and into a safe path below the extraction directory.

#include <optional>
#include <string>
#include <string_view>

#include "update/zip/ZipArchive.h"

namespace tessaly::zip {

// The entry's name in windows-1251: from UTF-8 when the entry says so (the
// Unicode Path field, the UTF-8 flag) or when a name packed on a system that
// is not DOS-like is valid UTF-8; else from the DOS code page 866 when
// `translateOem`, else taken as it is.
std::string EntryNameAnsi(const TZipEntry& entry, bool translateOem);
// The same name in UTF-8 for the file system, without the losses of going
// through windows-1251.
std::string EntryNameUtf8(const TZipEntry& entry, bool translateOem);

// `name` ("/" or "\" between parts) as a relative path with "/" between
// parts, or nothing when it is absolute or climbs out with "..".
std::optional<std::string> SafeRelativePath(std::string_view name);

// DOS-style wildcard match without regard to case: "*" any run, "?" one byte,
// and a trailing ".*" also matches a name without an extension.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace tessaly::zip
