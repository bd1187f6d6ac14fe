// Token streams of the files in data/: each NAME.html has its expected dump in
// NAME.tokens (the format of `tessaly-cli tokens`). On a mismatch the actual
// dump is written to NAME.tokens.new beside it, for review.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "highlight/HtmlHighlighter.h"
#include "highlight/TokenDump.h"
#include "platform/Files.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> GoldenInputs() {
  std::vector<fs::path> inputs;
  for (const fs::directory_entry& entry : fs::directory_iterator(TESSALY_TEST_DATA))
    if (entry.path().extension() == ".html") inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

TEST(HtmlGolden, TokenStreamsMatchExpectedDumps) {
  const std::vector<fs::path> inputs = GoldenInputs();
  ASSERT_FALSE(inputs.empty());
  for (const fs::path& input : inputs) {
    THtmlHighlighter highlighter;
    const std::string actual = DumpTokens(highlighter, SplitLines(ReadFileBytes(input.string())));
    fs::path expectedPath = input;
    expectedPath.replace_extension(".tokens");
    const fs::path newPath = expectedPath.string() + ".new";
    const std::string expected = FileExists(expectedPath.string()) ? ReadFileBytes(expectedPath.string()) : "";
    if (actual == expected) {
      fs::remove(newPath);
      continue;
    }
    WriteFileAtomically(newPath.string(), actual);
    ADD_FAILURE() << input.filename() << ": token stream differs; see " << newPath;
  }
}

}  // namespace
}  // namespace tessaly
