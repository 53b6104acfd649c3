#include "shell/InvoiceCommands.h"

#include "data/ChangeSet.h"
#include "data/DbException.h"
#include "data/objects/Invoice.h"
#include "forms/dialogs/PaymentDlgLauncher.h"
#include "platform/OleDateTime.h"
#include "shell/InvoicePrintData.h"
#include "shell/PaneListView.h"
#include "shell/PreviewManager.h"
#include "shell/ui/RefreshMessages.h"

namespace invoice_commands {

bool MarkPaid(int32_t invoiceId, bool paid) {
  if (invoiceId == 0) return false;
  const bool saved = RunInUnitOfWork([&] {
    Invoice::Invoice invoice(invoiceId);
    invoice.SetPaid(paid);
    // "Not Paid" keeps the date of the last payment.
    if (paid) invoice.SetPaidOn(platform::OleDateTime::Now().GetDate());
    invoice.Save();
  });
  if (saved) Broadcast(RefreshMessages::Invoices());
  return saved;
}

void AcceptPayment(int32_t invoiceId, wxWindow* parent) {
  if (invoiceId == 0) return;
  try {
    const Invoice::Invoice invoice(invoiceId);
    ChangeSet changes;
    // What earlier payments left owing; a part payment keeps the invoice unpaid.
    PaymentDlgLauncher launcher(invoice.GetAmountOwed(), invoiceId, 0, 0);
    if (!launcher.Run(changes, parent)) return;
    // The payment's save sets the invoice's paid state by its payments.
    const bool saved = RunInUnitOfWork([&] { changes.Apply(); });
    if (!saved) return;
    Broadcast(RefreshMessages::Invoices());
    Broadcast(RefreshMessages::Finance());
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void HandOver(int32_t invoiceId, const std::wstring& templatePath, bool print) {
  if (invoiceId == 0) return;
  try {
    const Invoice::Invoice invoice(invoiceId);
    const FieldMap data = BuildFieldMap(invoice);
    const std::wstring title = FormatInvoiceTitle(invoice);
    // A library that cannot be loaded has told the user why; only this command ends.
    GetPreviewManager();
    if (print)
      CallPrintInvoice(title, templatePath, data);
    else
      CallShowInvoicePreview(title, templatePath, data);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

}  // namespace invoice_commands
