#pragma once

#include "data/ObjectHandle.h"

#include <string>

// A COUNTRIES row.
// Fields follow the table's columns in order; copies share the id handle.
struct CountryRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
};
