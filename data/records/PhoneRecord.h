#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// A PHONES row of a company.
// Fields follow the table's columns in order; copies share the id handle.
struct PhoneRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  std::wstring number;
  std::wstring phoneDisplay;
  int16_t countryPart = 0;
  int16_t regionPart = 0;
  int32_t companyObjectId = 0;
};
