#include "shell/FinancesView.h"

#include <vector>

#include "data/ChangeSet.h"
#include "data/DbException.h"
#include "data/Settings.h"
#include "data/objects/Account.h"
#include "data/objects/Company.h"
#include "forms/dialogs/DlgLauncher.h"
#include "forms/dialogs/PaymentDlgLauncher.h"
#include "shell/CQuennetApp.h"
#include "shell/ListViewRows.h"
#include "shell/ui/RefreshMessages.h"

namespace {

// The page "Finance Info" of the company form.
constexpr uint32_t kCompanyFinancePage = 158;

std::vector<FinanceAccount> FinanceAccountsOf(const Invoice::Company& company) {
  std::vector<Invoice::Account> accounts;
  company.GetAccounts(accounts);
  std::vector<FinanceAccount> result;
  for (const Invoice::Account& account : accounts)
    result.push_back({account.GetId(), account.GetName(), account.GetBalance()});
  return result;
}

// Applies the change set in one unit of work and tells the finance views.
void ApplyFinanceChanges(ChangeSet& changes) {
  if (RunInUnitOfWork([&] { changes.Apply(); })) Broadcast(RefreshMessages::Finance());
}

}  // namespace

FinancesView::FinancesView(wxWindow* parent) : PaneListView(parent, L"FinancesView") {}

unsigned FinancesView::GetRefreshMessage() const {
  return RefreshMessages::Finance();
}

void FinancesView::OnInitialUpdate() {
  AddColumns({{L"Client", 0, 250}, {L"Account", 0, 130}, {L"Balance", 1, 130}});
  const std::vector<unsigned> ids =
      BuildMenu({L"New Account", L"New Payment", L"", L"Delete", L"", L"Properties"});
  m_newAccount = ids[0];
  m_newPayment = ids[1];
  m_delete = ids[3];
  m_properties = ids[5];
}

void FinancesView::Refill() {
  try {
    const std::vector<FinanceAccount> ownerless = FinanceAccountsOf(Invoice::Company());
    std::vector<Invoice::Company> companies;
    Invoice::GetAllCompanies(companies);
    std::vector<FinanceCompany> rows;
    for (const Invoice::Company& company : companies)
      rows.push_back({company.GetId(), company.GetName(), company.GetBalance(), FinanceAccountsOf(company)});
    ReplaceRows(ListViewRows::FinanceRows(ownerless, rows));
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

FinanceRowKind FinancesView::SelectedRowKind() const {
  const std::vector<long> selected = GetSelectedRows();
  if (selected.size() != 1 || selected.front() < 0 || static_cast<size_t>(selected.front()) >= GetRowCount())
    return FinanceRowKind::None;
  const ListRow& row = GetRow(selected.front());
  if (!row.HasProperty(ListViewRows::kIsAccount)) return FinanceRowKind::None;
  return row.GetProperty(ListViewRows::kIsAccount).AsBool() ? FinanceRowKind::StoredAccount
                                                            : FinanceRowKind::StoredCompany;
}

ListCommandState FinancesView::GetCommandState() const {
  return CommandRules::FinancesCommands(SelectedCount(), SelectedRowKind(), FormAvailability::Current());
}

void FinancesView::OnProperties() {
  const FinanceRowKind kind = SelectedRowKind();
  if (kind == FinanceRowKind::StoredAccount) {
    EditAccount();
    return;
  }
  if (kind != FinanceRowKind::StoredCompany) return;
  try {
    const Invoice::Company company(SelectedObjectId());
    if (!company.IsStored()) return;
    FormArguments arguments;
    arguments.objectId = company.GetId();
    arguments.initialPage = kCompanyFinancePage;
    GetQuennetApp().OpenForm(kCompanyFormTemplate, arguments);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void FinancesView::OnDelete() {
  if (SelectedRowKind() != FinanceRowKind::StoredAccount) return;
  try {
    const Invoice::Account account(SelectedObjectId());
    if (!account.IsStored()) return;
    ChangeSet changes;
    changes.Add(account);
    if (DlgLauncher(account.GetId(), 0).DeleteWithConfirm(changes)) ApplyFinanceChanges(changes);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void FinancesView::EditAccount() {
  try {
    const Invoice::Account account(SelectedObjectId());
    if (!account.IsStored()) return;
    ChangeSet changes;
    changes.Add(account);
    DlgLauncher launcher(account.GetId(), 0);
    if (launcher.RunAccountDlg(changes, this)) ApplyFinanceChanges(changes);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void FinancesView::NewAccount() {
  try {
    // An account of the selected company, else of no company.
    const int32_t owner = SelectedRowKind() == FinanceRowKind::StoredCompany ? SelectedObjectId() : 0;
    ChangeSet changes;
    DlgLauncher launcher(0, owner);
    if (launcher.RunAccountDlg(changes, this)) ApplyFinanceChanges(changes);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void FinancesView::NewPayment() {
  try {
    ListViewRows::Selected selected = ListViewRows::Selected::Nothing;
    int32_t accountCompany = 0;
    const FinanceRowKind kind = SelectedRowKind();
    if (kind == FinanceRowKind::StoredAccount) {
      selected = ListViewRows::Selected::Account;
      accountCompany = Invoice::Account(SelectedObjectId()).GetCompanyId();
    } else if (kind == FinanceRowKind::StoredCompany) {
      selected = ListViewRows::Selected::Company;
    }
    const auto [payer, receiver] = ListViewRows::PaymentPresets(selected, SelectedObjectId(), accountCompany,
                                                                ReadSettingInt(kMyCompanyIdKey, 0));
    ChangeSet changes;
    PaymentDlgLauncher launcher(0.0, 0, payer, receiver);
    if (launcher.Run(changes, this)) ApplyFinanceChanges(changes);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void FinancesView::ShowContextMenu() {
  const FinancesMenuState state =
      CommandRules::FinancesMenu(SelectedCount(), SelectedRowKind(), FormAvailability::Current());
  m_menu.EnableItem(m_newAccount, state.newAccount);
  m_menu.EnableItem(m_newPayment, state.newPayment);
  m_menu.EnableItem(m_delete, state.del);
  m_menu.EnableItem(m_properties, state.properties);
  const unsigned command = TrackContextMenu();
  if (command == 0) return;
  if (command == m_newAccount)
    NewAccount();
  else if (command == m_newPayment)
    NewPayment();
  else if (command == m_delete)
    OnDelete();
  else if (command == m_properties)
    OnProperties();
}
