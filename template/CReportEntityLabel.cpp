#include "template/CReportEntityLabel.h"

#include "template/CReportEntitySettings.h"

CReportEntityLabel::CReportEntityLabel() : CReportTextEntity(L"report_label", TemplateItemType::Label) {
  ReportTextAttributes text;
  CReportEntitySettings::Instance().ApplyLabelDefaults(text);
  SetTextAttributes(text);
  SetTitle(L"Label");
}

std::unique_ptr<CDiagramEntity> CReportEntityLabel::Clone() const {
  auto clone = std::make_unique<CReportEntityLabel>();
  clone->Copy(*this);
  return clone;
}
