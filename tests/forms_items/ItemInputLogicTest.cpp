#include "forms/items/ItemInputLogic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StockFixture.h"
#include "forms/dialogs/SearchQuery.h"
#include "platform/LocaleFormat.h"
#include "common/ui/AmountFormat.h"

namespace {

using corvane::test::SearchRecorder;
using Invoice::ItemInput;

class ItemInputLogicTest : public corvane::test::StockTest {
protected:
  void SetUp() override {
    StockTest::SetUp();
    m_kg = NewMeasurement(L"Kilogram", L"kg");
    m_vat = NewTax(L"VAT", 18.0);
  }

  // A stored income of the item, committed; its id.
  int StoredIncome(int itemId, double pieces, int type = Invoice::kSourceTrading, int invoiceId = 0) {
    ItemInput income;
    income.SetItemId(itemId);
    income.SetQuantity(pieces);
    income.SetBasePrice(4.0);
    income.SetTaxPercent(5.0);
    income.SetDiscountPercent(1.0);
    income.SetMeasurement(L"kg");
    income.SetBaseUnit(0.5);
    income.SetInputSourceType(type);
    income.SetInvoiceId(invoiceId);
    Committed([&] { income.Save(); });
    return income.GetId();
  }

  int m_kg = 0;
  int m_vat = 0;
  ChangeSet m_changes;
  std::vector<long> m_none;
};

TEST_F(ItemInputLogicTest, ANewIncomeOnOnePresetItemTakesTheItemsDefaults) {
  const int group = StoredGroup(L"Flour", Invoice::kSourceManufacturing, m_kg, m_vat);
  const int bread = StoredItem(L"Bread", 0, 0, 0, 0.5, group);
  const int prices = NewPriceGroup(L"Buying", 1);
  SetPrice(prices, bread, 12.5, 3.0);
  SetSetting(SetInputDefaultPriceGroup, prices);

  std::vector<long> presets{bread};
  ItemInputLogic logic(&m_changes, 0, &presets, Invoice::kSourceTrading);
  SearchRecorder search;
  ASSERT_TRUE(logic.Open(search.Search()));

  EXPECT_TRUE(search.Requests().empty());
  EXPECT_FALSE(logic.CanChooseItem());
  EXPECT_EQ(logic.GetCaption(), L"Item's Income - New");
  EXPECT_EQ(logic.GetItemId(), bread);
  EXPECT_EQ(logic.GetItemName(), L"Bread");
  EXPECT_EQ(logic.GetPrice(), 12.5);
  EXPECT_EQ(logic.GetDiscountPercent(), 3.0);
  EXPECT_EQ(logic.GetTaxPercent(), 18.0);
  EXPECT_EQ(logic.GetMeasurementText(), L"kg");
  EXPECT_EQ(logic.GetBaseUnit(), 0.5);
  // The type of the item's top-level group.
  EXPECT_EQ(logic.GetType(), Invoice::kSourceManufacturing);
  EXPECT_TRUE(logic.IsTypeListEnabled());
  const std::vector<StockListEntry> types{{L"Manufacturing", 1}, {L"Trading", 2}, {L"Invoice", 4}};
  EXPECT_EQ(logic.GetTypes(), types);
  const std::vector<StockListEntry> units{{L"Pieces", kUnitPieces}, {L"Kilogram", kUnitMeasurement}};
  EXPECT_EQ(logic.GetUnits(), units);
  EXPECT_EQ(logic.GetQuantity(), 0.0);
}

TEST_F(ItemInputLogicTest, WithoutADefaultPriceListPriceAndDiscountStayZero) {
  const int nails = StoredItem(L"Nails");
  ItemInputLogic logic(&m_changes, 0, nullptr, Invoice::kSourceTrading);
  SearchRecorder search({nails});
  ASSERT_TRUE(logic.Open(search.Search()));
  EXPECT_EQ(logic.GetPrice(), 0.0);
  EXPECT_EQ(logic.GetDiscountPercent(), 0.0);
  EXPECT_EQ(logic.GetTaxPercent(), 0.0);
  EXPECT_EQ(logic.GetMeasurementText(), L"");
  EXPECT_EQ(logic.GetUnits().size(), 1u);
}

TEST_F(ItemInputLogicTest, AnIncomeInvoicesLineKeepsTheInvoiceTypeWhateverTheItemsDefault) {
  const int flour = StoredItem(L"Flour", Invoice::kSourceManufacturing);
  ItemInputLogic logic(&m_changes, 0, &m_none, Invoice::kSourceInvoice);
  SearchRecorder search({flour});
  ASSERT_TRUE(logic.Open(search.Search()));
  EXPECT_EQ(logic.GetType(), Invoice::kSourceInvoice);
  EXPECT_FALSE(logic.IsTypeListEnabled());
  logic.SetQuantity(2.0);
  logic.Recalculate();
  logic.Save();
  const auto* recorded = dynamic_cast<const ItemInput*>(m_changes.Find(logic.GetLineId()));
  ASSERT_NE(recorded, nullptr);
  EXPECT_EQ(recorded->GetInputSourceType(), Invoice::kSourceInvoice);

  // Another caller gets the item's own default.
  ItemInputLogic stock(&m_changes, 0, &m_none, Invoice::kSourceTrading);
  SearchRecorder again({flour});
  ASSERT_TRUE(stock.Open(again.Search()));
  EXPECT_EQ(stock.GetType(), Invoice::kSourceManufacturing);
}

TEST_F(ItemInputLogicTest, TheSearchOffersThePresetsOrEveryItemWithTheDefaultPrices) {
  const int a = StoredItem(L"A");
  const int b = StoredItem(L"B");
  const int prices = NewPriceGroup(L"Buying", 1);
  SetSetting(SetInputDefaultPriceGroup, prices);

  std::vector<long> two{a, b};
  ItemInputLogic chooser(&m_changes, 0, &two, Invoice::kSourceTrading);
  EXPECT_TRUE(chooser.CanChooseItem());
  SearchRecorder search({b});
  ASSERT_TRUE(chooser.Open(search.Search()));
  ASSERT_EQ(search.Requests().size(), 1u);
  EXPECT_EQ(search.Requests()[0].mode, kSearchItems);
  EXPECT_EQ(search.Requests()[0].presetIds, (std::vector<int32_t>{a, b}));
  EXPECT_EQ(chooser.GetItemId(), b);

  ItemInputLogic all(&m_changes, 0, &m_none, Invoice::kSourceTrading);
  SearchRecorder allSearch({a});
  ASSERT_TRUE(all.Open(allSearch.Search()));
  EXPECT_TRUE(allSearch.Requests()[0].presetIds.empty());
  EXPECT_EQ(allSearch.Requests()[0].priceGroupId, prices);
}

TEST_F(ItemInputLogicTest, AServiceItemIsRefusedAndWithoutAnItemTheDialogEnds) {
  const int repair = StoredItem(L"Repair", Invoice::kSourceService);
  ItemInputLogic logic(&m_changes, 0, &m_none, Invoice::kSourceTrading);
  SearchRecorder search({repair});
  EXPECT_FALSE(logic.Open(search.Search()));
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Selected Item does not support input.");
  EXPECT_EQ(m_messages.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONINFORMATION);

  ItemInputLogic cancelled(&m_changes, 0, &m_none, Invoice::kSourceTrading);
  SearchRecorder none;
  EXPECT_FALSE(cancelled.Open(none.Search()));
  EXPECT_TRUE(m_changes.IsEmpty());
}

TEST_F(ItemInputLogicTest, ChoosingAnotherItemReplacesTheDefaultsOrKeepsWhatWasTyped) {
  const int flour = StoredItem(L"Flour", Invoice::kSourceManufacturing, m_kg, m_vat, 0.5);
  const int repair = StoredItem(L"Repair", Invoice::kSourceService);
  const int nails = StoredItem(L"Nails");
  ItemInputLogic logic(&m_changes, 0, &m_none, Invoice::kSourceTrading);
  SearchRecorder search({flour, 0, repair, nails});
  ASSERT_TRUE(logic.Open(search.Search()));
  logic.SetQuantity(7.0);
  logic.SetPrice(3.0);

  EXPECT_FALSE(logic.ChooseAnotherItem(search.Search()));  // cancelled
  EXPECT_FALSE(logic.ChooseAnotherItem(search.Search()));  // refused
  EXPECT_EQ(logic.GetItemId(), flour);
  EXPECT_EQ(logic.GetQuantity(), 7.0);
  EXPECT_EQ(logic.GetPrice(), 3.0);

  EXPECT_TRUE(logic.ChooseAnotherItem(search.Search()));
  EXPECT_EQ(logic.GetItemId(), nails);
  EXPECT_EQ(logic.GetItemName(), L"Nails");
  EXPECT_EQ(logic.GetQuantity(), 0.0);
  EXPECT_EQ(logic.GetTaxPercent(), 0.0);
  EXPECT_EQ(logic.GetMeasurementText(), L"");
  EXPECT_EQ(logic.GetType(), Invoice::kSourceTrading);
  EXPECT_EQ(search.Requests().back().presetIds, std::vector<int32_t>{});
}

// Quantity in the unit chosen, pieces stored.
struct QuantityCase {
  int quantityMethod;
  bool hasMeasurement;
  double baseUnit;
  double typed;
  double pieces;
};

class ItemInputQuantityTest : public ItemInputLogicTest,
                              public ::testing::WithParamInterface<QuantityCase> {};

TEST_P(ItemInputQuantityTest, TypedQuantityBecomesPieces) {
  const QuantityCase c = GetParam();
  SetSetting(SetQuantityMethod, c.quantityMethod);
  const int item = StoredItem(L"Sugar", Invoice::kSourceTrading, c.hasMeasurement ? m_kg : 0, 0, c.baseUnit);
  std::vector<long> presets{item};
  ItemInputLogic logic(&m_changes, 0, &presets, Invoice::kSourceTrading);
  ASSERT_TRUE(logic.Open({}));
  EXPECT_EQ(logic.GetUnit(), c.quantityMethod != 0 && c.hasMeasurement ? kUnitMeasurement : kUnitPieces);
  logic.SetQuantity(c.typed);
  logic.Recalculate();
  EXPECT_DOUBLE_EQ(logic.GetPieces(), c.pieces);
  logic.Save();
  const auto* recorded = dynamic_cast<const ItemInput*>(m_changes.Find(logic.GetLineId()));
  ASSERT_NE(recorded, nullptr);
  EXPECT_DOUBLE_EQ(recorded->GetQuantity(), c.pieces);
}

INSTANTIATE_TEST_SUITE_P(Cases, ItemInputQuantityTest,
                         ::testing::Values(QuantityCase{1, true, 0.5, 25.0, 50.0},  // in kilograms
                                           QuantityCase{0, true, 0.5, 25.0, 25.0},  // in pieces
                                           QuantityCase{1, true, 0.0, 25.0,
                                                        25.0},  // base unit 0 divides by 1
                                           QuantityCase{1, false, 0.5, 25.0, 25.0},  // no measurement: pieces
                                           QuantityCase{2, true, 4.0, 8.0, 2.0}));   // any method but 0

TEST_F(ItemInputLogicTest, TheTotalTakesTheDiscountThenTheTaxOnTheDiscountedAmount) {
  const int nails = StoredItem(L"Nails");
  std::vector<long> presets{nails};
  ItemInputLogic logic(&m_changes, 0, &presets, Invoice::kSourceTrading);
  ASSERT_TRUE(logic.Open({}));
  struct Case {
    double price, quantity, discount, tax, total;
  };
  // The total is the one the invoice's line shows: 18.5 x 1.25 is 23.13 to
  // the cent, and 20 % tax on that 4.63.
  for (const Case c : {Case{10, 2, 10, 20, 21.6}, Case{10, 2, 0, 0, 20}, Case{10, 2, 0, 20, 24},
                       Case{10, 2, 10, 0, 18}, Case{10, -3, 0, 0, -30}, Case{1.25, 18.5, 0, 20, 27.76}}) {
    logic.SetPrice(c.price);
    logic.SetQuantity(c.quantity);
    logic.SetDiscountPercent(c.discount);
    logic.SetTaxPercent(c.tax);
    logic.Recalculate();
    EXPECT_NEAR(logic.GetTotal(), c.total, 1e-9) << c.price << " x " << c.quantity;
  }
}

TEST_F(ItemInputLogicTest, ANewIncomeGetsATemporaryIdAndIsStoredWhenTheCallerApplies) {
  const int flour = StoredItem(L"Flour", Invoice::kSourceTrading, m_kg, m_vat, 0.5);
  SetSetting(SetQuantityMethod, 1);
  std::vector<long> presets{flour};
  ItemInputLogic logic(&m_changes, 0, &presets, Invoice::kSourceTrading);
  ASSERT_TRUE(logic.Open({}));
  logic.SetQuantity(25.0);  // kilograms
  logic.SetPrice(2.0);
  logic.Recalculate();
  logic.Save();

  EXPECT_LT(logic.GetLineId(), 0);
  EXPECT_EQ(m_changes.GetState(logic.GetLineId()), ChangeSet::kUpdated);
  EXPECT_EQ(CountRows(L"ITEM_INPUT"), 0);
  EXPECT_EQ(ApplyCommitted(m_changes), L"");
  EXPECT_EQ(ReadDouble(L"SELECT QUANTITY FROM ITEM_INPUT"), 50.0);
  EXPECT_EQ(Value(L"SELECT MEASUREMENT FROM ITEM_INPUT"), L"kg");
  EXPECT_EQ(Value(L"SELECT INPUT_SOURCE_TYPE FROM ITEM_INPUT"), L"2");
  EXPECT_EQ(Stock(flour), 50.0);
}

TEST_F(ItemInputLogicTest, EditingStartsFromThePendingCopyAndKeepsIdAndInvoice) {
  SetSetting(SetQuantityMethod, 1);
  const int flour = StoredItem(L"Flour", Invoice::kSourceTrading, m_kg, 0, 0.5);
  const int incomeId = StoredIncome(flour, 10.0, Invoice::kSourceInvoice, 0);
  // The invoice id is only a number here: the stored line names no invoice row.
  ItemInput pending(incomeId);
  pending.SetBasePrice(6.0);
  m_changes.Add(pending);
  m_changes.Update(pending);

  ItemInputLogic logic(&m_changes, incomeId, &m_none, Invoice::kSourceTrading);
  ASSERT_TRUE(logic.Open({}));
  EXPECT_EQ(logic.GetCaption(), L"Item's Income - Edit");
  EXPECT_FALSE(logic.CanChooseItem());
  EXPECT_EQ(logic.GetPrice(), 6.0);  // the unsaved edit
  EXPECT_EQ(logic.GetPieces(), 10.0);
  EXPECT_EQ(logic.GetQuantity(), 5.0);  // 10 pieces of 0.5 kg
  EXPECT_EQ(logic.GetUnit(), kUnitMeasurement);
  EXPECT_EQ(logic.GetType(), Invoice::kSourceInvoice);
  EXPECT_FALSE(logic.IsTypeListEnabled());

  logic.SetQuantity(6.0);
  logic.Recalculate();
  logic.Save();
  EXPECT_EQ(logic.GetLineId(), incomeId);
  const auto* recorded = dynamic_cast<const ItemInput*>(m_changes.Find(incomeId));
  ASSERT_NE(recorded, nullptr);
  EXPECT_EQ(recorded->GetQuantity(), 12.0);
  EXPECT_EQ(recorded->GetBasePrice(), 6.0);
  EXPECT_EQ(recorded->GetMeasurement(), L"kg");
  EXPECT_EQ(recorded->GetBaseUnit(), 0.5);
  EXPECT_EQ(recorded->GetInputSourceType(), Invoice::kSourceInvoice);
  EXPECT_EQ(m_changes.Size(), 1u);
}

TEST_F(ItemInputLogicTest, EditingKeepsTheInvoiceIdOfTheIncome) {
  const int flour = StoredItem(L"Flour");
  const int incomeId = StoredIncome(flour, 10.0, Invoice::kSourceTrading);
  ItemInput line(incomeId);
  line.SetInvoiceId(4711);  // as an invoice's pending line carries it
  m_changes.Update(line);
  ItemInputLogic logic(&m_changes, incomeId, &m_none, Invoice::kSourceTrading);
  ASSERT_TRUE(logic.Open({}));
  logic.Save();
  EXPECT_EQ(dynamic_cast<const ItemInput*>(m_changes.Find(incomeId))->GetInvoiceId(), 4711);
}

// An item without stock is refused when it is the one preset item too, as
// the dialog opens, rather than recorded and refused by the caller's save.
TEST_F(ItemInputLogicTest, AServiceItemAsTheOnePresetIsRefusedAtOpening) {
  const int repair = StoredItem(L"Repair", Invoice::kSourceService);
  const std::vector<long> presets{repair};
  ItemInputLogic logic(&m_changes, 0, &presets, Invoice::kSourceTrading);
  SearchRecorder search;
  EXPECT_FALSE(logic.Open(search.Search()));
  EXPECT_TRUE(search.Requests().empty());  // no search for the one preset
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Selected Item does not support input.");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONINFORMATION);
  EXPECT_TRUE(m_changes.IsEmpty());

  // A code that is no source type at all is plain stock.
  const int odd = StoredItem(L"Odd", 0);
  const std::vector<long> oddPresets{odd};
  ItemInputLogic fresh(&m_changes, 0, &oddPresets, Invoice::kSourceTrading);
  ASSERT_TRUE(fresh.Open({}));
  EXPECT_EQ(fresh.GetType(), Invoice::kSourceTrading);
}

TEST_F(ItemInputLogicTest, UntouchedAmountsKeepTheirExactValue) {
  EXPECT_EQ(StockLineLogic::ReadAmount(FormatAmount(0.125), 0.125), 0.125);
  EXPECT_EQ(StockLineLogic::ReadAmount(L"0.5", 0.125), 0.5);
  EXPECT_EQ(StockLineLogic::ReadAmount(L"", 3.0), 0.0);
  platform::LocaleInfo comma;
  comma.decimalSeparator = L",";
  comma.thousandsSeparator = L".";
  platform::SetUserLocaleOverride(comma);
  EXPECT_EQ(StockLineLogic::ReadAmount(L"1.234,5", 0.0), 1234.5);
  EXPECT_EQ(StockLineLogic::ReadAmount(L"0,33", 1.0 / 3.0), 1.0 / 3.0);
  platform::SetUserLocaleOverride(std::nullopt);
}

}  // namespace
