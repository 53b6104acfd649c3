#include "forms/dialogs/ItemInputDlgLauncher.h"

#include "forms/dialogs/DlgLauncher.h"
#include "forms/items/ItemInputDlg.h"
#include "platform/MessageBox.h"

ItemInputDlgLauncher::ItemInputDlgLauncher(int32_t objectId, int32_t presetItemId, int32_t inputSourceType)
    : m_objectId(objectId), m_inputSourceType(inputSourceType), m_itemIds(presetItemId) {}

ItemInputDlgLauncher::ItemInputDlgLauncher(int32_t objectId, std::vector<long>* itemIds,
                                           int32_t inputSourceType)
    : m_objectId(objectId), m_inputSourceType(inputSourceType), m_itemIds(itemIds) {}

bool ItemInputDlgLauncher::Run(ChangeSet& changeSet, wxWindow* parent) {
  ItemInputDlg dialog(&changeSet, m_objectId, m_itemIds.Get(), m_inputSourceType, parent);
  if (dialog.DoModal() != platform::IDOK) return false;
  m_objectId = dialog.GetObjectId();
  return true;
}

bool ItemInputDlgLauncher::Delete(ChangeSet& changeSet, bool ask) const {
  return DeletePendingObject(changeSet, m_objectId, ask);
}
