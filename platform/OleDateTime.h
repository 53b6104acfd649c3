#pragma once

// OLE automation dates: days since 1899-12-30 as a double, the fraction being
// the time of day. Negative values count backwards in whole days, with the
// fraction still added forward (-1.25 is 1899-12-29 06:00), as OLE does.

#include <cstdint>
#include <ctime>
#include <optional>

namespace platform {

// Calendar fields of a date and time (month 1-12, day 1-31).
struct CivilTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int dayOfWeek = 0;  // 0 = Sunday

  bool operator==(const CivilTime&) const = default;
};

// OLE dates are valid from year 100 to 9999.
constexpr double kMinOleDate = -657434.0;
constexpr double kMaxOleDate = 2958465.99999;

// nullopt when the date is outside the OLE range or not a number.
// Rounds to the nearest second, as VariantTimeToSystemTime does.
std::optional<CivilTime> OleDateToCivil(double oleDate);

// nullopt when the fields do not form a valid date and time.
std::optional<double> CivilToOleDate(const CivilTime& time);

// A date and time value with a validity status, the value type the forms use.
class OleDateTime {
public:
  enum class Status { Valid, Invalid, Null };

  OleDateTime() = default;  // valid, 0.0 (1899-12-30 00:00)
  explicit OleDateTime(double date) : m_date(date), m_status(OleDateToCivil(date) ? Status::Valid : Status::Invalid) {}
  OleDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

  static OleDateTime Now();  // local time, through the clock seam
  static OleDateTime Null();

  double GetDate() const { return m_date; }
  Status GetStatus() const { return m_status; }
  bool IsValid() const { return m_status == Status::Valid; }

  // Calendar fields; all 0 when the value is not valid.
  CivilTime GetCivil() const;
  int GetYear() const { return GetCivil().year; }
  int GetMonth() const { return GetCivil().month; }
  int GetDay() const { return GetCivil().day; }

  bool operator==(const OleDateTime& other) const { return m_date == other.m_date && m_status == other.m_status; }

private:
  double m_date = 0.0;
  Status m_status = Status::Valid;
};

// Test seam for "now": when set, OleDateTime::Now() returns this instead of the clock.
void SetNowOverride(std::optional<CivilTime> now);
CivilTime CurrentLocalTime();

}  // namespace platform
