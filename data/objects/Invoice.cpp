#include "data/objects/Invoice.h"

#include "common/Cents.h"
#include "common/Value.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "data/objects/ObjectLists.h"

#include <tuple>

namespace Invoice {

namespace {

auto Civil(const std::tm& t) {
  return std::tie(t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
}

}  // namespace

// Every column: the form writes them all from what it showed.
bool Invoice::SameStoredValues(const InvoiceRecord& a, const InvoiceRecord& b) {
  auto values = [](const InvoiceRecord& r) {
    return std::tuple_cat(
        std::tie(r.invoiceNum, r.companyObjectId, r.daysCondition, r.totalAmount, r.taxAmount, r.paid,
                 r.lockedForEdit, r.templateObjectId, r.discountPercent, r.discountAmount, r.displayBox,
                 r.addressObjectId, r.companyObjectIdFrom, r.displayBoxFrom, r.invoiceType,
                 r.addressObjectIdFrom),
        Civil(r.datum), Civil(r.paidOn));
  };
  return values(a) == values(b);
}

// Receipt lines go through their own rule too: the database would remove
// them with the invoice row, but leave the stock they brought in.
void Invoice::Delete() {
  if (GetId() == 0) return;
  std::vector<ItemOutput> outputs;
  GetItemOutputs(outputs);
  for (ItemOutput& output : outputs) output.Delete();
  std::vector<ItemInput> inputs;
  GetItemInputs(inputs);
  for (ItemInput& input : inputs) input.Delete();
  // Payments made against the invoice stay, without their reference.
  DataAccess::Instance().ClearPaymentReferences(GetId());
  RecordObject::Delete();
}

double Invoice::GetDate() const {
  return TmToOleDate(m_record.datum);
}

double Invoice::GetPaidOn() const {
  return TmToOleDate(m_record.paidOn);
}

void Invoice::SetDate(double oleDate) {
  Set(m_record.datum, OleDateToTm(oleDate));
}

void Invoice::SetPaidOn(double oleDate) {
  Set(m_record.paidOn, OleDateToTm(oleDate));
}

void Invoice::GetItemOutputs(std::vector<ItemOutput>& outputs) const {
  lists::AppendQueried(
      [&](auto& records) { DataAccess::Instance().LoadItemOutputsOfInvoice(GetId(), records); }, outputs);
}

void Invoice::GetItemInputs(std::vector<ItemInput>& inputs) const {
  lists::AppendQueried(
      [&](auto& records) { DataAccess::Instance().LoadItemInputsOfInvoice(GetId(), records); }, inputs);
}

double Invoice::GetPaidAmount() const {
  if (GetId() == 0) return 0.0;
  std::vector<PaymentRecord> payments;
  DataAccess::Instance().LoadPaymentsOfInvoice(GetId(), payments);
  double paid = 0.0;
  for (const PaymentRecord& payment : payments) paid += payment.amount;
  return paid;
}

double Invoice::GetAmountOwed() const {
  const double owed = RoundToCents(GetTotalAmount() - GetPaidAmount());
  return owed > 0.0 ? owed : 0.0;
}

void Invoice::SetPaidByPayments() {
  std::vector<PaymentRecord> payments;
  if (GetId() != 0) DataAccess::Instance().LoadPaymentsOfInvoice(GetId(), payments);
  // Oldest first: the date is the one on which the running sum last came up
  // to the total (a later refund can take it below again).
  const double total = GetTotalAmount();
  double sum = 0.0;
  bool reached = RoundToCents(total) <= 0.0;
  std::tm paidOn = reached ? m_record.paidOn : std::tm{};
  for (const PaymentRecord& payment : payments) {
    sum += payment.amount;
    const bool now = RoundToCents(total - sum) <= 0.0;
    if (now && !reached) paidOn = payment.paidOn;
    reached = now;
  }
  if (!reached) paidOn = std::tm{};
  if (IsPaid() != reached) SetPaid(reached);
  if (Civil(m_record.paidOn) != Civil(paidOn)) Set(m_record.paidOn, paidOn);
}

void UpdatePaidState(int invoiceId) {
  if (invoiceId <= 0) return;
  InvoiceRecord record;
  DataAccess::Instance().LoadInvoice(invoiceId, record);
  if (record.id.GetId() != invoiceId) return;
  Invoice invoice(record);
  invoice.SetPaidByPayments();
  invoice.Save();
}

void GetInvoices(std::vector<Invoice>& invoices, double from, double to, int companyId, bool paid,
                 bool unpaid) {
  lists::AppendQueried(
      [&](auto& records) { DataAccess::Instance().LoadInvoices(records, from, to, companyId, paid, unpaid); },
      invoices);
}

void GetInvoiceYears(std::vector<int>& years) {
  DataAccess::Instance().LoadInvoiceYears(years);
}

void CountInvoicesPerMonth(int year, std::vector<std::pair<int, int>>& counts) {
  DataAccess::Instance().LoadInvoiceCountsPerMonth(year, counts);
}

}  // namespace Invoice
