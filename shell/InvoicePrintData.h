#pragma once

// The print data of a stored invoice: the flat FieldMap that the preview
// library lays out, and the title under which an invoice is previewed or
// printed.
//
// Keys of the map (FieldId "FLD_%03d_%03d"), each present exactly once:
//   row 0:         100 number, 101 date, 102 tax, 103 total, 104 discount %,
//                  105 discount, 111 client name, 106 client address block,
//                  112 vendor name, 110 vendor address block, 107 paid date
//                  (only when paid), 108 days to pay, 109 without tax (the
//                  lines' amounts less their discounts, rounded as shown);
//   one row per line (0-based, in line order): 1 item name, 11 item code,
//                  2 price, 3 quantity, 6 discount %, 8 tax %, 4 measurement,
//                  5 amount, 7 discount, 9 tax, 10 line total.
// The header totals are the values stored with the invoice; only the line
// amounts and field 109 are computed here. A date the database holds as NULL
// (101, or 107 of a paid invoice) goes in as an empty value.

#include <string>

#include "common/FieldMap.h"

namespace Invoice {
class Invoice;
}

// The map of one loaded invoice. Loads the companies, the invoice's lines
// (receipt lines of an income invoice, issue lines of any other) and their
// items. A database failure passes out as Invoice::DbException.
FieldMap BuildFieldMap(const Invoice::Invoice& invoice);

// The window title of a preview or print: "Income Invoice <number>" for an
// income invoice (type 1), "Outcome Invoice <number>" for any other type.
std::wstring FormatInvoiceTitle(int invoiceType, const std::wstring& invoiceNum);
std::wstring FormatInvoiceTitle(const Invoice::Invoice& invoice);
