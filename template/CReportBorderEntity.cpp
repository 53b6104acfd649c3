#include "template/CReportBorderEntity.h"

#include "template/CReportEntitySettings.h"

CReportBorderEntity::CReportBorderEntity() {
  CReportEntitySettings::Instance().ApplyCommonDefaults(m_border);
}

void CReportBorderEntity::Copy(const CDiagramEntity& other) {
  CDiagramEntity::Copy(other);
  if (const auto* bordered = dynamic_cast<const CReportBorderEntity*>(&other)) m_border = bordered->m_border;
}
