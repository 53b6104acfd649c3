#pragma once

// Opens the dialog that edits one business object of an owner (an address,
// phone, web link, e-mail or account of a company) on the caller's change
// set, and deletes such an object there. A launcher touches no database:
// the caller applies the change set inside a TransactionScope and
// broadcasts, or keeps it as an open form's pending edits.
//
//   DlgLauncher launcher(phoneId, companyId);  // phoneId 0: a new phone
//   if (launcher.RunPhoneDlg(changeSet, this)) Select(launcher.GetObjectId());

#include <cstdint>

#include "data/ChangeSet.h"
#include "platform/MessageBox.h"

class wxWindow;

class DlgLauncher {
public:
  // objectId 0 opens the dialog for a new object of the owner.
  DlgLauncher(int32_t objectId, int32_t ownerId) : m_objectId(objectId), m_ownerId(ownerId) {}

  int32_t GetObjectId() const { return m_objectId; }
  int32_t GetOwnerId() const { return m_ownerId; }

  // Runs a dialog constructed as Dialog(ChangeSet*, object id, owner id,
  // parent) and offering DoModal and GetObjectId. On IDOK the launcher takes
  // the dialog's object id (for a new object the temporary id the change set
  // gave it) and returns true; otherwise it stays as it was. An exception
  // from the dialog passes to the caller after the dialog is gone. Each
  // dialog's Run operation is one call of this.
  template <class Dialog>
  bool RunDialog(ChangeSet& changeSet, wxWindow* parent) {
    Dialog dialog(&changeSet, m_objectId, m_ownerId, parent);
    if (dialog.DoModal() != platform::IDOK) return false;
    m_objectId = dialog.GetObjectId();
    return true;
  }

  // The contact and account dialogs of a company (CAddressDlg, CPhoneDlg,
  // CWebLinkDlg, CEmailDlg, AccountDlg), each a RunDialog.
  bool RunAddressDlg(ChangeSet& changeSet, wxWindow* parent);
  bool RunPhoneDlg(ChangeSet& changeSet, wxWindow* parent);
  bool RunWebLinkDlg(ChangeSet& changeSet, wxWindow* parent);
  bool RunEmailDlg(ChangeSet& changeSet, wxWindow* parent);
  bool RunAccountDlg(ChangeSet& changeSet, wxWindow* parent);

  // Asks the delete question, then marks the object deleted in the change
  // set (see DeletePendingObject).
  bool DeleteWithConfirm(ChangeSet& changeSet) const;

private:
  int32_t m_objectId;
  int32_t m_ownerId;
};

// The deletion every launcher shares. With ask, the delete question comes
// first and any answer but Yes returns false. Then the object's live entry
// in the change set is marked deleted (a stored object) or dropped (one with
// a temporary id, which then never reaches the database). An id without a
// live entry changes nothing and gives false. A failure is shown and gives
// false.
bool DeletePendingObject(ChangeSet& changeSet, int32_t objectId, bool ask);
