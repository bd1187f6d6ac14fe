// The plain rules under the document commands and the creation step.

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/window/CreationSteps.h"
#include "app/documents/DocumentText.h"
#include "editor/SrcEditStringList.h"
#include "platform/CodePage1251.h"
#include "platform/Exception.h"

namespace tessaly {
namespace {

TEST(DocumentText, TheNewPageSplitsIntoItsFiveLines) {
  TSrcEditStringList lines;
  lines.SetText(NewPageText());
  ASSERT_EQ(lines.Count(), 5);
  EXPECT_EQ(cp1251::ToUtf8(lines.Get(1)), "<head><title>МОЯ ПЕРВАЯ СТРАНИЦА</title>");
  EXPECT_EQ(cp1251::ToUtf8(lines.Get(3)), "<br> Здесь может быть Ваш текст");
  EXPECT_EQ(NewPageText().find("\r\n"), std::string::npos) << "mixed breaks, never CR LF";
}

TEST(DocumentText, FooterTestsOfSaveAndSaveAs) {
  const std::string footer = FooterLine();
  EXPECT_EQ(footer, "<br><br><center>" + FooterMarker() + "</a>");
  struct Case {
    std::vector<std::string> lines;
    bool hasLine, hasMarker;
  } cases[] = {
      {{"<p>x</p>"}, false, false},
      {{"a", footer, "b"}, true, true},
      {{"  " + footer + "  "}, true, true},
      {{cp1251::UpperCase(footer)}, true, false},          // Save ignores case, Save As does not
      {{FooterMarker()}, false, true},             // the marker alone satisfies Save As only
      {{footer.substr(0, 20), footer.substr(20)}, false, false},  // split over two lines
  };
  for (const Case& c : cases) {
    std::string text;
    for (const std::string& line : c.lines) text += line + "\r\n";
    EXPECT_EQ(HasFooterLine(c.lines), c.hasLine) << text;
    EXPECT_EQ(HasFooterMarker(text), c.hasMarker) << text;
  }
}

TEST(DocumentText, FilesEndEveryLineWithCrLf) {
  EXPECT_EQ(FileBytes({}), "");
  EXPECT_EQ(FileBytes({""}), "\r\n");
  EXPECT_EQ(FileBytes({"ab", "c"}), "ab\r\nc\r\n");
  EXPECT_EQ(LinesToSave({"a"}, true), (std::vector<std::string>{"a", FooterLine()}));
  EXPECT_EQ(LinesToSave({"a"}, false), (std::vector<std::string>{"a"}));
}

TEST(CreationSteps, AFailingStepIsReportedAndTheLaterStepsSkipped) {
  struct Case {
    const char* name;
    int failAt;  // -1: none
    bool abort;
    size_t done;
    std::vector<std::string> reports;
  } cases[] = {
      {"all run", -1, false, 4, {}},
      {"first fails", 0, false, 0, {"no library"}},
      {"third fails", 2, false, 2, {"no library"}},
      {"cancel stops silently", 1, true, 1, {}},
  };
  for (const Case& c : cases) {
    std::vector<int> ran;
    std::vector<std::string> reports;
    std::vector<std::function<void()>> steps;
    for (int i = 0; i < 4; ++i)
      steps.emplace_back([&, i] {
        ran.push_back(i);
        if (i != c.failAt) return;
        if (c.abort) throw EAbort();
        throw std::runtime_error("no library");
      });
    EXPECT_EQ(RunCreationSteps(steps, [&](const std::string& error) { reports.push_back(error); }), c.done) << c.name;
    EXPECT_EQ(reports, c.reports) << c.name;
    EXPECT_EQ(ran.size(), c.failAt < 0 ? 4u : static_cast<size_t>(c.failAt) + 1) << c.name;
  }
}

}  // namespace
}  // namespace tessaly
