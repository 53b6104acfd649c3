#pragma once

#include <cstdint>
#include <string>

// The columns of an INVOICES row that the invoice list shows, and nothing
// more: a list holds tens of thousands of them. Dates are OLE dates, -1.0
// when the column holds no date (PAID_ON of an unpaid invoice).
struct InvoiceListRecord {
  int32_t id = 0;  // OBJECT_ID
  int32_t companyObjectId = 0;
  int32_t daysCondition = 0;
  bool paid = false;
  double datum = -1.0;
  double paidOn = -1.0;
  double totalAmount = 0.0;
  std::wstring invoiceNum;
};
