#pragma once

// Numbers inside template text records. They are always written and read in
// the C locale, whatever locale the program runs in, so that a record written
// under one locale reads back the same under another.

#include <cstdint>
#include <string>
#include <string_view>

// "%f": six decimals, a point as decimal separator.
std::wstring FormatRecordDouble(double value);
// "%i".
std::wstring FormatRecordInt(int32_t value);

// As the C library's wide-text-to-double conversion in the C locale: leading
// white space skipped, the leading numeric part read, 0.0 when there is none.
double ParseRecordDouble(std::wstring_view text);
// As the wide-text-to-integer conversion: leading white space, an optional
// sign and the leading decimal digits; 0 when there are none. Values outside
// 32 bits are clamped.
int32_t ParseRecordInt(std::wstring_view text);
