#pragma once

// A data field ("report_field", item type 5): draws its name. The designer
// reads and writes it but offers no way to place one.

#include "template/CReportTextEntity.h"

class CReportEntityField : public CReportTextEntity {
public:
  CReportEntityField();

  std::unique_ptr<CDiagramEntity> Clone() const override;

protected:
  CReportEntityField(const wchar_t* type, TemplateItemType itemType);

  std::wstring GetDrawnText() const override { return GetName(); }
};
