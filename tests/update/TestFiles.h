#pragma once
// Sample data and scratch folders for the extraction tests.

#include <cstdint>
#include <string>

namespace tessaly::zip::test {

// HTML-like text with repeats near and far, the same for the same seed.
std::string SampleText(size_t size, uint32_t seed);
// Bytes that hardly compress.
std::string NoiseBytes(size_t size, uint32_t seed);

// A fresh folder removed with everything in it when the object goes.
class TScratchDir {
public:
  TScratchDir();
  ~TScratchDir();
  const std::string& Path() const { return path_; }  // ends with "/"

private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// Whether a program is on PATH.
bool HaveProgram(const std::string& name);
// The exit code of a shell command.
int Run(const std::string& command);
// A label made fit for a test name: letters and digits, "_" for the rest.
std::string TestName(std::string label);

}  // namespace tessaly::zip::test
