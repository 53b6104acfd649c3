#pragma once

// Values written into SQL text. The program binds no parameters: every value
// of a statement is turned into one of these literal forms, always in the C
// locale whatever the user's locale is.

#include <cstdint>
#include <ctime>
#include <string>

namespace sql {

// Decimal integer, minus sign when negative.
std::wstring Int(int64_t value);

// "NULL" for 0 (no object), else the decimal integer.
std::wstring IdOrNull(int64_t value);

// The shortest text that reads back as exactly the same double ("0.5",
// "1234567.89", "1.2e+06"). Not-a-number and infinities have no SQL literal
// and are written as NULL.
std::wstring Real(double value);

// "NULL" when the value is exactly 0.0, else as Real.
std::wstring RealOrNull(double value);

// Quoted text with every single quote doubled; an empty text gives ''.
std::wstring Text(const std::wstring& value);

// "NULL" for an empty text, else as Text.
std::wstring TextOrNull(const std::wstring& value);

// 1 or 0.
std::wstring Flag(bool value);

// CAST ('yyyy-mm-dd hh:mm:ss' AS TIMESTAMP) of the calendar fields.
std::wstring Timestamp(const std::tm& value);

// "NULL" while the year field is 0 (a date never set), else as Timestamp.
std::wstring TimestampOrNull(const std::tm& value);

}  // namespace sql
