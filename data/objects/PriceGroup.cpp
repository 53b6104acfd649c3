#include "data/objects/PriceGroup.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

void PriceGroup::Delete() {
  const int id = GetId();
  if (id == 0) return;
  DataAccess::Instance().CheckPriceGroupDeletable(id);
  std::vector<PriceList> prices;
  GetPriceLists(prices);
  for (PriceList& price : prices) price.Delete();
  RecordObject::Delete();
}

PriceList PriceGroup::GetItemPrice(int itemId) const {
  return PriceList(DataAccess::Instance().FindPriceListId(itemId, GetId()));
}

void PriceGroup::GetPriceLists(std::vector<PriceList>& prices) const {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadPriceListsOfGroup(GetId(), records); },
                       prices);
}

void GetAllPriceGroups(std::vector<PriceGroup>& groups) {
  lists::AppendQueried([](auto& records) { DataAccess::Instance().LoadPriceGroups(records); }, groups);
}

}  // namespace Invoice
