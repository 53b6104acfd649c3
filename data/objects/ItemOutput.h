#pragma once

// One stock issue line (ITEM_OUTPUT). Saving it takes its quantity off the
// item's stock (items without stock are issued freely); deleting it gives the
// quantity back.

#include "data/objects/StockLine.h"

namespace Invoice {

// Destination types of issue lines.
enum DestType : int {
  kDestRetail = 1,  // the default of new lines
  kDestInvoice = 2,
  kDestManufacturing = 3,  // issued automatically from a receipt (ITEM_INPUT_ID)
  kDestWaste = 4,
};

class ItemOutput : public StockLine<ItemOutput, ItemOutputRecord, &DataAccess::LoadItemOutput,
                                    &DataAccess::SaveItemOutput, &DataAccess::DeleteItemOutput> {
public:
  using StockLine::StockLine;

  // Whether two ITEM_OUTPUT rows hold the same values (ids aside).
  static bool SameStoredValues(const ItemOutputRecord& a, const ItemOutputRecord& b);

  // When modified: a stored line is first removed with its stock and then
  // stored again under new ids (refused with the concurrent-change text when
  // its row is no longer there as read); then the quantity is taken off the stock,
  // refused with "Missing items on stock for '%s'" when it would go below zero.
  void Save() override;
  // Gives the stored quantity back to the stock and removes the line.
  void Delete() override;

  int GetOutputDestType() const { return m_record.outputDestType; }
  int GetItemInputId() const { return m_record.itemInputId; }  // the receipt it came from, 0 = none

  void SetOutputDestType(int type) { Set(m_record.outputDestType, type); }
  void SetItemInputId(int itemInputId) { Set(m_record.itemInputId, itemInputId); }

private:
  void RemoveWithStock();
};

}  // namespace Invoice
