#include "common/RecordNumbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "TestEnvironment.h"

namespace {

struct FormatCase {
  double value;
  const wchar_t* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.value;
}

class RecordNumbersFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(RecordNumbersFormatTest, WritesSixDecimalsWithAPoint) {
  EXPECT_EQ(GetParam().text, FormatRecordDouble(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Values, RecordNumbersFormatTest,
                         ::testing::Values(FormatCase{0.0, L"0.000000"}, FormatCase{0.5, L"0.500000"},
                                           FormatCase{-1.25, L"-1.250000"},
                                           FormatCase{1234567.0, L"1234567.000000"},
                                           FormatCase{0.0000015, L"0.000002"},
                                           FormatCase{2.0 / 3.0, L"0.666667"},
                                           FormatCase{1e20, L"100000000000000000000.000000"}));

struct ParseCase {
  const wchar_t* text;
  double number;
  int32_t integer;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.text));
}

class RecordNumbersParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(RecordNumbersParseTest, ReadsTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(GetParam().number, ParseRecordDouble(GetParam().text));
  EXPECT_EQ(GetParam().integer, ParseRecordInt(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Texts, RecordNumbersParseTest,
                         ::testing::Values(ParseCase{L"12", 12.0, 12}, ParseCase{L"  -3.5;", -3.5, -3},
                                           ParseCase{L"+7", 7.0, 7}, ParseCase{L"", 0.0, 0},
                                           ParseCase{L"abc", 0.0, 0}, ParseCase{L"1e3", 1000.0, 1},
                                           ParseCase{L"0,5", 0.0, 0},
                                           ParseCase{L"99999999999", 99999999999.0, 2147483647},
                                           ParseCase{L"-99999999999", -99999999999.0, -2147483647 - 1}));

TEST(RecordNumbersTest, RoundTripsEveryFormattedValue) {
  for (double value : {0.0, 1.0 / 96.0 * 37.0, -12.345678, 8.5, 11.0}) {
    EXPECT_NEAR(value, ParseRecordDouble(FormatRecordDouble(value)), 5e-7);
  }
  EXPECT_EQ(L"-42", FormatRecordInt(-42));
  EXPECT_EQ(-42, ParseRecordInt(FormatRecordInt(-42)));
}

// GTK sets the process locale from the environment; records must not change
// with it. Makes a locale whose decimal separator is a comma, generating it
// into the test's folder when the system has none installed.
bool SetCommaLocale(const corvane::test::TempDir& dir) {
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "mk_MK.UTF-8"}) {
    if (std::setlocale(LC_ALL, name)) return true;
  }
  const std::string command =
      "localedef -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  setenv("LOCPATH", dir.Path().c_str(), 1);
  const bool set = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  unsetenv("LOCPATH");
  return set;
}

TEST(RecordNumbersTest, IgnoresTheProcessLocale) {
  corvane::test::TempDir dir;
  if (!SetCommaLocale(dir)) GTEST_SKIP() << "no locale with a decimal comma is available";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 0.5);
  ASSERT_STREQ("0,5", probe) << "the locale in use has no decimal comma";

  EXPECT_EQ(L"0.500000", FormatRecordDouble(0.5));
  EXPECT_EQ(0.5, ParseRecordDouble(L"0.500000"));
  EXPECT_EQ(1234.5, ParseRecordDouble(L"1234.5"));
  EXPECT_EQ(1234567, ParseRecordInt(L"1234567"));
  std::setlocale(LC_ALL, "C");
}

}  // namespace
