#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <ctime>
#include <string>

// A PAYMENTS row.
// Fields follow the table's columns in order; copies share the id handle.
struct PaymentRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring description;
  double amount = 0.0;
  int32_t companyPayingId = 0;
  int32_t companyRecievingId = 0;  // COMPANY_RECIEVING_ID, spelled as the column
  int32_t accountPayingId = 0;
  int32_t accountRecievingId = 0;  // ACCOUNT_RECIEVING_ID, spelled as the column
  int32_t referenceObjectId = 0;   // an invoice or other object, 0 = none
  std::tm paidOn{};
};
