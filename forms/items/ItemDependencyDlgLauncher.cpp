#include "forms/items/ItemDependencyDlgLauncher.h"

#include "forms/dialogs/DlgLauncher.h"
#include "forms/items/ItemDependencyDlg.h"
#include "platform/MessageBox.h"

bool ItemDependencyDlgLauncher::Run(ChangeSet& changeSet, wxWindow* parent) {
  ItemDependencyDlg dialog(&changeSet, m_depItemId, m_itemId, m_dependencyId, parent);
  if (dialog.DoModal() != platform::IDOK) return false;
  m_dependencyId = dialog.GetDependencyId();
  return true;
}

bool ItemDependencyDlgLauncher::Delete(ChangeSet& changeSet, bool ask) const {
  return DeletePendingObject(changeSet, m_dependencyId, ask);
}
