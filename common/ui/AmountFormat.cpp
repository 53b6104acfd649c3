#include "common/ui/AmountFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cwctype>
#include <locale>
#include <sstream>

AmountFormat AmountFormat::Of(const platform::LocaleInfo& locale) {
  return {locale, locale.decimalSeparator, locale.thousandsSeparator};
}

AmountFormat AmountFormat::User() {
  return Of(platform::UserLocale());
}

std::wstring FormatAmount(const AmountFormat& format, double number) {
  if (!std::isfinite(number)) return {};
  // "%.2f" in the C locale: the separators are the formatter's business.
  std::ostringstream plain;
  plain.imbue(std::locale::classic());
  plain.setf(std::ios::fixed);
  plain.precision(2);
  plain << number;
  std::string text = plain.str();
  auto formatted = platform::FormatNumber(std::wstring(text.begin(), text.end()), format.locale);
  return formatted ? *formatted : std::wstring();
}

std::wstring FormatAmount(double number) {
  return FormatAmount(AmountFormat::User(), number);
}

namespace {

bool MatchesAt(const std::wstring& text, size_t position, const std::wstring& part) {
  return !part.empty() && text.compare(position, part.size(), part) == 0;
}

// The C library's text-to-double on ASCII text, independent of the process
// locale: white space, an optional sign, then the longest number prefix.
double LeadingNumber(const std::string& text) {
  size_t position = 0;
  while (position < text.size() && std::isspace(static_cast<unsigned char>(text[position]))) ++position;
  bool negative = false;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    negative = text[position] == '-';
    ++position;
  }
  // from_chars takes no sign of its own after ours.
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) return 0.0;
  double value = 0.0;
  auto result = std::from_chars(text.data() + position, text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range)
    value = HUGE_VAL;
  else if (result.ec != std::errc())
    return 0.0;
  return negative ? -value : value;
}

}  // namespace

double ParseAmount(const AmountFormat& format, const std::wstring& text) {
  // One pass, so that a thousands separator of "." and a decimal separator of
  // "," do not undo each other.
  std::string plain;
  for (size_t i = 0; i < text.size();) {
    if (MatchesAt(text, i, format.decimalSeparator)) {
      plain += '.';
      i += format.decimalSeparator.size();
    } else if (MatchesAt(text, i, format.thousandsSeparator)) {
      i += format.thousandsSeparator.size();
    } else {
      wchar_t c = text[i++];
      // Anything outside ASCII ends the number anyway.
      plain += (c >= 0 && c < 0x80) ? static_cast<char>(c) : '\x7f';
    }
  }
  return LeadingNumber(plain);
}

double ParseAmount(const std::wstring& text) {
  return ParseAmount(AmountFormat::User(), text);
}

std::optional<double> ReadNumberText(const std::wstring& text, const AmountFormat& format) {
  size_t begin = 0;
  size_t end = text.size();
  auto space = [](wchar_t c) { return c == L' ' || c == L'\t' || c == 0xA0 || c == 0x202F; };
  while (begin < end && space(text[begin])) ++begin;
  while (end > begin && space(text[end - 1])) --end;
  if (begin == end) return 0.0;
  std::string plain;
  size_t i = begin;
  if (text[i] == L'-' || text[i] == L'+') plain += static_cast<char>(text[i++]);
  bool digits = false;
  bool fraction = false;
  while (i < end) {
    const wchar_t c = text[i];
    if (c >= L'0' && c <= L'9') {
      plain += static_cast<char>(c);
      digits = true;
      ++i;
    } else if (!fraction && MatchesAt(text, i, format.decimalSeparator)) {
      plain += '.';
      fraction = true;
      i += format.decimalSeparator.size();
    } else if (!fraction && digits && MatchesAt(text, i, format.thousandsSeparator)) {
      i += format.thousandsSeparator.size();
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  const double value = LeadingNumber(plain);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}
