#pragma once

// The footer of the invoice form: what the lines come to before tax, the
// invoice discount on that, the tax and the total. The invoice discount
// percent, the one footer value the user types, is the caller's.
//
// Every amount is kept as the footer shows it (rounded to the amount
// format's decimals), and the total is the sum of the amounts shown:
// without tax - discount + tax, to the last printed digit. The form, the save
// and both print paths take their footer from here.

class BaseListRows;
struct AmountFormat;

struct InvoiceTotals {
  double withoutTax = 0.0;
  double discount = 0.0;
  double tax = 0.0;
  double total = 0.0;

  // From the sums of the lines' shown amounts: without tax = extensions -
  // line discounts; discount = (0.01 x without tax) x discountPercent, to the
  // cent; tax = line taxes; total = (without tax - discount) + tax. The
  // invoice discount does not reduce the tax. Each is rounded as shown before
  // the next one is taken from it.
  static InvoiceTotals FromLineSums(double extensions, double lineDiscounts, double lineTaxes,
                                    double discountPercent, const AmountFormat& format);
  // The same over the grid rows' "Extension", "Discount" and "Tax" cells;
  // cells without a number count 0.
  static InvoiceTotals Compute(const BaseListRows& rows, double discountPercent, const AmountFormat& format);

  bool operator==(const InvoiceTotals&) const = default;
};
