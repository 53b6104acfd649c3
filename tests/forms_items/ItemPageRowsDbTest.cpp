// The item pages' rows from a throwaway database: the movements' own change
// dates, and the items a group's pages show.
#include <gtest/gtest.h>

#include <vector>

#include "StockFixture.h"
#include "data/Connection.h"
#include "forms/items/ItemDetails.h"
#include "forms/items/ItemPageRows.h"

namespace {

class ItemPageRowsDbTest : public corvane::test::StockTest {};

TEST_F(ItemPageRowsDbTest, EachMovementShowsItsOwnChangeDate) {
  const int bolt = StoredItem(L"Bolt");
  int first = 0, second = 0;
  Committed([&] {
    first = Receive(bolt, 2.0);
    second = Receive(bolt, 3.0);
    ExecuteSql(L"UPDATE OBJECTS SET MODIFIED_ON = CAST('2024-01-05 10:00:00' AS TIMESTAMP) WHERE OBJECT_ID = " +
               std::to_wstring(first));
    ExecuteSql(L"UPDATE OBJECTS SET MODIFIED_ON = CAST('2024-02-07 10:00:00' AS TIMESTAMP) WHERE OBJECT_ID = " +
               std::to_wstring(second));
  });
  std::vector<Invoice::ItemInput> lines;
  Invoice::Item(bolt).GetInputs(lines);
  ASSERT_EQ(lines.size(), 2u);
  for (const Invoice::ItemInput& line : lines) {
    const ListRow row = ItemPageRows::IncomeRow(line, L"Bolt", false);
    EXPECT_EQ(row.GetCell(0).GetType(), VT_DATE);
    EXPECT_DOUBLE_EQ(row.GetCell(0).AsDouble(), line.GetModifiedOn());
    EXPECT_EQ(row.GetProperty(L"item_input_id").AsInt(), line.GetObjectId());
  }
  EXPECT_NE(ItemPageRows::IncomeRow(lines[0], L"", false).GetCell(0).AsDouble(),
            ItemPageRows::IncomeRow(lines[1], L"", false).GetCell(0).AsDouble());
}

TEST_F(ItemPageRowsDbTest, AGroupShowsTheItemsOfEverySubGroupByName) {
  int food = 0, bakery = 0, cakes = 0, other = 0;
  Committed([&] {
    food = NewGroup(L"Food").GetId();
    bakery = NewGroup(L"Bakery", food).GetId();
    cakes = NewGroup(L"Cakes", bakery).GetId();
    other = NewGroup(L"Other").GetId();
    NewItem(L"Zucchini", 2, food);
    NewItem(L"Apple pie", 2, cakes);
    NewItem(L"Bun", 2, bakery);
    NewItem(L"Hammer", 2, other);
  });
  std::vector<Invoice::Item> items;
  ItemPageRows::ShownItems(food, true, items);
  std::vector<std::wstring> names;
  for (const Invoice::Item& item : items) names.push_back(item.GetName());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Apple pie", L"Bun", L"Zucchini"}));
  items.clear();
  ItemPageRows::ShownItems(0, true, items);
  EXPECT_TRUE(items.empty());
}

TEST_F(ItemPageRowsDbTest, InheritanceTakesTheNearestGroupAndTheTopLevelType) {
  const int kg = NewMeasurement(L"Kilogram", L"kg");
  const int litre = NewMeasurement(L"Litre", L"l");
  const int vat = NewTax(L"VAT", 18.0);
  int top = 0, middle = 0, bottom = 0;
  Committed([&] {
    Invoice::ItemGroup food = NewGroup(L"Food", 0, Invoice::kSourceService);
    food.SetMeasurementId(kg);
    food.SetTaxId(vat);
    food.Save();
    top = food.GetId();
    Invoice::ItemGroup drinks = NewGroup(L"Drinks", top, Invoice::kSourceManufacturing);
    drinks.SetMeasurementId(litre);
    drinks.Save();
    middle = drinks.GetId();
    bottom = NewGroup(L"Juice", middle).GetId();
  });
  EXPECT_EQ(ItemDetails::Measurement(bottom, 0).value, litre);  // the nearest group
  EXPECT_FALSE(ItemDetails::Measurement(bottom, 0).free);
  EXPECT_EQ(ItemDetails::Tax(bottom, 0).value, vat);
  const InheritedChoice type = ItemDetails::IncomeType(bottom, 2);
  EXPECT_FALSE(type.free);
  EXPECT_EQ(type.value, Invoice::kSourceService);  // the top-level group's, not the middle one's
  const InheritedChoice free = ItemDetails::Measurement(0, 5);
  EXPECT_TRUE(free.free);
  EXPECT_EQ(free.value, 5);

  // A group's own choices are stored as 0 where a group above decides.
  Invoice::ItemGroup juice(bottom);
  ItemDetailsFields fields = ItemDetails::Load(juice, true, 0);
  EXPECT_EQ(fields.groupId, middle);
  EXPECT_EQ(fields.groupName, L"Drinks");
  fields.measurementId = kg;
  fields.taxId = vat;
  fields.incomeType = Invoice::kSourceTrading;
  ItemDetails::Store(fields, juice);
  EXPECT_EQ(juice.GetMeasurementId(), 0);
  EXPECT_EQ(juice.GetTaxId(), 0);
  EXPECT_EQ(juice.GetDefInputSourceType(), 0);
  EXPECT_EQ(juice.GetParentId(), middle);
}

}  // namespace
