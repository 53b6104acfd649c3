#include "forms/invoice/InvoiceSaveSequence.h"

#include <limits>
#include <vector>

#include "data/ChangeSet.h"
#include "data/DataAccess.h"
#include "data/DbException.h"
#include "data/Settings.h"
#include "data/TransactionScope.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "forms/invoice/InvoiceHeaderFields.h"
#include "forms/invoice/InvoiceTotals.h"
#include "platform/WindowMessages.h"
#include "shell/ui/RefreshMessages.h"

namespace {

// An OLE date that converts to no calendar date: the data layer writes it as
// NULL. The paid date of an unpaid invoice is stored so rather than as
// 1899-12-30.
constexpr double kNoDate = std::numeric_limits<double>::quiet_NaN();

void SetHeader(InvoiceHeaderFields& header, const InvoiceTotals& totals) {
  Invoice::Invoice& invoice = header.invoice;
  invoice.SetInvoiceNum(header.numberText);
  invoice.SetInvoiceType(header.invoiceType);
  invoice.SetDate(header.date.GetDate());
  invoice.SetTaxAmount(totals.tax);
  invoice.SetTotalAmount(totals.total);
  invoice.SetDiscountPercent(header.discountPercent);
  invoice.SetDiscountAmount(totals.discount);
  invoice.SetCompanyId(header.to.companyId);
  invoice.SetCompanyIdFrom(header.from.companyId);
  invoice.SetDisplayBox(header.to.addressText);
  invoice.SetDisplayBoxFrom(header.from.addressText);
  invoice.SetPaid(header.paid);
  invoice.SetPaidOn(header.paid ? header.paidDate.GetDate() : kNoDate);
  invoice.SetAddressId(header.to.addresses.GetSelectedData());
  invoice.SetAddressIdFrom(header.from.addresses.GetSelectedData());
  invoice.SetDaysCondition(header.days.GetSelectedData());
  invoice.SetTemplateId(header.GetTemplateIdToSave());
}

// A stored invoice must still be there when it is saved: one deleted
// meanwhile (from the list, in another window or by another user) would
// otherwise take its new lines and their stock without an invoice to hold them.
void RequireStoredInvoice(int invoiceId) {
  InvoiceRecord stored;
  DataAccess::Instance().LoadInvoice(invoiceId, stored);
  if (stored.id.GetId() != invoiceId) throw Invoice::DbException(kInvoiceDeletedText);
}

// The drawn number, or the first one after it that no invoice of the kind
// carries.
int FreeNumber(const InvoiceHeaderFields& header) {
  int number = header.drawnNumber;
  std::wstring text = header.numberText;
  while (DataAccess::Instance().FindInvoiceIdByNumber(text, header.invoiceType) != 0)
    text = FormatInvoiceNumber(++number, header.numberYear);
  return number;
}

template <class Line>
InvoiceSaveResult SaveWithLines(InvoiceHeaderFields& header, const InvoiceTotals& totals, ChangeSet& lines) {
  TransactionScope scope;
  InvoiceSaveResult result;
  result.wasNew = header.invoiceId == 0;
  result.income = header.IsIncome();
  result.year = header.date.IsValid() ? header.date.GetYear() : -1;

  int number = header.drawnNumber;
  std::wstring numberText = header.numberText;
  if (result.wasNew) {
    number = FreeNumber(header);
    if (number != header.drawnNumber) {
      result.takenNumber = header.numberText;
      numberText = FormatInvoiceNumber(number, header.numberYear);
    }
  }
  // The header shows the number the invoice is stored under only once that
  // is committed.
  const std::wstring shownNumber = header.numberText;
  header.numberText = numberText;
  try {
    if (!result.wasNew) RequireStoredInvoice(header.invoiceId);
    SetHeader(header, totals);
    header.invoice.Save();
    result.invoiceId = header.invoice.GetId();

    for (auto entry = lines.begin(); entry != lines.end(); ++entry)
      if (auto* line = dynamic_cast<Line*>(lines.ObjectAt(entry))) line->SetInvoiceId(result.invoiceId);
    lines.Apply();

    if (result.wasNew) {
      if (result.income)
        SetNextIncomeInvoiceNum(number + 1);
      else
        SetNextInvoiceNum(number + 1);
    }
    scope.Commit();
  } catch (const Invoice::DbException&) {
    header.numberText = shownNumber;
    throw;
  }
  if (result.wasNew) {
    header.drawnNumber = number + 1;
    header.SetNumber(numberText);
  }
  return result;
}

}  // namespace

std::wstring NumberTakenMessage(const std::wstring& taken, const std::wstring& saved) {
  return L"Number " + taken + L" was taken; the invoice was saved as " + saved + L".";
}

InvoiceSaveResult InvoiceSaveSequence::Save(InvoiceHeaderFields& header, const InvoiceTotals& totals,
                                            ChangeSet& lines) {
  if (header.IsIncome()) return SaveWithLines<Invoice::ItemInput>(header, totals, lines);
  return SaveWithLines<Invoice::ItemOutput>(header, totals, lines);
}

void InvoiceSaveSequence::Broadcast(const InvoiceSaveResult& result) {
  const auto year = static_cast<platform::WPARAM>(static_cast<intptr_t>(result.year));
  platform::SendToThreadWindows(RefreshMessages::Year(), year, 0);
  platform::SendToThreadWindows(RefreshMessages::Invoices(), 0, 0);
  platform::SendToThreadWindows(RefreshMessages::Item(), 0, 0);
  platform::SendToThreadWindows(
      result.income ? RefreshMessages::ItemsInput() : RefreshMessages::ItemsOutput(), 0, 0);
}
