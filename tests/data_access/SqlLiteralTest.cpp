#include "data/SqlLiteral.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <string>

namespace {

struct RealCase {
  double value;
  const wchar_t* text;
};

class RealLiteral : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealLiteral, KeepsEveryDigitInShortestForm) {
  EXPECT_EQ(GetParam().text, sql::Real(GetParam().value));
  // The text reads back as the same double.
  std::string narrow(GetParam().text, GetParam().text + wcslen(GetParam().text));
  EXPECT_EQ(GetParam().value, std::strtod(narrow.c_str(), nullptr));
}

INSTANTIATE_TEST_SUITE_P(Values, RealLiteral,
                         ::testing::Values(RealCase{0.0, L"0"}, RealCase{0.5, L"0.5"}, RealCase{20.0, L"20"},
                                           RealCase{-3.25, L"-3.25"}, RealCase{1234567.89, L"1234567.89"},
                                           RealCase{1234567.5, L"1234567.5"}, RealCase{1200000.0, L"1200000"},
                                           RealCase{0.1 + 0.2, L"0.30000000000000004"},
                                           RealCase{1e-7, L"1e-07"}, RealCase{1e300, L"1e+300"}));

TEST(SqlLiteral, RealIgnoresTheProcessLocale) {
  // A locale with a decimal comma must not leak into SQL text.
  const char* names[] = {"de_DE.UTF-8", "mk_MK.UTF-8", "fr_FR.UTF-8"};
  std::locale previous;
  for (const char* name : names) {
    try {
      std::locale::global(std::locale(name));
    } catch (const std::runtime_error&) {
      continue;
    }
    std::setlocale(LC_ALL, name);
    EXPECT_EQ(L"1234567.89", sql::Real(1234567.89));
  }
  std::locale::global(previous);
  std::setlocale(LC_ALL, "C");
}

TEST(SqlLiteral, NotANumberIsWrittenAsNull) {
  EXPECT_EQ(L"NULL", sql::Real(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(L"NULL", sql::Real(std::numeric_limits<double>::infinity()));
}

TEST(SqlLiteral, NullForms) {
  EXPECT_EQ(L"NULL", sql::IdOrNull(0));
  EXPECT_EQ(L"-7", sql::IdOrNull(-7));
  EXPECT_EQ(L"2147483647", sql::IdOrNull(2147483647));
  EXPECT_EQ(L"NULL", sql::RealOrNull(0.0));
  EXPECT_EQ(L"NULL", sql::RealOrNull(-0.0));
  EXPECT_EQ(L"0.25", sql::RealOrNull(0.25));
  EXPECT_EQ(L"NULL", sql::TextOrNull(L""));
  EXPECT_EQ(L"'x'", sql::TextOrNull(L"x"));
}

TEST(SqlLiteral, TextDoublesSingleQuotes) {
  EXPECT_EQ(L"''", sql::Text(L""));
  EXPECT_EQ(L"'O''Brien'", sql::Text(L"O'Brien"));
  EXPECT_EQ(L"''''''", sql::Text(L"''"));
  EXPECT_EQ(L"'Škofja Loka – 50%_'", sql::Text(L"Škofja Loka – 50%_"));
}

TEST(SqlLiteral, FlagsAndIntegers) {
  EXPECT_EQ(L"1", sql::Flag(true));
  EXPECT_EQ(L"0", sql::Flag(false));
  EXPECT_EQ(L"-32768", sql::Int(int16_t{-32768}));
  EXPECT_EQ(L"0", sql::Int(0));
}

TEST(SqlLiteral, Timestamps) {
  std::tm never{};
  EXPECT_EQ(L"NULL", sql::TimestampOrNull(never));
  std::tm time{};
  time.tm_year = 106;
  time.tm_mon = 2;
  time.tm_mday = 9;
  time.tm_hour = 14;
  time.tm_min = 5;
  time.tm_sec = 7;
  EXPECT_EQ(L"CAST ('2006-03-09 14:05:07' AS TIMESTAMP)", sql::Timestamp(time));
  EXPECT_EQ(L"CAST ('2006-03-09 14:05:07' AS TIMESTAMP)", sql::TimestampOrNull(time));
}

}  // namespace
