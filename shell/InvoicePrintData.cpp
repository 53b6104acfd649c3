#include "shell/InvoicePrintData.h"

#include <vector>

#include "common/ui/AmountFormat.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"
#include "data/objects/Item.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "forms/invoice/InvoiceLines.h"
#include "forms/invoice/InvoiceTotals.h"
#include "platform/OleDateTime.h"

namespace {

enum HeaderField : int32_t {
  kInvoiceNumber = 100,
  kDate = 101,
  kTotalTax = 102,
  kInvoiceTotal = 103,
  kInvoiceDiscountPercent = 104,
  kInvoiceDiscount = 105,
  kClientAddress = 106,
  kPaidDate = 107,
  kAllowedDelay = 108,
  kTotalWithoutTax = 109,
  kVendorAddress = 110,
  kClientName = 111,
  kVendorName = 112,
};

enum LineField : int32_t {
  kItemName = 1,
  kPrice = 2,
  kQuantity = 3,
  kBaseUnit = 4,
  kSum = 5,
  kDiscountPercent = 6,
  kDiscount = 7,
  kTaxPercent = 8,
  kTax = 9,
  kTotal = 10,
  kCode = 11,
};

void Put(FieldMap& map, int32_t field, int32_t row, const Value& value) {
  map.Insert(FieldId(field, row), value);
}

// A stored date as a date value. A missing date (NULL in the database) reads
// as an invalid OLE date; it goes in empty, so that the page shows nothing
// rather than a day of 1899.
Value DateValue(double oleDate) {
  if (oleDate == -1.0 || !platform::OleDateToCivil(oleDate)) return Value();
  return Value(platform::OleDateTime(oleDate));
}

// The NAME of a company; empty text for id 0 (no company chosen).
std::wstring CompanyName(int companyId) {
  if (companyId == 0) return std::wstring();
  return Invoice::Company(companyId).GetName();
}

// What the lines come to: the sums of their amounts, discounts and taxes.
struct LineSums {
  double amounts = 0.0;
  double discounts = 0.0;
  double taxes = 0.0;
};

// Puts the eleven fields of every line and returns their sums.
template <class Line>
LineSums PutLines(FieldMap& map, const std::vector<Line>& lines) {
  LineSums sums;
  int32_t row = 0;
  for (const Line& line : lines) {
    const Invoice::Item item(line.GetItemId());
    Put(map, kItemName, row, item.GetName());
    Put(map, kCode, row, item.GetCode());
    Put(map, kPrice, row, line.GetBasePrice());
    Put(map, kQuantity, row, line.GetQuantity());
    Put(map, kDiscountPercent, row, line.GetDiscountPercent());
    Put(map, kTaxPercent, row, line.GetTaxPercent());
    Put(map, kBaseUnit, row, line.GetMeasurement());

    // The same arithmetic as the invoice form's lines.
    const InvoiceLineValues amounts = InvoiceLineValues::Compute(
        line.GetBasePrice(), line.GetQuantity(), line.GetDiscountPercent(), line.GetTaxPercent());
    sums.amounts += amounts.extension;
    sums.discounts += amounts.discount;
    sums.taxes += amounts.tax;
    Put(map, kSum, row, amounts.extension);
    Put(map, kDiscount, row, amounts.discount);
    Put(map, kTax, row, amounts.tax);
    Put(map, kTotal, row, amounts.total);
    ++row;
  }
  return sums;
}

}  // namespace

FieldMap BuildFieldMap(const Invoice::Invoice& invoice) {
  FieldMap map;
  Put(map, kInvoiceNumber, 0, invoice.GetInvoiceNum());
  Put(map, kDate, 0, DateValue(invoice.GetDate()));
  Put(map, kTotalTax, 0, invoice.GetTaxAmount());
  Put(map, kInvoiceTotal, 0, invoice.GetTotalAmount());
  Put(map, kInvoiceDiscountPercent, 0, invoice.GetDiscountPercent());
  Put(map, kInvoiceDiscount, 0, invoice.GetDiscountAmount());
  Put(map, kClientName, 0, CompanyName(invoice.GetCompanyId()));
  Put(map, kClientAddress, 0, invoice.GetDisplayBox());
  Put(map, kVendorName, 0, CompanyName(invoice.GetCompanyIdFrom()));
  Put(map, kVendorAddress, 0, invoice.GetDisplayBoxFrom());
  if (invoice.IsPaid()) Put(map, kPaidDate, 0, DateValue(invoice.GetPaidOn()));
  Put(map, kAllowedDelay, 0, static_cast<int32_t>(invoice.GetDaysCondition()));

  LineSums sums;
  if (invoice.IsIncome()) {
    std::vector<Invoice::ItemInput> lines;
    invoice.GetItemInputs(lines);
    sums = PutLines(map, lines);
  } else {
    std::vector<Invoice::ItemOutput> lines;
    invoice.GetItemOutputs(lines);
    sums = PutLines(map, lines);
  }
  // "Without tax" as the invoice form's footer shows it, so that the printed
  // footer adds up with the stored discount, tax and total.
  const InvoiceTotals totals = InvoiceTotals::FromLineSums(
      sums.amounts, sums.discounts, sums.taxes, invoice.GetDiscountPercent(), AmountFormat::User());
  Put(map, kTotalWithoutTax, 0, totals.withoutTax);
  return map;
}

std::wstring FormatInvoiceTitle(int invoiceType, const std::wstring& invoiceNum) {
  const wchar_t* kind = invoiceType == 1 ? L"Income Invoice" : L"Outcome Invoice";
  return std::wstring(kind) + L" " + invoiceNum;
}

std::wstring FormatInvoiceTitle(const Invoice::Invoice& invoice) {
  return FormatInvoiceTitle(invoice.GetInvoiceType(), invoice.GetInvoiceNum());
}
