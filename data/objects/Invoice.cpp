#include "data/objects/Invoice.h"

#include "common/Cents.h"
#include "common/Value.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "data/objects/ObjectLists.h"

namespace Invoice {

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
