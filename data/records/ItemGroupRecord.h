#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// An ITEM_GROUPS row: one node of the item group tree.
// Fields follow the table's columns in order; copies share the id handle.
struct ItemGroupRecord {
  ObjectHandle id{0};          // OBJECT_ID
  int32_t parentObjectId = 0;  // 0 = top-level group
  std::wstring name;
  int32_t taxObjectId = 0;
  int32_t measurementObjectId = 0;
  int32_t defInputSourceType = 2;
};
