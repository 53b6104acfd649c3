#pragma once

// The lines of an invoice as the invoice form's grid shows them. The lines
// are stock movements: issue lines (Invoice::ItemOutput) of an outcome
// invoice, receipt lines (Invoice::ItemInput) of an income invoice. Between
// saves the form's ChangeSet is the truth about them; the grid rows are
// rebuilt from it after every line command and from the database when the
// invoice is (re)loaded.
//
// Each row is the line's object id (negative for a line added since the last
// save), the ten cells of Column, and the named values
// "item_object_id" (integer), "measurement" (text), "base_unit" (double) and
// "output_dest_type" or "input_source_type" (integer).

#include <cstddef>
#include <string>
#include <vector>

#include "shell/ui/ListRow.h"

class BaseListRows;
class ChangeSet;

namespace Invoice {
class Invoice;
class ItemInput;
class ItemOutput;
}  // namespace Invoice

// The amounts of one line as they are shown, each to the cent:
// extension = quantity x price; discount = (0.01 x extension) x discount %;
// tax = ((extension - discount) x 0.01) x tax %; total = (extension -
// discount) + tax. Each is taken from the rounded amounts before it, so the
// columns of a line add up as shown. A percentage of 0 gives exactly 0.0.
struct InvoiceLineValues {
  double extension = 0.0;
  double discount = 0.0;
  double tax = 0.0;
  double total = 0.0;

  static InvoiceLineValues Compute(double price, double quantity, double discountPercent, double taxPercent);
};

// The cells of a stock line from its price to its total: price, quantity,
// the quantity in the measurement ("1.50 kg"; empty without a measurement),
// extension, discount %, discount, tax %, tax (the last four empty when 0)
// and total.
std::vector<Value> StockLineCells(double price, double quantity, double baseUnit, const std::wstring& measurement,
                                  double discountPercent, double taxPercent);

class InvoiceLines {
public:
  enum Column : size_t {
    kName,
    kPrice,
    kQuantity,
    kBaseUnit,
    kExtension,
    kDiscountPercent,
    kDiscount,
    kTaxPercent,
    kTax,
    kTotal,
    kColumnCount,
  };

  struct ColumnDef {
    const wchar_t* caption;
    int width;
    int alignment;  // 0 left, 1 right
  };
  static const ColumnDef kColumns[kColumnCount];

  // The row of one line whose item is called itemName.
  static ListRow MakeRow(const Invoice::ItemOutput& line, const std::wstring& itemName);
  static ListRow MakeRow(const Invoice::ItemInput& line, const std::wstring& itemName);

  // From the database: empties the change set, then appends one row per
  // stored line of the invoice (receipt lines of an income invoice, issue
  // lines of any other; by OBJECT_ID) and records each line in the change
  // set unchanged. Throws Invoice::DbException.
  static void AppendStoredRows(const Invoice::Invoice& invoice, bool income, ChangeSet& lines,
                               BaseListRows& rows);
  // From the change set: one row per live entry of the invoice's kind, in
  // key order, so lines added since the last save come first, the newest at
  // the top. Loads each line's item for its name. Throws Invoice::DbException.
  static void AppendChangeSetRows(const ChangeSet& lines, bool income, BaseListRows& rows);

  // A cell as a number: its double, 0.0 when it holds none (an empty cell).
  static double CellAmount(const ListRow& row, Column column);
};
