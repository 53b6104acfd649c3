#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ObjectsFixture.h"
#include "data/objects/Invoice.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/PriceList.h"

namespace {

using corvane::test::FailureText;
using Invoice::Item;
using Invoice::ItemGroup;

class ItemTest : public corvane::test::ObjectsTest {
protected:
  std::vector<std::wstring> Names(const std::vector<Item>& items) {
    std::vector<std::wstring> names;
    for (const Item& item : items) names.push_back(item.GetName());
    return names;
  }
};

// Tax and measurement come from the nearest group that sets them, the source
// type from the top-level group; the item's own values count only without them.
TEST_F(ItemTest, EffectiveValuesComeFromTheGroupChain) {
  TransactionScope scope;
  ItemGroup root = NewGroup(L"Hardware", 0, Invoice::kSourceManufacturing);
  root.SetTaxId(7);
  root.Save();
  ItemGroup middle = NewGroup(L"Fasteners", root.GetId(), Invoice::kSourceService);
  middle.SetMeasurementId(5);
  middle.Save();
  const ItemGroup leaf = NewGroup(L"Bolts", middle.GetId(), Invoice::kSourceService);

  Item item = NewItem(L"Bolt", Invoice::kSourceTrading, leaf.GetId());
  item.SetTaxId(1);
  item.SetMeasurementId(2);
  EXPECT_EQ(item.GetEffectiveTaxId(), 7);
  EXPECT_EQ(item.GetEffectiveMeasurementId(), 5);
  EXPECT_EQ(item.GetEffectiveInputSourceType(), Invoice::kSourceManufacturing);
  EXPECT_EQ(leaf.GetRootGroupId(), root.GetId());
  EXPECT_EQ(root.GetRootGroupId(), root.GetId());

  Item loose = NewItem(L"Nail", Invoice::kSourceService);
  loose.SetTaxId(1);
  loose.SetMeasurementId(2);
  EXPECT_EQ(loose.GetEffectiveTaxId(), 1);
  EXPECT_EQ(loose.GetEffectiveMeasurementId(), 2);
  EXPECT_EQ(loose.GetEffectiveInputSourceType(), Invoice::kSourceService);

  // A group that no longer exists ends the chain: the item's own values count.
  Item orphan = NewItem(L"Screw", Invoice::kSourceTrading, 987654);
  orphan.SetTaxId(3);
  EXPECT_EQ(orphan.GetEffectiveTaxId(), 3);
  EXPECT_EQ(orphan.GetEffectiveInputSourceType(), Invoice::kSourceTrading);
}

TEST_F(ItemTest, TheGroupTreeListsGroupsOnlyDepthFirst) {
  TransactionScope scope;
  const int tools = NewGroup(L"Tools").GetId();
  const int bolts = NewGroup(L"Bolts").GetId();
  const int hammers = NewGroup(L"Hammers", tools).GetId();
  const int small = NewGroup(L"Small", hammers).GetId();
  NewItem(L"Claw hammer", Invoice::kSourceTrading, hammers);
  NewItem(L"M8", Invoice::kSourceTrading, bolts);

  ItemGroup::GroupTree tree;
  Invoice::GetItemGroupTree(tree);
  const ItemGroup::GroupTree expected = {{bolts, 0}, {tools, 0}, {hammers, tools}, {small, hammers}};
  EXPECT_EQ(tree, expected);

  ItemGroup::GroupTree subTree;
  ItemGroup(hammers).GetSubTree(subTree);
  EXPECT_EQ(subTree, (ItemGroup::GroupTree{{hammers, 0}, {small, hammers}}));
  std::vector<int> children;
  ItemGroup(hammers).GetChildIds(children);
  EXPECT_EQ(children.size(), 2u);  // the sub-group, then the item
  EXPECT_EQ(children.front(), small);
}

TEST_F(ItemTest, AGroupTreeThatLoopsIsWalkedOnce) {
  TransactionScope scope;
  ItemGroup first = NewGroup(L"First");
  ItemGroup second = NewGroup(L"Second", first.GetId());
  first.SetParentId(second.GetId());
  first.Save();
  ItemGroup::GroupTree tree;
  first.GetSubTree(tree);
  EXPECT_EQ(tree, (ItemGroup::GroupTree{{first.GetId(), 0}, {second.GetId(), first.GetId()}}));
  const Item item = NewItem(L"Bolt", Invoice::kSourceTrading, second.GetId());
  EXPECT_EQ(item.GetEffectiveTaxId(), 0);
  EXPECT_NE(first.GetRootGroupId(), 0);
}

TEST_F(ItemTest, AnItemLoadedBeforeStockMovedDoesNotPutTheOldStockBack) {
  TransactionScope scope;
  Item item = NewItem(L"Bolt");
  Item form(item.GetId());  // as an item form holds it
  Receive(item.GetId(), 9.0);
  form.SetName(L"Bolt M8");
  form.Save();
  EXPECT_EQ(Stock(item.GetId()), 9.0);
  EXPECT_EQ(Item(item.GetId()).GetName(), L"Bolt M8");
}

TEST_F(ItemTest, AnItemOnAnInvoiceLineIsNotDeleted) {
  TransactionScope scope;
  const int bolt = NewItem(L"Bolt").GetId();
  Invoice::Invoice invoice;
  invoice.SetInvoiceNum(L"0001/06");
  invoice.SetDate(38785.0);
  invoice.Save();
  Receive(bolt, 5.0);
  Issue(bolt, 1.0, invoice.GetId());
  EXPECT_EQ(FailureText([&] { Item(bolt).Delete(); }),
            L"Item is used in one (or more) Outgoing Invoice(s) and can not be deleted!");
  EXPECT_EQ(Stock(bolt), 4.0);
}

// A product would be left naming an ingredient that is gone: the ingredient
// is refused with the products' names; rows of a product that is itself gone
// block nothing.
TEST_F(ItemTest, AnIngredientIsNotDeletedAndTheRefusalNamesItsProducts) {
  TransactionScope scope;
  const int table = NewItem(L"Table", Invoice::kSourceManufacturing).GetId();
  const int chair = NewItem(L"Chair", Invoice::kSourceManufacturing).GetId();
  const int leg = NewItem(L"Leg").GetId();
  const int screw = NewItem(L"Screw").GetId();
  AddIngredient(table, leg, 1.0, 4.0);
  AddIngredient(chair, leg, 1.0, 4.0);
  AddIngredient(table, screw, 1.0, 8.0);
  EXPECT_EQ(FailureText([&] { Item(leg).Delete(); }),
            L"Item is an Ingredient of 'Chair', 'Table' and can not be deleted!");
  EXPECT_EQ(FailureText([&] { Item(screw).Delete(); }),
            L"Item is an Ingredient of 'Table' and can not be deleted!");
  EXPECT_EQ(Count(L"ITEMS", L"OBJECT_ID = " + std::to_wstring(leg)), 1);
  EXPECT_EQ(Count(L"ITEM_DEPENDENCIES", L"1 = 1"), 3);

  // Once the products are gone, so may the ingredients go.
  Item(table).Delete();
  EXPECT_EQ(FailureText([&] { Item(leg).Delete(); }),
            L"Item is an Ingredient of 'Chair' and can not be deleted!");
  Item(screw).Delete();
  // A recipe row whose product another program removed blocks nothing.
  ExecuteSql(L"DELETE FROM ITEMS WHERE OBJECT_ID = " + std::to_wstring(chair));
  Item(leg).Delete();
  EXPECT_EQ(Count(L"ITEMS", L"1 = 1"), 0);
}

TEST_F(ItemTest, DeletingAnItemRemovesItsLinesPricesAndIngredientsAndTheirStock) {
  TransactionScope scope;
  const int table = NewItem(L"Table", Invoice::kSourceManufacturing).GetId();
  const int leg = NewItem(L"Leg").GetId();
  Receive(leg, 10.0);
  AddIngredient(table, leg, 1.0, 4.0);
  Receive(table, 2.0);  // issues 8 legs
  Issue(table, 2.0);    // sold without an invoice
  EXPECT_EQ(Stock(leg), 2.0);
  Invoice::PriceGroup prices(0);
  prices.SetName(L"Retail");
  prices.Save();
  Invoice::PriceList price;
  price.SetItemId(table);
  price.SetPriceGroupId(prices.GetId());
  price.SetPrice(99.0);
  price.Save();

  Item(table).Delete();
  EXPECT_EQ(Stock(table), -1.0);  // no row
  EXPECT_EQ(Stock(leg), 10.0);    // the legs the table used came back
  const std::wstring of = L"ITEM_OBJECT_ID = " + std::to_wstring(table);
  EXPECT_EQ(Count(L"ITEM_INPUT", of) + Count(L"ITEM_OUTPUT", of) + Count(L"PRICE_LIST", of) +
                Count(L"ITEM_DEPENDENCIES", of),
            0);
  EXPECT_EQ(Count(L"OBJECTS", L"OBJECT_ID = " + std::to_wstring(table)), 0);
  EXPECT_EQ(CountRows(L"ITEM_OUTPUT"), 0);
}

TEST_F(ItemTest, PricesPerGroupPairEveryPriceListWithTheItemsPrice) {
  TransactionScope scope;
  const int bolt = NewItem(L"Bolt").GetId();
  Invoice::PriceGroup retail(0), wholesale(0);
  retail.SetName(L"Retail");
  retail.Save();
  wholesale.SetName(L"Wholesale");
  wholesale.Save();
  Invoice::PriceList price;
  price.SetItemId(bolt);
  price.SetPriceGroupId(wholesale.GetId());
  price.SetPrice(2.5);
  price.Save();

  std::vector<std::pair<Invoice::PriceGroup, Invoice::PriceList>> prices;
  Item(bolt).GetPricesPerGroup(prices);
  ASSERT_EQ(prices.size(), 2u);
  EXPECT_EQ(prices[0].first.GetName(), L"Retail");
  EXPECT_FALSE(prices[0].second.IsStored());
  EXPECT_EQ(prices[0].second.GetPrice(), 0.0);
  EXPECT_EQ(prices[1].first.GetName(), L"Wholesale");
  EXPECT_EQ(prices[1].second.GetId(), price.GetId());
  EXPECT_EQ(prices[1].second.GetPrice(), 2.5);
  EXPECT_EQ(wholesale.GetItemPrice(bolt).GetPrice(), 2.5);
  EXPECT_FALSE(retail.GetItemPrice(bolt).IsStored());
}

TEST_F(ItemTest, ItemListsAndSearches) {
  TransactionScope scope;
  const int tools = NewGroup(L"Tools").GetId();
  const int bolts = NewGroup(L"Bolts").GetId();
  NewItem(L"Saw", Invoice::kSourceTrading, tools);
  NewItem(L"Hammer", Invoice::kSourceTrading, tools);
  Item bolt = NewItem(L"Bolt", Invoice::kSourceTrading, bolts);
  bolt.SetCode(L"HAM-1");
  bolt.Save();

  std::vector<Item> items;
  Invoice::GetItemsOfGroups({tools}, items);
  EXPECT_EQ(Names(items), (std::vector<std::wstring>{L"Hammer", L"Saw"}));
  items.clear();
  Invoice::SearchItems(L"ham", items);  // NAME or CODE, any case
  EXPECT_EQ(Names(items), (std::vector<std::wstring>{L"Bolt", L"Hammer"}));

  Receive(bolt.GetId(), 3.0);
  Issue(bolt.GetId(), 1.0);
  std::vector<Invoice::ItemInput> inputs;
  std::vector<Invoice::ItemOutput> outputs;
  bolt.GetInputs(inputs);
  bolt.GetOutputs(outputs);
  ASSERT_EQ(inputs.size(), 1u);
  ASSERT_EQ(outputs.size(), 1u);
  EXPECT_EQ(inputs[0].GetQuantity(), 3.0);
  EXPECT_EQ(outputs[0].GetQuantity(), 1.0);
}

}  // namespace
