#include "forms/dialogs/SearchQuery.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "DialogsFixture.h"
#include "data/objects/PriceListDef.h"
#include "tests/data/TestDatabase.h"

namespace {

using Rows = std::vector<std::pair<int, std::wstring>>;

Rows Shown(const std::vector<ListRow>& rows) {
  Rows shown;
  for (const ListRow& row : rows) shown.push_back({row.GetObjectId(), row.GetCell(0).GetText()});
  return shown;
}

class SearchQueryTest : public corvane::test::DialogsTest {
protected:
  Rows Search(int mode, const Invoice::Searches::SearchDef* definition, const std::wstring& text) {
    std::vector<ListRow> rows;
    SearchQuery(mode, definition).AppendResults(text, rows);
    return Shown(rows);
  }
};

TEST(SearchQueryTexts, EachModeHasItsCaptionLabelListAndColumn) {
  struct Case {
    int mode;
    const wchar_t* caption;
    const wchar_t* label;
    const wchar_t* listName;
    const wchar_t* column;
  };
  const Case cases[] = {
      {kSearchClients, L"Search - Cleints", L"Client:", L"SearchDlgList_Companies", L"Client"},
      {kSearchItems, L"Search - Items", L"Item:", L"SearchDlgList_Items", L"Item"},
      {kSearchPriceListItems, L"Search - Items", L"Item:", L"SearchDlgList_PriceLists", L"Item"},
      {kSearchAccounts, L"Search - Accounts", L"Account:", L"SearchDlgList_Accounts", L"Account"},
      {0, L"Search", L"Search text:", L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    const SearchModeTexts texts = SearchQuery::TextsOf(c.mode);
    EXPECT_EQ(texts.caption, c.caption);
    EXPECT_EQ(texts.label, c.label);
    EXPECT_EQ(texts.listName, c.listName);
    EXPECT_EQ(texts.column, c.column);
    EXPECT_EQ(texts.columnWidth, 200);
  }
}

TEST(SearchQueryPriceList, OnlyAPriceListDefinitionWithAnIdRestrictsTheItems) {
  const Invoice::Searches::PriceListDef retail(42), none(0);
  const Invoice::Searches::SearchDef other;
  EXPECT_EQ(SearchQuery(kSearchItems, &retail).GetPriceGroupId(), 42);
  EXPECT_EQ(SearchQuery(kSearchItems, &none).GetPriceGroupId(), 0);
  EXPECT_EQ(SearchQuery(kSearchItems, &other).GetPriceGroupId(), 0);
  EXPECT_EQ(SearchQuery(kSearchPriceListItems, nullptr).GetPriceGroupId(), 0);
}

TEST_F(SearchQueryTest, ClientsAreFoundByPartOfTheirNameInNameOrder) {
  const int zeta = StoreCompany(L"Zeta Trade");
  const int acme = StoreCompany(L"Acme");
  const int beta = StoreCompany(L"Beta trade");
  StoreAccount(L"Trade account");
  EXPECT_EQ(Search(kSearchClients, nullptr, L"TRADE"), (Rows{{beta, L"Beta trade"}, {zeta, L"Zeta Trade"}}));
  EXPECT_EQ(Search(kSearchClients, nullptr, L""),
            (Rows{{acme, L"Acme"}, {beta, L"Beta trade"}, {zeta, L"Zeta Trade"}}));
}

TEST_F(SearchQueryTest, AccountsAreSearchedAmongAccountsNotCompanies) {
  StoreCompany(L"Main bank");
  const int savings = StoreAccount(L"Savings at the bank");
  const int current = StoreAccount(L"Current Bank account", StoreCompany(L"Owner"));
  EXPECT_EQ(Search(kSearchAccounts, nullptr, L"bank"),
            (Rows{{current, L"Current Bank account"}, {savings, L"Savings at the bank"}}));
}

TEST_F(SearchQueryTest, ItemsAreFoundByNameOrCode) {
  const int bolt = StoreItem(L"Bolt", L"B-10");
  const int nut = StoreItem(L"Nut", L"N-10");
  StoreItem(L"Washer", L"W-20");
  EXPECT_EQ(Search(kSearchItems, nullptr, L"-10"), (Rows{{bolt, L"Bolt"}, {nut, L"Nut"}}));
  EXPECT_EQ(Search(kSearchItems, nullptr, L"").size(), 3u);
}

TEST_F(SearchQueryTest, AnItemSearchWithAPriceListListsOnlyItemsPricedInIt) {
  const int bolt = StoreItem(L"Bolt");
  const int nut = StoreItem(L"Nut");
  const int washer = StoreItem(L"Washer");
  const int retail = StorePriceGroup(L"Retail", 2);
  const int wholesale = StorePriceGroup(L"Wholesale", 2);
  StorePrice(bolt, retail, 2.0);
  StorePrice(washer, retail, 0.0);  // a stored price of zero still counts
  StorePrice(nut, wholesale, 1.0);
  const Invoice::Searches::PriceListDef retailDef(retail);
  EXPECT_EQ(Search(kSearchItems, &retailDef, L""), (Rows{{bolt, L"Bolt"}, {washer, L"Washer"}}));
  EXPECT_EQ(Search(kSearchItems, &retailDef, L"wash"), (Rows{{washer, L"Washer"}}));
}

TEST_F(SearchQueryTest, APriceListOfIdZeroMeansNoPriceFilter) {
  const int bolt = StoreItem(L"Bolt");
  const int nut = StoreItem(L"Nut");
  const Invoice::Searches::PriceListDef none(0);
  EXPECT_EQ(Search(kSearchItems, &none, L""), (Rows{{bolt, L"Bolt"}, {nut, L"Nut"}}));
  EXPECT_EQ(Search(kSearchPriceListItems, &none, L"nu"), (Rows{{nut, L"Nut"}}));
}

TEST_F(SearchQueryTest, ThePriceListModeListsThePricedItemsWhateverTheText) {
  const int bolt = StoreItem(L"Bolt");
  StoreItem(L"Nut");
  const int anchor = StoreItem(L"Anchor");
  const int retail = StorePriceGroup(L"Retail", 2);
  StorePrice(bolt, retail, 2.0);
  StorePrice(anchor, retail, 3.0);
  const Invoice::Searches::PriceListDef retailDef(retail);
  const Rows priced{{anchor, L"Anchor"}, {bolt, L"Bolt"}};
  EXPECT_EQ(Search(kSearchPriceListItems, &retailDef, L""), priced);
  EXPECT_EQ(Search(kSearchPriceListItems, &retailDef, L"no such text"), priced);
}

TEST_F(SearchQueryTest, ThePriceListModeWithoutADefinitionSearchesEveryItem) {
  const int bolt = StoreItem(L"Bolt");
  StoreItem(L"Nut");
  EXPECT_EQ(Search(kSearchPriceListItems, nullptr, L"bol"), (Rows{{bolt, L"Bolt"}}));
}

TEST_F(SearchQueryTest, PresetRowsAreTheStoredItemsInTheGivenOrderInBothItemModes) {
  const int bolt = StoreItem(L"Bolt");
  const int nut = StoreItem(L"Nut");
  const int company = StoreCompany(L"Not an item");
  for (int mode : {kSearchItems, kSearchPriceListItems}) {
    std::vector<ListRow> rows;
    SearchQuery(mode, nullptr).AppendPresetRows({nut, company, bolt}, rows);
    EXPECT_EQ(Shown(rows), (Rows{{nut, L"Nut"}, {bolt, L"Bolt"}})) << mode;
  }
  std::vector<ListRow> rows;
  SearchQuery(kSearchClients, nullptr).AppendPresetRows({nut}, rows);
  EXPECT_TRUE(rows.empty());
}

TEST_F(SearchQueryTest, AFailureKeepsTheRowsFoundBefore) {
  StoreItem(L"Bolt");
  StoreItem(L"Nut");
  const int retail = StorePriceGroup(L"Retail", 2);
  const Invoice::Searches::PriceListDef retailDef(retail + 1000);  // names no price list
  std::vector<ListRow> rows{ListRow(7, {::Value(L"kept")})};
  EXPECT_EQ(
      corvane::test::FailureText([&] { SearchQuery(kSearchItems, &retailDef).AppendResults(L"", rows); }),
      L"Object not found!");
  EXPECT_EQ(Shown(rows), (Rows{{7, L"kept"}}));
}

}  // namespace
