#include "forms/items/InvoiceLineGuard.h"

#include "data/DataAccess.h"
#include "data/DbException.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/invoice/InvoiceHeaderFields.h"
#include "platform/MessageBox.h"
#include "shell/ui/BaseSaveFrame.h"

namespace InvoiceLineGuard {

std::optional<std::wstring> Refusal(const Invoice::Object* line) {
  int invoiceId = 0;
  if (const auto* input = dynamic_cast<const Invoice::ItemInput*>(line))
    invoiceId = input->GetInvoiceId();
  else if (const auto* output = dynamic_cast<const Invoice::ItemOutput*>(line))
    invoiceId = output->GetInvoiceId();
  if (invoiceId == 0) return std::nullopt;
  InvoiceRecord invoice;
  DataAccess::Instance().LoadInvoice(invoiceId, invoice);
  if (invoice.id.GetId() != invoiceId) return std::nullopt;
  return L"This line belongs to " + FormatInvoiceCaption(invoice.invoiceType, invoice.invoiceNum) +
         L". Its lines are changed and deleted in the invoice's own form.";
}

std::optional<std::wstring> RefusalOf(const ChangeSet& changes, const std::vector<int32_t>& ids) {
  for (int32_t id : ids)
    if (auto refusal = Refusal(changes.Find(id))) return refusal;
  return std::nullopt;
}

bool Refuse(const ChangeSet& changes, const std::vector<int32_t>& ids, wxWindow* owner) {
  try {
    const std::optional<std::wstring> refusal = RefusalOf(changes, ids);
    if (!refusal) return false;
    platform::ShowMessageBox(*refusal, kAppCaption, platform::MB_ICONINFORMATION, owner);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, owner);
  }
  return true;
}

}  // namespace InvoiceLineGuard
