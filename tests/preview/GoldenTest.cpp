// Every page in data/ against its expected dump; a mismatch writes the
// actual dump beside it as .new for review.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ParseHelpers.h"
#include "platform/Files.h"

namespace tessaly::preview::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> GoldenPages() {
  std::vector<std::string> pages;
  for (const auto& entry : fs::directory_iterator(TESSALY_TEST_DATA))
    if (entry.path().extension() == ".html") pages.push_back(entry.path().stem().string());
  std::sort(pages.begin(), pages.end());
  return pages;
}

class GoldenDump : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenDump, MatchesExpected) {
  const fs::path base = fs::path(TESSALY_TEST_DATA) / GetParam();
  ParsedPage page;
  page.Html(ReadFileBytes(base.string() + ".html"));
  ExpectGolden(page.Dump(), base.string() + ".dump");
}

INSTANTIATE_TEST_SUITE_P(Pages, GoldenDump, ::testing::ValuesIn(GoldenPages()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace tessaly::preview::test
