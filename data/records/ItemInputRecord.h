#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// An ITEM_INPUT row: one stock receipt line.
// Fields follow the table's columns in order; copies share the id handle.
struct ItemInputRecord {
  ObjectHandle id{0};  // OBJECT_ID
  int32_t itemObjectId = 0;
  double quantity = 0.0;        // in base units
  int32_t invoiceObjectId = 0;  // 0 = not from an invoice
  double basePrice = 0.0;
  double taxPercent = 0.0;
  double discountPercent = 0.0;
  int32_t manuComapnyId = 0;  // MANU_COMAPNY_ID, spelled as the column
  int32_t supplierCompanyId = 0;
  int32_t inputSourceType = 2;  // 4 = came from an invoice
  std::wstring measurement;
  double baseUnit = 0.0;
};
