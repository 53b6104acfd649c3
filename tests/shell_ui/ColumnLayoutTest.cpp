#include "shell/ui/ColumnLayout.h"

#include <gtest/gtest.h>

TEST(ColumnLayoutTest, FormatsOrderAndWidthsAsStored) {
  EXPECT_EQ(FormatColumnOrder({1, 0, 2}), L"1;0;2;");
  EXPECT_EQ(FormatColumnWidths({120, 80, 50}), L"120 80 50 ");
  EXPECT_EQ(FormatColumnOrder({}), L"");
}

struct OrderCase {
  const wchar_t* text;
  int columns;
  std::optional<std::vector<int>> expected;
};

TEST(ColumnLayoutTest, ParsesAnOrderOnlyWhenItFitsTheList) {
  const OrderCase cases[] = {
      {L"2;0;1;", 3, std::vector<int>{2, 0, 1}},    // the third column first
      {L"2;0;1;", 4, std::nullopt},                 // the list gained a column
      {L"0;1;2;3;", 3, std::vector<int>{0, 1, 2}},  // only the first n are read
      {L"1;0", 2, std::nullopt},                    // the last entry has no ";"
      {L"", 3, std::nullopt},
      {L"0;1;", 0, std::nullopt},
      {L"0;5;1;", 3, std::nullopt},  // an index outside the columns
      {L"1;1;0;", 3, std::nullopt},  // a column twice
      {L"x;0;1;", 3, std::nullopt},  // "x" reads as 0: column 0 twice
      {L" 1;0;", 2, std::vector<int>{1, 0}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseColumnOrder(c.text, c.columns), c.expected)
        << "text " << c.text << " columns " << c.columns;
}

struct WidthCase {
  const wchar_t* text;
  int columns;
  std::vector<int> expected;
};

TEST(ColumnLayoutTest, ParsesWidthsAndDefaultsTheMissingOnes) {
  const WidthCase cases[] = {
      {L"120 80 ", 3, {120, 80, 50}},
      {L"120 80 90 ", 3, {120, 80, 90}},
      {L"120 80 90 70 ", 2, {120, 80}},
      {L"120", 2, {50, 50}},  // no blank after the number
      {L"", 2, {50, 50}},
      {L"abc 40 ", 2, {0, 40}},  // text that is no number reads as 0
      {L"-5 40 ", 2, {50, 40}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseColumnWidths(c.text, c.columns), c.expected) << "text " << c.text;
}

TEST(ColumnLayoutTest, WhatIsWrittenReadsBack) {
  std::vector<int> order{3, 1, 0, 2};
  EXPECT_EQ(ParseColumnOrder(FormatColumnOrder(order), 4), order);
  std::vector<int> widths{10, 200, 0, 75};
  EXPECT_EQ(ParseColumnWidths(FormatColumnWidths(widths), 4), widths);
}
