#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/search/SearchState.h"

namespace tessaly {
namespace {

using Entries = std::vector<std::string>;

struct HistoryCase {
  const char* name;
  Entries before;
  std::string text;
  Entries after;
};

TEST(SearchHistory, NewestFirstWithoutCaseDuplicates) {
  const std::vector<HistoryCase> cases = {
      {"a new text goes to the top", {"b", "c"}, "a", {"a", "b", "c"}},
      {"an empty text changes nothing", {"b"}, "", {"b"}},
      {"a text in another case replaces its entry", {"x", "abc", "y"}, "ABC", {"ABC", "x", "y"}},
      {"the same text moves to the top", {"x", "y"}, "y", {"y", "x"}},
      {"Cyrillic letters compare ignoring case", {"АБ", "z"}, "аб", {"аб", "z"}},
      {"so do Latin and Greek ones", {"ÉTÉ", "ΣΟΦΙΑ"}, "σοφια", {"σοφια", "ÉTÉ"}},
      {"different letters stay apart", {"при"}, "при\xCC\x81", {"при\xCC\x81", "при"}},
      {"the first search", {}, "a", {"a"}},
  };
  for (const HistoryCase& c : cases) {
    SCOPED_TRACE(c.name);
    Entries history = c.before;
    EXPECT_EQ(AddToSearchHistory(history, c.text), c.text);
    EXPECT_EQ(history, c.after);
  }
}

TEST(SearchHistory, HandsBackAtMostTenEntries) {
  Entries history;
  for (int i = 1; i <= 12; ++i) AddToSearchHistory(history, "t" + std::to_string(i));
  EXPECT_EQ(SearchHistoryText(history), "t12\r\nt11\r\nt10\r\nt9\r\nt8\r\nt7\r\nt6\r\nt5\r\nt4\r\nt3");
  EXPECT_EQ(SearchHistoryEntries(SearchHistoryText(history)).size(), SearchHistoryMaxCount);
  EXPECT_EQ(SearchHistoryText({}), "");
  EXPECT_EQ(SearchHistoryEntries(""), Entries{});
  EXPECT_EQ(SearchHistoryEntries("a\r\nb"), (Entries{"a", "b"}));
}

TEST(SearchOptions, FollowTheStateAndTheCaretRule) {
  struct Case {
    const char* name;
    TSearchState state;
    bool backward, continueFromCaret;
    TSrcSearchOptions expected;
  };
  TSearchState all;
  all.SearchCaseSensitive = all.SearchSelectedOnly = all.SearchWholeWords = true;
  all.SearchBackwards = true;  // the direction comes from the caller, not the state
  TSrcSearchOptions allOptions;
  for (TSrcSearchOption option : {soMatchCase, soSelectedOnly, soWholeWord}) allOptions.Include(option);
  TSrcSearchOptions entire;
  entire.Include(soEntireScope);
  TSrcSearchOptions backward;
  backward.Include(soBackwards);
  const std::vector<Case> cases = {
      {"first search covers the whole text", {}, false, false, entire},
      {"later searches go on from the caret", {}, false, true, {}},
      {"backward from the caret", {}, true, true, backward},
      {"every option of the state, forward", all, false, true, allOptions},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SearchOptions(c.state, c.backward, c.continueFromCaret).Bits(), c.expected.Bits());
  }
}

}  // namespace
}  // namespace tessaly
