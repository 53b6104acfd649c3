#include "data/objects/Payment.h"

namespace Invoice {

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
