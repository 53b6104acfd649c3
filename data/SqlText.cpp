#include "data/SqlText.h"

#include <cwchar>

#include "platform/TextCodec.h"

namespace {

std::wstring FormatTimestamp(int year, int month, int day, int hour, int minute, int second) {
  wchar_t buffer[96];
  std::swprintf(buffer, sizeof buffer / sizeof buffer[0],
                L"CAST ('%4d-%02d-%02d %02d:%02d:%02d' AS TIMESTAMP)", year, month, day, hour, minute,
                second);
  return buffer;
}

}  // namespace

std::wstring EscapeSqlQuotes(const std::wstring& text) {
  std::wstring escaped;
  escaped.reserve(text.size());
  for (wchar_t c : text) {
    escaped += c;
    if (c == L'\'') escaped += L'\'';
  }
  return escaped;
}

std::wstring Utf8ToWide(std::string_view bytes) {
  return platform::FromUtf8(bytes);
}

std::wstring Utf8ToWide(const char* bytes) {
  return bytes ? platform::FromUtf8(bytes) : std::wstring();
}

std::wstring TimestampLiteral(const tm& time) {
  return FormatTimestamp(time.tm_year + 1900, time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min,
                         time.tm_sec);
}

std::wstring TimestampLiteral(const platform::CivilTime& time) {
  return FormatTimestamp(time.year, time.month, time.day, time.hour, time.minute, time.second);
}

std::wstring TimestampLiteral(double oleDate) {
  const auto civil = platform::OleDateToCivil(oleDate);
  return civil ? TimestampLiteral(*civil) : std::wstring();
}

std::wstring CurrentTimestampLiteral() {
  return TimestampLiteral(platform::CurrentLocalTime());
}
