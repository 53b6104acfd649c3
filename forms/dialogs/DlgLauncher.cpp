#include "forms/dialogs/DlgLauncher.h"

#include "forms/dialogs/DialogMessages.h"

bool DlgLauncher::DeleteWithConfirm(ChangeSet& changeSet) const {
  return DeletePendingObject(changeSet, m_objectId, true);
}

bool DeletePendingObject(ChangeSet& changeSet, int32_t objectId, bool ask) {
  if (ask && !dialogs::ConfirmDelete()) return false;
  try {
    const Invoice::Object* object = changeSet.Find(objectId);
    if (!object) return false;
    changeSet.Remove(*object);
    return true;
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error);
    return false;
  }
}
