// The item form's decisions without a database or a display: its tabs, its
// commands, its caption and the rows of its stock and movement pages.
#include <gtest/gtest.h>

#include <vector>

#include "common/Value.h"
#include "data/objects/Item.h"
#include "forms/items/ItemFormTabs.h"
#include "forms/items/ItemFrame.h"
#include "forms/items/ItemPageRows.h"
#include "common/ui/AmountFormat.h"

namespace {

using Tabs = ItemFormTabs;

struct TabCase {
  const char* name;
  bool stored;
  bool group;
  int32_t sourceType;
  std::vector<uint32_t> pages;
};

class ItemTabsTest : public ::testing::TestWithParam<TabCase> {};

TEST_P(ItemTabsTest, TheObjectsKindDecidesItsPages) {
  const TabCase& c = GetParam();
  EXPECT_EQ(Tabs::PagesFor(c.stored, c.group, c.sourceType), c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ItemTabsTest,
    ::testing::Values(
        TabCase{"NewItem", false, false, Invoice::kSourceTrading, {Tabs::kDetails}},
        TabCase{"NewGroup", false, true, Invoice::kSourceTrading, {Tabs::kDetails}},
        TabCase{"TradedItem", true, false, Invoice::kSourceTrading,
                {Tabs::kStock, Tabs::kDetails, Tabs::kPrices, Tabs::kIncome, Tabs::kOutcome}},
        TabCase{"ServiceItem", true, false, Invoice::kSourceService,
                {Tabs::kDetails, Tabs::kPrices, Tabs::kIncome, Tabs::kOutcome}},
        TabCase{"ManufacturedItem", true, false, Invoice::kSourceManufacturing,
                {Tabs::kStock, Tabs::kDetails, Tabs::kIngredients, Tabs::kPrices, Tabs::kIncome, Tabs::kOutcome}},
        TabCase{"ManufacturingGroup", true, true, Invoice::kSourceManufacturing,
                {Tabs::kStock, Tabs::kDetails, Tabs::kPrices, Tabs::kIncome, Tabs::kOutcome}}),
    [](const ::testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

TEST(ItemFormTabsTest, TheShowingPageStaysWhileItHasATab) {
  const std::vector<uint32_t> tabs{Tabs::kDetails, Tabs::kStock, Tabs::kPrices};
  EXPECT_EQ(Tabs::PageToSelect(Tabs::kPrices, tabs), Tabs::kPrices);
  EXPECT_EQ(Tabs::PageToSelect(Tabs::kIngredients, tabs), Tabs::kStock);
  EXPECT_EQ(Tabs::PageToSelect(0, tabs), Tabs::kStock);
  EXPECT_EQ(Tabs::PageToSelect(0, {Tabs::kDetails}), Tabs::kDetails);
  EXPECT_STREQ(Tabs::Caption(Tabs::kIngredients), L"Ingredients");
  EXPECT_EQ(Tabs::Caption(108), nullptr);
}

TEST(ItemFormTabsTest, ListCommandsFollowThePageAndItsSelection) {
  for (uint32_t page : {Tabs::kIngredients, Tabs::kIncome, Tabs::kOutcome}) {
    EXPECT_TRUE(Tabs::CanNew(page));
    EXPECT_FALSE(Tabs::CanDelete(page, 0));
    EXPECT_TRUE(Tabs::CanDelete(page, 2));
    EXPECT_TRUE(Tabs::CanEdit(page, 1));
    EXPECT_FALSE(Tabs::CanEdit(page, 2));
  }
  EXPECT_FALSE(Tabs::CanNew(Tabs::kPrices));
  EXPECT_FALSE(Tabs::CanDelete(Tabs::kPrices, 3));
  EXPECT_TRUE(Tabs::CanEdit(Tabs::kPrices, 3));
  EXPECT_FALSE(Tabs::CanEdit(Tabs::kPrices, 0));
  for (uint32_t page : {Tabs::kStock, Tabs::kDetails}) {
    EXPECT_FALSE(Tabs::CanNew(page));
    EXPECT_FALSE(Tabs::CanEdit(page, 1));
  }
}

TEST(ItemFormTabsTest, TheCaptionNamesTheKindAndTheObject) {
  EXPECT_EQ(ItemFrame::Caption(true, 0, L""), L"Item Group - New Item Group");
  EXPECT_EQ(ItemFrame::Caption(false, 0, L""), L"Item - New Item");
  EXPECT_EQ(ItemFrame::Caption(true, 7, L"Bakery"), L"Item Group - Bakery");
  EXPECT_EQ(ItemFrame::Caption(false, 9, L"Bread"), L"Item - Bread");
}

Invoice::Item StockItem(double quantity, int perPackage, double baseUnit) {
  Invoice::Item item;
  item.SetName(L"Flour");
  item.SetQuantityOnStock(quantity);
  item.SetNumInPack(perPackage);
  item.SetBaseUnit(baseUnit);
  return item;
}

TEST(ItemPageRowsTest, StockRowsShowPiecesPackagesAndTheMeasure) {
  const ListRow row = ItemPageRows::StockRow(StockItem(5.0, 2, 0.5), true);
  ASSERT_EQ(row.GetCellCount(), 4u);
  EXPECT_EQ(row.GetCell(0).AsString(), L"Flour");
  EXPECT_DOUBLE_EQ(row.GetCell(1).AsDouble(), 5.0);
  EXPECT_DOUBLE_EQ(row.GetCell(2).AsDouble(), 2.5);  // not rounded to whole packages
  EXPECT_DOUBLE_EQ(row.GetCell(3).AsDouble(), 2.5);

  const ListRow empty = ItemPageRows::StockRow(StockItem(0.0, 0, 1.0), false);
  ASSERT_EQ(empty.GetCellCount(), 3u);
  EXPECT_EQ(empty.GetCell(1).GetType(), VT_DOUBLE);
  EXPECT_EQ(empty.GetCell(2).GetType(), VT_EMPTY);
  EXPECT_EQ(ItemPageRows::StockRow(StockItem(4.0, 0, 1.0), false).GetCell(2).GetType(), VT_EMPTY);
}

TEST(ItemPageRowsTest, MovementRowsTakeTaxOnTheDiscountedAmount) {
  Invoice::ItemOutput line;
  line.SetBasePrice(10.0);
  line.SetQuantity(3.0);
  line.SetMeasurement(L"kg");
  line.SetBaseUnit(0.0);  // counts as 1
  line.SetDiscountPercent(10.0);
  line.SetTaxPercent(20.0);
  line.SetOutputDestType(4);
  const ListRow group = ItemPageRows::OutcomeRow(line, L"Flour", true);
  ASSERT_EQ(group.GetCellCount(), 12u);
  EXPECT_EQ(group.GetCell(0).GetType(), VT_EMPTY);  // not stored: no date yet
  EXPECT_EQ(group.GetCell(1).AsString(), L"Flour");
  EXPECT_EQ(group.GetCell(4).AsString(), FormatAmount(3.0) + L" kg");
  EXPECT_DOUBLE_EQ(group.GetCell(5).AsDouble(), 30.0);
  EXPECT_DOUBLE_EQ(group.GetCell(7).AsDouble(), 3.0);
  EXPECT_DOUBLE_EQ(group.GetCell(9).AsDouble(), 5.4);  // 20 % of 27
  EXPECT_DOUBLE_EQ(group.GetCell(10).AsDouble(), 32.4);
  EXPECT_EQ(group.GetCell(11).AsString(), L"Waste");

  Invoice::ItemInput plain;
  plain.SetBasePrice(2.0);
  plain.SetQuantity(4.0);
  plain.SetInputSourceType(4);
  const ListRow item = ItemPageRows::IncomeRow(plain, L"Flour", false);
  ASSERT_EQ(item.GetCellCount(), 11u);
  EXPECT_EQ(item.GetCell(3).GetType(), VT_EMPTY);  // no measurement
  for (size_t cell : {5u, 6u, 7u, 8u}) EXPECT_EQ(item.GetCell(cell).GetType(), VT_EMPTY);
  EXPECT_DOUBLE_EQ(item.GetCell(9).AsDouble(), 8.0);
  EXPECT_EQ(item.GetCell(10).AsString(), L"Invoice");
  EXPECT_EQ(ItemPageRows::IncomeKindText(7), L"");
}

}  // namespace
