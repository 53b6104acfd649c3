// The periods of the stock-input window: the range of each around a given
// day, whole days from 00:00:00 to 23:59:59, the first day of the week from
// the settings, and the period kept between runs.
#include <gtest/gtest.h>

#include "common/RegistryHelpers.h"
#include "forms/items/ItemInputPeriod.h"
#include "platform/RegistryStore.h"
#include "shell/ui/InstallSettings.h"

namespace corvane::test {
namespace {

using Period = ItemInputPeriod;

platform::CivilTime Day(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  platform::CivilTime time{};
  time.year = year;
  time.month = month;
  time.day = day;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  // The weekday as the clock gives it.
  time.dayOfWeek = platform::OleDateToCivil(*platform::CivilToOleDate(time))->dayOfWeek;
  return time;
}

double At(int year, int month, int day, int hour, int minute, int second) {
  return *platform::CivilToOleDate(Day(year, month, day, hour, minute, second));
}

struct RangeCase {
  const char* name;
  int32_t period;
  platform::CivilTime today;
  int firstDayOfWeek;
  platform::CivilTime from;  // at 00:00:00
  platform::CivilTime to;    // at 23:59:59
};

class PeriodRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PeriodRangeTest, CoversWholeDays) {
  const RangeCase& c = GetParam();
  const auto range = Period::RangeOf(c.period, c.today, c.firstDayOfWeek);
  ASSERT_TRUE(range);
  EXPECT_DOUBLE_EQ(range->from, At(c.from.year, c.from.month, c.from.day, 0, 0, 0));
  EXPECT_DOUBLE_EQ(range->to, At(c.to.year, c.to.month, c.to.day, 23, 59, 59));
}

// 2026-12-09 is a Wednesday, 2026-12-13 a Sunday.
INSTANTIATE_TEST_SUITE_P(
    Periods, PeriodRangeTest,
    ::testing::Values(
        RangeCase{"TodayIgnoresTheTime", Period::kToday, Day(2026, 12, 9, 15, 30, 12), Period::kMonday,
                  Day(2026, 12, 9), Day(2026, 12, 9)},
        RangeCase{"YesterdayAcrossAYear", Period::kYesterday, Day(2027, 1, 1, 8), Period::kMonday, Day(2026, 12, 31),
                  Day(2026, 12, 31)},
        RangeCase{"ThisWeekFromMonday", Period::kThisWeek, Day(2026, 12, 9), Period::kMonday, Day(2026, 12, 7),
                  Day(2026, 12, 13)},
        RangeCase{"ThisWeekFromSunday", Period::kThisWeek, Day(2026, 12, 9), Period::kSunday, Day(2026, 12, 6),
                  Day(2026, 12, 12)},
        RangeCase{"ThisWeekOnItsLastDay", Period::kThisWeek, Day(2026, 12, 13), Period::kMonday, Day(2026, 12, 7),
                  Day(2026, 12, 13)},
        RangeCase{"ThisWeekOnItsFirstDay", Period::kThisWeek, Day(2026, 12, 13), Period::kSunday,
                  Day(2026, 12, 13), Day(2026, 12, 19)},
        RangeCase{"LastWeekFromMonday", Period::kLastWeek, Day(2026, 12, 9), Period::kMonday, Day(2026, 11, 30),
                  Day(2026, 12, 6)},
        RangeCase{"ThisMonthOfALeapFebruary", Period::kThisMonth, Day(2028, 2, 10), Period::kMonday,
                  Day(2028, 2, 1), Day(2028, 2, 29)},
        RangeCase{"ThisMonthOfAPlainFebruary", Period::kThisMonth, Day(2027, 2, 28), Period::kMonday,
                  Day(2027, 2, 1), Day(2027, 2, 28)},
        RangeCase{"LastMonthInJanuary", Period::kLastMonth, Day(2027, 1, 15), Period::kMonday, Day(2026, 12, 1),
                  Day(2026, 12, 31)},
        RangeCase{"LastMonthOfThirtyDays", Period::kLastMonth, Day(2026, 12, 31), Period::kMonday,
                  Day(2026, 11, 1), Day(2026, 11, 30)}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST(ItemInputPeriod, FreeSelectionAndUnknownNumbersHaveNoRangeOfTheirOwn) {
  EXPECT_FALSE(Period::RangeOf(Period::kFreeSelection, Day(2026, 12, 9), Period::kMonday));
  EXPECT_FALSE(Period::RangeOf(7, Day(2026, 12, 9), Period::kMonday));
  EXPECT_FALSE(Period::RangeOf(-1, Day(2026, 12, 9), Period::kMonday));
}

TEST(ItemInputPeriod, AChosenRangeRunsFromTheFirstDaysStartToTheLastDaysEnd) {
  // Whatever time of day the pickers hold.
  const Period::Range range = Period::DaysBetween(Day(2026, 12, 1, 14, 5, 6), Day(2026, 12, 3, 9, 0, 0));
  EXPECT_DOUBLE_EQ(range.from, At(2026, 12, 1, 0, 0, 0));
  EXPECT_DOUBLE_EQ(range.to, At(2026, 12, 3, 23, 59, 59));
  // One day: from its midnight to its last second.
  const Period::Range day = Period::DaysBetween(Day(2026, 12, 1, 23, 0, 0), Day(2026, 12, 1, 1, 0, 0));
  EXPECT_DOUBLE_EQ(day.from, At(2026, 12, 1, 0, 0, 0));
  EXPECT_DOUBLE_EQ(day.to, At(2026, 12, 1, 23, 59, 59));
}

TEST(ItemInputPeriod, TextsAndCaption) {
  EXPECT_EQ(Period::Text(Period::kToday), L"Today");
  EXPECT_EQ(Period::Text(Period::kLastWeek), L"Last Week");
  EXPECT_EQ(Period::Text(Period::kFreeSelection), L"Free Selection");
  EXPECT_EQ(Period::Text(9), L"");
  EXPECT_EQ(Period::Caption(Period::Text(Period::kLastMonth)), L"Item's Income - Last Month");
}

class ItemInputPeriodSettings : public ::testing::Test {
protected:
  void SetUp() override { Forget(); }
  void TearDown() override { Forget(); }
  static void Forget() {
    platform::RegistryStore::User().DeleteValue(kSettingsKey, L"FirstDayOfWeek");
    platform::RegistryStore::User().DeleteValue(kSettingsKey, L"LastPeriod_ItemInput");
  }
};

TEST_F(ItemInputPeriodSettings, TheWeekStartsOnMondayUnlessSundayIsSet) {
  EXPECT_EQ(Period::FirstDayOfWeek(), Period::kMonday);
  for (const auto& [stored, expected] : {std::pair{1u, Period::kSunday}, std::pair{2u, Period::kMonday},
                                         std::pair{3u, Period::kMonday}, std::pair{0u, Period::kMonday}}) {
    RegWriteDword(kSettingsKey, L"FirstDayOfWeek", stored);
    EXPECT_EQ(Period::FirstDayOfWeek(), expected) << stored;
  }
}

TEST_F(ItemInputPeriodSettings, TheLastPeriodIsKeptAndAnUnknownOneReadsAsToday) {
  EXPECT_EQ(Period::LoadLastPeriod(), Period::kToday);
  Period::StoreLastPeriod(Period::kLastMonth);
  uint32_t stored = 0;
  ASSERT_EQ(RegReadDword(kSettingsKey, L"LastPeriod_ItemInput", &stored), kRegSuccess);
  EXPECT_EQ(stored, 5u);
  EXPECT_EQ(Period::LoadLastPeriod(), Period::kLastMonth);
  RegWriteDword(kSettingsKey, L"LastPeriod_ItemInput", 12);
  EXPECT_EQ(Period::LoadLastPeriod(), Period::kToday);
}

}  // namespace
}  // namespace corvane::test
