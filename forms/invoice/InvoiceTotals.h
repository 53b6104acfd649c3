#pragma once

// The footer of the invoice form: what the lines come to before tax, the
// invoice discount on that, the tax and the total. The invoice discount
// percent, the one footer value the user types, is the caller's.

class BaseListRows;
struct AmountFormat;

struct InvoiceTotals {
  double withoutTax = 0.0;
  double discount = 0.0;
  double tax = 0.0;
  double total = 0.0;

  // Over the grid rows: without tax = sum of "Extension" - sum of "Discount";
  // discount = (0.01 x without tax) x discountPercent; tax = sum of "Tax";
  // total = (without tax - discount) + tax. The invoice discount does not
  // reduce the tax. Cells without a number count 0.
  static InvoiceTotals Compute(const BaseListRows& rows, double discountPercent);

  // The amounts as the footer shows them and reads them back: each one
  // formatted with two decimals in the locale's number format and parsed
  // again, which is what the save stores and the print data carries.
  InvoiceTotals AsDisplayed(const AmountFormat& format) const;

  bool operator==(const InvoiceTotals&) const = default;
};
