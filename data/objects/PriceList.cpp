#include "data/objects/PriceList.h"

namespace Invoice {

void PriceList::Save() {
  if (!m_modified) return;
  if (GetId() == 0) {
    DataAccess& data = DataAccess::Instance();
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
