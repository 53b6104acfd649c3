// The company dialogs' launchers (declared with DlgLauncher).

#include "forms/company/AccountDlg.h"
#include "forms/company/CAddressDlg.h"
#include "forms/company/CEmailDlg.h"
#include "forms/company/CPhoneDlg.h"
#include "forms/company/CWebLinkDlg.h"
#include "forms/dialogs/DlgLauncher.h"

bool DlgLauncher::RunAddressDlg(ChangeSet& changeSet, wxWindow* parent) {
  return RunDialog<CAddressDlg>(changeSet, parent);
}

bool DlgLauncher::RunPhoneDlg(ChangeSet& changeSet, wxWindow* parent) {
  return RunDialog<CPhoneDlg>(changeSet, parent);
}

bool DlgLauncher::RunWebLinkDlg(ChangeSet& changeSet, wxWindow* parent) {
  return RunDialog<CWebLinkDlg>(changeSet, parent);
}

bool DlgLauncher::RunEmailDlg(ChangeSet& changeSet, wxWindow* parent) {
  return RunDialog<CEmailDlg>(changeSet, parent);
}

bool DlgLauncher::RunAccountDlg(ChangeSet& changeSet, wxWindow* parent) {
  return RunDialog<AccountDlg>(changeSet, parent);
}
