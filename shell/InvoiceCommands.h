#pragma once

// The commands on one stored invoice that the invoice list and the company
// form's invoices page share. Each writes in a unit of work of its own and
// tells the other windows; failures are shown.

#include <cstdint>
#include <string>

class wxWindow;

namespace invoice_commands {

// Paid (PAID_ON becomes now) or not paid (PAID_ON stays); true when saved.
bool MarkPaid(int32_t invoiceId, bool paid);
// The payment dialog preset with what the invoice still owes (its total less
// the payments that refer to it); on OK the payment is stored, and the
// invoice is paid once the payments reach the total, on the date of the
// payment that reached it (Payment::Save, in the same unit of work).
void AcceptPayment(int32_t invoiceId, wxWindow* parent);
// The invoice's print data with the template to the preview library:
// printed, or shown in a preview.
void HandOver(int32_t invoiceId, const std::wstring& templatePath, bool print);

}  // namespace invoice_commands
