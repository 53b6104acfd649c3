#pragma once

// Edits one bank account: its name and the company it belongs to (chosen
// with the client search). OK records the account in the caller's change
// set; nothing is written here. A new account opens today. Opened through
// DlgLauncher::RunAccountDlg.

#include <cstdint>

#include "data/objects/Account.h"
#include "common/ui/BaseDialog.h"

class CBaseEdit;
class ChangeSet;
class wxTextCtrl;

class AccountDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 155,
    kNameLabel = 1241,
    kName = 1242,
    kCompany = 1243,
    kChooseCompany = 1244,
    kCompanyLabel = 1245,
  };

  AccountDlg(ChangeSet* changes, int32_t accountId, int32_t companyId, wxWindow* parent);

  // Loads the account and its company's name; run by the first show.
  bool OnInitDialog();
  void OnOK() override;
  // "...": the client search; the chosen company owns the account.
  void OnSearchCompany();

  int32_t GetObjectId() const { return m_accountId; }
  int32_t GetCompanyId() const { return m_companyId; }
  const Invoice::Account& GetAccount() const { return m_account; }
  wxTextCtrl* GetNameEdit() const;

  // OK's refusal of a name another account of the client (or, for company
  // id 0, another account without a client) has.
  static std::wstring AccountNameTakenMessage(const std::wstring& name, int32_t companyId);

private:
  void ShowCompany();

  ChangeSet* m_changes;
  int32_t m_accountId;
  int32_t m_companyId;
  Invoice::Account m_account;
  CBaseEdit* m_name = nullptr;
  wxTextCtrl* m_company = nullptr;
};
