#pragma once

// What the invoice list shows: the period a tree node stands for, and the
// six cells of one invoice row with its payment state worked out against a
// given "now". Plain data in, rows out; InvoicesView only moves them into
// its list.

#include <cstdint>
#include <map>
#include <string>

#include "data/records/InvoiceListRecord.h"
#include "data/records/InvoiceRecord.h"
#include "shell/ui/ListRow.h"

// A period of invoice dates as OLE dates, the end excluded; both -1.0 when
// there is no period (every date).
struct InvoicePeriod {
  double start = -1.0;
  double end = -1.0;

  bool IsOpen() const { return start == -1.0 && end == -1.0; }
  // The last second of the period, the upper bound of the list query (which
  // includes it), so that an invoice dated at midnight on the first of the
  // next month is listed under that month only; -1.0 when open.
  double LastSecond() const;
  bool operator==(const InvoicePeriod&) const = default;

  // Month 1-12: that month; month 0: the whole year; -1 in either: no period.
  static InvoicePeriod For(int year, int month);
};

class InvoiceListRows {
public:
  // "Paid on <date>", "Not paid", "Due Today", "Due in N days" or "Due N days"
  // (N days overdue). Dates are OLE dates; now is the current local time.
  static std::wstring StatusText(bool paid, double paidOn, double datum, int32_t daysCondition, double now);

  // The "Due Date" cell: the date DATUM + DAYS_CONDITION days, or the text
  // "N/A" when there is no days condition.
  static Value DueDateCell(double datum, int32_t daysCondition);

  // One cell of the row: 0 Number, 1 Date, 2 Due Date, 3 Total, 4 Client,
  // 5 Status; an empty value for any other column. The list formats a cell
  // only when it is shown.
  static Value Cell(const InvoiceListRecord& invoice, size_t column, const std::wstring& clientName,
                    double now);
  static constexpr size_t kColumnCount = 6;

  // What the list keeps of a full INVOICES row.
  static InvoiceListRecord ListRecordOf(const InvoiceRecord& invoice);

  // One row of the six cells; its object id is the invoice's.
  static ListRow BuildRow(const InvoiceRecord& invoice, const std::wstring& clientName, double now);
};
