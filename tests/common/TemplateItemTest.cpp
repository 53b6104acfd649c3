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

TEST(TemplateItemTest, TypedReadsGiveZeroEmptyOrFalseForAbsentProperties) {
  TemplateItem item(TemplateItemType::Label);
  EXPECT_EQ(L"", item.TextProperty(template_props::kText));
  EXPECT_EQ(0, item.IntProperty(template_props::kFontSize));
  EXPECT_FALSE(item.BoolProperty(template_props::kBold));
  EXPECT_EQ(0.0, item.DoubleProperty(template_props::kLeft));

  item.SetProperty(template_props::kText, Value(L"Total"));
  item.SetProperty(template_props::kFontSize, Value(100));
  item.SetProperty(template_props::kBold, Value::Boolean(true));
  item.SetProperty(template_props::kLeft, Value(1.25));
  EXPECT_EQ(L"Total", item.TextProperty(template_props::kText));
  EXPECT_EQ(100, item.IntProperty(template_props::kFontSize));
  EXPECT_TRUE(item.BoolProperty(template_props::kBold));
  EXPECT_EQ(1.25, item.DoubleProperty(template_props::kLeft));
}

TEST(TemplateItemTest, APlaceStoredAsAnotherTypeReadsAsZero) {
  // A damaged file may keep a coordinate as text or a whole number; the
  // entity then starts at 0 rather than at whatever the text converts to.
  TemplateItem item(TemplateItemType::Box);
  item.SetProperty(template_props::kLeft, Value(L"2.5"));
  item.SetProperty(template_props::kTop, Value(3));
  EXPECT_EQ(0.0, item.DoubleProperty(template_props::kLeft));
  EXPECT_EQ(0.0, item.DoubleProperty(template_props::kTop));
}

TEST(TemplateItemTest, IteratesPropertiesInAscendingId) {
  TemplateItem item(TemplateItemType::Box);
  for (int32_t id : {22, 2, 19, 13, 4}) item.SetProperty(id, Value(id));
  std::vector<int32_t> ids;
  for (const auto& [id, value] : item.GetProperties()) ids.push_back(id);
  EXPECT_EQ((std::vector<int32_t>{2, 4, 13, 19, 22}), ids);
}

}  // namespace
