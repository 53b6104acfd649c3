#include "data/objects/PriceGroup.h"

#include "data/objects/ObjectLists.h"

#include <tuple>

namespace Invoice {

bool PriceGroup::SameStoredValues(const PriceGroupRecord& a, const PriceGroupRecord& b) {
  auto values = [](const PriceGroupRecord& r) {
    return std::tie(r.name, r.direction, r.forSelling, r.forBuying);
  };
  return values(a) == values(b);
}

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
