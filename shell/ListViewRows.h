#pragma once

// The rows of the clients, finance, items and price-list views, built from
// plain values, and the preset ids of a new payment in the finance view.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "shell/ui/ListRow.h"

struct FinanceAccount {
  int32_t id = 0;
  std::wstring name;
  double balance = 0.0;
};

struct FinanceCompany {
  int32_t id = 0;
  std::wstring name;
  double balance = 0.0;
  std::vector<FinanceAccount> accounts;
};

class ListViewRows {
public:
  static constexpr wchar_t kIsAccount[] = L"is_account";
  static constexpr wchar_t kAccountCompany[] = L"account_company_id";

  // Name, Price List (empty text without a default price list).
  static ListRow CompanyRow(int32_t companyId, const std::wstring& name, const std::wstring& priceListName);

  // The accounts of no company first (empty client cell), then each company
  // with its balance, directly followed by its own accounts under its name.
  // Account rows carry the named values kIsAccount (true) and kAccountCompany
  // (the owning company's id, 0 for none); company rows kIsAccount false.
  static std::vector<ListRow> FinanceRows(const std::vector<FinanceAccount>& accountsOfNoCompany,
                                          const std::vector<FinanceCompany>& companies);

  // Item, Stock-Pieces, Stock-Packages. An item without stock (source type 3)
  // shows "N/A" twice; packages stay empty when the item has no pieces in a
  // package or no stock.
  static ListRow ItemRow(int32_t itemId, const std::wstring& name, int effectiveSourceType, double quantity,
                         int32_t piecesInPackage);

  // Price List, Default ("Yes" for either default price list), Direction
  // ("Income" for 1, else "Outcome").
  static ListRow PriceGroupRow(int32_t id, const std::wstring& name, int32_t direction,
                               int32_t inputDefaultId, int32_t outputDefaultId);

  // The two further preset ids of a new payment for the one selected row:
  // an account or company of others pays to or is paid by the own company.
  // selectedAccountCompanyId is the company of a selected account.
  enum class Selected { Nothing, Account, Company };
  static std::pair<int32_t, int32_t> PaymentPresets(Selected selected, int32_t selectedId,
                                                    int32_t selectedAccountCompanyId, int32_t myCompanyId);
};
