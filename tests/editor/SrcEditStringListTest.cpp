#include "editor/SrcEditStringList.h"

#include <gtest/gtest.h>

#include <sstream>

#include "TempDir.h"
#include "platform/Files.h"

namespace tessaly {
namespace {

// Records every notification as one short word.
struct NotificationLog {
  explicit NotificationLog(TSrcEditStringList& lines) {
    lines.OnChanging = [this](TSrcEditStringList&) { events.push_back("changing"); };
    lines.OnChange = [this](TSrcEditStringList&) { events.push_back("change"); };
    lines.OnLineAdded = [this](int i, const std::string& s) { events.push_back("added " + std::to_string(i) + " " + s); };
    lines.OnLineInserted = [this](int i, const std::string& s) {
      events.push_back("inserted " + std::to_string(i) + " " + s);
    };
    lines.OnLineDeleted = [this](int i) { events.push_back("deleted " + std::to_string(i)); };
    lines.OnLinePut = [this](int i, const std::string& s) { events.push_back("put " + std::to_string(i) + " " + s); };
    lines.OnLinesCleared = [this](TSrcEditStringList&) { events.push_back("cleared"); };
  }
  std::vector<std::string> events;
};

std::vector<std::string> Texts(const TSrcEditStringList& lines) {
  std::vector<std::string> out;
  for (int i = 0; i < lines.Count(); ++i) out.push_back(lines.Get(i));
  return out;
}

TEST(SrcEditStringList, LoadingSplitsLinesAndFindsTheBreakStyle) {
  using V = std::vector<std::string>;
  const struct {
    std::string bytes;
    V lines;
    TLineBreakStyle style;
  } cases[] = {
      {"a\r\nb\r\n", V{"a", "b"}, TLineBreakStyle::lbCrLf},
      {"a\nb", V{"a", "b"}, TLineBreakStyle::lbLf},
      {"a\rb", V{"a", "b"}, TLineBreakStyle::lbCr},
      {"no break", V{"no break"}, TLineBreakStyle::lbCrLf},
      {"a\r\nb\nc", V{"a", "b", "c"}, TLineBreakStyle::lbCrLf},
      {"", V{}, TLineBreakStyle::lbCrLf},
      {"\r\r", V{"", ""}, TLineBreakStyle::lbCr},
      {"\n\n", V{"", ""}, TLineBreakStyle::lbLf},
      {std::string("a\0b", 3), V{std::string("a\0b", 3)}, TLineBreakStyle::lbCrLf},
      {std::string("a\r\n\0b", 5), V{"a", std::string("\0b", 2)}, TLineBreakStyle::lbCrLf},
      {std::string("a\0\0b\0", 5), V{std::string("a\0\0b\0", 5)}, TLineBreakStyle::lbCrLf},
      {"\xCF\xF0\xE8\r\n", V{"\xCF\xF0\xE8"}, TLineBreakStyle::lbCrLf},
  };
  for (const auto& c : cases) {
    TSrcEditStringList lines;
    lines.SetLineBreakStyle(TLineBreakStyle::lbCr);
    std::istringstream stream(c.bytes);
    lines.LoadFromStream(stream);
    EXPECT_EQ(Texts(lines), c.lines) << c.bytes;
    EXPECT_EQ(lines.LineBreakStyle(), c.style) << c.bytes;
  }
}

TEST(SrcEditStringList, SavingWritesTheBreakAfterEveryLine) {
  const struct {
    std::vector<std::string> lines;
    TLineBreakStyle style;
    std::string bytes;
  } cases[] = {
      {{"a", "b"}, TLineBreakStyle::lbLf, "a\nb\n"},
      {{"a", "b"}, TLineBreakStyle::lbCrLf, "a\r\nb\r\n"},
      {{"a", ""}, TLineBreakStyle::lbCr, "a\r\r"},
      {{}, TLineBreakStyle::lbCrLf, ""},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    TSrcEditStringList lines;
    lines.AddStrings(c.lines);
    lines.SetLineBreakStyle(c.style);
    std::ostringstream stream;
    lines.SaveToStream(stream);
    EXPECT_EQ(stream.str(), c.bytes);
    lines.SaveToFile(dir.File("out.htm"));
    EXPECT_EQ(ReadFileBytes(dir.File("out.htm")), c.bytes);
  }
}

TEST(SrcEditStringList, FilesRoundTripAndAFailedOpenKeepsTheText) {
  test::TempDir dir;
  TSrcEditStringList lines;
  std::vector<std::string> big;
  for (int i = 0; i < 3000; ++i) big.push_back(std::string(static_cast<size_t>(i % 97), 'x') + std::to_string(i));
  big.push_back(std::string(40000, 'L'));  // a line larger than the writer's block
  lines.AddStrings(big);
  lines.SaveToFile(dir.File("page.htm"));

  TSrcEditStringList reread;
  reread.LoadFromFile(dir.File("page.htm"));
  EXPECT_EQ(Texts(reread), big);
  EXPECT_THROW(reread.LoadFromFile(dir.File("missing.htm")), EFOpenError);
  EXPECT_EQ(reread.Count(), static_cast<int>(big.size()));
}

TEST(SrcEditStringList, NotificationsComeInOrder) {
  using V = std::vector<std::string>;
  const struct {
    const char* name;
    void (*edit)(TSrcEditStringList&);
    V events;
  } cases[] = {
      {"put", [](TSrcEditStringList& l) { l.Put(1, "B"); }, V{"changing", "put 1 B", "change"}},
      {"put at count appends", [](TSrcEditStringList& l) { l.Put(2, "c"); }, V{"changing", "added 2 c", "change"}},
      {"insert", [](TSrcEditStringList& l) { l.Insert(0, "z"); }, V{"changing", "inserted 0 z", "change"}},
      {"delete", [](TSrcEditStringList& l) { l.Delete(0); }, V{"changing", "deleted 0", "change"}},
      {"clear", [](TSrcEditStringList& l) { l.Clear(); }, V{"changing", "cleared", "change"}},
      {"add strings", [](TSrcEditStringList& l) { l.AddStrings(V{"x", "y"}); }, V{"changing", "added 2 ", "change"}},
      {"insert empty lines", [](TSrcEditStringList& l) { l.InsertEmptyLines(1, 3); },
       V{"changing", "added 1 ", "change"}},
      {"remove lines", [](TSrcEditStringList& l) { l.RemoveLines(0, 5); }, V{"changing", "deleted 0", "change"}},
      {"scan state", [](TSrcEditStringList& l) { l.SetScanState(0, 7); }, V{"changing", "change"}},
      {"nested update", [](TSrcEditStringList& l) {
         l.BeginUpdate();
         l.Put(0, "A");
         l.Delete(1);
         l.EndUpdate();
       },
       V{"changing", "put 0 A", "deleted 1", "change"}},
  };
  for (const auto& c : cases) {
    TSrcEditStringList lines;
    lines.AddStrings(V{"a", "b"});
    NotificationLog log(lines);
    c.edit(lines);
    EXPECT_EQ(log.events, c.events) << c.name;
  }
}

TEST(SrcEditStringList, InvalidIndexesRaiseAndChangeNothing) {
  const struct {
    const char* name;
    void (*edit)(TSrcEditStringList&);
    int index;
  } cases[] = {
      {"delete at count", [](TSrcEditStringList& l) { l.Delete(2); }, 2},
      {"delete negative", [](TSrcEditStringList& l) { l.Delete(-1); }, -1},
      {"insert past count", [](TSrcEditStringList& l) { l.Insert(3, "x"); }, 3},
      {"put past count", [](TSrcEditStringList& l) { l.Put(5, "x"); }, 5},
      {"exchange", [](TSrcEditStringList& l) { l.Exchange(0, 2); }, 2},
      {"put object", [](TSrcEditStringList& l) { l.PutObject(2, nullptr); }, 2},
      {"scan state", [](TSrcEditStringList& l) { l.SetScanState(9, 1); }, 9},
      {"remove lines", [](TSrcEditStringList& l) { l.RemoveLines(2, 1); }, 2},
  };
  for (const auto& c : cases) {
    TSrcEditStringList lines;
    lines.AddStrings(std::vector<std::string>{"a", "b"});
    NotificationLog log(lines);
    try {
      c.edit(lines);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const ESrcEditStringList& error) {
      EXPECT_EQ(error.Message(), "Invalid stringlist index " + std::to_string(c.index)) << c.name;
    }
    EXPECT_EQ(Texts(lines), (std::vector<std::string>{"a", "b"})) << c.name;
    EXPECT_TRUE(log.events.empty()) << c.name;
  }
  // Reading never fails.
  TSrcEditStringList lines;
  EXPECT_EQ(lines.Get(3), "");
  EXPECT_EQ(lines.GetObject(-1), nullptr);
  EXPECT_EQ(lines.ScanState(0), 0);
  EXPECT_EQ(lines.ExpandedText(0), "");
}

TEST(SrcEditStringList, RecordsStartAsDescribed) {
  TSrcEditStringList lines;
  lines.Add("x");
  lines.InsertEmptyLines(0, 2);
  EXPECT_EQ(lines.Record(2).ScanState, -1);
  EXPECT_EQ(lines.Record(2).DisplayLength, -1);
  EXPECT_EQ(lines.Record(2).Flags, WidthStale);
  EXPECT_EQ(lines.Record(0).ScanState, 0);
  EXPECT_EQ(lines.Record(0).DisplayLength, 0);
  EXPECT_EQ(lines.Record(0).Flags, 0);
  EXPECT_EQ(lines.Capacity(), 3);

  lines.SetScanState(2, 42);
  lines.Put(2, "changed");
  EXPECT_EQ(lines.ScanState(2), 42) << "put keeps the scan state";
  int marker = 0;
  lines.PutObject(1, &marker);
  lines.Exchange(1, 2);
  EXPECT_EQ(lines.GetObject(2), &marker);
  EXPECT_EQ(lines.ScanState(1), 42) << "exchange swaps whole records";
  lines.RemoveLines(1, 100);
  EXPECT_EQ(Texts(lines), std::vector<std::string>{""});
}

TEST(SrcEditStringList, CapacityGrowsBySixteenThenByAQuarter) {
  TSrcEditStringList lines;
  std::vector<int> capacities;
  for (int i = 0; i < 101; ++i) {
    lines.Add("l");
    if (capacities.empty() || capacities.back() != lines.Capacity()) capacities.push_back(lines.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{16, 32, 48, 64, 80, 100, 125}));
  lines.AddStrings(std::vector<std::string>(30, "m"));
  EXPECT_EQ(lines.Capacity(), 144) << "131 lines rounded up to a multiple of 16";
  lines.Clear();
  EXPECT_EQ(lines.Capacity(), 0);
}

TEST(SrcEditStringList, TabExpansionPerWidth) {
  const struct {
    int tabWidth;
    std::string line;
    std::string expanded;
  } cases[] = {
      {4, "a\tb", "a\t\t\tb"},
      {1, "a\tb", "a b"},
      {0, "\t\t", "  "},
      {8, "\tx", "\t\t\t\t\t\t\t\tx"},
      {3, "ab\tc\t", "ab\tc\t\t"},
      {6, "abcdef\t", "abcdef\t\t\t\t\t\t"},
      {4, "plain", "plain"},
  };
  for (const auto& c : cases) {
    TSrcEditStringList lines;
    lines.SetTabWidth(c.tabWidth);
    lines.Add(c.line);
    EXPECT_EQ(lines.ExpandedText(0), c.expanded) << c.tabWidth << " " << c.line;
    EXPECT_EQ(lines.Record(0).DisplayLength, static_cast<int>(c.expanded.size()));
    EXPECT_EQ(lines.Record(0).Flags, c.line.find('\t') == std::string::npos ? TabsAbsent : TabsPresent);
  }
  // Mask and division routines agree for powers of two.
  bool hasTabs = false;
  for (int width : {2, 4, 8, 16, 64})
    EXPECT_EQ(ExpandTabsByMask("a\tbc\t\td", width, hasTabs), ExpandTabsByDivision("a\tbc\t\td", width, hasTabs));
}

TEST(SrcEditStringList, LongestLineFollowsEdits) {
  TSrcEditStringList lines;
  lines.AddStrings(std::vector<std::string>{"abc", "a\tb", "xyz1", "pqr1"});
  EXPECT_EQ(lines.LongestLineLength(), 9) << "the tab reaches column 8";
  lines.SetTabWidth(2);
  EXPECT_EQ(lines.LongestLineLength(), 4) << "a tie keeps the first line";
  lines.Exchange(2, 0);  // the cached longest line moves with its record
  EXPECT_EQ(lines.LongestLineLength(), 4);
  lines.Put(1, std::string(12, 'w'));
  EXPECT_EQ(lines.LongestLineLength(), 12);
  lines.Delete(1);
  EXPECT_EQ(lines.LongestLineLength(), 4);
  lines.Clear();
  EXPECT_EQ(lines.LongestLineLength(), 0);
}

TEST(SrcEditStringList, TextGetAndSet) {
  TSrcEditStringList lines;
  lines.SetText("one\r\ntwo\nthree");
  EXPECT_EQ(Texts(lines), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(lines.Text(), "one\r\ntwo\r\nthree\r\n");
}

}  // namespace
}  // namespace tessaly
