#include "TestFiles.h"

#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

namespace tessaly::zip::test {

std::string SampleText(size_t size, uint32_t seed) {
  static const std::vector<std::string> words = {
      "<p>", "</p>", "<div class=\"box\">", "</div>", "<a href=\"index.htm\">", "</a>", "Tessaly ", "page ",
      "editor ", "the ", "of ", "\xC2\xE8\xE7\xF3\xE0\xEB\xFC\xED\xFB\xE9 ", "<br>\r\n", "<td>", "</td>", "&nbsp;"};
  std::mt19937 random(seed);
  std::string text;
  while (text.size() < size) {
    if (text.size() > 70000 && random() % 50 == 0) {
      // A copy from far back: only a 64 KiB window reaches it.
      const size_t from = text.size() - 40000 - random() % 20000;
      text += text.substr(from, 300 + random() % 2000);
    } else {
      text += words[random() % words.size()];
      if (random() % 7 == 0) text += std::to_string(random() % 1000);
    }
  }
  text.resize(size);
  return text;
}

std::string NoiseBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

TScratchDir::TScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-update-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch folder");
  path_ = pattern + "/";
}

TScratchDir::~TScratchDir() {
  std::error_code error;
  // Read-only files and folders from restored attributes must not stay.
  for (const auto& item : std::filesystem::recursive_directory_iterator(path_, error))
    std::filesystem::permissions(item.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 error);
  std::filesystem::remove_all(path_, error);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

bool HaveProgram(const std::string& name) { return Run("command -v " + name + " >/dev/null 2>&1") == 0; }

int Run(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TestName(std::string label) {
  for (char& c : label)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return label;
}

}  // namespace tessaly::zip::test
