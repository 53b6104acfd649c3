#include "forms/invoice/InvoiceSaveSequence.h"

#include <limits>
#include <vector>

#include "data/ChangeSet.h"
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

// Saving a stored line that was edited removes it and stores it anew, which
// renumbers the copy in the change set; a rollback then leaves that copy with
// no id at all, and a second save would store it beside the old row. Such
// lines are kept as they were before the save (plain copies share their ids
// and touch no database) and put back into the set on failure.
template <class Line>
class EditedStoredLines {
public:
  explicit EditedStoredLines(const ChangeSet& lines) {
    for (auto entry = lines.begin(); entry != lines.end(); ++entry) {
      const auto* line = dynamic_cast<const Line*>(lines.ObjectAt(entry));
      if (line && entry->first > 0 && entry->second.state == ChangeSet::kUpdated) m_lines.push_back(*line);
    }
  }

  void RestoreInto(ChangeSet& lines) const {
    for (Line line : m_lines) lines.Update(line);
  }

private:
  std::vector<Line> m_lines;
};

template <class Line>
InvoiceSaveResult SaveWithLines(InvoiceHeaderFields& header, const InvoiceTotals& totals, ChangeSet& lines) {
  const EditedStoredLines<Line> before(lines);
  try {
    TransactionScope scope;
    InvoiceSaveResult result;
    result.wasNew = header.invoiceId == 0;
    result.income = header.IsIncome();
    result.year = header.date.IsValid() ? header.date.GetYear() : -1;

    SetHeader(header, totals);
    header.invoice.Save();
    result.invoiceId = header.invoice.GetId();

    for (auto entry = lines.begin(); entry != lines.end(); ++entry)
      if (auto* line = dynamic_cast<Line*>(lines.ObjectAt(entry))) line->SetInvoiceId(result.invoiceId);
    lines.Apply();

    const int nextNumber = header.drawnNumber + 1;
    if (result.wasNew) {
      if (result.income)
        SetNextIncomeInvoiceNum(nextNumber);
      else
        SetNextInvoiceNum(nextNumber);
    }
    scope.Commit();
    if (result.wasNew) header.drawnNumber = nextNumber;
    return result;
  } catch (const Invoice::DbException&) {
    before.RestoreInto(lines);
    throw;
  }
}

}  // namespace

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
