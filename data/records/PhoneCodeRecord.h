#pragma once

#include "data/ObjectHandle.h"

#include <string>

// A PHONE_CODES row.
// Fields follow the table's columns in order; copies share the id handle.
struct PhoneCodeRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring country;
  std::wstring code;
};
