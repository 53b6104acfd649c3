#pragma once

// The periods the stock-input window lists receipts of, and the range of
// dates and times each covers. A range always starts at 00:00:00 of its
// first day and ends at 23:59:59 of its last, so that every receipt of the
// days shown is listed, also under "Free Selection".
//
//   const auto range = ItemInputPeriod::RangeOf(ItemInputPeriod::kThisWeek,
//                                               platform::CurrentLocalTime(),
//                                               ItemInputPeriod::FirstDayOfWeek());
//   GetItemInputsModifiedBetween(range->from, range->to, inputs);

#include <cstdint>
#include <optional>
#include <string>

#include "platform/OleDateTime.h"

class ItemInputPeriod {
public:
  // The period list's entries; the number is also what the settings keep.
  enum Period : int32_t {
    kToday = 0,
    kYesterday = 1,
    kThisWeek = 2,
    kLastWeek = 3,
    kThisMonth = 4,
    kLastMonth = 5,
    kFreeSelection = 6,
  };
  static constexpr int32_t kPeriodCount = 7;

  // Days of the week as the settings number them.
  static constexpr int kSunday = 1;
  static constexpr int kMonday = 2;

  // OLE dates, both inclusive.
  struct Range {
    double from = 0.0;
    double to = 0.0;
    bool operator==(const Range&) const = default;
  };

  // "Today" ... "Free Selection"; empty for any other number.
  static std::wstring Text(int32_t period);
  // The window's caption for a period text: "Item's Income - <text>".
  static std::wstring Caption(const std::wstring& periodText);

  // The range of periods 0 to 5 around the day of today (its time is not
  // used); none for "Free Selection" and unknown numbers. firstDayOfWeek is
  // kSunday or kMonday.
  static std::optional<Range> RangeOf(int32_t period, const platform::CivilTime& today, int firstDayOfWeek);
  // From the first day's 00:00:00 to the last day's 23:59:59, whatever the
  // times of the two given dates.
  static Range DaysBetween(const platform::CivilTime& firstDay, const platform::CivilTime& lastDay);

  // "FirstDayOfWeek" of the settings when it is Sunday or Monday; Monday
  // otherwise, also when it is missing. Never written.
  static int FirstDayOfWeek();
  // "LastPeriod_ItemInput": the period chosen last; Today when it is missing
  // or names no period.
  static int32_t LoadLastPeriod();
  static void StoreLastPeriod(int32_t period);
};
