#pragma once

// The part of the received quantity of a manufactured item not yet turned
// into an issue of one dependent item (ITEM_DEP_MOD): one carried remainder
// per dependent item, shared by all receipts.

#include "data/objects/RecordObject.h"

namespace Invoice {

class ItemDepMod
    : public RecordObject<ItemDepMod, ItemDepModRecord, nullptr, &DataAccess::SaveItemDepMod, nullptr> {
public:
  // Built from a record only; ForDependentItem finds the row of a dependent item.
  explicit ItemDepMod(const ItemDepModRecord& record) : RecordObject(record) {}

  // The first row of the dependent item, or a new one when it has none.
  static ItemDepMod ForDependentItem(int dependentItemId);

  int GetItemInputId() const { return m_record.itemInputId; }
  int GetDepItemId() const { return m_record.depItemObjectId; }
  double GetModQuantity() const { return m_record.modQuantity; }

  void SetItemInputId(int itemInputId) { Set(m_record.itemInputId, itemInputId); }
  void SetDepItemId(int depItemId) { Set(m_record.depItemObjectId, depItemId); }
  void SetModQuantity(double quantity) { Set(m_record.modQuantity, quantity); }
};

}  // namespace Invoice
