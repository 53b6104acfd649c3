#include "forms/items/ItemInputPeriod.h"

#include "common/RegistryHelpers.h"
#include "shell/ui/InstallSettings.h"

namespace {

constexpr wchar_t kLastPeriodValue[] = L"LastPeriod_ItemInput";
constexpr wchar_t kFirstDayValue[] = L"FirstDayOfWeek";

platform::CivilTime DayAt(const platform::CivilTime& day, int hour, int minute, int second) {
  platform::CivilTime time{};
  time.year = day.year;
  time.month = day.month;
  time.day = day.day;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return time;
}

double StartOf(const platform::CivilTime& day) {
  return platform::CivilToOleDate(DayAt(day, 0, 0, 0)).value_or(0.0);
}

double EndOf(const platform::CivilTime& day) {
  return platform::CivilToOleDate(DayAt(day, 23, 59, 59)).value_or(0.0);
}

// The calendar day some whole days away from the day.
platform::CivilTime DaysAway(const platform::CivilTime& day, int days) {
  return platform::OleDateToCivil(StartOf(day) + days).value_or(day);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

ItemInputPeriod::Range MonthOf(int year, int month) {
  platform::CivilTime first{};
  first.year = year;
  first.month = month;
  first.day = 1;
  platform::CivilTime last = first;
  last.day = DaysInMonth(year, month);
  return ItemInputPeriod::DaysBetween(first, last);
}

}  // namespace

std::wstring ItemInputPeriod::Text(int32_t period) {
  static constexpr const wchar_t* kTexts[kPeriodCount] = {L"Today",     L"Yesterday",  L"This Week",
                                                          L"Last Week", L"This Month", L"Last Month",
                                                          L"Free Selection"};
  return period >= 0 && period < kPeriodCount ? kTexts[period] : L"";
}

std::wstring ItemInputPeriod::Caption(const std::wstring& periodText) {
  return L"Item's Income - " + periodText;
}

ItemInputPeriod::Range ItemInputPeriod::DaysBetween(const platform::CivilTime& firstDay,
                                                    const platform::CivilTime& lastDay) {
  return {StartOf(firstDay), EndOf(lastDay)};
}

std::optional<ItemInputPeriod::Range> ItemInputPeriod::RangeOf(int32_t period, const platform::CivilTime& today,
                                                                int firstDayOfWeek) {
  // Days back from the week's first day to today, both counted 1 (Sunday) to 7;
  // the weekday comes from the date itself.
  const int todayNumber = DaysAway(today, 0).dayOfWeek + 1;
  const int weekDays = (todayNumber - firstDayOfWeek + 7) % 7;
  switch (period) {
    case kToday:
      return DaysBetween(today, today);
    case kYesterday: {
      const platform::CivilTime yesterday = DaysAway(today, -1);
      return DaysBetween(yesterday, yesterday);
    }
    case kThisWeek:
      return DaysBetween(DaysAway(today, -weekDays), DaysAway(today, 6 - weekDays));
    case kLastWeek:
      return DaysBetween(DaysAway(today, -(weekDays + 7)), DaysAway(today, -(weekDays + 1)));
    case kThisMonth:
      return MonthOf(today.year, today.month);
    case kLastMonth:
      return today.month == 1 ? MonthOf(today.year - 1, 12) : MonthOf(today.year, today.month - 1);
    default:
      return std::nullopt;
  }
}

int ItemInputPeriod::FirstDayOfWeek() {
  uint32_t stored = 0;
  if (RegReadDword(kSettingsKey, kFirstDayValue, &stored) != kRegSuccess) return kMonday;
  return stored == kSunday || stored == kMonday ? static_cast<int>(stored) : kMonday;
}

int32_t ItemInputPeriod::LoadLastPeriod() {
  uint32_t stored = 0;
  if (RegReadDword(kSettingsKey, kLastPeriodValue, &stored) != kRegSuccess) return kToday;
  return stored < static_cast<uint32_t>(kPeriodCount) ? static_cast<int32_t>(stored) : kToday;
}

void ItemInputPeriod::StoreLastPeriod(int32_t period) {
  RegWriteDword(kSettingsKey, kLastPeriodValue, static_cast<uint32_t>(period));
}
