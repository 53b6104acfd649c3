#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <ctime>
#include <string>

// An ACCOUNTS row.
// Fields follow the table's columns in order; copies share the id handle.
struct AccountRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  int32_t companyObjectId = 0;  // 0 = belongs to no company
  int32_t accountType = 0;
  std::tm openingDate{};
};
