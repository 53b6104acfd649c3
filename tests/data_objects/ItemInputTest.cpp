#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectsFixture.h"
#include "data/objects/ItemDepMod.h"

namespace {

using corvane::test::FailureText;
using Invoice::ItemInput;
using Invoice::ItemOutput;

class ItemInputTest : public corvane::test::ObjectsTest {
protected:
  // A manufactured item M whose every `trigger` received issues `perTrigger`
  // of the ingredient D, which holds 100 on stock.
  void MakeRecipe(double trigger, double perTrigger) {
    m_made = NewItem(L"Table", Invoice::kSourceManufacturing).GetId();
    m_part = NewItem(L"Leg").GetId();
    Receive(m_part, 100.0);
    AddIngredient(m_made, m_part, trigger, perTrigger);
  }
  double Carried() { return Invoice::ItemDepMod::ForDependentItem(m_part).GetModQuantity(); }
  // The automatic issue lines drawn from a receipt.
  std::vector<ItemOutput> IssuesOf(int receiptId) {
    std::vector<ItemOutput> outputs;
    ItemInput(receiptId).GetOutputs(outputs);
    return outputs;
  }

  int m_made = 0;
  int m_part = 0;
};

TEST_F(ItemInputTest, ReceiptsAddTheirQuantityToTheStock) {
  TransactionScope scope;
  const int bolt = NewItem(L"Bolt").GetId();
  Receive(bolt, 10.0);
  Receive(bolt, 2.5);
  Receive(bolt, 0.0);
  EXPECT_EQ(Stock(bolt), 12.5);
  EXPECT_EQ(Count(L"ITEM_INPUT", L"ITEM_OBJECT_ID = " + std::to_wstring(bolt)), 3);
}

TEST_F(ItemInputTest, ItemsWithoutStockTakeNoReceipts) {
  TransactionScope scope;
  const int root = NewGroup(L"Services", 0, Invoice::kSourceService).GetId();
  const int sub = NewGroup(L"Repairs", root, Invoice::kSourceTrading).GetId();
  const int items[] = {
      NewItem(L"Repair", Invoice::kSourceService).GetId(),
      NewItem(L"Fix", Invoice::kSourceTrading, sub).GetId(),  // the top-level group decides
      0,                                                      // no item at all
  };
  for (int item : items) {
    EXPECT_EQ(FailureText([&] { Receive(item, 1.0); }), L"Selected Item does not support input.") << item;
  }
  EXPECT_EQ(CountRows(L"ITEM_INPUT"), 0);
}

TEST_F(ItemInputTest, ResavingAReceiptMovesStockByTheDifferenceUnderANewId) {
  TransactionScope scope;
  const int bolt = NewItem(L"Bolt").GetId();
  ItemInput line(Receive(bolt, 10.0));
  const int firstId = line.GetId();
  line.SetQuantity(12.0);
  line.Save();
  EXPECT_EQ(Stock(bolt), 12.0);
  EXPECT_NE(line.GetId(), firstId);
  EXPECT_EQ(CountRows(L"ITEM_INPUT"), 1);
  EXPECT_EQ(Count(L"OBJECTS", L"OBJECT_ID = " + std::to_wstring(firstId)), 0);
}

TEST_F(ItemInputTest, LoweringAReceiptBelowWhatWasIssuedIsRefused) {
  TransactionScope scope;
  const int bolt = NewItem(L"Bolt").GetId();
  ItemInput line(Receive(bolt, 10.0));
  Issue(bolt, 8.0);
  line.SetQuantity(5.0);
  EXPECT_EQ(FailureText([&] { line.Save(); }), L"Missing items on stock for 'Bolt'");
}

// A refused re-save is rolled back: the line names its stored row again, so
// that saving it once more replaces that row instead of adding a second one.
TEST_F(ItemInputTest, ARefusedResaveLeavesTheLineOnItsStoredRow) {
  int bolt = 0, receiptId = 0, issueId = 0;
  Committed([&] {
    bolt = NewItem(L"Bolt").GetId();
    receiptId = Receive(bolt, 5.0);
    issueId = Issue(bolt, 3.0);
  });
  ItemInput line(receiptId);
  line.SetQuantity(6.0);
  {
    TransactionScope scope;  // taking the 5 off again would leave -3
    EXPECT_EQ(FailureText([&] { line.Save(); }), L"Missing items on stock for 'Bolt'");
  }
  EXPECT_EQ(line.GetId(), receiptId);
  EXPECT_TRUE(line.IsStored());

  Committed([&] {
    ItemOutput(issueId).Delete();
    line.Save();
  });
  EXPECT_EQ(CountRows(L"ITEM_INPUT"), 1);
  EXPECT_EQ(Stock(bolt), 6.0);
  EXPECT_NE(line.GetId(), receiptId);
  EXPECT_EQ(Count(L"ITEM_INPUT", L"OBJECT_ID = " + std::to_wstring(line.GetId())), 1);
}

TEST_F(ItemInputTest, AManufacturedReceiptIssuesWholeTriggersAndCarriesTheRest) {
  TransactionScope scope;
  MakeRecipe(10.0, 1.0);
  const int first = Receive(m_made, 25.0);
  EXPECT_EQ(Stock(m_made), 25.0);
  EXPECT_EQ(Stock(m_part), 98.0);
  EXPECT_EQ(Carried(), 5.0);
  const std::vector<ItemOutput> issues = IssuesOf(first);
  ASSERT_EQ(issues.size(), 1u);
  EXPECT_EQ(issues[0].GetItemId(), m_part);
  EXPECT_EQ(issues[0].GetQuantity(), 2.0);
  EXPECT_EQ(issues[0].GetOutputDestType(), Invoice::kDestManufacturing);
  EXPECT_EQ(issues[0].GetItemInputId(), first);

  const int second = Receive(m_made, 5.0);
  EXPECT_EQ(Stock(m_part), 97.0);
  EXPECT_EQ(Carried(), 0.0);
  EXPECT_EQ(IssuesOf(second).size(), 1u);
  // One carried row per ingredient, updated in place.
  EXPECT_EQ(Count(L"ITEM_DEP_MOD", L"DEP_ITEM_OBJECT_ID = " + std::to_wstring(m_part)), 1);
}

TEST_F(ItemInputTest, ATriggerBelowOneIssuesNothingAndCarriesTheTotal) {
  TransactionScope scope;
  MakeRecipe(0.5, 1.0);
  const int receipt = Receive(m_made, 3.0);
  EXPECT_EQ(Stock(m_made), 3.0);
  EXPECT_EQ(Stock(m_part), 100.0);
  EXPECT_TRUE(IssuesOf(receipt).empty());
  EXPECT_EQ(Carried(), 3.0);
  Receive(m_made, 2.0);
  EXPECT_EQ(Carried(), 5.0);
}

TEST_F(ItemInputTest, DeletingAPartlyIssuedReceiptRemovesItsIssuesFirst) {
  TransactionScope scope;
  MakeRecipe(10.0, 3.0);
  const int receipt = Receive(m_made, 20.0);
  EXPECT_EQ(Stock(m_part), 94.0);
  ItemInput(receipt).Delete();
  EXPECT_EQ(Stock(m_part), 100.0);
  EXPECT_EQ(Stock(m_made), 0.0);
  EXPECT_EQ(CountRows(L"ITEM_OUTPUT"), 0);
  EXPECT_EQ(Count(L"ITEM_INPUT", L"OBJECT_ID = " + std::to_wstring(receipt)), 0);
  EXPECT_EQ(Carried(), 0.0);
}

TEST_F(ItemInputTest, DeletingAReceiptWhoseStockIsGoneIsRefused) {
  int bolt = 0, receipt = 0;
  Committed([&] {
    bolt = NewItem(L"Bolt").GetId();
    receipt = Receive(bolt, 10.0);
    Issue(bolt, 7.0);
  });
  {
    TransactionScope scope;
    EXPECT_EQ(FailureText([&] { ItemInput(receipt).Delete(); }), L"Missing items on stock for 'Bolt'");
  }
  EXPECT_EQ(Stock(bolt), 3.0);
  EXPECT_EQ(Count(L"ITEM_INPUT", L"OBJECT_ID = " + std::to_wstring(receipt)), 1);
}

// A receipt stays removable when its item later became a service.
TEST_F(ItemInputTest, AReceiptOfAnItemTurnedServiceCanStillBeDeleted) {
  TransactionScope scope;
  Invoice::Item item = NewItem(L"Bolt");
  const int receipt = Receive(item.GetId(), 4.0);
  item.SetDefInputSourceType(Invoice::kSourceService);
  item.Save();
  ItemInput(receipt).Delete();
  EXPECT_EQ(Stock(item.GetId()), 0.0);
  EXPECT_EQ(CountRows(L"ITEM_INPUT"), 0);
}

TEST_F(ItemInputTest, StockFailuresInsideAnIngredientIssueRollBackTheReceipt) {
  Committed([&] { MakeRecipe(1.0, 1.0); });  // Leg holds 100
  {
    TransactionScope scope;
    EXPECT_EQ(FailureText([&] { Receive(m_made, 150.0); }), L"Missing items on stock for 'Leg'");
  }
  EXPECT_EQ(Stock(m_made), 0.0);
  EXPECT_EQ(Stock(m_part), 100.0);
  EXPECT_EQ(CountRows(L"ITEM_INPUT"), 1);  // the Leg receipt only
}

}  // namespace
