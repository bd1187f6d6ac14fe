#pragma once
// File-name helpers and the executable's own location.

#include <string>
#include <string_view>

namespace tessaly {

constexpr char PathDelimiter = '/';

// The executable's full path; tests may point it elsewhere.
std::string ProgramPath();
void SetProgramPath(const std::string& path);

// The part after the last delimiter.
std::string ExtractFileName(std::string_view path);
// The part up to and including the last delimiter.
std::string ExtractFilePath(std::string_view path);
// The extension with its dot, or empty.
std::string ExtractFileExt(std::string_view path);
// Replaces (or adds) the extension; `ext` includes the dot.
std::string ChangeFileExt(std::string_view path, std::string_view ext);
std::string IncludeTrailingPathDelimiter(std::string_view path);

}  // namespace tessaly
