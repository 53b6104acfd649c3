#pragma once

// Saving the invoice form: the invoice row and every pending line change in
// one unit of work on the application transaction, the number counter moved
// on for a new invoice, then the refresh messages. The stock moves in the
// lines' own save and delete rules: deleted lines give their stock back (or
// take it away), saved ones take it (or add it), and a line that would take
// the stock below zero refuses the whole save.

#include <cstdint>

class ChangeSet;
struct InvoiceHeaderFields;
struct InvoiceTotals;

struct InvoiceSaveResult {
  int32_t invoiceId = 0;  // the stored invoice's id
  int year = -1;          // of the invoice date, -1 when the date is not valid
  bool income = false;
  bool wasNew = false;
};

class InvoiceSaveSequence {
public:
  // Writes the header (with the footer amounts as given: the caller passes
  // them as displayed) and applies the lines: first every line marked
  // deleted, then every added or edited line, each tied to the invoice. A
  // new invoice moves its kind's counter to the drawn number + 1 and keeps
  // that in drawnNumber. Unpaid invoices store no paid date.
  //
  // On failure nothing is kept: the transaction is rolled back, the ids
  // handed out are taken back, the counter stays, and the change set holds
  // every pending change as before, so the same save can be run again. The
  // Invoice::DbException passes to the caller.
  static InvoiceSaveResult Save(InvoiceHeaderFields& header, const InvoiceTotals& totals, ChangeSet& lines);

  // Tells every window of the thread, in this order: YEAR (wParam the year),
  // INVOCES, ITEM, then ITEMS_INPUT for an income invoice or ITEMS_OUTPUT.
  static void Broadcast(const InvoiceSaveResult& result);
};
