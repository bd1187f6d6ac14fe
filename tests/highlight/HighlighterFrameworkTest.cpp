#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "highlight/CustomHighlighter.h"
#include "highlight/HighlighterList.h"
#include "highlight/HtmlHighlighter.h"

namespace tessaly {
namespace {

// The least a highlighter must be: attributes registered in a chosen order,
// and a scanner that sees every line as one end token.
class TestHighlighter : public TSrcCustomHighlighter {
public:
  explicit TestHighlighter(const std::vector<std::string>& names) {
    for (const std::string& name : names) Register(name);
    BindAttriChanges([this] { NotifyChanged(); });
  }
  TSrcHighlighterAttributes* Register(const std::string& name) {
    return RegisterAttri(std::make_unique<TSrcHighlighterAttributes>(name));
  }
  TSrcHighlighterAttributes* StandardAttri(int) const override { return nullptr; }
  void StartLine(const char*, size_t, int) override {}
  bool AtLineEnd() const override { return true; }
  void NextToken() override {}
  std::string CurrentTokenText() const override { return {}; }
  TSrcHighlighterAttributes* CurrentTokenAttri() const override { return nullptr; }
  int CurrentTokenKind() const override { return 0; }
  int CurrentTokenStart() const override { return 0; }
};

TEST(HighlighterAttributes, StartWithoutColoursOrStyle) {
  const TSrcHighlighterAttributes attri("Comment");
  EXPECT_EQ(attri.AttriName(), "Comment");
  EXPECT_EQ(attri.Background(), clNone);
  EXPECT_EQ(attri.Foreground(), clNone);
  EXPECT_EQ(attri.Style(), 0);
}

TEST(HighlighterAttributes, NotifyOnlyOnRealChange) {
  struct Case {
    const char* what;
    void (*set)(TSrcHighlighterAttributes&);
    int expectedCalls;
  };
  const Case cases[] = {
      {"same background", [](TSrcHighlighterAttributes& a) { a.SetBackground(clNone); }, 0},
      {"same foreground", [](TSrcHighlighterAttributes& a) { a.SetForeground(clNone); }, 0},
      {"same style", [](TSrcHighlighterAttributes& a) { a.SetStyle(0); }, 0},
      {"new background", [](TSrcHighlighterAttributes& a) { a.SetBackground(clRed); }, 1},
      {"new foreground", [](TSrcHighlighterAttributes& a) { a.SetForeground(clLime); }, 1},
      {"new style", [](TSrcHighlighterAttributes& a) { a.SetStyle(fsBold | fsItalic); }, 1},
  };
  for (const Case& c : cases) {
    TSrcHighlighterAttributes attri("Text");
    int calls = 0;
    attri.ChangeHandler = [&calls] { ++calls; };
    c.set(attri);
    EXPECT_EQ(calls, c.expectedCalls) << c.what;
  }
}

TEST(HighlighterAttributes, StoredOnlyWhenDifferentFromCapturedDefaults) {
  TSrcHighlighterAttributes attri("Value");
  attri.SetForeground(clRed);
  attri.CaptureDefaults();
  EXPECT_EQ(attri.DefaultForeground(), clRed);
  EXPECT_FALSE(attri.IsForegroundStored());
  attri.SetForeground(clBlack);
  attri.SetStyle(fsUnderline);
  EXPECT_TRUE(attri.IsForegroundStored());
  EXPECT_TRUE(attri.IsStyleStored());
  EXPECT_FALSE(attri.IsBackgroundStored());
}

TEST(CustomHighlighter, AttributesListedInCaseInsensitiveNameOrder) {
  TestHighlighter highlighter({"Value", "asp", "Comment", "BOLD"});
  std::vector<std::string> names;
  for (int i = 0; i < highlighter.AttriCount(); ++i) names.push_back(highlighter.AttriByIndex(i)->AttriName());
  EXPECT_EQ(names, (std::vector<std::string>{"asp", "BOLD", "Comment", "Value"}));
  EXPECT_EQ(highlighter.AttriByIndex(-1), nullptr);
  EXPECT_EQ(highlighter.AttriByIndex(highlighter.AttriCount()), nullptr);
}

TEST(CustomHighlighter, DuplicateAttributeNameRefusedAndFirstKept) {
  TestHighlighter highlighter({"Comment"});
  TSrcHighlighterAttributes* first = highlighter.AttriByIndex(0);
  try {
    highlighter.Register("COMMENT");
    FAIL() << "duplicate accepted";
  } catch (const EAttributeListError& error) {
    EXPECT_STREQ(error.what(), "String list does not allow duplicates");
  }
  ASSERT_EQ(highlighter.AttriCount(), 1);
  EXPECT_EQ(highlighter.AttriByIndex(0), first);
}

TEST(CustomHighlighter, BoundAttributesCaptureDefaultsAndNotifyListenersInOrder) {
  TestHighlighter highlighter({"Text"});
  TSrcHighlighterAttributes* text = highlighter.AttriByIndex(0);
  EXPECT_FALSE(text->IsForegroundStored());

  std::vector<std::string> calls;
  int ownerA = 0, ownerB = 0;
  highlighter.AddChangeListener(&ownerA, [&](TSrcCustomHighlighter* sender) {
    EXPECT_EQ(sender, &highlighter);
    calls.push_back("A");
  });
  highlighter.AddChangeListener(&ownerB, [&](TSrcCustomHighlighter*) { calls.push_back("B"); });
  highlighter.AddChangeListener(&ownerA, [&](TSrcCustomHighlighter*) { calls.push_back("A2"); });

  text->SetForeground(clRed);
  EXPECT_EQ(calls, (std::vector<std::string>{"A", "B", "A2"}));

  calls.clear();
  highlighter.RemoveChangeListener(&ownerA);
  text->SetForeground(clRed);  // same value: nothing
  text->SetForeground(clBlack);
  EXPECT_EQ(calls, (std::vector<std::string>{"B"}));
}

TEST(CustomHighlighter, EnabledChangeNotifiesOnce) {
  TestHighlighter highlighter({});
  int calls = 0;
  highlighter.AddChangeListener(&calls, [&calls](TSrcCustomHighlighter*) { ++calls; });
  EXPECT_TRUE(highlighter.Enabled());
  highlighter.SetEnabled(true);
  EXPECT_EQ(calls, 0);
  highlighter.SetEnabled(false);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(highlighter.Enabled());
}

TEST(CustomHighlighter, ListenerExceptionEndsFiringAndReachesCaller) {
  TestHighlighter highlighter({"Text"});
  int owner = 0, later = 0;
  highlighter.AddChangeListener(&owner, [](TSrcCustomHighlighter*) { throw std::runtime_error("boom"); });
  highlighter.AddChangeListener(&later, [&later](TSrcCustomHighlighter*) { ++later; });
  EXPECT_THROW(highlighter.AttriByIndex(0)->SetStyle(fsBold), std::runtime_error);
  EXPECT_EQ(later, 0);
  EXPECT_EQ(highlighter.AttriByIndex(0)->Style(), fsBold);
}

TEST(CustomHighlighter, DestroyListenersAreToldOnce) {
  TSrcCustomHighlighter* told = nullptr;
  int calls = 0, owner = 0;
  TSrcCustomHighlighter* address = nullptr;
  {
    TestHighlighter highlighter({"Text"});
    address = &highlighter;
    highlighter.AddDestroyListener(&owner, [&](TSrcCustomHighlighter* sender) {
      told = sender;
      ++calls;
    });
  }
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(told, address);
}

TEST(CustomHighlighter, DefaultCharacterSetsAndTexts) {
  TestHighlighter highlighter({});
  const TSrcCharSet& breaks = highlighter.WordBreakCharSet();
  EXPECT_EQ(breaks.count(), 22u);
  for (int c : {33, 34, 39, 40, 41, 42, 43, 44, 45, 46, 47, 58, 59, 61, 63, 91, 92, 93, 94, 123, 124, 125})
    EXPECT_TRUE(breaks.test(static_cast<size_t>(c))) << c;

  const TSrcCharSet identifiers = highlighter.IdentifierCharSet();
  EXPECT_EQ(identifiers.count(), 223u);
  EXPECT_FALSE(identifiers.test(32));
  EXPECT_TRUE(identifiers.test(33));
  EXPECT_TRUE(identifiers.test(255));

  EXPECT_EQ(highlighter.LanguageDisplayName(), "<Unknown>");
  EXPECT_EQ(highlighter.SampleText(), "");
  EXPECT_EQ(highlighter.DefaultFilter(), "");
  EXPECT_TRUE(highlighter.IsDefaultFilterStored());
}

TEST(HighlighterList, ClassRegisteredOnceHowEverOftenAdded) {
  const TSrcHighlighterClass& html = THtmlHighlighter::Class();
  ASSERT_GE(HighlighterList().IndexOf(&html), 0) << "registered at start-up";
  const int count = HighlighterList().Count();
  RegisterHighlighterClass(html);
  EXPECT_EQ(HighlighterList().Count(), count);

  const std::unique_ptr<TSrcCustomHighlighter> made = html.Create();
  EXPECT_EQ(made->LanguageDisplayName(), "HTML document");
}

}  // namespace
}  // namespace tessaly
