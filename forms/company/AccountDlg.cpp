#include "forms/company/AccountDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/ui/ChosenTextBox.h"
#include "data/objects/Company.h"
#include "forms/company/ContactEditing.h"
#include "forms/company/NameRefusal.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/SearchDlg.h"
#include "platform/MessageBox.h"
#include "platform/OleDateTime.h"
#include "common/ui/CBaseEdit.h"

std::wstring AccountDlg::AccountNameTakenMessage(const std::wstring& name, int32_t companyId) {
  if (companyId == 0) return L"There is already an account named \"" + name + L"\" without a client.";
  return L"The client already has an account named \"" + name + L"\".";
}

AccountDlg::AccountDlg(ChangeSet* changes, int32_t accountId, int32_t companyId, wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Account"), m_changes(changes), m_accountId(accountId), m_companyId(companyId) {
  SetDialogClientSize(220, 66);
  DialogUnits du(this);
  new wxStaticText(this, kNameLabel, L"Name:", du.Point(7, 9), du.Size(35, 8));
  m_name = new CBaseEdit(this, kName, kInputText, kCheckNone, du.Point(45, 7), du.Size(168, 12));
  m_name->SetLimits(FieldLimits::RequiredText(L"Name", 50));
  new wxStaticText(this, kCompanyLabel, L"Client:", du.Point(7, 27), du.Size(35, 8));
  m_company = new wxTextCtrl(this, kCompany, wxEmptyString, du.Point(45, 25), du.Size(143, 12), wxTE_READONLY);
  MakeChosenTextBox(m_company, new wxButton(this, kChooseCompany, L"...", du.Point(191, 25), du.Size(22, 12)),
                    L"Choose the company with \"...\"");
  new wxButton(this, platform::IDOK, L"OK", du.Point(108, 47), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(163, 47), du.Size(50, 14));
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnSearchCompany(); }, kChooseCompany);
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

bool AccountDlg::OnInitDialog() {
  try {
    if (m_accountId != 0) {
      m_account = LoadEditedRecord<Invoice::Account>(m_changes, m_accountId);
      m_companyId = m_account.GetCompanyId();
    }
    m_name->ChangeValue(m_account.GetName());
    ShowCompany();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  return true;
}

void AccountDlg::ShowCompany() {
  m_company->ChangeValue(m_companyId != 0 ? Invoice::Company(m_companyId).GetName() : std::wstring());
}

void AccountDlg::OnSearchCompany() {
  try {
    SearchDlg search(kSearchClients, nullptr, this);
    if (search.DoModal() != platform::IDOK || search.GetChosenId() == 0) return;
    m_companyId = search.GetChosenId();
    ShowCompany();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
}

void AccountDlg::OnOK() {
  if (!CheckFieldLimits(this)) return;
  const std::wstring name = m_name->GetValue().ToStdWstring();
  auto taken = [&] {
    return IsNameTakenInCompany<Invoice::Account>(m_changes, m_accountId, m_companyId, name,
                                                  &DataAccess::LoadAccountsOfCompany);
  };
  if (RefuseTakenName(this, m_name, taken, AccountNameTakenMessage(name, m_companyId))) return;
  m_account.SetCompanyId(m_companyId);
  m_account.SetName(name);
  // An account without an opening date cannot be stored.
  if (m_accountId == 0 || m_account.GetOpeningDate() < 0.0)
    m_account.SetOpeningDate(platform::OleDateTime::Now().GetDate());
  m_accountId = RecordEdit(m_changes, m_account);
  EndDialog(platform::IDOK);
}

wxTextCtrl* AccountDlg::GetNameEdit() const {
  return m_name;
}
