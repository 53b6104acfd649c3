#include "forms/invoice/InvoiceTotals.h"

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
  InvoiceTotals totals;
  totals.withoutTax = Shown(format, extensions - lineDiscounts);
  totals.discount = Shown(format, (0.01 * totals.withoutTax) * discountPercent);
  totals.tax = Shown(format, lineTaxes);
  // The sum of rounded amounts is rounded once more only to drop the binary
  // noise of the subtraction (159.83 - 15.98 is not exactly 143.85).
  totals.total = Shown(format, (totals.withoutTax - totals.discount) + totals.tax);
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
