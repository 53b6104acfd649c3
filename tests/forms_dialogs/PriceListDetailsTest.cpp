// The price list form's logic on a real database: its caption and rows, one
// price row per item however often a price is changed before saving, the
// save of a new list with its prices, the refusal of an empty name, and a
// saved list deleted, or refused while a client uses it.
#include <gtest/gtest.h>

#include "data/DbException.h"
#include "data/objects/Company.h"
#include "forms/dialogs/PriceListDetails.h"
#include "forms/items/EditPriceLogic.h"
#include "tests/forms_items/StockFixture.h"

namespace corvane::test {
namespace {

TEST(PriceListCaption, KindThenName) {
  EXPECT_EQ(PriceListDetails::Caption(1, L""), L"Income Price List");
  EXPECT_EQ(PriceListDetails::Caption(2, L"Retail"), L"Outcome Price List - Retail");
  EXPECT_EQ(PriceListDetails::Caption(0, L""), L"Outcome Price List");
}

TEST(PriceListName, WhiteSpaceAtEitherEndIsDropped) {
  EXPECT_EQ(PriceListDetails::TrimmedName(L"  Retail \t"), L"Retail");
  EXPECT_EQ(PriceListDetails::TrimmedName(L"Big  shop"), L"Big  shop");
  EXPECT_EQ(PriceListDetails::TrimmedName(L" \t\n "), L"");
}

class PriceListDetailsTest : public StockTest {
protected:
  // What the change-price dialog does on OK with "Equal to the Value".
  void SetPrices(PriceListDetails& details, const std::vector<long>& selected, double value) {
    SetPrices(details.RowsToEdit(selected), value, m_changes);
  }
  static void SetPrices(std::vector<Invoice::PriceList> rows, double value, ChangeSet& changes) {
    EditPriceLogic logic(&changes, value, &rows);
    logic.SetMode(EditPriceLogic::kEqual);
    logic.Apply();
  }
  static std::vector<std::wstring> Cells(const PriceListDetails& details) {
    std::vector<std::wstring> cells;
    for (const ListRow& row : details.GetRows())
      cells.push_back(row.GetCell(0).AsString() + L"=" + row.GetCell(1).GetText());
    return cells;
  }
  int PriceRows(int itemId, int groupId) {
    return Count(L"PRICE_LIST", L"ITEM_OBJECT_ID = " + std::to_wstring(itemId) +
                                    L" AND PRICE_GROUP_OBJECT_ID = " + std::to_wstring(groupId));
  }
  std::wstring Shown(double price) { return ::Value(price).GetText(); }

  ChangeSet m_changes;
};

TEST_F(PriceListDetailsTest, ANewListSavesEachItemsPriceOnceHoweverOftenItChanged) {
  const int nut = StoredItem(L"Nut");
  const int bolt = StoredItem(L"Bolt");
  const int washer = StoredItem(L"Washer");
  PriceListDetails details(m_changes);
  details.Fill(0, false);
  EXPECT_EQ(Cells(details), (std::vector<std::wstring>{L"Bolt=Not defined", L"Nut=Not defined", L"Washer=Not defined"}));
  for (const ListRow& row : details.GetRows()) EXPECT_EQ(row.GetObjectId(), 0);
  EXPECT_EQ(details.GetRows()[1].GetProperty(L"item_object_id").AsInt(), nut);

  SetPrices(details, {0, 1}, 2.0);
  details.Fill(0, true);
  EXPECT_EQ(Cells(details), (std::vector<std::wstring>{L"Bolt=" + Shown(2.0), L"Nut=" + Shown(2.0),
                                                       L"Washer=Not defined"}));
  // Changed again before saving: the pending row is changed, not doubled.
  EXPECT_DOUBLE_EQ(details.StartingValue({0}), 2.0);
  SetPrices(details, {0}, 3.5);
  details.Fill(0, true);
  EXPECT_EQ(Cells(details)[0], L"Bolt=" + Shown(3.5));
  EXPECT_EQ(m_changes.Size(), 2u);

  Invoice::PriceGroup group(0);
  std::optional<std::wstring> refusal;
  Committed([&] { refusal = details.Save(group, L"  Retail ", 2); });
  ASSERT_FALSE(refusal);
  const int id = group.GetId();
  ASSERT_GT(id, 0);
  EXPECT_EQ(Value(L"SELECT NAME FROM PRICE_GROUP WHERE OBJECT_ID = " + std::to_wstring(id)), L"Retail");
  EXPECT_EQ(Value(L"SELECT DIRECTION FROM PRICE_GROUP WHERE OBJECT_ID = " + std::to_wstring(id)), L"2");
  EXPECT_EQ(PriceRows(bolt, id), 1);
  EXPECT_EQ(PriceRows(nut, id), 1);
  EXPECT_EQ(PriceRows(washer, id), 0);
  EXPECT_EQ(Count(L"PRICE_LIST", L"PRICE_GROUP_OBJECT_ID IS NULL OR PRICE_GROUP_OBJECT_ID = 0"), 0);
  EXPECT_DOUBLE_EQ(ReadDouble(L"SELECT PRICE FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + std::to_wstring(bolt)), 3.5);

  // Loaded again: stored rows carry their ids, and a change updates them.
  details.Fill(id, false);
  EXPECT_GT(details.GetRows()[0].GetObjectId(), 0);
  EXPECT_DOUBLE_EQ(details.StartingValue({0}), 3.5);
  EXPECT_DOUBLE_EQ(details.StartingValue({0, 1}), 0.0);
  EXPECT_DOUBLE_EQ(details.StartingValue({2}), 0.0);  // not defined
  SetPrices(details, {0, 2}, 4.0);
  SetPrices(details, {2}, 4.5);
  Committed([&] { refusal = details.Save(group, L"Retail", 2); });
  EXPECT_EQ(PriceRows(bolt, id), 1);
  EXPECT_EQ(PriceRows(washer, id), 1);
  EXPECT_DOUBLE_EQ(ReadDouble(L"SELECT PRICE FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + std::to_wstring(washer)),
                   4.5);
}

TEST_F(PriceListDetailsTest, ANameOfWhiteSpaceOnlyIsRefusedAndNothingIsWritten) {
  StoredItem(L"Bolt");
  PriceListDetails details(m_changes);
  details.Fill(0, false);
  SetPrices(details, {0}, 1.0);
  Invoice::PriceGroup group(0);
  std::optional<std::wstring> refusal;
  Committed([&] { refusal = details.Save(group, L" \t ", 1); });
  ASSERT_TRUE(refusal);
  EXPECT_EQ(*refusal, L"You must enter a name for the Price List!");
  EXPECT_EQ(Count(L"PRICE_GROUP", L"1 = 1"), 0);
  EXPECT_EQ(Count(L"PRICE_LIST", L"1 = 1"), 0);
}

TEST_F(PriceListDetailsTest, ASavedListIsDeletedWithItsPricesUnlessAClientUsesIt) {
  const int bolt = StoredItem(L"Bolt");
  PriceListDetails details(m_changes);
  details.Fill(0, false);
  SetPrices(details, {0}, 1.0);
  Invoice::PriceGroup used(0);
  Committed([&] { details.Save(used, L"Clients", 2); });
  Invoice::Company client;
  client.SetName(L"Acme");
  client.SetPriceGroupId(used.GetId());
  Committed([&] { client.Save(); });
  const std::wstring refusal = FailureText([&] { Committed([&] { Invoice::PriceGroup(used.GetId()).Delete(); }); });
  EXPECT_EQ(refusal, L"Price List is used in one (or more) Client(s) as a default Price List and can not be deleted!");
  EXPECT_EQ(PriceRows(bolt, used.GetId()), 1);

  client.SetPriceGroupId(0);
  Committed([&] { client.Save(); });
  Committed([&] { Invoice::PriceGroup(used.GetId()).Delete(); });
  EXPECT_EQ(Count(L"PRICE_GROUP", L"1 = 1"), 0);
  EXPECT_EQ(PriceRows(bolt, used.GetId()), 0);
}

// A save of a new list that is rolled back (a failed save): the prices set
// meanwhile still show, and pricing again and saving stores one row each.
TEST_F(PriceListDetailsTest, PricesOfANewListOutliveAFailedSaveAndAreStoredOnce) {
  const int bolt = StoredItem(L"Bolt");
  const int nut = StoredItem(L"Nut");
  PriceListDetails details(m_changes);
  details.Fill(0, false);
  SetPrices(details, {0, 1}, 2.0);
  Invoice::PriceGroup group(0);
  {
    TransactionScope failed;
    ASSERT_FALSE(details.Save(group, L"Retail", 2));
  }  // not committed: rolled back
  ASSERT_EQ(group.GetId(), 0);
  EXPECT_EQ(Count(L"PRICE_LIST", L"1 = 1"), 0);

  details.Fill(0, true);
  EXPECT_EQ(Cells(details), (std::vector<std::wstring>{L"Bolt=" + Shown(2.0), L"Nut=" + Shown(2.0)}));
  SetPrices(details, {0}, 3.0);
  EXPECT_EQ(m_changes.Size(), 2u);
  Committed([&] { details.Save(group, L"Retail", 2); });
  EXPECT_EQ(Count(L"PRICE_LIST", L"1 = 1"), 2);
  EXPECT_EQ(PriceRows(bolt, group.GetId()), 1);
  EXPECT_EQ(PriceRows(nut, group.GetId()), 1);
  EXPECT_DOUBLE_EQ(
      ReadDouble(L"SELECT PRICE FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + std::to_wstring(bolt)), 3.0);
}

// The same missing price set in the item form's Prices page and in the price
// list form, both then saved: the second save changes the row the first one
// stored, which keeps its discount.
TEST_F(PriceListDetailsTest, APriceSetInTwoFormsIsStoredInOneRow) {
  const int bolt = StoredItem(L"Bolt");
  Invoice::PriceGroup group(0);
  group.SetName(L"Retail");
  Committed([&] { group.Save(); });
  const int listId = group.GetId();

  PriceListDetails listForm(m_changes);
  listForm.Fill(listId, false);
  ChangeSet itemPage;
  PendingPrices itemPrices(itemPage);
  itemPrices.BeginFill(true);
  const PriceRow shown = itemPrices.Show(group.GetItemPrice(bolt), bolt, listId);
  ASSERT_FALSE(shown.defined);
  SetPrices(itemPrices.RowsToEdit({shown}), 2.0, itemPage);
  SetPrices(listForm, {0}, 3.0);

  Committed([&] { listForm.Save(group, L"Retail", 2); });
  Committed([&] {
    ExecuteSql(L"UPDATE PRICE_LIST SET DISCOUNT_PERCENT = 4 WHERE ITEM_OBJECT_ID = " + std::to_wstring(bolt));
  });
  Committed([&] { itemPage.Apply(); });
  EXPECT_EQ(PriceRows(bolt, listId), 1);
  EXPECT_DOUBLE_EQ(
      ReadDouble(L"SELECT PRICE FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + std::to_wstring(bolt)), 2.0);
  EXPECT_DOUBLE_EQ(
      ReadDouble(L"SELECT DISCOUNT_PERCENT FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + std::to_wstring(bolt)),
      4.0);
}

}  // namespace
}  // namespace corvane::test
