#include "forms/invoice/InvoiceLines.h"

#include <type_traits>
#include <vector>

#include "common/Cents.h"
#include "data/ChangeSet.h"
#include "data/objects/Invoice.h"
#include "data/objects/Item.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "shell/ui/BaseListRows.h"

namespace {

// A percentage or an amount that is 0 shows as an empty cell.
Value UnlessZero(double number) {
  return number != 0.0 ? Value(number) : Value();
}

void SetKindValue(ListRow& row, const Invoice::ItemOutput& line) {
  row.SetProperty(L"output_dest_type", Value(static_cast<int32_t>(line.GetOutputDestType())));
}

void SetKindValue(ListRow& row, const Invoice::ItemInput& line) {
  row.SetProperty(L"input_source_type", Value(static_cast<int32_t>(line.GetInputSourceType())));
}

template <class Line>
ListRow MakeLineRow(const Line& line, const std::wstring& itemName) {
  const std::wstring measurement = line.GetMeasurement();
  const double baseUnit = measurement.empty() ? 0.0 : line.GetBaseUnit();  // a stored 0 reads as 1
  std::vector<Value> cells{Value(itemName)};
  const std::vector<Value> figures =
      StockLineCells(line.GetBasePrice(), line.GetQuantity(), line.GetBaseUnit(), measurement,
                     line.GetDiscountPercent(), line.GetTaxPercent());
  cells.insert(cells.end(), figures.begin(), figures.end());
  ListRow row(line.GetObjectId(), std::move(cells));
  row.SetProperty(L"item_object_id", Value(static_cast<int32_t>(line.GetItemId())));
  row.SetProperty(L"measurement", Value(measurement));
  row.SetProperty(L"base_unit", Value(baseUnit));
  SetKindValue(row, line);
  return row;
}

std::wstring ItemName(int itemId) {
  return Invoice::Item(itemId).GetName();
}

template <class Line>
void AppendStored(const Invoice::Invoice& invoice, ChangeSet& lines, BaseListRows& rows) {
  std::vector<Line> stored;
  if constexpr (std::is_same_v<Line, Invoice::ItemInput>)
    invoice.GetItemInputs(stored);
  else
    invoice.GetItemOutputs(stored);
  for (const Line& line : stored) {
    rows.AddRow(MakeLineRow(line, ItemName(line.GetItemId())));
    lines.Add(line);
  }
}

template <class Line>
void AppendPending(const ChangeSet& lines, BaseListRows& rows) {
  for (auto entry = lines.begin(); entry != lines.end(); ++entry) {
    const auto* line = dynamic_cast<const Line*>(lines.ObjectAt(entry));
    if (!line) continue;
    ListRow row = MakeLineRow(*line, ItemName(line->GetItemId()));
    row.SetObjectId(entry->first);  // the key the line commands find it under
    rows.AddRow(row);
  }
}

}  // namespace

std::vector<Value> StockLineCells(double price, double quantity, double baseUnit, const std::wstring& measurement,
                                  double discountPercent, double taxPercent) {
  const InvoiceLineValues values = InvoiceLineValues::Compute(price, quantity, discountPercent, taxPercent);
  // The quantity in the line's measurement: "1.50 kg" for 3 pieces of 0.5 kg.
  Value baseUnitCell;
  if (!measurement.empty()) baseUnitCell = Value(Value(baseUnit * quantity).GetText() + L" " + measurement);
  return {Value(price),          Value(quantity),           baseUnitCell,
          Value(values.extension), UnlessZero(discountPercent), UnlessZero(values.discount),
          UnlessZero(taxPercent),  UnlessZero(values.tax),      Value(values.total)};
}

InvoiceLineValues InvoiceLineValues::Compute(double price, double quantity, double discountPercent,
                                             double taxPercent) {
  InvoiceLineValues values;
  values.extension = RoundToCents(quantity * price);
  if (discountPercent != 0.0) values.discount = RoundToCents((0.01 * values.extension) * discountPercent);
  if (taxPercent != 0.0)
    values.tax = RoundToCents(((values.extension - values.discount) * 0.01) * taxPercent);
  // Rounded once more only to drop the noise of adding cents in binary.
  values.total = RoundToCents((values.extension - values.discount) + values.tax);
  return values;
}

const InvoiceLines::ColumnDef InvoiceLines::kColumns[kColumnCount] = {
    {L"Name", 250, 0},     {L"Price", 80, 1},      {L"Q-ty", 80, 1},     {L"Base Unit", 80, 1},
    {L"Extension", 80, 1}, {L"Discount %", 80, 1}, {L"Discount", 80, 1}, {L"Tax %", 80, 1},
    {L"Tax", 80, 1},       {L"Total", 80, 1},
};

ListRow InvoiceLines::MakeRow(const Invoice::ItemOutput& line, const std::wstring& itemName) {
  return MakeLineRow(line, itemName);
}

ListRow InvoiceLines::MakeRow(const Invoice::ItemInput& line, const std::wstring& itemName) {
  return MakeLineRow(line, itemName);
}

void InvoiceLines::AppendStoredRows(const Invoice::Invoice& invoice, bool income, ChangeSet& lines,
                                    BaseListRows& rows) {
  lines.Clear();
  if (invoice.GetId() == 0) return;  // a new invoice has no stored lines
  if (income)
    AppendStored<Invoice::ItemInput>(invoice, lines, rows);
  else
    AppendStored<Invoice::ItemOutput>(invoice, lines, rows);
}

void InvoiceLines::AppendChangeSetRows(const ChangeSet& lines, bool income, BaseListRows& rows) {
  if (income)
    AppendPending<Invoice::ItemInput>(lines, rows);
  else
    AppendPending<Invoice::ItemOutput>(lines, rows);
}

double InvoiceLines::CellAmount(const ListRow& row, Column column) {
  if (column >= row.GetCellCount()) return 0.0;
  const Value& cell = row.GetCell(column);
  return cell.GetType() == VT_DOUBLE ? cell.AsDouble() : 0.0;
}
