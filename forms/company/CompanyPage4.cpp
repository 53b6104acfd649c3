#include "forms/company/CompanyPage4.h"

#include <vector>

#include "data/DbException.h"
#include "data/objects/Account.h"
#include "data/objects/Company.h"
#include "data/objects/Payment.h"
#include "forms/company/CompanyFinance.h"
#include "forms/dialogs/DlgLauncher.h"
#include "forms/dialogs/PaymentDlgLauncher.h"
#include "shell/PaneListView.h"
#include "shell/ui/BaseListCtrl.h"

CompanyPage4::CompanyPage4(wxWindow* parent)
    : CompanyPage(kTemplateId, parent), m_accountsMenu(10000), m_paymentsMenu(10000) {
  SetTemplateSize(400, 200);
  DialogUnits du(this);
  m_accounts = new BaseListCtrl(this, kAccounts, L"CompanyAccountsList", du.Point(0, 0), du.Size(120, 200));
  m_payments = new BaseListCtrl(this, kPayments, L"CompanyPaymentsList", du.Point(120, 0), du.Size(280, 200));
  SetUpAnchors();
  GetAnchors().AddControl(kAccounts, 0, 0, 30, 100);
  GetAnchors().AddControl(kPayments, 30, 0, 100, 100);
  BuildListsAndMenus();

  m_accounts->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent&) { FillPayments(); });
  m_accounts->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) { EditAccount(); });
  m_payments->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) { EditPayment(); });
  m_accounts->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    FitAccountColumns();
  });
  BindContextMenu(m_accounts, [this] { ShowAccountsMenu(); });
  BindContextMenu(m_payments, [this] { ShowPaymentsMenu(); });
  LoadData();
}

void CompanyPage4::BuildListsAndMenus() {
  m_accounts->AddColumn(L"Account Name", 0, 250);
  m_accounts->AddColumn(L"Balance", 1, 150);
  m_accounts->LoadColumnState();
  m_payments->AddColumn(L"Date", 0, 150);
  m_payments->AddColumn(L"Amount", 1, 150);
  m_payments->AddColumn(L"Reference", 0, 250);
  m_payments->AddColumn(L"Paid from", 0, 250);
  m_payments->AddColumn(L"Paid to", 0, 250);
  m_payments->LoadColumnState();
  m_accountsMenu.Create();
  m_newAccount = m_accountsMenu.AddItem(L"New Account");
  m_deleteAccount = m_accountsMenu.AddItem(L"Delete");
  m_accountProperties = m_accountsMenu.AddItem(L"Properties");
  m_paymentsMenu.Create();
  m_newPayment = m_paymentsMenu.AddItem(L"New Payment");
  m_deletePayment = m_paymentsMenu.AddItem(L"Delete");
  m_paymentProperties = m_paymentsMenu.AddItem(L"Properties");
}

void CompanyPage4::LoadData() {
  FillAccounts(false);
  try {
    LoadPayments();
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
  FillPayments();
}

bool CompanyPage4::SaveData(bool& reload) {
  // Payments first: an account whose payments were deleted on this page is
  // free to go only once they are.
  m_paymentChanges.Apply();
  m_accountChanges.Apply();
  reload = true;
  return true;
}

std::set<int32_t> CompanyPage4::CompanyAccountIds() const {
  std::set<int32_t> ids;
  for (auto it = m_accountChanges.begin(); it != m_accountChanges.end(); ++it)
    if (m_accountChanges.ObjectAt(it)) ids.insert(it->first);
  return ids;
}

void CompanyPage4::FillAccounts(bool fromChangeSet) {
  m_accounts->SetItemCount(0);
  m_accounts->ClearRows();
  try {
    const Invoice::Company company(GetCompanyId());
    std::vector<AccountBalance> balances;
    if (fromChangeSet) {
      for (auto it = m_accountChanges.begin(); it != m_accountChanges.end(); ++it)
        if (auto* account = dynamic_cast<const Invoice::Account*>(m_accountChanges.ObjectAt(it)))
          balances.push_back({it->first, account->GetName(), it->first > 0 ? account->GetBalance() : 0.0});
    } else {
      m_accountChanges.Clear();
      std::vector<Invoice::Account> accounts;
      if (company.IsStored()) company.GetAccounts(accounts);
      for (const Invoice::Account& account : accounts) {
        m_accountChanges.Add(account);
        balances.push_back({account.GetId(), account.GetName(), account.GetBalance()});
      }
    }
    for (const ListRow& row :
         CompanyFinance::AccountRows(balances, company.IsStored() ? company.GetBalance() : 0.0))
      m_accounts->AddRow(row);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
  m_accounts->SetItemCount(m_accounts->GetRowCount());
  // New texts may need more room; a list not laid out yet fits at its first size.
  if (m_accounts->IsShownOnScreen()) FitAccountColumns();
}

void CompanyPage4::FitAccountColumns() {
  // The page gives the accounts 30 per cent of its width, often less than
  // their columns' widths: the name gives way first, then the balance, each
  // no further than its texts (the names, "Not on Account", the amounts)
  // show whole. Each fit starts from the widths the list was given, so a
  // wider window gives the columns their room back.
  if (m_accountWidths.empty()) m_accountWidths = m_accounts->GetColumnWidths();
  std::vector<int> widths = m_accounts->NarrowedToFit(m_accountWidths, 0, kLeastAccountNameWidth);
  widths = m_accounts->NarrowedToFit(widths, 1, 0);
  SetAccountWidths(widths);
}

void CompanyPage4::SetAccountWidths(const std::vector<int>& widths) {
  const std::vector<int> current = m_accounts->GetColumnWidths();
  for (size_t column = 0; column < widths.size() && column < current.size(); ++column)
    if (widths[column] != current[column]) m_accounts->SetColumnWidth(static_cast<int>(column), widths[column]);
}

CompanyPage4::~CompanyPage4() {
  // The list keeps the widths it was given, not those narrowed to this window.
  SetAccountWidths(m_accountWidths);
}

void CompanyPage4::LoadPayments() {
  m_paymentChanges.Clear();
  const Invoice::Company company(GetCompanyId());
  if (!company.IsStored()) return;
  std::vector<Invoice::Payment> payments;
  for (auto it = m_accountChanges.begin(); it != m_accountChanges.end(); ++it)
    if (auto* account = dynamic_cast<const Invoice::Account*>(m_accountChanges.ObjectAt(it)))
      account->GetPayments(payments, true, true);
  company.GetPayments(payments, true, true);
  // A payment between two rows of the company is one entry.
  for (const Invoice::Payment& payment : payments) m_paymentChanges.Add(payment);
}

int32_t CompanyPage4::SelectedAccountRow() const {
  const long row = GetSelectedListItem(*m_accounts);
  return row >= 0 && static_cast<size_t>(row) < m_accounts->GetRowCount() ? m_accounts->GetRow(row).GetObjectId() : 0;
}

void CompanyPage4::FillPayments() {
  m_payments->SetItemCount(0);
  m_payments->ClearRows();
  const int32_t rowId = SelectedAccountRow();
  if (rowId != 0) {
    try {
      const std::set<int32_t> accounts = CompanyAccountIds();
      const PaymentNames names = StoredPaymentNames();
      for (auto it = m_paymentChanges.begin(); it != m_paymentChanges.end(); ++it) {
        auto* payment = dynamic_cast<const Invoice::Payment*>(m_paymentChanges.ObjectAt(it));
        if (payment && CompanyFinance::BelongsTo(*payment, rowId, GetCompanyId(), accounts))
          m_payments->AddRow(CompanyFinance::PaymentRow(*payment, GetCompanyId(), names));
      }
    } catch (const Invoice::DbException& error) {
      ShowDbError(error);
    }
  }
  m_payments->SetItemCount(m_payments->GetRowCount());
}

void CompanyPage4::NewAccount() {
  RunAccountDialog(0);
}

void CompanyPage4::EditAccount() {
  const int32_t rowId = SelectedAccountRow();
  if (m_accounts->GetSelectedRows().size() != 1 || rowId == 0 || CompanyFinance::IsFixedRow(rowId)) return;
  RunAccountDialog(rowId);
}

void CompanyPage4::RunAccountDialog(int32_t accountId) {
  try {
    DlgLauncher launcher(accountId, GetCompanyId());
    if (!launcher.RunAccountDlg(m_accountChanges, this)) return;
    MarkModified();
    FillAccounts(true);
    FillPayments();
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void CompanyPage4::DeleteAccount() {
  const int32_t rowId = SelectedAccountRow();
  if (m_accounts->GetSelectedRows().size() != 1 || rowId == 0 || CompanyFinance::IsFixedRow(rowId)) return;
  // The database would take the account's payments with it.
  if (HasPayments(rowId)) {
    ShowDbError(Invoice::DbException(Invoice::kAccountUsedInPayments));
    return;
  }
  if (!DlgLauncher(rowId, 0).DeleteWithConfirm(m_accountChanges)) return;
  MarkModified();
  FillAccounts(true);
  FillPayments();
}

bool CompanyPage4::HasPayments(int32_t accountId) const {
  for (auto it = m_paymentChanges.begin(); it != m_paymentChanges.end(); ++it) {
    auto* payment = dynamic_cast<const Invoice::Payment*>(m_paymentChanges.ObjectAt(it));
    if (payment && CompanyFinance::BelongsTo(*payment, accountId, GetCompanyId(), {})) return true;
  }
  return false;
}

void CompanyPage4::NewPayment() {
  const int32_t rowId = SelectedAccountRow();
  try {
    PaymentDlgLauncher launcher(0.0, 0, 0, CompanyFinance::NewPaymentReceiver(rowId, rowId != 0, GetCompanyId()));
    if (!launcher.Run(m_paymentChanges, this)) return;
    MarkModified();
    FillPayments();
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void CompanyPage4::EditPayment() {
  const std::vector<long> rows = m_payments->GetSelectedRows();
  if (rows.size() != 1) return;
  try {
    PaymentDlgLauncher launcher(m_payments->GetRow(rows.front()).GetObjectId());
    if (!launcher.Run(m_paymentChanges, this)) return;
    MarkModified();
    FillPayments();
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void CompanyPage4::DeletePayments() {
  const std::vector<long> rows = m_payments->GetSelectedRows();
  if (rows.empty() || !ConfirmDelete()) return;
  bool marked = false;
  for (long row : rows)
    marked |= PaymentDlgLauncher(m_payments->GetRow(row).GetObjectId()).Delete(m_paymentChanges, false);
  if (!marked) return;
  MarkModified();
  FillPayments();
}

void CompanyPage4::ShowAccountsMenu() {
  const std::vector<long> rows = m_accounts->GetSelectedRows();
  const int32_t rowId = SelectedAccountRow();
  const bool oneAccount = rows.size() == 1 && !CompanyFinance::IsFixedRow(rowId);
  m_accountsMenu.EnableItem(m_newAccount, true);
  m_accountsMenu.EnableItem(m_accountProperties, oneAccount);
  m_accountsMenu.EnableItem(m_deleteAccount, oneAccount);
  const unsigned command = TrackEnabledCommand(m_accountsMenu, this);
  if (command == m_newAccount)
    NewAccount();
  else if (command == m_deleteAccount)
    DeleteAccount();
  else if (command == m_accountProperties)
    EditAccount();
}

void CompanyPage4::ShowPaymentsMenu() {
  // Payments cannot name an account before the company is saved.
  if (CompanyFinance::IsUnsavedAccountRow(SelectedAccountRow())) return;
  const size_t selected = m_payments->GetSelectedRows().size();
  m_paymentsMenu.EnableItem(m_newPayment, true);
  m_paymentsMenu.EnableItem(m_paymentProperties, selected == 1);
  m_paymentsMenu.EnableItem(m_deletePayment, selected > 0);
  const unsigned command = TrackEnabledCommand(m_paymentsMenu, this);
  if (command == m_newPayment)
    NewPayment();
  else if (command == m_deletePayment)
    DeletePayments();
  else if (command == m_paymentProperties)
    EditPayment();
}
