#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// A DAYS_CONDITION row.
// Fields follow the table's columns in order; copies share the id handle.
struct DaysConditionRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  int32_t days = 0;
};
