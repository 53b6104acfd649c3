#pragma once

#include "data/ObjectHandle.h"

#include <string>

// A TAXES row.
// Fields follow the table's columns in order; copies share the id handle.
struct TaxRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  double percent = 0.0;  // 20 for 20 %
};
