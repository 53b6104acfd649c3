#pragma once

// The company form's "Finance Info" page: the company's accounts with their
// balances, "Not on Account" and "Total" on the left, and on the right the
// payments of the selected row. Accounts and payments are added, edited and
// deleted in the page's change sets and written when the company is saved.
// All payments the page shows are held in one change set (see
// CompanyFinance), so every row's commands act on the payments it shows.

#include <cstdint>
#include <set>
#include <vector>

#include "data/ChangeSet.h"
#include "forms/company/CompanyPage.h"
#include "common/ui/popup_menu.h"

class BaseListCtrl;

class CompanyPage4 : public CompanyPage {
public:
  enum ControlId : int { kTemplateId = 158, kAccounts = 1247, kPayments = 1249 };
  // The account names' column is narrowed no further to fit the balances.
  static constexpr int kLeastAccountNameWidth = 80;

  explicit CompanyPage4(wxWindow* parent);
  ~CompanyPage4() override;

  // Accounts and payments from the database; no row selected.
  void LoadData() override;
  // Writes the payments, then the accounts.
  bool SaveData(bool& reload) override;

  void FillAccounts(bool fromChangeSet);
  // The payments of the selected account row.
  void FillPayments();

  void NewAccount();
  void EditAccount();
  // Refused, before the question, while a payment the page holds names the
  // account.
  void DeleteAccount();
  void NewPayment();
  void EditPayment();
  void DeletePayments();
  void ShowAccountsMenu();
  void ShowPaymentsMenu();

  // The selected account row's id; 0 when none is selected.
  int32_t SelectedAccountRow() const;
  BaseListCtrl* GetAccountsList() const { return m_accounts; }
  BaseListCtrl* GetPaymentsList() const { return m_payments; }
  const ChangeSet& GetAccountChanges() const { return m_accountChanges; }
  const ChangeSet& GetPaymentChanges() const { return m_paymentChanges; }

private:
  void BuildListsAndMenus();
  // Narrows the accounts' columns to the list's width where their texts allow.
  void FitAccountColumns();
  // Sets the accounts' column widths that differ from those shown.
  void SetAccountWidths(const std::vector<int>& widths);
  // The accounts' column widths as the list was given them (empty until the first fit).
  std::vector<int> m_accountWidths;
  // The account dialog for the account (0: a new one of the company).
  void RunAccountDialog(int32_t accountId);
  void LoadPayments();
  std::set<int32_t> CompanyAccountIds() const;
  // Whether a payment of the page (not deleted on it) names the account.
  bool HasPayments(int32_t accountId) const;

  BaseListCtrl* m_accounts = nullptr;
  BaseListCtrl* m_payments = nullptr;
  popup_menu m_accountsMenu;
  popup_menu m_paymentsMenu;
  unsigned m_newAccount = 0, m_deleteAccount = 0, m_accountProperties = 0;
  unsigned m_newPayment = 0, m_deletePayment = 0, m_paymentProperties = 0;
  ChangeSet m_accountChanges;
  ChangeSet m_paymentChanges;
};
