#include "template/CReportEntityField.h"

#include "template/CReportEntitySettings.h"

CReportEntityField::CReportEntityField() : CReportEntityField(L"report_field", TemplateItemType::DataField) {}

CReportEntityField::CReportEntityField(const wchar_t* type, TemplateItemType itemType)
    : CReportTextEntity(type, itemType) {
  ReportTextAttributes text;
  CReportEntitySettings::Instance().ApplyFieldDefaults(text);
  SetTextAttributes(text);
  SetName(L"Fieldname");
}

std::unique_ptr<CDiagramEntity> CReportEntityField::Clone() const {
  auto clone = std::make_unique<CReportEntityField>();
  clone->Copy(*this);
  return clone;
}
