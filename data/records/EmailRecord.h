#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// An EMAILS row: an e-mail address of a company.
// Fields follow the table's columns in order; copies share the id handle.
struct EmailRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  std::wstring email;
  int32_t companyObjectId = 0;
};
