#pragma once

// The key of one invoice data field: a field number and a row, and the key
// text "FLD_%03d_%03d" under which the value travels in a FieldMap and under
// which a template's data field names it.
//
// Field numbers 1..11 are item-row fields (one row per invoice line), 100..112
// invoice fields (row 0 only).

#include <cstdint>
#include <string>

class FieldId {
public:
  // Formats the key text from the two numbers; the numbers are not checked
  // (the builders only pass valid ones).
  FieldId(int32_t field, int32_t row);

  // Parses a key text. The first four characters must be "FLD_" in any case,
  // the field number (characters 4..6) must lie in 1..112, the row
  // (characters 8..10) must not be negative, and fields above 99 only have
  // row 0. The text is kept unchanged. Throws std::runtime_error
  // "Field parse error" otherwise.
  explicit FieldId(const std::wstring& key);

  std::wstring GetKey() const { return m_key; }
  const std::wstring& Key() const { return m_key; }
  int32_t GetField() const { return m_field; }
  int32_t GetRow() const { return m_row; }

  bool operator==(const FieldId& other) const = default;

  static constexpr int32_t kFirstRowField = 1;
  static constexpr int32_t kLastRowField = 11;
  static constexpr int32_t kFirstInvoiceField = 100;
  static constexpr int32_t kLastInvoiceField = 112;
  // Only fields up to this number may have rows other than 0.
  static constexpr int32_t kLastRepeatableField = 99;

private:
  std::wstring m_key;
  int32_t m_field = 0;
  int32_t m_row = 0;
};
