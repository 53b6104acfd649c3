#include "data/objects/ItemDepMod.h"

namespace Invoice {

ItemDepMod ItemDepMod::ForDependentItem(int dependentItemId) {
  ItemDepModRecord record;
  DataAccess::Instance().LoadItemDepModByDependentItem(dependentItemId, record);
  return ItemDepMod(record);
}

}  // namespace Invoice
