#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// An ITEM_OUTPUT row: one stock issue line.
// Fields follow the table's columns in order; copies share the id handle.
struct ItemOutputRecord {
  ObjectHandle id{0};  // OBJECT_ID
  int32_t itemObjectId = 0;
  double quantity = 0.0;  // in base units
  int32_t invoiceObjectId = 0;
  double basePrice = 0.0;
  double taxPercent = 0.0;
  double discountPercent = 0.0;
  int32_t outputDestType = 1;  // 3 = issued automatically from a receipt
  int32_t itemInputId = 0;     // receipt line it came from, 0 = none
  std::wstring measurement;
  double baseUnit = 0.0;
};
