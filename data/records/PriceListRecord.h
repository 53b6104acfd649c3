#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>

// A PRICE_LIST row: the price of one item in one price list.
// Fields follow the table's columns in order; copies share the id handle.
struct PriceListRecord {
  ObjectHandle id{0};  // OBJECT_ID
  int32_t itemObjectId = 0;
  int32_t priceGroupObjectId = 0;
  double price = 0.0;
  double discountPercent = 0.0;
};
