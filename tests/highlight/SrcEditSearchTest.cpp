#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "highlight/SrcEditSearch.h"
#include "platform/CodePage1251.h"
#include "platform/Exception.h"

namespace tessaly {
namespace {

std::vector<int> FindAll(TSrcEditSearch& search, const std::string& text) {
  search.FindAllIn(text);
  std::vector<int> positions;
  for (int i = 0; i < search.MatchCount(); ++i) positions.push_back(search.MatchPosition(i));
  return positions;
}

TEST(SrcEditSearch, MatchPositions) {
  struct Case {
    std::string pattern, text;
    bool matchCase, wholeWords;
    std::vector<int> positions;
  };
  const Case cases[] = {
      {"aa", "aaaa", false, false, {1, 3}},
      {"aa", "aaa", false, false, {1}},
      {"abc", "xxABCxxabc", false, false, {3, 8}},
      {"abc", "xxABCxxabc", true, false, {8}},
      {"cat", "cat concat cat_x cat.", false, true, {1, 18}},
      {"cat", "cat concat cat_x cat.", false, false, {1, 8, 12, 18}},
      {"whole", "whole", false, false, {1}},
      {"whole", "whol", false, false, {}},
      {"x", "", false, false, {}},
      {"x", "x", false, true, {1}},
      {"x", "axbx x", false, true, {6}},
      {"\xcf\xd0\xc8", "\xef\xf0\xe8 \xcf\xd0\xc8 \xcf\xf0\xe8", false, false, {1, 5, 9}},  // Cyrillic fold
      {"\xcf\xd0\xc8", "\xef\xf0\xe8 \xcf\xd0\xc8 \xcf\xf0\xe8", true, false, {5}},
      {"\xe4\xe0", "\xe4\xe0\xe4\xe0 \xe4\xe0", false, true, {6}},  // Cyrillic letters are word bytes
      {"abab", "abababab", false, false, {1, 5}},
      {"aab", "aaab aab", false, false, {2, 6}},
      {"ab", "a\xb8" "ab", false, true, {}},
      {"a-b", "x a-b-c", false, true, {3}},
      {"Z", "zZz", true, false, {2}},
  };
  for (const Case& c : cases) {
    TSrcEditSearch search;
    search.SetMatchCase(c.matchCase);
    search.SetWholeWordsOnly(c.wholeWords);
    search.SetSearchPattern(c.pattern);
    EXPECT_EQ(FindAll(search, c.text), c.positions) << c.pattern << " in " << c.text;
  }
}

// The reference: leftmost non-overlapping matches, compared byte by byte.
std::vector<int> NaiveFind(const std::string& pattern, const std::string& text, bool matchCase) {
  std::vector<int> positions;
  const auto fold = [matchCase](char c) {
    return matchCase ? static_cast<unsigned char>(c) : cp1251::ToLower(static_cast<unsigned char>(c));
  };
  for (size_t at = 0; at + pattern.size() <= text.size();) {
    size_t i = 0;
    while (i < pattern.size() && fold(text[at + i]) == fold(pattern[i])) ++i;
    if (i == pattern.size()) {
      positions.push_back(static_cast<int>(at + 1));
      at += pattern.size();
    } else {
      ++at;
    }
  }
  return positions;
}

TEST(SrcEditSearch, AgreesWithByteByByteSearchOnRandomText) {
  std::mt19937 random(20241208);
  const std::string alphabet = "abAB\xe0\xc0 ";
  const auto randomText = [&](size_t maxLength) {
    std::string text(random() % (maxLength + 1), ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    return text;
  };
  TSrcEditSearch search;
  for (int round = 0; round < 3000; ++round) {
    std::string pattern = randomText(5);
    if (pattern.empty()) pattern = "a";
    const std::string text = randomText(40);
    const bool matchCase = round % 2 == 0;
    search.SetMatchCase(matchCase);
    search.SetSearchPattern(pattern);
    ASSERT_EQ(FindAll(search, text), NaiveFind(pattern, text, matchCase))
        << "pattern '" << pattern << "' text '" << text << "' case " << matchCase;
  }
}

TEST(SrcEditSearch, EmptyPatternFailsAndLeavesNoMatches) {
  TSrcEditSearch search;
  search.SetSearchPattern("a");
  ASSERT_EQ(search.FindAllIn("aaa"), 3);
  search.SetSearchPattern("");
  try {
    search.FindAllIn("aaa");
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Pattern is empty");
  }
  EXPECT_EQ(search.MatchCount(), 0);
}

TEST(SrcEditSearch, MatchPositionOutOfRangeIsZero) {
  TSrcEditSearch search;
  search.SetSearchPattern("b");
  ASSERT_EQ(search.FindAllIn("abcb"), 2);
  EXPECT_EQ(search.MatchPosition(-1), 0);
  EXPECT_EQ(search.MatchPosition(2), 0);
  EXPECT_EQ(search.MatchPosition(1), 4);
}

TEST(SrcEditSearch, ShiftMatchPositions) {
  TSrcEditSearch search;
  search.SetSearchPattern("x");
  const std::string text = "x...x...x....x";
  ASSERT_EQ(FindAll(search, text), (std::vector<int>{1, 5, 9, 14}));
  search.ShiftMatchPositions(5, 0);
  EXPECT_EQ(search.MatchPosition(2), 9);
  search.ShiftMatchPositions(5, 2);
  EXPECT_EQ(FindAll(search, text).size(), 4u);
  search.FindAllIn(text);
  search.ShiftMatchPositions(5, 2);
  std::vector<int> shifted;
  for (int i = 0; i < search.MatchCount(); ++i) shifted.push_back(search.MatchPosition(i));
  EXPECT_EQ(shifted, (std::vector<int>{1, 5, 7, 12}));
  search.ShiftMatchPositions(0, -3);  // a longer replacement moves them on
  EXPECT_EQ(search.MatchPosition(0), 4);
}

TEST(SrcEditSearch, FindFirstAndContinue) {
  TSrcEditSearch search;
  search.SetSearchPattern("ab");
  const std::string text = "ab ab";
  EXPECT_EQ(search.FindFirstIn(text), 1);
  EXPECT_EQ(search.ContinueSearch(), 4);
  EXPECT_EQ(search.ContinueSearch(), 0);
  EXPECT_EQ(search.ContinueSearch(), 0);
  // A text too short for the pattern ends the previous search as well.
  const std::string shortText = "a";
  EXPECT_EQ(search.FindFirstIn(shortText), 0);
  EXPECT_EQ(search.ContinueSearch(), 0);
}

// Regression: the case mode of one engine must not leak into another one.
TEST(SrcEditSearch, CaseModeBelongsToEachEngine) {
  TSrcEditSearch sensitive;
  sensitive.SetMatchCase(true);
  sensitive.SetSearchPattern("A");
  EXPECT_EQ(sensitive.FindAllIn("aA"), 1);

  TSrcEditSearch insensitive;
  insensitive.SetSearchPattern("A");
  EXPECT_EQ(insensitive.FindAllIn("aA"), 2);
  EXPECT_EQ(sensitive.FindAllIn("aA"), 1);

  sensitive.SetMatchCase(false);
  EXPECT_EQ(sensitive.FindAllIn("aA"), 2);
}

TEST(SrcEditSearch, NonWordTable) {
  const std::array<bool, 256>& nonWord = search_tables::NonWordTable();
  for (int b : std::initializer_list<int>{0, ' ', '.', '-', 0xB7}) EXPECT_TRUE(nonWord[static_cast<size_t>(b)]) << b;
  for (int b : std::initializer_list<int>{'_', '0', 'z', 'Q', 0xC0, 0xFF, 0xB8}) EXPECT_FALSE(nonWord[static_cast<size_t>(b)]) << b;
}

}  // namespace
}  // namespace tessaly
