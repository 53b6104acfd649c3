#include "data/objects/Payment.h"

#include "data/objects/Invoice.h"

namespace Invoice {

namespace {

// The invoice the stored row of the payment refers to; 0 for none, or for a
// payment not stored.
int StoredReference(int paymentId) {
  if (paymentId <= 0) return 0;
  PaymentRecord stored;
  DataAccess::Instance().LoadPayment(paymentId, stored);
  return stored.id.GetId() == paymentId ? stored.referenceObjectId : 0;
}

}  // namespace

void Payment::Save() {
  if (!m_modified) return;
  const int before = StoredReference(GetId());
  RecordObject::Save();
  UpdatePaidState(before);
  if (GetReferenceObjectId() != before) UpdatePaidState(GetReferenceObjectId());
}

void Payment::Delete() {
  const int before = StoredReference(GetId());
  RecordObject::Delete();
  UpdatePaidState(before);
}

double PaymentBalance(const std::vector<PaymentRecord>& payments, int id, int32_t PaymentRecord::*payingField,
                      int32_t PaymentRecord::*receivingField) {
  double balance = 0.0;
  for (const PaymentRecord& payment : payments) {
    if (payment.*payingField == id) balance -= payment.amount;
    if (payment.*receivingField == id) balance += payment.amount;
  }
  return balance;
}

}  // namespace Invoice
