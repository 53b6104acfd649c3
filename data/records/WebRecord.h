#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// A WEBS row: a web link of a company.
// Fields follow the table's columns in order; copies share the id handle.
struct WebRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  std::wstring web;
  int32_t companyObjectId = 0;
};
