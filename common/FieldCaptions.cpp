#include "common/FieldCaptions.h"

#include <stdexcept>

const FieldCaptions& FieldCaptions::Instance() {
  static const FieldCaptions instance;
  return instance;
}

FieldCaptions::FieldCaptions()
    : m_invoiceFields{{100, L"Invoice Number"},
                      {101, L"Date"},
                      {102, L"Total Tax"},
                      {103, L"Invoice Total"},
                      {104, L"Invoice Discount %"},
                      {105, L"Invoice Discount"},
                      {106, L"To (Client Address)"},
                      {107, L"Paid date"},
                      {108, L"Allowed Delay"},
                      {109, L"Total without Tax"},
                      {110, L"From (Vendor Address)"},
                      {111, L"To (Client Name)"},
                      {112, L"From (Vendor Name)"}},
      m_rowFields{{1, L"Item's Name"}, {2, L"Price"},      {3, L"Quantity"}, {4, L"Base Unit"},
                  {5, L"Sum"},         {6, L"Discount %"}, {7, L"Discount"}, {8, L"Tax %"},
                  {9, L"Tax"},         {10, L"Total"},     {11, L"Code"}} {}

std::wstring FieldCaptions::GetCaption(int32_t field) const {
  if (const auto it = m_invoiceFields.find(field); it != m_invoiceFields.end()) return it->second;
  if (const auto it = m_rowFields.find(field); it != m_rowFields.end()) return it->second;
  throw std::runtime_error("Field Caption not found");
}
