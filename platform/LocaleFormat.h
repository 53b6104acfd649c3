#pragma once

// Display formatting with the user's regional settings: numbers as the
// Windows number formatter shows them, short dates, and the separators. Only
// what the user sees goes through here; stored numbers stay in the C locale.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/OleDateTime.h"

namespace platform {

// The parts of a locale that display formatting uses.
struct LocaleInfo {
  std::wstring decimalSeparator = L".";
  std::wstring thousandsSeparator = L",";
  // Digit group sizes leftwards from the decimal point; the last one repeats.
  // Empty: no grouping.
  std::vector<int> grouping = {3};
  int decimals = 2;
  // strftime form, e.g. L"%m/%d/%Y" or L"%d.%m.%Y".
  std::wstring shortDatePattern = L"%m/%d/%Y";

  bool operator==(const LocaleInfo&) const = default;
};

// The user's locale as the environment (LANG, LC_ALL, LC_NUMERIC, LC_TIME)
// names it, read once; or the override when one is set. A locale that is not
// installed reads as the C locale with the defaults above.
LocaleInfo UserLocale();
// Test seam: replaces the user's locale for every formatter (nullopt restores it).
void SetUserLocaleOverride(std::optional<LocaleInfo> locale);

// Reformats a plain number text ("-1234.5": an optional minus, digits, an
// optional point and digits, as "%.2f" writes it) with the locale's
// separators, grouping and number of decimals, rounding half away from zero
// or padding with zeros. nullopt when the text is not such a number.
std::optional<std::wstring> FormatNumber(std::wstring_view number, const LocaleInfo& locale);
std::optional<std::wstring> FormatNumber(std::wstring_view number);  // the user's locale

// The date part in the locale's short date pattern; nullopt for a date that
// is not valid.
std::optional<std::wstring> FormatShortDate(const CivilTime& date, const LocaleInfo& locale);
std::optional<std::wstring> FormatShortDate(const CivilTime& date);  // the user's locale

std::wstring DecimalSeparator();    // the user's
std::wstring ThousandsSeparator();  // the user's

}  // namespace platform
