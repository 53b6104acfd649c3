#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// An ITEMS row: one stock item.
// Fields follow the table's columns in order; copies share the id handle.
struct ItemRecord {
  ObjectHandle id{0};              // OBJECT_ID
  int32_t itemsGroupObjectId = 0;  // ITEMS_GROUP_OBJECT_ID, 0 = no group
  std::wstring name;
  int32_t taxObjectId = 0;
  int32_t measurementObjectId = 0;
  double baseUnit = 0.0;
  double quantityOnStock = 0.0;
  int32_t numInPack = 0;
  double defaultPrice = 0.0;  // read, never written
  std::wstring code;
  int32_t defInputSourceType = 2;  // 1 manufacturing, 2 trading, 3 service
};
