// Any bytes as a language or settings file: the profile reader takes what it
// can, its text reads back to the same profile, and the translations drawn
// from it are well formed.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "app/languages/LanguageFile.h"
#include "platform/IniFile.h"

namespace {

// The reader takes a path: one scratch file per process, in memory where the
// system offers it, written plainly (no crash-safe replace) to keep runs fast.
const std::string& ScratchFile() {
  static const std::string path = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                  "/fuzz_language_file." + std::to_string(::getpid()) + ".lng";
  return path;
}

void WriteScratch(std::string_view bytes) {
  std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly;
  const std::string& path = ScratchFile();
  WriteScratch(std::string_view(reinterpret_cast<const char*>(data), size));
  const IniFile file(path, language::MaxFileBytes);

  for (const std::string& section : file.ReadSections())
    for (const std::string& line : file.ReadSectionValues(section))
      if (line.find('=') == std::string::npos) std::abort();

  for (const language::TTranslation& translation : language::Translations(file, "OsnovnFRM")) {
    if (translation.Component.find('.') != std::string::npos) std::abort();
    if (translation.Value.find("~~") != std::string::npos) std::abort();
  }
  (void)language::Caption(file);
  (void)language::ConfiguredFile(file, "OsnovnFRM", "default");

  // What the reader kept reads back to itself.
  const std::string text = file.Text();
  WriteScratch(text);
  if (IniFile(path).Text() != text) std::abort();
  std::remove(path.c_str());
  return 0;
}
