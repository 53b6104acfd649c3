#include "forms/company/CompanyInvoiceRows.h"

#include "data/objects/Invoice.h"
#include "platform/OleDateTime.h"
#include "shell/InvoiceListRows.h"

ListRow CompanyInvoiceRows::BuildRow(const Invoice::Invoice& invoice, double now) {
  const double datum = invoice.GetDate();
  return ListRow(invoice.GetObjectId(),
                 {Value(invoice.GetInvoiceNum()), Value(platform::OleDateTime(datum)),
                  InvoiceListRows::DueDateCell(datum, invoice.GetDaysCondition()), Value(invoice.GetTotalAmount()),
                  Value(InvoiceListRows::StatusText(invoice.IsPaid(), invoice.GetPaidOn(), datum,
                                                    invoice.GetDaysCondition(), now))});
}

CompanyInvoicesMenuState CompanyInvoiceRows::Menu(size_t selected, bool selectedIsPaid) {
  CompanyInvoicesMenuState state;
  state.newInvoice = true;
  state.del = selected > 0;
  if (selected == 1) {
    state.properties = state.templates = true;
    state.paid = state.acceptPayment = !selectedIsPaid;
    state.notPaid = selectedIsPaid;
  }
  return state;
}
