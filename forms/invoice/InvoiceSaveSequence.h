#pragma once

// Saving the invoice form: the invoice row and every pending line change in
// one unit of work on the application transaction, the number counter moved
// on for a new invoice, then the refresh messages. The stock moves in the
// lines' own save and delete rules: deleted lines give their stock back (or
// take it away), saved ones take it (or add it), and a line that would take
// the stock below zero refuses the whole save.

#include <cstdint>
#include <string>

class ChangeSet;
struct InvoiceHeaderFields;
struct InvoiceTotals;

struct InvoiceSaveResult {
  int32_t invoiceId = 0;  // the stored invoice's id
  int year = -1;          // of the invoice date, -1 when the date is not valid
  bool income = false;
  bool wasNew = false;
  // A new invoice whose number another invoice of its kind took meanwhile:
  // that number (empty when the invoice kept its own).
  std::wstring takenNumber;
};

// Why a stored invoice deleted since it was opened is not saved.
inline constexpr wchar_t kInvoiceDeletedText[] =
    L"This invoice was deleted in the meantime (in another window or by another user), so nothing was saved.";

// What the user is told when a new invoice was saved under the next free
// number: "Number 0010/26 was taken; the invoice was saved as 0011/26."
std::wstring NumberTakenMessage(const std::wstring& taken, const std::wstring& saved);

class InvoiceSaveSequence {
public:
  // Writes the header (with the footer amounts as given: the caller passes
  // them as displayed) and applies the lines: first every line marked
  // deleted, then every added or edited line, each tied to the invoice. A
  // new invoice moves its kind's counter to its number + 1 and keeps that in
  // drawnNumber. A new invoice whose number an invoice of its kind took
  // since it was opened (two new invoices side by side are offered the same
  // one) takes the next free number in the same unit of work; the header
  // then holds that number and the result the one that was taken. Unpaid
  // invoices store no paid date.
  //
  // A stored invoice that no longer exists is refused with
  // kInvoiceDeletedText; one whose header, or an edited line, was saved
  // anew since the form read it is refused with Invoice::StaleRowException. On failure nothing is kept: the
  // transaction is rolled back, the ids handed out are taken back, the counter stays, and the change set
  // holds every pending change as before, so the same save can be run again. The Invoice::DbException passes
  // to the caller.
  static InvoiceSaveResult Save(InvoiceHeaderFields& header, const InvoiceTotals& totals, ChangeSet& lines);

  // Tells every window of the thread, in this order: YEAR (wParam the year),
  // INVOCES, ITEM, then ITEMS_INPUT for an income invoice or ITEMS_OUTPUT.
  static void Broadcast(const InvoiceSaveResult& result);
};
