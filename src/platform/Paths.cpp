#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

namespace tessaly {

namespace {

std::string& OverriddenProgramPath() {
  static std::string path;
  return path;
}

size_t NameStart(std::string_view path) {
  const size_t slash = path.find_last_of(PathDelimiter);
  return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

std::string ProgramPath() {
  if (!OverriddenProgramPath().empty()) return OverriddenProgramPath();
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

void SetProgramPath(const std::string& path) { OverriddenProgramPath() = path; }

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string ExtractFileExt(std::string_view path) {
  const size_t start = NameStart(path);
  const size_t dot = path.find_last_of('.');
  return dot == std::string_view::npos || dot < start ? std::string() : std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const size_t start = NameStart(path);
  size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || dot < start) dot = path.size();
  return std::string(path.substr(0, dot)) + std::string(ext);
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
  std::string out(path);
  if (out.empty() || out.back() != PathDelimiter) out += PathDelimiter;
  return out;
}

}  // namespace tessaly
