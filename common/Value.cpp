#include "common/Value.h"

#include "platform/LocaleFormat.h"
#include "platform/TextCodec.h"

#include <bit>
#include <charconv>
#include <cstring>

// The buffer holds exactly the bytes a template file stores, so numbers are
// kept in the byte order of the files (little-endian, which is also ours).
static_assert(std::endian::native == std::endian::little);

namespace {

template <typename T>
T ReadAs(const uint8_t* buffer, uint32_t size) {
  T value{};
  if (buffer && size >= sizeof(T)) std::memcpy(&value, buffer, sizeof(T));
  return value;
}

std::wstring DoubleText(double number) {
  // "%.2f" with a point whatever the process locale, then the user's format.
  char text[400];
  const auto [end, error] = std::to_chars(text, text + sizeof text, number, std::chars_format::fixed, 2);
  if (error != std::errc()) return {};
  const std::wstring plain(text, end);
  return platform::FormatNumber(plain).value_or(L"");
}

std::wstring DateText(double oleDate) {
  const auto civil = platform::OleDateToCivil(oleDate);
  if (!civil) return {};
  return platform::FormatShortDate(*civil).value_or(L"");
}

}  // namespace

Value::Value() = default;

Value::Value(const wchar_t* text) : Value(std::wstring(text ? text : L"")) {}

Value::Value(const std::wstring& text) {
  std::vector<uint8_t> bytes = platform::ToUtf16Le(text);
  bytes.push_back(0);
  bytes.push_back(0);
  Assign(VT_TEXT, bytes.data(), static_cast<uint32_t>(bytes.size()));
}

Value::Value(int32_t number) {
  Assign(VT_INTEGER, &number, sizeof number);
}

Value::Value(long number) : Value(static_cast<int32_t>(number)) {}

Value::Value(double number) {
  Assign(VT_DOUBLE, &number, sizeof number);
}

Value::Value(const platform::OleDateTime& date) {
  const double oleDate = date.GetDate();
  Assign(VT_DATE, &oleDate, sizeof oleDate);
}

Value::Value(const Value& other) {
  Assign(other.m_type, other.Data(), other.m_size);
}

Value& Value::operator=(const Value& other) {
  if (this != &other) Assign(other.m_type, other.Data(), other.m_size);
  return *this;
}

Value Value::Boolean(bool flag) {
  Value value;
  const uint8_t byte = flag ? 1 : 0;
  value.Assign(VT_BOOLEAN, &byte, 1);
  return value;
}

// Allocates before letting go of the old buffer, so a failed allocation
// leaves the value as it was.
void Value::AssignOutOfLine(ValueType type, const void* bytes, uint32_t size) {
  if (size <= kInlineSize) {
    uint8_t copy[kInlineSize] = {};
    if (size) std::memcpy(copy, bytes, size);  // the source may lie in this value
    Release();
    std::memcpy(m_inline, copy, kInlineSize);
  } else {
    uint8_t* buffer = new uint8_t[size];
    std::memcpy(buffer, bytes, size);
    Release();
    m_heap = buffer;
  }
  m_type = type;
  m_size = size;
}

std::wstring Value::GetText() const {
  if (m_size == 0) return {};
  const uint8_t* const bytes = Data();
  switch (m_type) {
    case VT_TEXT:
      return platform::FromUtf16Le(bytes, m_size);
    case VT_INTEGER:
      return m_size >= sizeof(int32_t) ? std::to_wstring(ReadAs<int32_t>(bytes, m_size)) : std::wstring();
    case VT_DOUBLE:
      return m_size >= sizeof(double) ? DoubleText(ReadAs<double>(bytes, m_size)) : std::wstring();
    case VT_DATE:
      return m_size >= sizeof(double) ? DateText(ReadAs<double>(bytes, m_size)) : std::wstring();
    case VT_BOOLEAN:
      return bytes[0] ? L"1" : L"0";
    default:
      return {};
  }
}

std::wstring Value::AsString() const {
  return m_type == VT_TEXT && m_size ? platform::FromUtf16Le(Data(), m_size) : std::wstring();
}

int32_t Value::AsInt() const {
  return m_type == VT_INTEGER ? ReadAs<int32_t>(Data(), m_size) : 0;
}

double Value::AsDouble() const {
  return m_type == VT_DOUBLE || m_type == VT_DATE ? ReadAs<double>(Data(), m_size) : 0.0;
}

bool Value::AsBool() const {
  return m_type == VT_BOOLEAN && m_size && Data()[0] != 0;
}

void Value::Clear() {
  Release();
  m_type = VT_EMPTY;
}

bool Value::operator==(const Value& other) const {
  return m_type == other.m_type && m_size == other.m_size &&
         (m_size == 0 || std::memcmp(Data(), other.Data(), m_size) == 0);
}

std::tm OleDateToTm(double oleDate) {
  std::tm fields{};
  const auto civil = platform::OleDateToCivil(oleDate);
  if (!civil) return fields;
  fields.tm_year = civil->year - 1900;
  fields.tm_mon = civil->month - 1;
  fields.tm_mday = civil->day;
  fields.tm_hour = civil->hour;
  fields.tm_min = civil->minute;
  fields.tm_sec = civil->second;
  return fields;
}

double TmToOleDate(std::tm time) {
  if (time.tm_year < -1900 || time.tm_year > 9999) return -1.0;  // keeps the sums below in range
  platform::CivilTime civil;
  civil.year = time.tm_year + 1900;
  civil.month = time.tm_mon + 1;
  civil.day = time.tm_mday;
  civil.hour = time.tm_hour;
  civil.minute = time.tm_min;
  civil.second = time.tm_sec;
  return platform::CivilToOleDate(civil).value_or(-1.0);
}
