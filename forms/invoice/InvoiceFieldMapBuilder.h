#pragma once

// The print data of the invoice open in the form, saved or not: the same
// keys as the print data of a stored invoice (FLD_100 to FLD_112 at row 0,
// FLD_001 to FLD_011 per grid row), with the values the form shows:
// - the header as it stands: date, footer amounts as displayed, both address
//   texts, the paid date only while "Paid" is checked, the chosen delay;
// - field 109 is "Without Tax:" (sum of extensions - sum of line discounts);
// - field 4 is the grid's "Base Unit" cell (quantity in the measurement, or
//   empty);
// - the lines in grid order, so lines not saved yet come first.
// A grid cell read as a number gives 0.0 when it holds none.

#include "common/FieldMap.h"

class BaseListRows;
struct InvoiceHeaderFields;
struct InvoiceTotals;

class InvoiceFieldMapBuilder {
public:
  // Loads the two companies' names and each line's item code; throws
  // Invoice::DbException.
  static FieldMap Build(const InvoiceHeaderFields& header, const InvoiceTotals& totals,
                        const BaseListRows& rows);
};
