#pragma once

// One ingredient of a manufactured item (ITEM_DEPENDENCIES): every
// TRIGGER_QUANTITY of ITEM_OBJECT_ID received issues DEP_QUANTITY of
// DEP_ITEM_OBJECT_ID.

#include <vector>

#include "data/objects/RecordObject.h"

namespace Invoice {

class ItemDependency
    : public RecordObject<ItemDependency, ItemDependencyRecord, &DataAccess::LoadItemDependency,
                          &DataAccess::SaveItemDependency, &DataAccess::DeleteItemDependency> {
public:
  using RecordObject::RecordObject;

  int GetItemId() const { return m_record.itemObjectId; }
  int GetDepItemId() const { return m_record.depItemObjectId; }
  double GetTriggerQuantity() const { return m_record.triggerQuantity; }
  double GetDepQuantity() const { return m_record.depQuantity; }

  void SetItemId(int itemId) { Set(m_record.itemObjectId, itemId); }
  void SetDepItemId(int depItemId) { Set(m_record.depItemObjectId, depItemId); }
  void SetTriggerQuantity(double quantity) { Set(m_record.triggerQuantity, quantity); }
  void SetDepQuantity(double quantity) { Set(m_record.depQuantity, quantity); }
};

// The item's ingredients, in the database's order.
void GetItemDependencies(int itemId, std::vector<ItemDependency>& dependencies);

}  // namespace Invoice
