#include "data/objects/ItemDependency.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

void GetItemDependencies(int itemId, std::vector<ItemDependency>& dependencies) {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadItemDependencies(itemId, records); },
                       dependencies);
}

}  // namespace Invoice
