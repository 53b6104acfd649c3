// The change-price arithmetic, its stored way, its one-step recording, and
// the pending price rows that the item and price-list forms edit with it.
#include <gtest/gtest.h>

#include <vector>

#include "StockFixture.h"
#include "common/RegistryHelpers.h"
#include "forms/items/EditPriceLogic.h"
#include "forms/items/PendingPrices.h"
#include "shell/ui/InstallSettings.h"

namespace {

using corvane::test::StockTest;

struct PriceCase {
  int32_t mode;
  double value;
  double expected10;
  double expected20;
};

class NewPriceTest : public ::testing::TestWithParam<PriceCase> {};

TEST_P(NewPriceTest, EachWayChangesEachPriceByItsOwnAmount) {
  const PriceCase& c = GetParam();
  EXPECT_DOUBLE_EQ(EditPriceLogic::NewPrice(c.mode, 10.0, c.value), c.expected10);
  EXPECT_DOUBLE_EQ(EditPriceLogic::NewPrice(c.mode, 20.0, c.value), c.expected20);
}

INSTANTIATE_TEST_SUITE_P(Ways, NewPriceTest,
                         ::testing::Values(PriceCase{EditPriceLogic::kEqual, 7.5, 7.5, 7.5},
                                           PriceCase{EditPriceLogic::kGrow, 10.0, 20.0, 30.0},
                                           PriceCase{EditPriceLogic::kLower, 25.0, -15.0, -5.0},
                                           PriceCase{EditPriceLogic::kGrowPercent, 10.0, 11.0, 22.0},
                                           PriceCase{EditPriceLogic::kLowerPercent, 10.0, 9.0, 18.0}));

class EditPriceTest : public StockTest {
protected:
  static void StoreMode(uint32_t mode) { RegWriteDword(kSettingsKey, L"DefEditPriceOption", mode); }
  static uint32_t StoredMode() {
    uint32_t mode = 99;
    return RegReadDword(kSettingsKey, L"DefEditPriceOption", &mode) == kRegSuccess ? mode : 99;
  }
  static Invoice::PriceList NewRow(int itemId, int groupId, double price) {
    Invoice::PriceList row;
    row.SetItemId(itemId);
    row.SetPriceGroupId(groupId);
    row.SetPrice(price);
    return row;
  }
  int PriceRows(int itemId, int groupId) {
    return Count(L"PRICE_LIST", L"ITEM_OBJECT_ID = " + std::to_wstring(itemId) +
                                    L" AND PRICE_GROUP_OBJECT_ID = " + std::to_wstring(groupId));
  }
  double StoredPrice(int itemId, int groupId) {
    return ReadDouble(L"SELECT PRICE FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + std::to_wstring(itemId) +
                      L" AND PRICE_GROUP_OBJECT_ID = " + std::to_wstring(groupId));
  }
  // The shown rows of the item in both lists, as the prices page fills them.
  std::vector<PriceRow> Fill(PendingPrices& prices, int itemId, bool reload) {
    prices.BeginFill(reload);
    std::vector<std::pair<Invoice::PriceGroup, Invoice::PriceList>> pairs;
    Invoice::Item(itemId).GetPricesPerGroup(pairs);
    std::vector<PriceRow> rows;
    for (const auto& [group, row] : pairs) rows.push_back(prices.Show(row, itemId, group.GetId()));
    return rows;
  }

  ChangeSet m_changes;
};

TEST_F(EditPriceTest, TheStoredWayIsOfferedAndAnUnknownOneMeansEqual) {
  std::vector<Invoice::PriceList> rows;
  EXPECT_EQ(EditPriceLogic(nullptr, 0.0, &rows).GetMode(), EditPriceLogic::kEqual);  // nothing stored
  StoreMode(EditPriceLogic::kLower);
  EXPECT_EQ(EditPriceLogic(nullptr, 0.0, &rows).GetMode(), EditPriceLogic::kLower);
  StoreMode(7);
  EXPECT_EQ(EditPriceLogic(nullptr, 0.0, &rows).GetMode(), EditPriceLogic::kEqual);
}

TEST_F(EditPriceTest, ApplyChangesEveryRowRecordsItAndKeepsTheWay) {
  std::vector<Invoice::PriceList> rows{NewRow(1, 2, 10.0), NewRow(1, 3, 20.0)};
  EditPriceLogic logic(&m_changes, 25.0, &rows);
  logic.SetMode(EditPriceLogic::kLower);
  logic.Apply();

  EXPECT_DOUBLE_EQ(rows[0].GetPrice(), -15.0);
  EXPECT_DOUBLE_EQ(rows[1].GetPrice(), -5.0);
  ASSERT_EQ(m_changes.Size(), 2u);
  for (const Invoice::PriceList& row : rows) {
    EXPECT_LT(row.GetObjectId(), 0);
    const auto* held = dynamic_cast<const Invoice::PriceList*>(m_changes.Find(row.GetObjectId()));
    ASSERT_NE(held, nullptr);
    EXPECT_DOUBLE_EQ(held->GetPrice(), row.GetPrice());
    EXPECT_EQ(m_changes.GetState(row.GetObjectId()), ChangeSet::kUpdated);
  }
  EXPECT_EQ(StoredMode(), static_cast<uint32_t>(EditPriceLogic::kLower));
}

TEST_F(EditPriceTest, AFailurePartWayChangesNoRowSoASecondApplyChangesEachPriceOnce) {
  const int item = StoredItem(L"Bolt");
  const int list = NewPriceGroup(L"Retail", 2);
  SetPrice(list, item, 20.0, 0.0);
  Invoice::PriceList stale;
  {
    std::vector<std::pair<Invoice::PriceGroup, Invoice::PriceList>> pairs;
    Invoice::Item(item).GetPricesPerGroup(pairs);
    stale = pairs.at(0).second;
  }
  // Someone else removes the stored price meanwhile: its copy cannot be made.
  Committed([&] { Invoice::PriceList(stale).Delete(); });
  StoreMode(EditPriceLogic::kEqual);

  std::vector<Invoice::PriceList> rows{NewRow(item, list + 1000, 10.0), stale};
  EditPriceLogic logic(&m_changes, 10.0, &rows);
  logic.SetMode(EditPriceLogic::kGrowPercent);
  EXPECT_THROW(logic.Apply(), Invoice::DbException);

  EXPECT_TRUE(m_changes.IsEmpty());
  EXPECT_EQ(rows[0].GetObjectId(), 0);
  EXPECT_DOUBLE_EQ(rows[0].GetPrice(), 10.0);
  EXPECT_DOUBLE_EQ(rows[1].GetPrice(), 20.0);
  EXPECT_EQ(StoredMode(), static_cast<uint32_t>(EditPriceLogic::kEqual));

  // Without the vanished row the same OK grows the price once.
  rows.pop_back();
  logic.Apply();
  EXPECT_DOUBLE_EQ(rows[0].GetPrice(), 11.0);
}

TEST_F(EditPriceTest, AStoredPriceShowsAndAMissingOneIsNotDefined) {
  const int item = StoredItem(L"Bolt");
  const int retail = NewPriceGroup(L"Retail", 2);
  const int wholesale = NewPriceGroup(L"Wholesale", 2);
  SetPrice(retail, item, 12.5, 0.0);
  PendingPrices prices(m_changes);

  const std::vector<PriceRow> rows = Fill(prices, item, true);
  ASSERT_EQ(rows.size(), 2u);  // by list name
  EXPECT_EQ(rows[0].key, (PriceKey{retail, item}));
  EXPECT_TRUE(rows[0].defined);
  EXPECT_DOUBLE_EQ(rows[0].price, 12.5);
  EXPECT_GT(rows[0].objectId, 0);
  EXPECT_EQ(m_changes.GetState(rows[0].objectId), ChangeSet::kUnchanged);
  EXPECT_EQ(rows[1].key, (PriceKey{wholesale, item}));
  EXPECT_FALSE(rows[1].defined);
  EXPECT_EQ(rows[1].objectId, 0);
  EXPECT_DOUBLE_EQ(PendingPrices::StartingValue({rows[0]}), 12.5);
  EXPECT_DOUBLE_EQ(PendingPrices::StartingValue({rows[1]}), 0.0);
  EXPECT_DOUBLE_EQ(PendingPrices::StartingValue(rows), 0.0);
}

TEST_F(EditPriceTest, EditingAPendingPriceAgainEditsThatRowSoTheSaveStoresOne) {
  const int item = StoredItem(L"Bolt");
  const int list = NewPriceGroup(L"Retail", 2);
  PendingPrices prices(m_changes);
  const std::vector<PriceRow> before = Fill(prices, item, true);

  auto change = [&](const std::vector<PriceRow>& selected, double value) {
    std::vector<Invoice::PriceList> edited = prices.RowsToEdit(selected);
    EditPriceLogic logic(&m_changes, value, &edited);
    logic.SetMode(EditPriceLogic::kEqual);
    logic.Apply();
  };
  change({before[0]}, 5.0);
  std::vector<PriceRow> after = Fill(prices, item, false);
  EXPECT_LT(after[0].objectId, 0);
  EXPECT_DOUBLE_EQ(after[0].price, 5.0);

  change({after[0]}, 7.0);
  change({before[0]}, 8.0);  // a row shown before the first change, too
  after = Fill(prices, item, false);
  EXPECT_DOUBLE_EQ(after[0].price, 8.0);
  EXPECT_EQ(m_changes.Size(), 1u);

  EXPECT_EQ(ApplyCommitted(m_changes), L"");
  EXPECT_EQ(PriceRows(item, list), 1);
  EXPECT_DOUBLE_EQ(StoredPrice(item, list), 8.0);
}

TEST_F(EditPriceTest, AStoredPriceEditedTwiceIsSavedOnceWithTheLastPrice) {
  const int item = StoredItem(L"Bolt");
  const int list = NewPriceGroup(L"Retail", 2);
  SetPrice(list, item, 10.0, 0.0);
  PendingPrices prices(m_changes);
  for (double value : {10.0, 10.0}) {
    std::vector<Invoice::PriceList> edited = prices.RowsToEdit(Fill(prices, item, m_changes.IsEmpty()));
    EditPriceLogic logic(&m_changes, value, &edited);
    logic.SetMode(EditPriceLogic::kGrowPercent);
    logic.Apply();
  }
  EXPECT_EQ(ApplyCommitted(m_changes), L"");
  EXPECT_EQ(PriceRows(item, list), 1);
  EXPECT_DOUBLE_EQ(StoredPrice(item, list), 12.1);
}

}  // namespace
