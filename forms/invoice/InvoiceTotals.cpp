#include "forms/invoice/InvoiceTotals.h"

#include "common/Cents.h"
#include "forms/invoice/InvoiceLines.h"
#include "common/ui/AmountFormat.h"
#include "shell/ui/BaseListRows.h"

namespace {

double Shown(const AmountFormat& format, double amount) {
  return ParseAmount(format, FormatAmount(format, amount));
}

}  // namespace

InvoiceTotals InvoiceTotals::FromLineSums(double extensions, double lineDiscounts, double lineTaxes,
                                          double discountPercent, const AmountFormat& format) {
  // The line amounts are whole cents already; rounding their sums to the
  // cent only drops the noise of adding them in binary (159.83 - 15.98 is
  // not exactly 143.85), and the invoice discount is rounded the way the
  // lines are, halves away from zero.
  InvoiceTotals totals;
  totals.withoutTax = Shown(format, RoundToCents(extensions - lineDiscounts));
  totals.discount = Shown(format, RoundToCents((0.01 * totals.withoutTax) * discountPercent));
  totals.tax = Shown(format, RoundToCents(lineTaxes));
  totals.total = Shown(format, RoundToCents((totals.withoutTax - totals.discount) + totals.tax));
  return totals;
}

InvoiceTotals InvoiceTotals::Compute(const BaseListRows& rows, double discountPercent,
                                     const AmountFormat& format) {
  double extensions = 0.0;
  double discounts = 0.0;
  double taxes = 0.0;
  for (size_t index = 0; index < rows.GetRowCount(); ++index) {
    const ListRow& row = rows.GetRow(index);
    extensions += InvoiceLines::CellAmount(row, InvoiceLines::kExtension);
    discounts += InvoiceLines::CellAmount(row, InvoiceLines::kDiscount);
    taxes += InvoiceLines::CellAmount(row, InvoiceLines::kTax);
  }
  return FromLineSums(extensions, discounts, taxes, discountPercent, format);
}
