#include "forms/dialogs/ItemOutputDlgLauncher.h"

#include "forms/dialogs/DlgLauncher.h"
#include "forms/items/ItemOutputDlg.h"
#include "platform/MessageBox.h"

ItemOutputDlgLauncher::ItemOutputDlgLauncher(int32_t objectId, int32_t presetItemId, int32_t outputDestType,
                                             int32_t priceGroupId, double defaultDiscount)
    : m_objectId(objectId),
      m_outputDestType(outputDestType),
      m_priceGroupId(priceGroupId),
      m_defaultDiscount(defaultDiscount),
      m_itemIds(presetItemId) {}

ItemOutputDlgLauncher::ItemOutputDlgLauncher(int32_t objectId, std::vector<long>* itemIds,
                                             int32_t outputDestType, int32_t priceGroupId,
                                             double defaultDiscount)
    : m_objectId(objectId),
      m_outputDestType(outputDestType),
      m_priceGroupId(priceGroupId),
      m_defaultDiscount(defaultDiscount),
      m_itemIds(itemIds) {}

bool ItemOutputDlgLauncher::Run(ChangeSet& changeSet, wxWindow* parent) {
  ItemOutputDlg dialog(&changeSet, m_objectId, m_itemIds.Get(), m_outputDestType, m_priceGroupId,
                       m_defaultDiscount, parent);
  if (dialog.DoModal() != platform::IDOK) return false;
  m_objectId = dialog.GetObjectId();
  return true;
}

bool ItemOutputDlgLauncher::Delete(ChangeSet& changeSet, bool ask) const {
  return DeletePendingObject(changeSet, m_objectId, ask);
}
