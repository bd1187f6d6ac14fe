#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sys/wait.h>

#include "app/libraries/Templates.h"
#include "platform/CodePage1251.h"
#include "platform/Files.h"

namespace tessaly {
namespace {

const std::string kTemplates = std::string(TESSALY_SOURCE_DIR) + "/data/templates/";

// The manifest's file names in entry order.
std::vector<std::string> TemplateFiles() {
  std::vector<std::string> files;
  for (const std::string& line : strlib::SplitLines(ReadFileBytes(kTemplates + "templates.lst"))) {
    if (line.empty() || line[0] == '#') continue;
    const size_t start = line.find(' ') + 1;
    files.push_back(line.substr(start, line.find(' ', start) - start));
  }
  return files;
}

TEST(Templates, BuiltInLibraryHoldsEveryPageByteForByte) {
  strlib::TStrLibList list;
  LoadShablonList(list);
  const std::vector<std::string> files = TemplateFiles();
  ASSERT_EQ(list.Count(), TemplateCount);
  ASSERT_EQ(files.size(), static_cast<size_t>(TemplateCount));
  for (int i = 0; i < TemplateCount; ++i) {
    SCOPED_TRACE(files[static_cast<size_t>(i)]);
    const strlib::TStrLibItem& item = list.Items(i);
    EXPECT_TRUE(item.Compressed());
    EXPECT_EQ(item.Identifier(), i);
    const std::string page = ReadFileBytes(kTemplates + files[static_cast<size_t>(i)]);
    EXPECT_EQ(item.Text(), page);
    EXPECT_GE(page.size(), 4800u);
    EXPECT_LE(page.size(), 35000u);
    const char* description = i == 11 ? "с квадратными кнопками" : i == 12 ? "темно серый" : "";
    EXPECT_EQ(item.Description(), cp1251::FromUtf8(description));
  }
}

TEST(Templates, ButtonOneShowsTheProgramsOwnPageAndEveryEntryHasOneButton) {
  const std::vector<int> entries(std::begin(kTemplateButtonEntries), std::end(kTemplateButtonEntries));
  EXPECT_EQ(entries, (std::vector<int>{3, 0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  strlib::TStrLibList list;
  LoadShablonList(list);
  EXPECT_NE(list.Items(3).Text().find("<title>Tessaly"), std::string::npos);
}

// The pages are what users start from: they must be valid HTML (no tidy
// errors) and every picture they show must ship with the program.
TEST(Templates, PagesAreValidAndTheirPicturesShip) {
  const std::regex picture("(?:src|href)=\"(images/[^\"]+)\"");
  for (const std::string& file : TemplateFiles()) {
    SCOPED_TRACE(file);
    const std::string command = "tidy -errors -quiet -raw '" + kTemplates + file + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string report;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) report += buffer;
    const int status = ::pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 127) << "tidy is not installed (scripts/install-deps.sh)";
    EXPECT_LT(WEXITSTATUS(status), 2) << report;  // 1 means warnings only
    EXPECT_EQ(report.find("Error:"), std::string::npos) << report;

    const std::string page = ReadFileBytes(kTemplates + file);
    for (std::sregex_iterator it(page.begin(), page.end(), picture), end; it != end; ++it)
      EXPECT_TRUE(FileExists(std::string(TESSALY_SOURCE_DIR) + "/data/" + (*it)[1].str())) << (*it)[1];
  }
}

}  // namespace
}  // namespace tessaly
