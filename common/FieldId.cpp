#include "common/FieldId.h"

#include <cwchar>
#include <stdexcept>

namespace {

[[noreturn]] void ThrowParseError() {
  throw std::runtime_error("Field parse error");
}

// Reads up to three characters from pos as the wide-text-to-integer
// conversion does: white space, a sign, then decimal digits; 0 when there are
// no digits. A part shorter than three characters (or none) is read as it is.
int32_t ReadNumber(const std::wstring& key, size_t pos) {
  if (pos >= key.size()) return 0;
  const std::wstring part = key.substr(pos, 3);
  return static_cast<int32_t>(std::wcstol(part.c_str(), nullptr, 10));
}

}  // namespace

FieldId::FieldId(int32_t field, int32_t row) : m_field(field), m_row(row) {
  wchar_t text[40];
  std::swprintf(text, sizeof text / sizeof text[0], L"FLD_%03d_%03d", field, row);
  m_key = text;
}

FieldId::FieldId(const std::wstring& key) {
  static constexpr wchar_t kPrefix[] = L"FLD_";
  if (key.size() < 4) ThrowParseError();
  for (size_t i = 0; i < 4; ++i) {
    // ASCII case folding only: the comparison must not depend on the locale.
    const wchar_t c = (key[i] >= L'a' && key[i] <= L'z') ? key[i] - L'a' + L'A' : key[i];
    if (c != kPrefix[i]) ThrowParseError();
  }
  const int32_t field = ReadNumber(key, 4);
  if (field < 1 || field > kLastInvoiceField) ThrowParseError();
  // The character between the two numbers is not examined.
  const int32_t row = ReadNumber(key, 8);
  if (row < 0) ThrowParseError();
  if (field > kLastRepeatableField && row != 0) ThrowParseError();
  m_key = key;
  m_field = field;
  m_row = row;
}
