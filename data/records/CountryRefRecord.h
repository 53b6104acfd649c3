#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// A COUNTRIES_REF row: a city or a state of a country.
// Fields follow the table's columns in order; copies share the id handle.
struct CountryRefRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  std::wstring refType;  // "CITY" or "STATE"
  int32_t countriesObjectId = 0;
};
