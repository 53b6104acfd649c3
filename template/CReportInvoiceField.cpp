#include "template/CReportInvoiceField.h"

#include <stdexcept>

#include "common/FieldCaptions.h"
#include "template/ReportAttributes.h"

using namespace template_props;

CReportInvoiceField::CReportInvoiceField(int32_t field) : CReportInvoiceField(L"invoice_field", field) {}

CReportInvoiceField::CReportInvoiceField(const wchar_t* type, int32_t field)
    : CReportEntityField(type, TemplateItemType::InvoiceField), m_field(field, 0) {
  SetName(m_field.GetKey());
}

std::unique_ptr<CDiagramEntity> CReportInvoiceField::Clone() const {
  auto clone = std::make_unique<CReportInvoiceField>(FieldId::kFirstRowField);
  clone->Copy(*this);
  return clone;
}

void CReportInvoiceField::Copy(const CDiagramEntity& other) {
  CReportEntityField::Copy(other);
  if (const auto* field = dynamic_cast<const CReportInvoiceField*>(&other)) m_field = field->m_field;
}

void CReportInvoiceField::SetFieldId(const FieldId& field) {
  m_field = field;
  SetName(field.GetKey());
}

std::wstring CReportInvoiceField::GetDrawnText() const {
  // A key the catalogue has no caption for (a number between the row and
  // the invoice fields) is shown as it is rather than failing the paint.
  std::wstring caption;
  try {
    caption = FieldCaptions::Instance().GetCaption(m_field.GetField());
  } catch (const std::runtime_error&) {
    return m_field.GetKey();
  }
  if (m_field.GetField() >= 1 && m_field.GetField() <= FieldId::kLastRepeatableField)
    caption += L" " + std::to_wstring(m_field.GetRow() + 1);
  return caption;
}

void CReportInvoiceField::WriteOwnProperties(TemplateItem& item) const {
  item.SetProperty(kFieldKey, Value(m_field.GetKey()));
}

void CReportInvoiceField::ReadOwnProperties(const TemplateItem& item) {
  m_field = FieldId(item.TextProperty(kFieldKey));
}

void CReportInvoiceField::ReadOwnRecord() {
  m_field = FieldId(GetName());
}
