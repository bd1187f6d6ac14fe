#include <gtest/gtest.h>

#include <set>

#include "app/libraries/SymbolTable.h"
#include "platform/CodePage1251.h"

namespace tessaly {
namespace {

const std::string& Row(int i) { return SymbolStrHolder().at(static_cast<size_t>(i)); }

int EntityCode(const std::string& row) {
  const std::string entity = SymbolEntity(row);
  return entity.size() > 3 ? std::stoi(entity.substr(2)) : 0;
}

TEST(SymbolTable, HeadingsSitAtTheirRowsAndEveryOtherRowIsAnEntity) {
  ASSERT_EQ(SymbolStrHolder().size(), 207u);
  const std::pair<int, const char*> headings[] = {
      {0, ""},
      {33, "Латинский и греческий алфавит "},
      {147, "Знаки пунктуации "},
      {154, "Стрелки  "},
      {160, "Математические операторы  "},
      {175, "Прочие символы  "},
  };
  for (const auto& [index, text] : headings) {
    SCOPED_TRACE(index);
    EXPECT_EQ(Row(index), cp1251::FromUtf8(text));
    EXPECT_TRUE(IsSymbolHeading(Row(index)));
    EXPECT_EQ(SymbolEntity(Row(index)), "");
    EXPECT_EQ(SymbolListText(Row(index)), Row(index));  // trailing spaces kept
    EXPECT_EQ(SymbolRowColor(Row(index)), clWhite);
  }
  int entities = 0;
  for (const std::string& row : SymbolStrHolder()) {
    if (IsSymbolHeading(row)) continue;
    ++entities;
    EXPECT_EQ(SymbolRowColor(row), RGB(166, 202, 240));
  }
  EXPECT_EQ(entities, 201);
}

TEST(SymbolTable, CodesRunInTableOrder) {
  std::vector<int> expected;
  auto range = [&](int from, int to) {
    for (int c = from; c <= to; ++c) expected.push_back(c);
  };
  range(161, 173), expected.push_back(153), range(174, 191);
  range(192, 255), range(913, 929), range(931, 937), range(945, 969);
  for (int c : {8226, 8230, 8242, 8243, 8254, 8260}) expected.push_back(c);
  range(8592, 8596);
  for (int c : {402, 8706, 8719, 8721, 8722, 8730, 8734, 8745, 8747, 8776, 8800, 8801, 8804, 8805})
    expected.push_back(c);
  for (int c : {9674, 9824, 9827, 9829, 34, 38, 60, 62, 338, 339, 352, 353, 376, 710, 732, 8204, 8205,
                8211, 8212, 8216, 8217, 8218, 8220, 8221, 8222, 8224, 8225, 8240, 8249, 8250, 8364})
    expected.push_back(c);
  std::vector<int> actual;
  for (const std::string& row : SymbolStrHolder())
    if (!IsSymbolHeading(row)) actual.push_back(EntityCode(row));
  EXPECT_EQ(actual, expected);
}

TEST(SymbolTable, TellingRowsKeepTheirLabelsDescriptionsAndEndings) {
  struct Case {
    int Code;
    std::string Label;
    const char* Description;
    std::string Ending;
  };
  const Case cases[] = {
      {161, "\xA1", "перевернутый восклицательный знак", "  "},  // the code page's byte, not the entity's character
      {177, "\xB1", "плюс-минус", "  "},
      {153, "\x99", "торговая марка", "  "},
      {176, "\xB0", "градус", "  "},
      {197, "\xC5", nullptr, "::"},
      {216, "\xD8", nullptr, "::"},
      {8226, "\x95", "bullet - маленький черный кружок", "  "},
      {8592, "-", "стрелка влево", "  "},
      {913, "-", nullptr, "  "},
      {34, "\"", nullptr, "  "},
      {38, "&", "ampersand", "  "},
      {60, "<", nullptr, "  "},
      {62, ">", nullptr, "  "},
      {8364, "\x88", "валюта евро", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Code);
    const std::string entity = "&#" + std::to_string(c.Code) + ";";
    const std::string* found = nullptr;
    for (const std::string& row : SymbolStrHolder())
      if (SymbolEntity(row) == entity) found = &row;
    ASSERT_NE(found, nullptr);
    const std::string& row = *found;
    EXPECT_EQ(row.substr(0, row.find("::")), c.Label);
    const std::string description = SymbolListText(row);
    if (c.Description != nullptr) {
      EXPECT_EQ(description, cp1251::FromUtf8(c.Description));
    }
    EXPECT_EQ(row, c.Label + "::" + entity + "::" + description + c.Ending);
  }
  EXPECT_EQ(Row(206).substr(Row(206).size() - 2), cp1251::FromUtf8("ро"));  // "валюта евро", no trailing blanks
}

TEST(SymbolTable, EveryEntityRowHasItsOwnNonEmptyDescription) {
  std::set<std::string> seen;
  for (const std::string& row : SymbolStrHolder()) {
    if (IsSymbolHeading(row)) continue;
    const std::string text = SymbolListText(row);
    EXPECT_NE(text, row);
    EXPECT_TRUE(seen.insert(text).second) << cp1251::ToUtf8(text);
  }
}

TEST(SymbolTable, FieldsOfMalformedRowsStayEmptyOrWhole) {
  EXPECT_EQ(SymbolEntity("x::&#1;"), "&#1;");
  EXPECT_EQ(SymbolListText("x::&#1;"), "x::&#1;");
  EXPECT_EQ(SymbolListText("x::&#1::  "), "x::&#1::  ");
  EXPECT_EQ(SymbolListText("x::&#1::a:b"), "a");
}

}  // namespace
}  // namespace tessaly
