#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>

// An ITEM_DEPENDENCIES row: item ITEM_OBJECT_ID uses depQuantity of item DEP_ITEM_OBJECT_ID per
// triggerQuantity received. Fields follow the table's columns in order; copies share the id handle.
struct ItemDependencyRecord {
  ObjectHandle id{0};  // OBJECT_ID
  int32_t itemObjectId = 0;
  int32_t depItemObjectId = 0;
  double triggerQuantity = 0.0;
  double depQuantity = 0.0;
};
