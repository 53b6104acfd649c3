#include "template/EntityFactory.h"

#include "template/CInvoiceRepeatField.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportEntityLine.h"
#include "template/CReportEntityPicture.h"
#include "template/CReportInvoiceField.h"

std::unique_ptr<CDiagramEntity> CreateEntityFromTemplateItem(const TemplateItem& item) {
  // Built one at a time: only the prototype that matches does any work.
  using Maker = std::unique_ptr<CDiagramEntity> (*)();
  const Maker makers[] = {
      [] { return std::unique_ptr<CDiagramEntity>(std::make_unique<CReportEntityBox>()); },
      [] { return std::unique_ptr<CDiagramEntity>(std::make_unique<CReportEntityLine>()); },
      [] { return std::unique_ptr<CDiagramEntity>(std::make_unique<CReportEntityLabel>()); },
      [] { return std::unique_ptr<CDiagramEntity>(std::make_unique<CReportEntityPicture>()); },
      [] { return std::unique_ptr<CDiagramEntity>(std::make_unique<CInvoiceRepeatField>()); },
      [] { return std::unique_ptr<CDiagramEntity>(std::make_unique<CReportInvoiceField>(FieldId::kFirstRowField)); },
  };
  for (Maker make : makers) {
    std::unique_ptr<CDiagramEntity> prototype = make();
    if (std::unique_ptr<CDiagramEntity> entity = prototype->LoadTemplateItem(item)) return entity;
  }
  return nullptr;
}
