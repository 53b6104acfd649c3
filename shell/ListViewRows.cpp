#include "shell/ListViewRows.h"

#include "data/objects/Item.h"

ListRow ListViewRows::CompanyRow(int32_t companyId, const std::wstring& name,
                                 const std::wstring& priceListName) {
  return ListRow(companyId, {Value(name), Value(priceListName)});
}

namespace {

ListRow AccountRow(const FinanceAccount& account, int32_t companyId, const std::wstring& companyName) {
  ListRow row(account.id, {Value(companyName), Value(account.name), Value(account.balance)});
  row.SetProperty(ListViewRows::kIsAccount, Value::Boolean(true));
  row.SetProperty(ListViewRows::kAccountCompany, Value(companyId));
  return row;
}

}  // namespace

std::vector<ListRow> ListViewRows::FinanceRows(const std::vector<FinanceAccount>& accountsOfNoCompany,
                                               const std::vector<FinanceCompany>& companies) {
  std::vector<ListRow> rows;
  for (const FinanceAccount& account : accountsOfNoCompany) rows.push_back(AccountRow(account, 0, L""));
  for (const FinanceCompany& company : companies) {
    ListRow row(company.id, {Value(company.name), Value(L""), Value(company.balance)});
    row.SetProperty(kIsAccount, Value::Boolean(false));
    rows.push_back(row);
    for (const FinanceAccount& account : company.accounts)
      rows.push_back(AccountRow(account, company.id, company.name));
  }
  return rows;
}

ListRow ListViewRows::ItemRow(int32_t itemId, const std::wstring& name, int effectiveSourceType,
                              double quantity, int32_t piecesInPackage) {
  if (effectiveSourceType == Invoice::kSourceService)
    return ListRow(itemId, {Value(name), Value(L"N/A"), Value(L"N/A")});
  Value packages;
  if (piecesInPackage != 0 && quantity != 0.0) packages = Value(quantity / piecesInPackage);
  return ListRow(itemId, {Value(name), Value(quantity), packages});
}

ListRow ListViewRows::PriceGroupRow(int32_t id, const std::wstring& name, int32_t direction,
                                    int32_t inputDefaultId, int32_t outputDefaultId) {
  const bool isDefault = id == inputDefaultId || id == outputDefaultId;
  return ListRow(
      id, {Value(name), Value(isDefault ? L"Yes" : L""), Value(direction == 1 ? L"Income" : L"Outcome")});
}

std::pair<int32_t, int32_t> ListViewRows::PaymentPresets(Selected selected, int32_t selectedId,
                                                         int32_t selectedAccountCompanyId,
                                                         int32_t myCompanyId) {
  switch (selected) {
    case Selected::Account:
      if (selectedAccountCompanyId != myCompanyId) return {myCompanyId, selectedId};
      return {selectedId, 0};
    case Selected::Company:
      if (selectedId != myCompanyId) return {myCompanyId, selectedId};
      return {selectedId, 0};
    case Selected::Nothing:
      break;
  }
  return {0, 0};
}
