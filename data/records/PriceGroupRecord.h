#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// A PRICE_GROUP row: one price list.
// Fields follow the table's columns in order; copies share the id handle.
struct PriceGroupRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  int32_t direction = 2;  // 1 income, 2 outcome
  bool forSelling = true;
  bool forBuying = true;
};
