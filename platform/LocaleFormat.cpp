#include "platform/LocaleFormat.h"

#include <langinfo.h>
#include <locale.h>
#include <algorithm>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <mutex>

namespace platform {
namespace {

// Multibyte text of a locale (lconv fields, nl_langinfo) in that locale's own codeset.
std::wstring Widen(const char* text, locale_t locale) {
  if (!text || !*text) return {};
  const locale_t previous = uselocale(locale);
  std::wstring wide(std::strlen(text) + 1, L'\0');
  const size_t count = std::mbstowcs(wide.data(), text, wide.size());
  uselocale(previous);
  if (count == static_cast<size_t>(-1)) return {};
  wide.resize(count);
  return wide;
}

// The process keeps LC_NUMERIC at "C" for stored numbers, so the user's
// settings are read from the environment into a locale object of their own.
LocaleInfo ReadEnvironmentLocale() {
  locale_t locale = newlocale(LC_ALL_MASK, "", nullptr);
  if (!locale) locale = newlocale(LC_ALL_MASK, "C", nullptr);
  if (!locale) return {};
  LocaleInfo info;
  const locale_t previous = uselocale(locale);
  const lconv* conv = std::localeconv();
  const std::string decimal = conv->decimal_point ? conv->decimal_point : ".";
  const std::string thousands = conv->thousands_sep ? conv->thousands_sep : "";
  const std::string grouping = conv->grouping ? conv->grouping : "";
  uselocale(previous);

  info.decimalSeparator = Widen(decimal.c_str(), locale);
  if (info.decimalSeparator.empty()) info.decimalSeparator = L".";
  info.thousandsSeparator = Widen(thousands.c_str(), locale);
  info.grouping.clear();
  for (const char size : grouping) {
    if (size <= 0 || size == CHAR_MAX) break;
    info.grouping.push_back(size);
  }
  std::wstring pattern = Widen(nl_langinfo_l(D_FMT, locale), locale);
  // Short dates show the full year, as the system's short date formats do;
  // several locales (C among them) write two digits here.
  for (size_t at = pattern.find(L"%y"); at != std::wstring::npos; at = pattern.find(L"%y", at + 2))
    if (at == 0 || pattern[at - 1] != L'%') pattern[at + 1] = L'Y';
  if (!pattern.empty()) info.shortDatePattern = pattern;
  freelocale(locale);
  return info;
}

std::mutex g_localeMutex;
std::optional<LocaleInfo> g_override;

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

// Adds one unit in the last place of a digit string; "99" becomes "100".
void IncrementDigits(std::wstring& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != L'9') {
      ++digits[i];
      return;
    }
    digits[i] = L'0';
  }
  digits.insert(digits.begin(), L'1');
}

std::wstring Group(const std::wstring& digits, const LocaleInfo& locale) {
  if (locale.grouping.empty() || locale.thousandsSeparator.empty()) return digits;
  std::vector<size_t> cuts;  // group boundaries, counted from the right
  size_t position = 0;
  for (size_t g = 0;; ++g) {
    const int size = locale.grouping[std::min(g, locale.grouping.size() - 1)];
    if (size <= 0) break;
    position += static_cast<size_t>(size);
    if (position >= digits.size()) break;
    cuts.push_back(position);
  }
  std::wstring grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    const size_t fromRight = digits.size() - i;
    if (i > 0 && std::find(cuts.begin(), cuts.end(), fromRight) != cuts.end())
      grouped += locale.thousandsSeparator;
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

LocaleInfo UserLocale() {
  std::lock_guard lock(g_localeMutex);
  if (g_override) return *g_override;
  static const LocaleInfo environment = ReadEnvironmentLocale();
  return environment;
}

void SetUserLocaleOverride(std::optional<LocaleInfo> locale) {
  std::lock_guard lock(g_localeMutex);
  g_override = std::move(locale);
}

std::optional<std::wstring> FormatNumber(std::wstring_view number, const LocaleInfo& locale) {
  size_t at = 0;
  const bool negative = !number.empty() && number[0] == L'-';
  if (negative) ++at;
  std::wstring whole, fraction;
  while (at < number.size() && IsDigit(number[at])) whole += number[at++];
  if (at < number.size() && number[at] == L'.') {
    ++at;
    while (at < number.size() && IsDigit(number[at])) fraction += number[at++];
  }
  if (at != number.size() || (whole.empty() && fraction.empty())) return std::nullopt;

  const size_t decimals = locale.decimals > 0 ? static_cast<size_t>(locale.decimals) : 0;
  std::wstring digits = whole + fraction.substr(0, std::min(decimals, fraction.size()));
  digits.append(decimals - std::min(decimals, fraction.size()), L'0');
  if (fraction.size() > decimals && fraction[decimals] >= L'5') IncrementDigits(digits);

  std::wstring integer = digits.substr(0, digits.size() - decimals);
  const std::wstring decimalPart = digits.substr(digits.size() - decimals);
  integer.erase(0, std::min(integer.find_first_not_of(L'0'), integer.size()));
  if (integer.empty()) integer = L"0";

  std::wstring text;
  // A value that rounds to zero shows without a sign.
  if (negative && digits.find_first_not_of(L'0') != std::wstring::npos) text += L'-';
  text += Group(integer, locale);
  if (decimals > 0) text += locale.decimalSeparator + decimalPart;
  return text;
}

std::optional<std::wstring> FormatNumber(std::wstring_view number) {
  return FormatNumber(number, UserLocale());
}

std::optional<std::wstring> FormatShortDate(const CivilTime& date, const LocaleInfo& locale) {
  const auto day = CivilToOleDate({date.year, date.month, date.day});
  if (!day) return std::nullopt;
  std::tm fields{};
  fields.tm_year = date.year - 1900;
  fields.tm_mon = date.month - 1;
  fields.tm_mday = date.day;
  // Week day from the date itself, for patterns that name it.
  fields.tm_wday = OleDateToCivil(*day)->dayOfWeek;
  wchar_t buffer[128];
  const size_t length = std::wcsftime(buffer, std::size(buffer), locale.shortDatePattern.c_str(), &fields);
  if (length == 0) return std::nullopt;
  return std::wstring(buffer, length);
}

std::optional<std::wstring> FormatShortDate(const CivilTime& date) {
  return FormatShortDate(date, UserLocale());
}

std::wstring DecimalSeparator() {
  return UserLocale().decimalSeparator;
}

std::wstring ThousandsSeparator() {
  return UserLocale().thousandsSeparator;
}

}  // namespace platform
