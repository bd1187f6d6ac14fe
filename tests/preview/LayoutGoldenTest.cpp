// Every page in data/layout/ laid out on the fixed-metric canvas against its
// expected layout dump; a mismatch writes the actual dump beside it as .new.
// A page may start with <!-- width=N --> (default 400); its encoding is
// detected as the viewer detects a file's.

#include <gtest/gtest.h>

#include <filesystem>

#include "LayoutHelpers.h"
#include "platform/Files.h"
#include "preview/layout/LayoutDump.h"
#include "preview/viewer/PageText.h"

namespace tessaly::preview::test {
namespace {

namespace fs = std::filesystem;

const fs::path kLayoutData = fs::path(TESSALY_TEST_DATA) / "layout";

std::vector<std::string> LayoutPages() {
  std::vector<std::string> pages;
  for (const auto& entry : fs::directory_iterator(kLayoutData))
    if (entry.path().extension() == ".html") pages.push_back(entry.path().stem().string());
  std::sort(pages.begin(), pages.end());
  return pages;
}

int PageWidth(const std::string& source) {
  int width = 400;
  std::sscanf(source.c_str(), "<!-- width=%d", &width);
  return width;
}

class LayoutGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(LayoutGolden, MatchesExpected) {
  const fs::path base = kLayoutData / GetParam();
  const TPageText source = ReadPageText(ReadFileBytes(base.string() + ".html"));
  LaidOutPage page;
  page.Parser.Encoding = source.Encoding;
  page.Layout(source.Text, PageWidth(source.Text));
  ExpectGolden(DumpLayout(*page.Document), base.string() + ".layout");
}

INSTANTIATE_TEST_SUITE_P(Pages, LayoutGolden, ::testing::ValuesIn(LayoutPages()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace tessaly::preview::test
