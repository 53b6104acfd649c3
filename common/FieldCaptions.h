#pragma once

// The captions under which the designer offers the invoice data fields.
// Built once on first use and kept until the program exits.

#include <cstdint>
#include <map>
#include <string>

class FieldCaptions {
public:
  static const FieldCaptions& Instance();

  // The caption of a field number: invoice fields first, then row fields.
  // Throws std::runtime_error "Field Caption not found" for any other number.
  std::wstring GetCaption(int32_t field) const;

  // Field number -> caption, in ascending number.
  const std::map<int32_t, std::wstring>& GetInvoiceFields() const { return m_invoiceFields; }
  const std::map<int32_t, std::wstring>& GetRowFields() const { return m_rowFields; }

private:
  FieldCaptions();

  std::map<int32_t, std::wstring> m_invoiceFields;
  std::map<int32_t, std::wstring> m_rowFields;
};
