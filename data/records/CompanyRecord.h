#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// A COMPANIES row: a client or supplier.
// Fields follow the table's columns in order; copies share the id handle.
struct CompanyRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  int32_t priceGroupObjectId = 0;  // default price list
  double defaultDiscount = 0.0;
  bool sellToThisOne = false;
  bool buyFromThisOne = false;
};
