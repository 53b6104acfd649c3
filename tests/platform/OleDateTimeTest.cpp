#include "platform/OleDateTime.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace platform;

namespace {

struct KnownDate {
  double ole;
  CivilTime civil;  // year, month, day, hour, minute, second, millisecond, dayOfWeek
};

const KnownDate kKnownDates[] = {
    {0.0, {1899, 12, 30, 0, 0, 0, 0, 6}},
    {2.5, {1900, 1, 1, 12, 0, 0, 0, 1}},
    {36526.0, {2000, 1, 1, 0, 0, 0, 0, 6}},
    {-1.25, {1899, 12, 29, 6, 0, 0, 0, 5}},
    {60.0, {1900, 2, 28, 0, 0, 0, 0, 3}},  // no 29 February 1900
    {61.0, {1900, 3, 1, 0, 0, 0, 0, 4}},
    {38785.0 + (14 * 3600 + 5 * 60 + 7) / 86400.0, {2006, 3, 9, 14, 5, 7, 0, 4}},
    {36585.0, {2000, 2, 29, 0, 0, 0, 0, 2}},
    {-657434.0, {100, 1, 1, 0, 0, 0, 0, 5}},
    {2958465.0 + 86399 / 86400.0, {9999, 12, 31, 23, 59, 59, 0, 5}},
};

}  // namespace

TEST(OleDateTimeTest, KnownDatesConvertBothWays) {
  for (const auto& known : kKnownDates) {
    SCOPED_TRACE(known.ole);
    EXPECT_EQ(OleDateToCivil(known.ole), known.civil);
    const auto back = CivilToOleDate(known.civil);
    ASSERT_TRUE(back.has_value());
    EXPECT_NEAR(*back, known.ole, 1e-9);
  }
}

TEST(OleDateTimeTest, NegativeDatesCountDaysBackButTimeForward) {
  // -0.25 and 0.25 are the same moment; -1.75 is the day before at 18:00.
  EXPECT_EQ(OleDateToCivil(-0.25)->hour, 6);
  EXPECT_EQ(OleDateToCivil(-0.25)->day, 30);
  const auto civil = OleDateToCivil(-1.75);
  EXPECT_EQ(civil->day, 29);
  EXPECT_EQ(civil->hour, 18);
  EXPECT_DOUBLE_EQ(*CivilToOleDate({1899, 12, 29, 18, 0, 0}), -1.75);
}

TEST(OleDateTimeTest, RoundsToTheNearestSecondAcrossMidnight) {
  EXPECT_EQ(OleDateToCivil(1.0 + 0.4 / 86400)->second, 0);
  EXPECT_EQ(OleDateToCivil(1.0 + 0.6 / 86400)->second, 1);
  // Half a second before midnight is the next day, for negative dates too.
  const CivilTime nextDay{1900, 1, 1, 0, 0, 0, 0, 1};
  EXPECT_EQ(OleDateToCivil(2.0 - 0.4 / 86400), nextDay);
  const CivilTime dayAfterEpoch{1899, 12, 31, 0, 0, 0, 0, 0};
  EXPECT_EQ(OleDateToCivil(-0.99999999), dayAfterEpoch);
}

TEST(OleDateTimeTest, OutOfRangeAndNotANumberAreRejected) {
  for (double bad : {kMinOleDate - 1.0, kMaxOleDate + 0.001, std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_FALSE(OleDateToCivil(bad).has_value()) << bad;
}

TEST(OleDateTimeTest, InvalidCivilFieldsAreRejected) {
  const CivilTime bad[] = {
      {99, 12, 31},        {10000, 1, 1},          {2001, 2, 29},    {2000, 13, 1},
      {2000, 0, 1},        {2000, 4, 31},          {2000, 1, 0},     {2000, 1, 1, 24},
      {2000, 1, 1, 0, 60}, {2000, 1, 1, 0, 0, 60}, {2000, 1, 1, -1},
  };
  for (const auto& civil : bad)
    EXPECT_FALSE(CivilToOleDate(civil).has_value()) << civil.year << '-' << civil.month << '-' << civil.day;
}

TEST(OleDateTimeTest, ValueTypeKeepsValidityStatus) {
  const OleDateTime date(2006, 3, 9, 14, 5, 7);
  EXPECT_TRUE(date.IsValid());
  EXPECT_EQ(date.GetYear(), 2006);
  EXPECT_EQ(date.GetMonth(), 3);
  EXPECT_EQ(date.GetDay(), 9);

  const OleDateTime invalid(2006, 2, 30);
  EXPECT_EQ(invalid.GetStatus(), OleDateTime::Status::Invalid);
  EXPECT_EQ(invalid.GetCivil(), CivilTime{});
  EXPECT_EQ(OleDateTime(1e9).GetStatus(), OleDateTime::Status::Invalid);
  EXPECT_EQ(OleDateTime::Null().GetStatus(), OleDateTime::Status::Null);
  EXPECT_TRUE(OleDateTime().IsValid());
}

TEST(OleDateTimeTest, NowComesThroughTheSeam) {
  SetNowOverride(CivilTime{2006, 3, 9, 14, 5, 7});
  EXPECT_EQ(OleDateTime::Now(), OleDateTime(2006, 3, 9, 14, 5, 7));
  SetNowOverride(std::nullopt);
  const CivilTime now = CurrentLocalTime();
  EXPECT_GE(now.year, 2024);
  EXPECT_TRUE(OleDateTime::Now().IsValid());
}
