#include "template/CReportBorderEntity.h"

#include "template/CReportEntitySettings.h"

CReportBorderEntity::CReportBorderEntity() {
  CReportEntitySettings::Instance().ApplyCommonDefaults(m_border);
}

void CReportBorderEntity::Copy(const CDiagramEntity& other) {
  CDiagramEntity::Copy(other);
  if (const auto* bordered = dynamic_cast<const CReportBorderEntity*>(&other)) m_border = bordered->m_border;
}

std::optional<TextSplitter> CReportBorderEntity::ReadBorderRecord(const std::wstring& record) {
  std::wstring rest;
  if (!ReadRecordHead(record, rest, RecordUnits::Inches)) return std::nullopt;
  TextSplitter attributes(rest, L',');
  m_border.ReadRecord(attributes);
  return attributes;
}

std::wstring CReportBorderEntity::BorderRecordHead() const {
  return GetDefaultGetString(RecordUnits::Inches) + m_border.Record() + L",";
}

void CReportBorderEntity::ReadBorderItem(const TemplateItem& item) {
  ReadCommonProperties(item);
  m_border.Read(item);
}

void CReportBorderEntity::WriteBorderItem(TemplateItem& item) const {
  WriteCommonProperties(item);
  m_border.Write(item);
}
