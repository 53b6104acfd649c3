#include "common/ui/AmountFormat.h"

#include <gtest/gtest.h>

namespace {
platform::LocaleInfo Locale(const wchar_t* decimal, const wchar_t* thousands) {
  platform::LocaleInfo locale;
  locale.decimalSeparator = decimal;
  locale.thousandsSeparator = thousands;
  return locale;
}
}  // namespace

TEST(AmountFormatTest, FormatsTwoDecimalsInTheLocale) {
  EXPECT_EQ(FormatAmount(AmountFormat::Of(Locale(L".", L",")), 1234.5), L"1,234.50");
  EXPECT_EQ(FormatAmount(AmountFormat::Of(Locale(L",", L".")), 1234567.891), L"1.234.567,89");
  EXPECT_EQ(FormatAmount(AmountFormat::Of(Locale(L".", L",")), -0.5), L"-0.50");
  EXPECT_EQ(FormatAmount(AmountFormat::Of(Locale(L".", L",")), 1.0 / 0.0), L"");
}

struct ParseCase {
  const wchar_t* decimal;
  const wchar_t* thousands;
  const wchar_t* text;
  double expected;
};

TEST(AmountFormatTest, ParsesWithTheLocalesSeparators) {
  const ParseCase cases[] = {
      {L".", L",", L"1,234.50", 1234.5},   {L",", L".", L"1.234,50", 1234.5},
      {L",", L".", L"12,5", 12.5},         {L",", L"\u00a0", L"1\u00a0234,5", 1234.5},
      {L".", L",", L"  -7.25 EUR", -7.25}, {L".", L",", L"+3", 3.0},
      {L".", L",", L"abc", 0.0},           {L".", L",", L"", 0.0},
      {L".", L",", L"1e3", 1000.0},        {L".", L",", L"--1", 0.0},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(ParseAmount(AmountFormat::Of(Locale(c.decimal, c.thousands)), c.text), c.expected)
        << c.text;
}

TEST(AmountFormatTest, WhatIsShownReadsBack) {
  for (auto locale : {Locale(L".", L","), Locale(L",", L"."), Locale(L",", L" ")}) {
    AmountFormat format = AmountFormat::Of(locale);
    for (double value : {0.0, 12.34, -98765.43, 1000000.0})
      EXPECT_DOUBLE_EQ(ParseAmount(format, FormatAmount(format, value)), value);
  }
}
