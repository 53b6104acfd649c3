#include "template/EntityFactory.h"

#include <gtest/gtest.h>

#include "template/CInvoiceRepeatField.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportEntityLine.h"
#include "template/CReportEntityPicture.h"
#include "template/CReportInvoiceField.h"

using namespace template_props;

namespace {

TEST(EntityFactory, EachItemTypeMakesItsEntity) {
  struct Case {
    int32_t type;
    const wchar_t* entityType;  // null: no entity
  };
  const Case cases[] = {{1, L"report_label"},   {2, L"report_picture"}, {3, L"report_line"},
                        {4, L"report_box"},     {5, nullptr},           {6, L"invoice_field"},
                        {7, L"inv_repeat_fld"}, {0, nullptr},           {8, nullptr},
                        {-1, nullptr}};
  for (const Case& c : cases) {
    TemplateItem item(c.type);
    item.SetProperty(kFieldKey, Value(L"FLD_002_000"));
    item.SetProperty(kRight, Value(1.0));
    item.SetProperty(kBottom, Value(1.0));
    item.SetProperty(kRepeatHeight, Value(int32_t{90}));
    std::unique_ptr<CDiagramEntity> entity = CreateEntityFromTemplateItem(item);
    if (!c.entityType) {
      EXPECT_EQ(entity, nullptr) << c.type;
      continue;
    }
    ASSERT_NE(entity, nullptr) << c.type;
    EXPECT_EQ(entity->GetType(), c.entityType);
    EXPECT_EQ(entity->MakeTemplateItem()->GetType(), c.type);
  }
}

TEST(EntityFactory, TheFilledEntityComesBack) {
  TemplateItem item(TemplateItemType::InvoiceField);
  item.SetProperty(kFieldKey, Value(L"FLD_105_000"));
  item.SetProperty(kName, Value(L"FLD_105_000"));
  item.SetProperty(kLeft, Value(0.5));
  item.SetProperty(kRight, Value(2.0));
  item.SetProperty(kBottom, Value(0.25));
  std::unique_ptr<CDiagramEntity> entity = CreateEntityFromTemplateItem(item);
  auto* field = dynamic_cast<CReportInvoiceField*>(entity.get());
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->GetFieldId().GetField(), 105);
  EXPECT_EQ(field->GetRect(), (platform::gdi::Rect{48, 0, 192, 24}));

  item.SetProperty(kFieldKey, Value(L"FLD_105_001"));
  EXPECT_THROW(CreateEntityFromTemplateItem(item), std::runtime_error);
}

}  // namespace
