#include "common/TemplateItem.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TemplateItemTest, SetPropertyReplacesAndGetPropertyCopies) {
  TemplateItem item(TemplateItemType::InvoiceField);
  EXPECT_EQ(6, item.GetType());
  item.SetProperty(template_props::kFieldKey, Value(L"FLD_100_000"));
  item.SetProperty(template_props::kFieldKey, Value(L"FLD_101_000"));
  EXPECT_EQ(1u, item.GetPropertyCount());
  EXPECT_EQ(L"FLD_101_000", item.GetProperty(template_props::kFieldKey).AsString());
  EXPECT_FALSE(item.AddPropertyIfAbsent(template_props::kFieldKey, Value(L"other")));
  EXPECT_EQ(L"FLD_101_000", item.GetProperty(template_props::kFieldKey).AsString());
}

TEST(TemplateItemTest, AnAbsentIdGivesAnEmptyValue) {
  const TemplateItem item(TemplateItemType::Label);
  EXPECT_EQ(VT_EMPTY, item.GetProperty(template_props::kTitle).GetType());
  EXPECT_EQ(nullptr, item.FindProperty(template_props::kTitle));
  EXPECT_FALSE(item.HasProperty(template_props::kTitle));
}

TEST(TemplateItemTest, IteratesPropertiesInAscendingId) {
  TemplateItem item(TemplateItemType::Box);
  for (int32_t id : {22, 2, 19, 13, 4}) item.SetProperty(id, Value(id));
  std::vector<int32_t> ids;
  for (const auto& [id, value] : item.GetProperties()) ids.push_back(id);
  EXPECT_EQ((std::vector<int32_t>{2, 4, 13, 19, 22}), ids);
}

}  // namespace
