#include "data/objects/Account.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

void Account::Delete() {
  DeleteUnlessUsed(&DataAccess::CheckAccountDeletable, GetId());
}

void Account::GetPayments(std::vector<Payment>& payments, bool paying, bool receiving) const {
  lists::AppendQueried(
      [&](auto& records) {
        DataAccess::Instance().LoadPaymentsOfAccount(GetId(), records, paying, receiving);
      },
      payments);
}

double Account::GetBalance() const {
  std::vector<PaymentRecord> payments;
  DataAccess::Instance().LoadPaymentsOfAccount(GetId(), payments, true, true);
  return PaymentBalance(payments, GetId(), &PaymentRecord::accountPayingId,
                        &PaymentRecord::accountRecievingId);
}

void SearchAccounts(const std::wstring& text, std::vector<Account>& accounts) {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadAccountsContaining(text, records); },
                       accounts);
}

}  // namespace Invoice
