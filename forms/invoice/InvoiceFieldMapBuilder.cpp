#include "forms/invoice/InvoiceFieldMapBuilder.h"

#include "data/objects/Company.h"
#include "data/objects/Item.h"
#include "forms/invoice/InvoiceHeaderFields.h"
#include "forms/invoice/InvoiceLines.h"
#include "forms/invoice/InvoiceTotals.h"
#include "shell/ui/BaseListRows.h"

namespace {

void Put(FieldMap& map, int32_t field, int32_t row, const Value& value) {
  map.Insert(FieldId(field, row), value);
}

std::wstring CompanyName(int32_t companyId) {
  return companyId != 0 ? Invoice::Company(companyId).GetName() : std::wstring();
}

void PutLine(FieldMap& map, int32_t row, const ListRow& line) {
  auto amount = [&line](InvoiceLines::Column column) {
    return Value(InvoiceLines::CellAmount(line, column));
  };
  const Value itemId = line.GetProperty(L"item_object_id");
  const int32_t item = itemId.GetType() == VT_INTEGER ? itemId.AsInt() : 0;

  Put(map, 1, row, line.GetCell(InvoiceLines::kName));
  Put(map, 11, row, Invoice::Item(item).GetCode());
  Put(map, 2, row, amount(InvoiceLines::kPrice));
  Put(map, 3, row, amount(InvoiceLines::kQuantity));
  Put(map, 6, row, amount(InvoiceLines::kDiscountPercent));
  Put(map, 8, row, amount(InvoiceLines::kTaxPercent));
  Put(map, 4, row, line.GetCell(InvoiceLines::kBaseUnit));
  Put(map, 5, row, amount(InvoiceLines::kExtension));
  Put(map, 7, row, amount(InvoiceLines::kDiscount));
  Put(map, 9, row, amount(InvoiceLines::kTax));
  Put(map, 10, row, amount(InvoiceLines::kTotal));
}

}  // namespace

FieldMap InvoiceFieldMapBuilder::Build(const InvoiceHeaderFields& header, const InvoiceTotals& totals,
                                       const BaseListRows& rows) {
  FieldMap map;
  Put(map, 100, 0, header.numberText);
  Put(map, 101, 0, header.date);
  Put(map, 102, 0, totals.tax);
  Put(map, 103, 0, totals.total);
  Put(map, 104, 0, header.discountPercent);
  Put(map, 105, 0, totals.discount);
  Put(map, 111, 0, CompanyName(header.to.companyId));
  Put(map, 106, 0, header.to.addressText);
  Put(map, 112, 0, CompanyName(header.from.companyId));
  Put(map, 110, 0, header.from.addressText);
  if (header.paid) Put(map, 107, 0, header.paidDate);
  Put(map, 108, 0, header.days.GetSelectedData());
  Put(map, 109, 0, totals.withoutTax);
  for (size_t index = 0; index < rows.GetRowCount(); ++index)
    PutLine(map, static_cast<int32_t>(index), rows.GetRow(index));
  return map;
}
