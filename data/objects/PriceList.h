#pragma once

// One price of one item in one price list (PRICE_LIST). An item has at most
// one price row in a list.

#include "data/objects/RecordObject.h"

namespace Invoice {

class PriceList : public RecordObject<PriceList, PriceListRecord, &DataAccess::LoadPriceList,
                                      &DataAccess::SavePriceList, &DataAccess::DeletePriceList> {
public:
  using RecordObject::RecordObject;

  // When modified: a new row for an item and list that already have one
  // (set meanwhile in another window) is written onto that row, which keeps
  // its own discount, instead of adding a second row. A new row is looked
  // for and added under a lock of the item's OBJECTS row, so that two users
  // adding it at once never both add it: the later one is refused with
  // kConcurrentChangeText (Invoice::DbException) and, saving again, writes
  // onto the row the other added. A rollback takes the row's id back from
  // this object.
  void Save() override;

  int GetItemId() const { return m_record.itemObjectId; }
  int GetPriceGroupId() const { return m_record.priceGroupObjectId; }
  double GetPrice() const { return m_record.price; }
  double GetDiscountPercent() const { return m_record.discountPercent; }

  void SetItemId(int itemId) { Set(m_record.itemObjectId, itemId); }
  void SetPriceGroupId(int priceGroupId) { Set(m_record.priceGroupObjectId, priceGroupId); }
  void SetPrice(double price) { Set(m_record.price, price); }
  void SetDiscountPercent(double percent) { Set(m_record.discountPercent, percent); }
};

}  // namespace Invoice
