#include "forms/invoice/InvoiceTotals.h"

#include "forms/invoice/InvoiceLines.h"
#include "common/ui/AmountFormat.h"
#include "shell/ui/BaseListRows.h"

InvoiceTotals InvoiceTotals::Compute(const BaseListRows& rows, double discountPercent) {
  double extensions = 0.0;
  double discounts = 0.0;
  double taxes = 0.0;
  for (size_t index = 0; index < rows.GetRowCount(); ++index) {
    const ListRow& row = rows.GetRow(index);
    extensions += InvoiceLines::CellAmount(row, InvoiceLines::kExtension);
    discounts += InvoiceLines::CellAmount(row, InvoiceLines::kDiscount);
    taxes += InvoiceLines::CellAmount(row, InvoiceLines::kTax);
  }
  InvoiceTotals totals;
  totals.withoutTax = extensions - discounts;
  totals.discount = (0.01 * totals.withoutTax) * discountPercent;
  totals.tax = taxes;
  totals.total = (totals.withoutTax - totals.discount) + taxes;
  return totals;
}

InvoiceTotals InvoiceTotals::AsDisplayed(const AmountFormat& format) const {
  auto shown = [&format](double amount) { return ParseAmount(format, FormatAmount(format, amount)); };
  return {shown(withoutTax), shown(discount), shown(tax), shown(total)};
}
