#include "data/objects/Company.h"

#include "data/DbException.h"
#include "data/Settings.h"
#include "data/objects/Account.h"
#include "data/objects/Address.h"
#include "data/objects/Email.h"
#include "data/objects/ObjectLists.h"
#include "data/objects/Payment.h"
#include "data/objects/Phone.h"
#include "data/objects/Web.h"

#include <tuple>

namespace Invoice {

bool Company::SameStoredValues(const CompanyRecord& a, const CompanyRecord& b) {
  auto values = [](const CompanyRecord& r) {
    return std::tie(r.name, r.priceGroupObjectId, r.defaultDiscount, r.sellToThisOne, r.buyFromThisOne);
  };
  return values(a) == values(b);
}

void Company::Delete() {
  const int id = GetId();
  if (id == 0) return;
  if (id == ReadSettingInt(kMyCompanyIdKey, 0))
    throw DbException(L"Client is used as 'My Company' and can not be deleted!");
  DataAccess::Instance().CheckCompanyDeletable(id);
  RecordObject::Delete();
}

void Company::GetAddresses(std::vector<Address>& addresses) const {
  lists::AppendQueried(
      [&](auto& records) { DataAccess::Instance().LoadAddressesOfCompany(GetId(), records); }, addresses);
}

void Company::GetPhones(std::vector<Phone>& phones) const {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadPhonesOfCompany(GetId(), records); },
                       phones);
}

void Company::GetWebs(std::vector<Web>& webs) const {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadWebsOfCompany(GetId(), records); },
                       webs);
}

void Company::GetEmails(std::vector<Email>& emails) const {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadEmailsOfCompany(GetId(), records); },
                       emails);
}

void Company::GetAccounts(std::vector<Account>& accounts) const {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadAccountsOfCompany(GetId(), records); },
                       accounts);
}

void Company::GetPayments(std::vector<Payment>& payments, bool paying, bool receiving) const {
  lists::AppendQueried(
      [&](auto& records) {
        DataAccess::Instance().LoadPaymentsOfCompany(GetId(), records, paying, receiving);
      },
      payments);
}

double Company::GetBalance() const {
  std::vector<PaymentRecord> payments;
  DataAccess::Instance().LoadPaymentsOfCompany(GetId(), payments, true, true);
  return PaymentBalance(payments, GetId(), &PaymentRecord::companyPayingId,
                        &PaymentRecord::companyRecievingId);
}

void GetAllCompanies(std::vector<Company>& companies) {
  lists::AppendQueried([](auto& records) { DataAccess::Instance().LoadCompanies(records); }, companies);
}

void SearchCompanies(const std::wstring& text, std::vector<Company>& companies) {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadCompaniesContaining(text, records); },
                       companies);
}

}  // namespace Invoice
