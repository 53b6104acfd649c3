#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectsFixture.h"
#include "data/Settings.h"
#include "data/objects/Company.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/PriceList.h"

namespace {

using corvane::test::FailureText;
using Invoice::PriceGroup;

class PriceGroupTest : public corvane::test::ObjectsTest {
protected:
  PriceGroup NewPriceGroup(const std::wstring& name) {
    PriceGroup group(0);
    group.SetName(name);
    group.Save();
    return group;
  }
  void Price(int itemId, int groupId, double value) {
    Invoice::PriceList price;
    price.SetItemId(itemId);
    price.SetPriceGroupId(groupId);
    price.SetPrice(value);
    price.Save();
  }
};

TEST_F(PriceGroupTest, ANewPriceGroupIsAnOutcomeListForBothSides) {
  const PriceGroup group(0);
  EXPECT_EQ(group.GetDirection(), 2);
  EXPECT_TRUE(group.GetForSelling());
  EXPECT_TRUE(group.GetForBuying());
}

TEST_F(PriceGroupTest, APriceGroupInUseIsNotDeleted) {
  TransactionScope scope;
  PriceGroup group = NewPriceGroup(L"Retail");
  Invoice::Company client;
  client.SetName(L"Acme");
  client.SetPriceGroupId(group.GetId());
  client.Save();
  SetOutputDefaultPriceGroup(group.GetId());
  SetInputDefaultPriceGroup(group.GetId());
  const std::vector<const wchar_t*> refusals = {
      L"Price List is used in one (or more) Client(s) as a default Price List and can not be deleted!",
      L"Price List is the Default Outcome Price List and can not be deleted!",
      L"Price List is the Default Income Price List and can not be deleted!",
  };
  for (const wchar_t* refusal : refusals) {
    EXPECT_EQ(FailureText([&] { group.Delete(); }), refusal);
    if (client.GetPriceGroupId() != 0) {
      client.SetPriceGroupId(0);
      client.Save();
    } else if (GetOutputDefaultPriceGroup() != 0) {
      SetOutputDefaultPriceGroup(0);
    } else {
      SetInputDefaultPriceGroup(0);
    }
  }
  EXPECT_EQ(FailureText([&] { group.Delete(); }), L"");
  EXPECT_EQ(CountRows(L"PRICE_GROUP"), 0);
}

TEST_F(PriceGroupTest, DeletingAPriceGroupRemovesItsPricesOnly) {
  TransactionScope scope;
  const int bolt = NewItem(L"Bolt").GetId();
  const int nut = NewItem(L"Nut").GetId();
  PriceGroup retail = NewPriceGroup(L"Retail");
  const PriceGroup wholesale = NewPriceGroup(L"Wholesale");
  Price(bolt, retail.GetId(), 2.0);
  Price(nut, retail.GetId(), 1.0);
  Price(bolt, wholesale.GetId(), 1.5);
  retail.Delete();
  EXPECT_EQ(CountRows(L"PRICE_LIST"), 1);
  EXPECT_EQ(wholesale.GetItemPrice(bolt).GetPrice(), 1.5);
}

TEST_F(PriceGroupTest, PriceListsHaveOneRowPerItemByName) {
  TransactionScope scope;
  const int saw = NewItem(L"Saw").GetId();
  const int axe = NewItem(L"Axe").GetId();
  const PriceGroup retail = NewPriceGroup(L"Retail");
  Price(saw, retail.GetId(), 20.0);
  std::vector<Invoice::PriceList> prices;
  retail.GetPriceLists(prices);
  ASSERT_EQ(prices.size(), 2u);
  EXPECT_EQ(prices[0].GetItemId(), axe);
  EXPECT_FALSE(prices[0].IsStored());
  EXPECT_EQ(prices[0].GetPrice(), 0.0);
  EXPECT_EQ(prices[1].GetItemId(), saw);
  EXPECT_EQ(prices[1].GetPrice(), 20.0);
  const Invoice::PriceList none = retail.GetItemPrice(axe);
  EXPECT_EQ(none.GetId(), 0);
  EXPECT_EQ(none.GetItemId(), 0);
  std::vector<PriceGroup> groups;
  Invoice::GetAllPriceGroups(groups);
  EXPECT_EQ(groups.size(), 1u);
}

}  // namespace
