#include "platform/OleDateTime.h"

#include <cmath>
#include <mutex>

namespace platform {
namespace {

// 1899-12-30, the OLE epoch, counted in days from 1970-01-01.
constexpr int64_t kEpochOffsetDays = -25569;
constexpr int64_t kSecondsPerDay = 86400;

// Proleptic Gregorian calendar, days relative to 1970-01-01 (H. Hinnant's algorithms).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::mutex g_nowMutex;
std::optional<CivilTime> g_nowOverride;

}  // namespace

std::optional<CivilTime> OleDateToCivil(double oleDate) {
  if (!std::isfinite(oleDate) || oleDate < kMinOleDate || oleDate > kMaxOleDate) return std::nullopt;
  // The whole part counts days (backwards when negative); the fraction is
  // always the time of day forward from midnight, whatever the sign.
  const double whole = std::trunc(oleDate);
  int64_t days = static_cast<int64_t>(whole);
  int64_t seconds = std::llround(std::fabs(oleDate - whole) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++days;
  }
  CivilTime civil;
  CivilFromDays(days + kEpochOffsetDays, civil.year, civil.month, civil.day);
  civil.hour = static_cast<int>(seconds / 3600);
  civil.minute = static_cast<int>(seconds / 60 % 60);
  civil.second = static_cast<int>(seconds % 60);
  // The epoch was a Saturday.
  civil.dayOfWeek = static_cast<int>(((days + 6) % 7 + 7) % 7);
  return civil;
}

std::optional<double> CivilToOleDate(const CivilTime& time) {
  if (time.year < 100 || time.year > 9999 || time.month < 1 || time.month > 12 || time.day < 1 ||
      time.day > DaysInMonth(time.year, time.month) || time.hour < 0 || time.hour > 23 || time.minute < 0 ||
      time.minute > 59 || time.second < 0 || time.second > 59)
    return std::nullopt;
  // Milliseconds are ignored, as SystemTimeToVariantTime does.
  const int64_t days = DaysFromCivil(time.year, time.month, time.day) - kEpochOffsetDays;
  const double fraction = (time.hour * 3600 + time.minute * 60 + time.second) / double(kSecondsPerDay);
  return days < 0 ? days - fraction : days + fraction;
}

OleDateTime::OleDateTime(int year, int month, int day, int hour, int minute, int second) {
  const auto date = CivilToOleDate({year, month, day, hour, minute, second});
  m_date = date.value_or(0.0);
  m_status = date ? Status::Valid : Status::Invalid;
}

OleDateTime OleDateTime::Now() {
  const CivilTime now = CurrentLocalTime();
  return OleDateTime(now.year, now.month, now.day, now.hour, now.minute, now.second);
}

OleDateTime OleDateTime::Null() {
  OleDateTime value;
  value.m_status = Status::Null;
  return value;
}

CivilTime OleDateTime::GetCivil() const {
  if (!IsValid()) return {};
  return OleDateToCivil(m_date).value_or(CivilTime{});
}

void SetNowOverride(std::optional<CivilTime> now) {
  std::lock_guard lock(g_nowMutex);
  g_nowOverride = now;
}

CivilTime CurrentLocalTime() {
  {
    std::lock_guard lock(g_nowMutex);
    if (g_nowOverride) return *g_nowOverride;
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  CivilTime civil;
  civil.year = local.tm_year + 1900;
  civil.month = local.tm_mon + 1;
  civil.day = local.tm_mday;
  civil.hour = local.tm_hour;
  civil.minute = local.tm_min;
  civil.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second is no valid OLE time
  civil.dayOfWeek = local.tm_wday;
  return civil;
}

}  // namespace platform
