#pragma once

// One stock receipt line (ITEM_INPUT). Saving it adds its quantity to the
// item's stock, and for a manufactured item issues the ingredients; deleting
// it first deletes the issue lines it caused, then takes its quantity off.

#include <vector>

#include "data/objects/StockLine.h"

namespace Invoice {

class ItemOutput;

class ItemInput : public StockLine<ItemInput, ItemInputRecord, &DataAccess::LoadItemInput,
                                   &DataAccess::SaveItemInput, &DataAccess::DeleteItemInput> {
public:
  using StockLine::StockLine;

  // Whether two ITEM_INPUT rows hold the same values (ids aside).
  static bool SameStoredValues(const ItemInputRecord& a, const ItemInputRecord& b);

  // When modified: refused with "Selected Item does not support input." for
  // an item without stock (or no item); a stored line is first deleted with
  // its stock and then stored again under new ids (refused with the
  // concurrent-change text when its row is no longer there as read); then the quantity is
  // added to the stock ("Missing items on stock for '%s'" when that would go
  // below zero) and a manufactured item's ingredients are issued.
  void Save() override;
  // Deletes every issue line drawn from this receipt, then takes the
  // receipt's quantity off the stock (with the same refusal) and removes it.
  void Delete() override;

  int GetManuCompanyId() const { return m_record.manuComapnyId; }  // manufacturer
  int GetSupplierCompanyId() const { return m_record.supplierCompanyId; }
  int GetInputSourceType() const { return m_record.inputSourceType; }  // 1, 2 or 4 (Invoice)

  void SetManuCompanyId(int companyId) { Set(m_record.manuComapnyId, companyId); }
  void SetSupplierCompanyId(int companyId) { Set(m_record.supplierCompanyId, companyId); }
  void SetInputSourceType(int type) { Set(m_record.inputSourceType, type); }

  // The issue lines drawn from this receipt, in OBJECT_ID order.
  void GetOutputs(std::vector<ItemOutput>& outputs) const;

private:
  void RemoveWithStock();
};

// Receipts whose OBJECTS.MODIFIED_ON lies between the OLE dates (inclusive), newest first.
void GetItemInputsModifiedBetween(double from, double to, std::vector<ItemInput>& inputs);

}  // namespace Invoice
