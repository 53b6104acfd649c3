#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <string>

// An ADDRESSES row of a company.
// Fields follow the table's columns in order; copies share the id handle.
struct AddressRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  std::wstring displayBox;
  bool defaultAddress = false;
  int32_t companyObjectId = 0;
  std::wstring addressLine1;
  std::wstring addressLine2;
  std::wstring addressLine3;
  std::wstring addressZip;
  std::wstring addressCity;
  std::wstring addressState;
  std::wstring addressCountry;
  bool displayEditEnabled = false;
};
