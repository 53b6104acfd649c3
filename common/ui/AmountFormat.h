#pragma once

// Money and percentage amounts as the user sees and types them: "%.2f" passed
// through the user's number format, and read back with the user's separators.

#include <optional>
#include <string>

#include "platform/LocaleFormat.h"

struct AmountFormat {
  platform::LocaleInfo locale;
  std::wstring decimalSeparator;
  std::wstring thousandsSeparator;

  // The user's current locale.
  static AmountFormat User();
  static AmountFormat Of(const platform::LocaleInfo& locale);
};

// The number as "%.2f" in the locale's format; the empty text when it cannot
// be formatted (not a finite number).
std::wstring FormatAmount(const AmountFormat& format, double number);
std::wstring FormatAmount(double number);  // the user's locale

// Reads the locale's decimal separator as a point and drops its thousands
// separators, then converts like the C library: leading white space skipped,
// the leading numeric part read, 0.0 when there is none.
double ParseAmount(const AmountFormat& format, const std::wstring& text);
double ParseAmount(const std::wstring& text);  // the user's locale

// The number a whole field's text holds, read with the locale's separators:
// white space around it, a sign, digits with thousands separators, and a
// decimal part after the decimal separator. An empty text holds 0. nullopt
// when the text is anything else ("ten", "12abc", "1e40").
std::optional<double> ReadNumberText(const std::wstring& text, const AmountFormat& format);
