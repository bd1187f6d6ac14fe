// Reading the update information page and comparing versions.

#include <gtest/gtest.h>

#include "update/UpdatePage.h"
#include "update/VersionCompare.h"

namespace tessaly {
namespace {

struct TPageCase {
  const char* label;
  std::vector<std::string> lines;
  std::string version;
  std::string download;
};

class PageParsing : public ::testing::TestWithParam<TPageCase> {};

TEST_P(PageParsing, FindsTheValues) {
  TTagValues values;
  values.Download = "stale";
  ParseUpdatePage(GetParam().lines, TTagInfo(), values);
  EXPECT_EQ(values.Version, GetParam().version);
  EXPECT_EQ(values.Download, GetParam().download);
  EXPECT_EQ(values.Author, "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageParsing,
    ::testing::Values(
        TPageCase{"plain", {"<META NAME=\"upVersion\" CONTENT=\"3.1\">", "<META NAME=\"upDownload\" CONTENT=\"http://x/u.zip\">"}, "3.1", "http://x/u.zip"},
        TPageCase{"content_in_any_case_keeps_the_value_case", {"<META NAME=\"upVersion\" cOnTeNt=\"Beta-2\">"}, "Beta-2", ""},
        TPageCase{"lower_case_meta_name_is_not_seen", {"<meta name=\"upVersion\" content=\"3.1\">"}, "", ""},
        TPageCase{"tag_names_are_case_sensitive", {"<META NAME=\"UPVERSION\" CONTENT=\"3.1\">"}, "", ""},
        TPageCase{"later_line_wins", {"<META NAME=\"upVersion\" CONTENT=\"1\">", "<META NAME=\"upVersion\" CONTENT=\"2\">"}, "2", ""},
        TPageCase{"no_closing_quote", {"<META NAME=\"upVersion\" CONTENT=\"3.1>"}, "", ""},
        TPageCase{"no_content", {"<META NAME=\"upVersion\">"}, "", ""},
        TPageCase{"meta_at_the_end_of_the_line", {"<META NAME"}, "", ""},
        TPageCase{"value_beyond_255_characters", {"<META NAME=\"upVersion\" CONTENT=\"" + std::string(300, '9') + "\">"}, "", ""},
        TPageCase{"nothing", {}, "", ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SplitLines, TakesEveryKindOfLineBreak) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

struct TVersionCase {
  const char* local;
  const char* published;
  TVersionFormat format;
  bool newer;
};

class Versions : public ::testing::TestWithParam<TVersionCase> {};

TEST_P(Versions, Compare) {
  const TVersionCase& c = GetParam();
  EXPECT_EQ(IsNewerVersion(c.local, c.published, c.format), c.newer) << c.local << " / " << c.published;
}

constexpr auto S = TVersionFormat::vfStandard;
constexpr auto T = TVersionFormat::vfString;
constexpr auto N = TVersionFormat::vfNumber;

INSTANTIATE_TEST_SUITE_P(Rows, Versions,
                         ::testing::Values(TVersionCase{"1.0", "1.1", S, true}, TVersionCase{"1.1", "1.0", S, false},
                                           TVersionCase{"1.0", "1.0", S, false}, TVersionCase{"2.10", "2.9", S, false},
                                           TVersionCase{"2.9", "2.10", S, true}, TVersionCase{"3.0", "3.0.1", S, false},
                                           TVersionCase{"3.0.1", "3.0.2", S, true}, TVersionCase{"3", "4", S, true},
                                           TVersionCase{"3.1", "3", S, false}, TVersionCase{"3.0.0.5", "3", S, false},
                                           TVersionCase{"x.1", "0.2", S, true}, TVersionCase{"не определено", "3.0", S, true},
                                           TVersionCase{"2.10", "2.9", T, true}, TVersionCase{"2.9", "2.10", T, false},
                                           TVersionCase{"abc", "abd", T, true}, TVersionCase{"B", "a", T, true},
                                           TVersionCase{"a", "B", T, false}, TVersionCase{"1.5", "1.25", N, false},
                                           TVersionCase{"1.25", "1.5", N, true}, TVersionCase{"1.5", "1.5", N, false},
                                           TVersionCase{"1,5", "2", N, false}, TVersionCase{"1", "two", N, false},
                                           TVersionCase{" 1 ", "2", N, true}));

}  // namespace
}  // namespace tessaly
