#include "forms/dialogs/SearchQuery.h"

#include "data/objects/Account.h"
#include "data/objects/Company.h"
#include "data/objects/Item.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/PriceListDef.h"

SearchQuery::SearchQuery(int mode, const Invoice::Searches::SearchDef* definition)
    : m_mode(mode), m_definition(definition) {}

SearchModeTexts SearchQuery::TextsOf(int mode) {
  SearchModeTexts texts;
  switch (mode) {
    case kSearchClients:
      // "Cleints" is the caption the users know.
      texts = {L"Search - Cleints", L"Client:", L"SearchDlgList_Companies", L"Client"};
      break;
    case kSearchItems:
      texts = {L"Search - Items", L"Item:", L"SearchDlgList_Items", L"Item"};
      break;
    case kSearchPriceListItems:
      texts = {L"Search - Items", L"Item:", L"SearchDlgList_PriceLists", L"Item"};
      break;
    case kSearchAccounts:
      texts = {L"Search - Accounts", L"Account:", L"SearchDlgList_Accounts", L"Account"};
      break;
    default:
      break;
  }
  return texts;
}

int SearchQuery::GetPriceGroupId() const {
  const auto* priceList = dynamic_cast<const Invoice::Searches::PriceListDef*>(m_definition);
  return priceList ? priceList->GetPriceGroupId() : 0;
}

void SearchQuery::AppendPresetRows(const std::vector<int32_t>& ids, std::vector<ListRow>& rows) const {
  if (m_mode != kSearchItems && m_mode != kSearchPriceListItems) return;
  for (int32_t id : ids) {
    const Invoice::Item item(id);
    if (item.IsStored()) rows.push_back(ListRow(item.GetId(), {Value(item.GetName())}));
  }
}

void SearchQuery::AppendResults(const std::wstring& text, std::vector<ListRow>& rows) const {
  switch (m_mode) {
    case kSearchClients: {
      std::vector<Invoice::Company> companies;
      Invoice::SearchCompanies(text, companies);
      for (const auto& company : companies)
        rows.push_back(ListRow(company.GetId(), {Value(company.GetName())}));
      break;
    }
    case kSearchItems:
      AppendItems(text, rows);
      break;
    case kSearchPriceListItems:
      // Without a price list there is nothing to restrict the items by: the
      // plain item search.
      if (GetPriceGroupId() != 0)
        AppendPriceListItems(rows);
      else
        AppendItems(text, rows);
      break;
    case kSearchAccounts: {
      std::vector<Invoice::Account> accounts;
      Invoice::SearchAccounts(text, accounts);
      for (const auto& account : accounts)
        rows.push_back(ListRow(account.GetId(), {Value(account.GetName())}));
      break;
    }
    default:
      break;
  }
}

void SearchQuery::AppendItems(const std::wstring& text, std::vector<ListRow>& rows) const {
  std::vector<Invoice::Item> items;
  Invoice::SearchItems(text, items);
  const int priceGroupId = GetPriceGroupId();
  if (priceGroupId == 0) {
    for (const auto& item : items) rows.push_back(ListRow(item.GetId(), {Value(item.GetName())}));
    return;
  }
  const Invoice::PriceGroup priceGroup(priceGroupId);
  for (const auto& item : items)
    if (priceGroup.GetItemPrice(item.GetId()).IsStored())
      rows.push_back(ListRow(item.GetId(), {Value(item.GetName())}));
}

void SearchQuery::AppendPriceListItems(std::vector<ListRow>& rows) const {
  const Invoice::PriceGroup priceGroup(GetPriceGroupId());
  std::vector<Invoice::PriceList> prices;
  priceGroup.GetPriceLists(prices);
  for (const auto& price : prices) {
    if (price.GetPriceGroupId() == 0) continue;  // the item has no price in the list
    const Invoice::Item item(price.GetItemId());
    rows.push_back(ListRow(item.GetId(), {Value(item.GetName())}));
  }
}
