#include "data/SqlLiteral.h"

#include <charconv>
#include <cmath>

#include "data/SqlText.h"

namespace sql {

std::wstring Int(int64_t value) {
  return std::to_wstring(value);
}

std::wstring IdOrNull(int64_t value) {
  return value == 0 ? L"NULL" : Int(value);
}

std::wstring Real(double value) {
  if (!std::isfinite(value)) return L"NULL";
  // std::to_chars ignores the locale and gives the shortest round-trip form;
  // the stream's default of six significant digits would turn 1234567.89 into
  // 1.23457e+06 on every save.
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::wstring(buffer, result.ptr);
}

std::wstring RealOrNull(double value) {
  return value == 0.0 ? L"NULL" : Real(value);
}

std::wstring Text(const std::wstring& value) {
  return L"'" + EscapeSqlQuotes(value) + L"'";
}

std::wstring TextOrNull(const std::wstring& value) {
  return value.empty() ? L"NULL" : Text(value);
}

std::wstring Flag(bool value) {
  return value ? L"1" : L"0";
}

std::wstring Timestamp(const std::tm& value) {
  return TimestampLiteral(value);
}

std::wstring TimestampOrNull(const std::tm& value) {
  return value.tm_year == 0 ? L"NULL" : Timestamp(value);
}

}  // namespace sql
