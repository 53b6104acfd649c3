#pragma once

// What the company form's "Invoices" page shows and enables: one row per
// invoice of the company (Number, Date, Due Date, Total, Status against a
// given "now") and the context menu's enabling for a selection.

#include <cstddef>
#include <vector>

#include "shell/ui/ListRow.h"

namespace Invoice {
class Invoice;
}

struct CompanyInvoicesMenuState {
  bool newInvoice = false, paid = false, notPaid = false, acceptPayment = false, templates = false, del = false,
       properties = false;
  bool operator==(const CompanyInvoicesMenuState&) const = default;
};

class CompanyInvoiceRows {
public:
  // The row of the invoice; its object id is the invoice's. now is an OLE date.
  static ListRow BuildRow(const Invoice::Invoice& invoice, double now);

  // selectedIsPaid is read only when exactly one row is selected.
  static CompanyInvoicesMenuState Menu(size_t selected, bool selectedIsPaid);
};
