#include "common/RecordNumbers.h"

#include <locale.h>
#include <charconv>
#include <cwchar>
#include <cwctype>
#include <limits>

namespace {

// A C locale of our own: wcstod_l reads with it whatever the process locale
// (GTK sets LC_NUMERIC from the environment, where the decimal separator may
// be a comma).
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

}  // namespace

std::wstring FormatRecordDouble(double value) {
  char buffer[400];  // "%f" of the largest double is 316 characters
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::wstring(buffer, result.ptr);
}

std::wstring FormatRecordInt(int32_t value) {
  return std::to_wstring(value);
}

double ParseRecordDouble(std::wstring_view text) {
  // wcstod needs a terminated text.
  const std::wstring copy(text);
  return wcstod_l(copy.c_str(), nullptr, CLocale());
}

int32_t ParseRecordInt(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && std::iswspace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(value == kLimit ? kLimit - 1 : value);
}
