#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>

// An ITEM_DEP_MOD row: the carried remainder of one dependent item.
// Fields follow the table's columns in order; copies share the id handle.
struct ItemDepModRecord {
  ObjectHandle id{0};       // OBJECT_ID
  int32_t itemInputId = 0;  // last receipt line that changed it
  int32_t depItemObjectId = 0;
  double modQuantity = 0.0;
};
