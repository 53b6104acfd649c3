// The stock-input list on a real database: the receipts of a range with
// their figures, and receipts added, edited and deleted from the list with
// the stock following.
#include <gtest/gtest.h>

#include "StockFixture.h"
#include "data/DbException.h"
#include "forms/items/ItemInputList.h"
#include "forms/items/ItemInputPeriod.h"

namespace corvane::test {
namespace {

platform::CivilTime At(int day, int hour) {
  return platform::CivilTime{2026, 12, day, hour, 0, 0};
}

ItemInputPeriod::Range December(int firstDay, int lastDay) {
  return ItemInputPeriod::DaysBetween(At(firstDay, 0), At(lastDay, 0));
}

class ItemInputListTest : public StockTest {
protected:
  void TearDown() override {
    platform::SetNowOverride(std::nullopt);
    StockTest::TearDown();
  }
  // A receipt saved at the given moment.
  int ReceiveAt(const platform::CivilTime& when, int itemId, double pieces, double price = 0.0,
                double discount = 0.0, double tax = 0.0, double baseUnit = 0.0, const std::wstring& measurement = {}) {
    platform::SetNowOverride(when);
    Invoice::ItemInput line;
    line.SetItemId(itemId);
    line.SetQuantity(pieces);
    line.SetBasePrice(price);
    line.SetDiscountPercent(discount);
    line.SetTaxPercent(tax);
    line.SetBaseUnit(baseUnit);
    line.SetMeasurement(measurement);
    line.SetInputSourceType(Invoice::kSourceTrading);
    Committed([&] { line.Save(); });
    return line.GetObjectId();
  }
  static std::vector<int32_t> Ids(const ItemInputList& list) {
    std::vector<int32_t> ids;
    for (const ListRow& row : list.GetRows()) ids.push_back(row.GetObjectId());
    return ids;
  }
};

TEST_F(ItemInputListTest, ARowTakesTheTaxOnTheExtensionLessTheDiscount) {
  const int kg = NewMeasurement(L"Kilogram", L"kg");
  const int flour = StoredItem(L"Flour", Invoice::kSourceTrading, kg);
  ReceiveAt(At(9, 10), flour, 10.0, 10.0, 10.0, 20.0, 0.5, L"kg");
  ItemInputList list;
  list.Fill(December(9, 9).from, December(9, 9).to);
  ASSERT_EQ(list.GetRows().size(), 1u);
  const ListRow& row = list.GetRows().front();
  ASSERT_EQ(row.GetCellCount(), 12u);
  EXPECT_EQ(row.GetCell(1).AsString(), L"Flour");
  EXPECT_DOUBLE_EQ(row.GetCell(2).AsDouble(), 10.0);   // price
  EXPECT_DOUBLE_EQ(row.GetCell(3).AsDouble(), 10.0);   // pieces
  EXPECT_EQ(row.GetCell(4).GetText(), ::Value(5.0).GetText() + L" kg");
  EXPECT_DOUBLE_EQ(row.GetCell(5).AsDouble(), 100.0);  // extension
  EXPECT_DOUBLE_EQ(row.GetCell(6).AsDouble(), 10.0);
  EXPECT_DOUBLE_EQ(row.GetCell(7).AsDouble(), 10.0);   // discount
  EXPECT_DOUBLE_EQ(row.GetCell(8).AsDouble(), 20.0);
  EXPECT_DOUBLE_EQ(row.GetCell(9).AsDouble(), 18.0);   // tax on 90.00
  EXPECT_DOUBLE_EQ(row.GetCell(10).AsDouble(), 108.0);  // total
  EXPECT_EQ(row.GetCell(11).AsString(), L"Trading");
}

TEST_F(ItemInputListTest, WithoutDiscountTaxOrMeasurementThoseCellsStayEmpty) {
  const int bolt = StoredItem(L"Bolt");
  ReceiveAt(At(9, 10), bolt, 4.0, 2.5);
  ItemInputList list;
  list.Fill(December(9, 9).from, December(9, 9).to);
  ASSERT_EQ(list.GetRows().size(), 1u);
  const ListRow& row = list.GetRows().front();
  for (size_t empty : {4u, 6u, 7u, 8u, 9u}) EXPECT_EQ(row.GetCell(empty).GetText(), L"") << empty;
  EXPECT_DOUBLE_EQ(row.GetCell(10).AsDouble(), 10.0);
}

TEST_F(ItemInputListTest, TheRangeHoldsWholeDaysNewestFirst) {
  const int bolt = StoredItem(L"Bolt");
  const int before = ReceiveAt(platform::CivilTime{2026, 12, 7, 23, 59, 59}, bolt, 1.0);
  const int firstThing = ReceiveAt(platform::CivilTime{2026, 12, 8, 0, 0, 0}, bolt, 1.0);
  const int lastThing = ReceiveAt(platform::CivilTime{2026, 12, 9, 23, 59, 59}, bolt, 1.0);
  const int midday = ReceiveAt(At(9, 12), bolt, 1.0);
  const int after = ReceiveAt(platform::CivilTime{2026, 12, 10, 0, 0, 0}, bolt, 1.0);
  ItemInputList list;
  list.Fill(December(8, 9).from, December(8, 9).to);
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{lastThing, midday, firstThing}));
  // Each listed receipt is held unchanged for the dialog.
  for (int id : {lastThing, midday, firstThing}) EXPECT_NE(list.GetChanges().Find(id), nullptr);
  EXPECT_EQ(list.GetChanges().Find(before), nullptr);
  EXPECT_EQ(list.GetChanges().Find(after), nullptr);
}

TEST_F(ItemInputListTest, ReceiptsAddedEditedAndDeletedMoveTheStock) {
  const int bolt = StoredItem(L"Bolt");
  const int nut = StoredItem(L"Nut");
  platform::SetNowOverride(At(9, 10));
  ItemInputList list;
  list.Fill(December(9, 9).from, December(9, 9).to);
  ASSERT_TRUE(list.GetRows().empty());

  // New, as the dialog records it.
  Invoice::ItemInput added;
  added.SetItemId(bolt);
  added.SetQuantity(12.0);
  added.SetInputSourceType(Invoice::kSourceTrading);
  list.GetChanges().Update(added);
  list.SaveChanges();
  EXPECT_DOUBLE_EQ(Stock(bolt), 12.0);
  list.Fill(December(9, 9).from, December(9, 9).to);
  ASSERT_EQ(list.GetRows().size(), 1u);
  const int32_t id = list.GetRows().front().GetObjectId();

  // Edited to another item: the stock moves with it.
  auto* held = dynamic_cast<Invoice::ItemInput*>(list.GetChanges().Find(id));
  ASSERT_TRUE(held);
  Invoice::ItemInput edited = *held;
  edited.SetItemId(nut);
  edited.SetQuantity(5.0);
  list.GetChanges().Update(edited);
  list.SaveChanges();
  EXPECT_DOUBLE_EQ(Stock(bolt), 0.0);
  EXPECT_DOUBLE_EQ(Stock(nut), 5.0);
  list.Fill(December(9, 9).from, December(9, 9).to);
  ASSERT_EQ(list.GetRows().size(), 1u);
  EXPECT_EQ(list.GetRows().front().GetCell(1).AsString(), L"Nut");

  // Deleted: the stock goes back.
  ItemInputList::DeleteInputs({list.GetRows().front().GetObjectId()});
  EXPECT_DOUBLE_EQ(Stock(nut), 0.0);
  list.Fill(December(9, 9).from, December(9, 9).to);
  EXPECT_TRUE(list.GetRows().empty());
}

TEST_F(ItemInputListTest, ADeleteThatWouldTakeTheStockBelowZeroDeletesNoneOfTheSelection) {
  const int bolt = StoredItem(L"Bolt");
  const int nut = StoredItem(L"Nut");
  const int nutIn = ReceiveAt(At(9, 9), nut, 3.0);
  const int boltIn = ReceiveAt(At(9, 10), bolt, 5.0);
  Committed([&] { Issue(bolt, 4.0); });  // sold since
  EXPECT_THROW(ItemInputList::DeleteInputs({nutIn, boltIn}), Invoice::DbException);
  EXPECT_DOUBLE_EQ(Stock(nut), 3.0);
  EXPECT_DOUBLE_EQ(Stock(bolt), 1.0);
  EXPECT_EQ(Count(L"ITEM_INPUT", L"OBJECT_ID = " + std::to_wstring(nutIn)), 1);
}

TEST(ItemInputListCommands, EditNeedsOneRowDeleteAtLeastOneAndTheMenuOne) {
  EXPECT_FALSE(ItemInputList::CanEdit(0));
  EXPECT_TRUE(ItemInputList::CanEdit(1));
  EXPECT_FALSE(ItemInputList::CanEdit(2));
  EXPECT_FALSE(ItemInputList::CanDelete(0));
  EXPECT_TRUE(ItemInputList::CanDelete(2));
  EXPECT_TRUE(ItemInputList::CanDeleteFromMenu(1));
  EXPECT_FALSE(ItemInputList::CanDeleteFromMenu(2));
}

}  // namespace
}  // namespace corvane::test
