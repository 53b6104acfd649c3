#include "data/objects/PriceList.h"

namespace Invoice {

void PriceList::Save() {
  if (!m_modified) return;
  if (GetId() == 0) {
    DataAccess& data = DataAccess::Instance();
    // Two users may set the same missing price at once (the item's prices
    // page and a price list form). Locking the item's OBJECTS row first
    // makes the second wait for the first: its own reading cannot show the
    // row the first one adds, so its save is refused as a concurrent change,
    // and saving again finds that row and writes onto it.
    data.LockObjectRow(GetItemId());
    if (const int existing = data.FindPriceListId(GetItemId(), GetPriceGroupId()); existing != 0) {
      PriceListRecord stored;
      data.LoadPriceList(existing, stored);
      m_record.discountPercent = stored.discountPercent;
      m_header.id.SetId(existing);
      m_record.id.SetId(existing);
    }
  }
  RecordObject::Save();
}

}  // namespace Invoice
