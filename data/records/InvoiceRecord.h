#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <ctime>
#include <string>

// An INVOICES row.
// Fields follow the table's columns in order; copies share the id handle.
struct InvoiceRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring invoiceNum;
  int32_t companyObjectId = 0;  // the client
  std::tm datum{};
  int32_t daysCondition = 0;  // number of days to pay
  double totalAmount = 0.0;
  double taxAmount = 0.0;
  bool paid = false;
  std::tm paidOn{};  // year field 0 = not paid
  bool lockedForEdit = false;
  int32_t templateObjectId = 0;
  double discountPercent = 0.0;
  double discountAmount = 0.0;
  std::wstring displayBox;
  int32_t addressObjectId = 0;
  int32_t companyObjectIdFrom = 0;  // the issuing company
  std::wstring displayBoxFrom;
  int16_t invoiceType = 0;  // 1 income invoice, else outcome invoice
  int32_t addressObjectIdFrom = 0;
};
