#include "platform/LocaleFormat.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

LocaleInfo Locale(std::wstring decimal, std::wstring thousands, std::vector<int> grouping, int decimals) {
  LocaleInfo locale;
  locale.decimalSeparator = std::move(decimal);
  locale.thousandsSeparator = std::move(thousands);
  locale.grouping = std::move(grouping);
  locale.decimals = decimals;
  return locale;
}

}  // namespace

TEST(LocaleFormatTest, NumbersTakeSeparatorsGroupingAndDecimals) {
  struct Case {
    LocaleInfo locale;
    std::wstring input, output;
  };
  const LocaleInfo us = Locale(L".", L",", {3}, 2);
  const LocaleInfo german = Locale(L",", L".", {3}, 2);
  const Case cases[] = {
      {us, L"1234.50", L"1,234.50"},
      {german, L"1234.50", L"1.234,50"},
      {Locale(L".", L",", {3}, 3), L"1234.50", L"1,234.500"},
      {us, L"-1234567.89", L"-1,234,567.89"},
      {german, L"-0.50", L"-0,50"},
      {us, L"999.99", L"999.99"},
      {us, L"0.00", L"0.00"},
      {us, L"-0.00", L"0.00"},                              // no sign on zero
      {Locale(L".", L",", {3}, 1), L"999.95", L"1,000.0"},  // rounding carries into a new group
      {Locale(L".", L",", {3}, 1), L"-0.04", L"0.0"},
      {Locale(L".", L",", {3}, 0), L"1234.50", L"1,235"},
      {Locale(L".", L",", {3, 2}, 2), L"123456789.00", L"12,34,56,789.00"},
      {Locale(L".", L"", {3}, 2), L"1234.5", L"1234.50"},
      {Locale(L".", L",", {}, 2), L"1234.5", L"1234.50"},
      {Locale(L",", L"\u00A0", {3}, 2), L"1234567", L"1\u00A0234\u00A0567,00"},
      {us, L"007.5", L"7.50"},
      {us, L".5", L"0.50"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.input, c.locale), c.output) << c.input;
}

TEST(LocaleFormatTest, TextThatIsNoPlainNumberFails) {
  const LocaleInfo us;
  for (const wchar_t* bad :
       {L"", L"-", L".", L"1,234.50", L"1e5", L"nan", L"inf", L" 1", L"1.2.3", L"+1", L"--1"})
    EXPECT_EQ(FormatNumber(bad, us), std::nullopt) << bad;
}

TEST(LocaleFormatTest, ShortDatesUseThePattern) {
  LocaleInfo locale;
  locale.shortDatePattern = L"%d.%m.%Y";
  EXPECT_EQ(FormatShortDate({2006, 3, 9, 14, 5, 7}, locale), L"09.03.2006");
  locale.shortDatePattern = L"%Y-%m-%d";
  EXPECT_EQ(FormatShortDate({1899, 12, 30}, locale), L"1899-12-30");
  EXPECT_EQ(FormatShortDate({2006, 2, 30}, locale), std::nullopt);
}

TEST(LocaleFormatTest, OverrideReplacesTheUsersLocaleUntilCleared) {
  const LocaleInfo environment = UserLocale();
  LocaleInfo german = Locale(L",", L".", {3}, 2);
  SetUserLocaleOverride(german);
  EXPECT_EQ(DecimalSeparator(), L",");
  EXPECT_EQ(ThousandsSeparator(), L".");
  EXPECT_EQ(FormatNumber(L"1234.5"), L"1.234,50");
  SetUserLocaleOverride(std::nullopt);
  EXPECT_EQ(UserLocale(), environment);
}

TEST(LocaleFormatTest, UsersLocaleIsReadFromTheEnvironment) {
  // The test machines run in the C locale: a point, no grouping, and the
  // two-digit year of its date format widened to four.
  const LocaleInfo locale = UserLocale();
  EXPECT_FALSE(locale.decimalSeparator.empty());
  EXPECT_EQ(locale.decimals, 2);
  EXPECT_EQ(locale.shortDatePattern.find(L"%y"), std::wstring::npos);
  EXPECT_TRUE(FormatShortDate({2006, 3, 9}).has_value());
}
