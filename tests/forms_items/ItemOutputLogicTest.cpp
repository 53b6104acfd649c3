#include "forms/items/ItemOutputLogic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StockFixture.h"
#include "forms/dialogs/SearchQuery.h"

namespace {

using corvane::test::SearchRecorder;
using Invoice::ItemOutput;

class ItemOutputLogicTest : public corvane::test::StockTest {
protected:
  // An outcome pending in the change set as a list holding stored lines has it.
  int PendingStoredOutcome(int itemId, double pieces, int type, int invoiceId) {
    int id = 0;
    Committed([&] {
      Receive(itemId, 100.0);
      id = Issue(itemId, pieces, invoiceId);
    });
    ItemOutput line(id);
    line.SetOutputDestType(type);
    line.SetBasePrice(9.0);
    m_changes.Update(line);
    return id;
  }

  ChangeSet m_changes;
  std::vector<long> m_none;
};

TEST_F(ItemOutputLogicTest, ThePriceListsDiscountWinsOverTheCallersDefault) {
  const int tax = NewTax(L"VAT", 5.0);
  const int bolt = StoredItem(L"Bolt", Invoice::kSourceTrading, 0, tax, 2.0);
  const int nut = StoredItem(L"Nut");
  const int prices = NewPriceGroup(L"Retail", 2);
  SetPrice(prices, bolt, 1.5, 3.0);
  SetPrice(prices, nut, 0.25, 0.0);
  struct Case {
    int itemId;
    int priceGroupId;
    double defaultDiscount;
    double price, discount;
  };
  for (const Case c : {Case{bolt, prices, 5.0, 1.5, 3.0}, Case{nut, prices, 5.0, 0.25, 5.0},
                       Case{nut, prices, 0.0, 0.25, 0.0}, Case{bolt, 0, 5.0, 0.0, 5.0}}) {
    std::vector<long> presets{c.itemId};
    ItemOutputLogic logic(&m_changes, 0, &presets, Invoice::kDestRetail, c.priceGroupId, c.defaultDiscount);
    ASSERT_TRUE(logic.Open({}));
    EXPECT_EQ(logic.GetPrice(), c.price) << c.itemId << " in " << c.priceGroupId;
    EXPECT_EQ(logic.GetDiscountPercent(), c.discount) << c.itemId << " in " << c.priceGroupId;
  }
  std::vector<long> presets{bolt};
  ItemOutputLogic logic(&m_changes, 0, &presets, Invoice::kDestRetail, prices, 0.0);
  ASSERT_TRUE(logic.Open({}));
  EXPECT_EQ(logic.GetTaxPercent(), 5.0);
  EXPECT_EQ(logic.GetBaseUnit(), 2.0);
  EXPECT_EQ(logic.GetCaption(), L"Item's Outcome - New");
}

TEST_F(ItemOutputLogicTest, TheTypeListOffersInvoiceOnlyToAnInvoiceCaller) {
  const int bolt = StoredItem(L"Bolt");
  std::vector<long> presets{bolt};
  const std::vector<StockListEntry> plain{{L"Retail", 1}, {L"Waste", 4}, {L"Manufacturing", 3}};
  const std::vector<StockListEntry> withInvoice{
      {L"Retail", 1}, {L"Invoice", 2}, {L"Waste", 4}, {L"Manufacturing", 3}};
  struct Case {
    int callerType;
    int type;
    bool enabled;
  };
  for (const Case c :
       {Case{0, 1, true}, Case{7, 1, true}, Case{4, 4, true}, Case{3, 3, true}, Case{2, 2, false}}) {
    ItemOutputLogic logic(&m_changes, 0, &presets, c.callerType, 0, 0.0);
    ASSERT_TRUE(logic.Open({}));
    EXPECT_EQ(logic.GetType(), c.type) << c.callerType;
    EXPECT_EQ(logic.IsTypeListEnabled(), c.enabled) << c.callerType;
    EXPECT_EQ(logic.GetTypes(), c.callerType == 2 ? withInvoice : plain) << c.callerType;
  }
}

// Edited, a line is offered the types it may have: "Invoice" only when it is
// an invoice's line, whatever the caller passed (the outcome page passes
// "Invoice" for every line it edits).
TEST_F(ItemOutputLogicTest, AnEditedLineIsOfferedInvoiceOnlyWhenItIsOne) {
  const int bolt = StoredItem(L"Bolt");
  const std::vector<StockListEntry> plain{{L"Retail", 1}, {L"Waste", 4}, {L"Manufacturing", 3}};
  const std::vector<StockListEntry> withInvoice{
      {L"Retail", 1}, {L"Invoice", 2}, {L"Waste", 4}, {L"Manufacturing", 3}};
  for (const int lineType :
       {Invoice::kDestRetail, Invoice::kDestWaste, Invoice::kDestManufacturing, Invoice::kDestInvoice}) {
    for (const int callerType : {int{Invoice::kDestInvoice}, 0}) {
      m_changes.Clear();
      const int id = PendingStoredOutcome(bolt, 1.0, lineType, 0);
      ItemOutputLogic logic(&m_changes, id, &m_none, callerType, 0, 0.0);
      ASSERT_TRUE(logic.Open({}));
      const bool invoiceLine = lineType == Invoice::kDestInvoice;
      EXPECT_EQ(logic.GetTypes(), invoiceLine ? withInvoice : plain) << lineType << " from " << callerType;
      EXPECT_EQ(logic.GetType(), lineType);
      EXPECT_EQ(logic.IsTypeListEnabled(), !invoiceLine) << lineType << " from " << callerType;
    }
  }
}

TEST_F(ItemOutputLogicTest, OkRefusesAMissingItemQuantityOrType) {
  const int bolt = StoredItem(L"Bolt");
  std::vector<long> presets{bolt};
  ItemOutputLogic logic(&m_changes, 0, &presets, Invoice::kDestRetail, 0, 0.0);
  ASSERT_TRUE(logic.Open({}));
  EXPECT_EQ(logic.Validate(), L"There is no Quantity specified.");
  logic.SetQuantity(-3.0);
  EXPECT_EQ(logic.Validate(), L"");
  logic.SetQuantity(0.001);
  logic.SetType(0);
  EXPECT_EQ(logic.Validate(), L"There is no Output type specified.");

  std::vector<long> zero{0};
  ItemOutputLogic noItem(&m_changes, 0, &zero, 0, 0, 0.0);
  ASSERT_FALSE(noItem.Open({}));
  EXPECT_EQ(noItem.Validate(), L"There is no Item seleced.");
}

TEST_F(ItemOutputLogicTest, ANewOutcomeIsRecordedUnderATemporaryIdOnNoInvoice) {
  const int kg = NewMeasurement(L"Kilogram", L"kg");
  const int sugar = StoredItem(L"Sugar", Invoice::kSourceTrading, kg, 0, 0.5);
  Committed([&] { Receive(sugar, 100.0); });
  SetSetting(SetQuantityMethod, 1);
  std::vector<long> presets{sugar};
  ItemOutputLogic logic(&m_changes, 0, &presets, Invoice::kDestWaste, 0, 0.0);
  ASSERT_TRUE(logic.Open({}));
  logic.SetQuantity(3.0);  // kilograms
  logic.SetPrice(2.0);
  logic.Recalculate();
  EXPECT_EQ(logic.GetPieces(), 6.0);
  EXPECT_EQ(logic.GetTotal(), 12.0);
  logic.Save();
  EXPECT_LT(logic.GetLineId(), 0);
  const auto* recorded = dynamic_cast<const ItemOutput*>(m_changes.Find(logic.GetLineId()));
  ASSERT_NE(recorded, nullptr);
  EXPECT_EQ(recorded->GetInvoiceId(), 0);
  EXPECT_EQ(recorded->GetOutputDestType(), Invoice::kDestWaste);
  EXPECT_EQ(recorded->GetQuantity(), 6.0);
  EXPECT_EQ(recorded->GetMeasurement(), L"kg");

  EXPECT_EQ(ApplyCommitted(m_changes), L"");
  EXPECT_EQ(Stock(sugar), 94.0);
}

TEST_F(ItemOutputLogicTest, EditingAnInvoiceLineKeepsItsIdAndItsInvoice) {
  const int bolt = StoredItem(L"Bolt");
  const int id = PendingStoredOutcome(bolt, 4.0, Invoice::kDestInvoice, 0);
  // The invoice a pending line belongs to; OK must not untie the line from it.
  ItemOutput onInvoice(*dynamic_cast<const ItemOutput*>(m_changes.Find(id)));
  onInvoice.SetInvoiceId(4711);
  m_changes.Update(onInvoice);

  ItemOutputLogic logic(&m_changes, id, &m_none, Invoice::kDestInvoice, 0, 0.0);
  ASSERT_TRUE(logic.Open({}));
  EXPECT_EQ(logic.GetCaption(), L"Item's Outcome - Edit");
  EXPECT_FALSE(logic.CanChooseItem());
  EXPECT_EQ(logic.GetPrice(), 9.0);
  EXPECT_EQ(logic.GetPieces(), 4.0);
  EXPECT_EQ(logic.GetType(), Invoice::kDestInvoice);
  EXPECT_FALSE(logic.IsTypeListEnabled());
  logic.SetQuantity(5.0);
  logic.Recalculate();
  ASSERT_EQ(logic.Validate(), L"");
  logic.Save();

  EXPECT_EQ(logic.GetLineId(), id);
  const auto* recorded = dynamic_cast<const ItemOutput*>(m_changes.Find(id));
  ASSERT_NE(recorded, nullptr);
  EXPECT_EQ(recorded->GetInvoiceId(), 4711);
  EXPECT_EQ(recorded->GetQuantity(), 5.0);
  EXPECT_EQ(recorded->GetOutputDestType(), Invoice::kDestInvoice);
  EXPECT_EQ(m_changes.Size(), 1u);
}

TEST_F(ItemOutputLogicTest, AnInvoiceLineEditedByAnotherCallerKeepsItsType) {
  const int bolt = StoredItem(L"Bolt");
  const int id = PendingStoredOutcome(bolt, 4.0, Invoice::kDestInvoice, 0);
  ItemOutputLogic logic(&m_changes, id, &m_none, Invoice::kDestRetail, 0, 0.0);
  ASSERT_TRUE(logic.Open({}));
  // The line shows its own type, in a list that cannot change it.
  EXPECT_EQ(logic.GetTypes()[1], (StockListEntry{L"Invoice", Invoice::kDestInvoice}));
  EXPECT_EQ(logic.GetType(), Invoice::kDestInvoice);
  EXPECT_FALSE(logic.IsTypeListEnabled());
  logic.Save();
  EXPECT_EQ(dynamic_cast<const ItemOutput*>(m_changes.Find(id))->GetOutputDestType(), Invoice::kDestInvoice);
}

TEST_F(ItemOutputLogicTest, TheSearchUsesTheItemModeOfOutcomesAndThePriceList) {
  const int a = StoredItem(L"A");
  const int b = StoredItem(L"B");
  const int prices = NewPriceGroup(L"Retail", 2);
  std::vector<long> two{a, b};
  ItemOutputLogic chooser(&m_changes, 0, &two, Invoice::kDestRetail, prices, 0.0);
  SearchRecorder search({a, 0, b});
  ASSERT_TRUE(chooser.Open(search.Search()));
  EXPECT_EQ(search.Requests()[0].mode, kSearchPriceListItems);
  EXPECT_EQ(search.Requests()[0].presetIds, (std::vector<int32_t>{a, b}));

  // "...": over all items with the price list; a cancelled search keeps the item.
  EXPECT_FALSE(chooser.ChooseAnotherItem(search.Search()));
  EXPECT_EQ(chooser.GetItemId(), a);
  EXPECT_TRUE(chooser.ChooseAnotherItem(search.Search()));
  EXPECT_EQ(chooser.GetItemId(), b);
  EXPECT_TRUE(search.Requests()[2].presetIds.empty());
  EXPECT_EQ(search.Requests()[2].priceGroupId, prices);

  // Outcomes take any item: nothing is refused.
  const int repair = StoredItem(L"Repair", Invoice::kSourceService);
  ItemOutputLogic service(&m_changes, 0, &m_none, Invoice::kDestRetail, 0, 0.0);
  SearchRecorder serviceSearch({repair});
  EXPECT_TRUE(service.Open(serviceSearch.Search()));
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(ItemOutputLogicTest, TheUnitListIsSortedAndSelectedByCode) {
  const int box = NewMeasurement(L"Box", L"bx");
  const int tonne = NewMeasurement(L"tonne", L"t");
  SetSetting(SetQuantityMethod, 1);
  for (const auto& [measurement, first] : {std::pair{box, L"Box"}, std::pair{tonne, L"Pieces"}}) {
    std::vector<long> presets{StoredItem(L"Item", Invoice::kSourceTrading, measurement, 0, 10.0)};
    ItemOutputLogic logic(&m_changes, 0, &presets, Invoice::kDestRetail, 0, 0.0);
    ASSERT_TRUE(logic.Open({}));
    ASSERT_EQ(logic.GetUnits().size(), 2u);
    EXPECT_EQ(logic.GetUnits()[0].text, first);
    EXPECT_EQ(logic.GetUnit(), kUnitMeasurement);
  }
}

TEST_F(ItemOutputLogicTest, ALoadFailureIsShownAndTheDialogGoesOn) {
  ItemOutputLogic logic(&m_changes, 999999, &m_none, Invoice::kDestRetail, 0, 0.0);
  ASSERT_TRUE(logic.Open({}));
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(m_messages.Shown()[0].style & platform::MB_ICONERROR, platform::MB_ICONERROR);
  EXPECT_EQ(logic.GetItemName(), L"");
}

}  // namespace
