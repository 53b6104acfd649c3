#pragma once

// A text label ("report_label", item type 1): draws its title.

#include "template/CReportTextEntity.h"

class CReportEntityLabel : public CReportTextEntity {
public:
  CReportEntityLabel();

  std::unique_ptr<CDiagramEntity> Clone() const override;
  PopulatorKind GetPopulator() const override { return PopulatorKind::Label; }

protected:
  std::wstring GetDrawnText() const override { return GetTitle(); }
};
