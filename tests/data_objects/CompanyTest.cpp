#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ObjectsFixture.h"
#include "data/Settings.h"
#include "data/objects/Account.h"
#include "data/objects/Address.h"
#include "data/objects/Company.h"
#include "data/objects/Email.h"
#include "data/objects/Invoice.h"
#include "data/objects/Payment.h"
#include "data/objects/Phone.h"
#include "data/objects/Web.h"

namespace {

using corvane::test::FailureText;
using Invoice::Company;

class CompanyTest : public corvane::test::ObjectsTest {
protected:
  Company NewCompany(const std::wstring& name) {
    Company company;
    company.SetName(name);
    company.Save();
    return company;
  }
  void Pay(double amount, int fromCompany, int toCompany, int fromAccount = 0, int toAccount = 0) {
    Invoice::Payment payment;
    payment.SetAmount(amount);
    payment.SetCompanyPayingId(fromCompany);
    payment.SetCompanyReceivingId(toCompany);
    payment.SetAccountPayingId(fromAccount);
    payment.SetAccountReceivingId(toAccount);
    payment.SetPaidOn(Ole(2006, 3, 9));
    payment.Save();
  }
};

TEST_F(CompanyTest, TheUsersOwnCompanyIsNotDeletedEvenWhenInvoicesUseIt) {
  TransactionScope scope;
  Company mine = NewCompany(L"Us");
  SetMyCompanyId(mine.GetId());
  Invoice::Invoice invoice;
  invoice.SetInvoiceNum(L"1");
  invoice.SetDate(Ole(2006, 1, 1));
  invoice.SetCompanyId(mine.GetId());
  invoice.Save();
  EXPECT_EQ(FailureText([&] { mine.Delete(); }), L"Client is used as 'My Company' and can not be deleted!");
  SetMyCompanyId(0);
  EXPECT_EQ(FailureText([&] { mine.Delete(); }),
            L"Client is used in one (or more) Invoice(s) and can not be deleted!");
  invoice.Delete();
  mine.Delete();
  EXPECT_EQ(CountRows(L"COMPANIES"), 0);
}

// A database without MY_COMPANY_ID: the check creates the key inside the
// open unit of work and the delete goes on.
TEST_F(CompanyTest, DeletingWithoutAnOwnCompanySetting) {
  TransactionScope scope;
  Company company = NewCompany(L"Them");
  company.Delete();
  scope.Commit();
  EXPECT_EQ(CountRows(L"COMPANIES"), 0);
  EXPECT_EQ(Value(L"SELECT SETT_VALUE FROM SETTINGS WHERE SETT_FIELD = 'MY_COMPANY_ID'"), L"0");
}

TEST_F(CompanyTest, ContactsAccountsAndPaymentsOfACompany) {
  TransactionScope scope;
  Company acme = NewCompany(L"Acme");
  Company other = NewCompany(L"Other");
  for (const wchar_t* name : {L"Office", L"Depot"}) {
    Invoice::Address address;
    address.SetName(name);
    address.SetCompanyId(acme.GetId());
    address.Save();
  }
  Invoice::Phone phone;
  phone.SetName(L"Desk");
  phone.SetNumber(L"123");
  phone.SetPhoneDisplay(L"+1 123");
  phone.SetCountryPart(1);
  phone.SetCompanyId(acme.GetId());
  phone.Save();
  Invoice::Web web;
  web.SetName(L"Home");
  web.SetWeb(L"https://acme.example");
  web.SetCompanyId(acme.GetId());
  web.Save();
  Invoice::Email email;
  email.SetName(L"Sales");
  email.SetEmail(L"sales@acme.example");
  email.SetCompanyId(acme.GetId());
  email.Save();
  Invoice::Account account;
  account.SetName(L"Main");
  account.SetCompanyId(acme.GetId());
  account.SetOpeningDate(Ole(2006, 1, 1));
  account.Save();

  std::vector<Invoice::Address> addresses;
  acme.GetAddresses(addresses);
  ASSERT_EQ(addresses.size(), 2u);
  EXPECT_EQ(addresses[0].GetName(), L"Depot");
  std::vector<Invoice::Phone> phones;
  acme.GetPhones(phones);
  ASSERT_EQ(phones.size(), 1u);
  EXPECT_EQ(phones[0].GetCountryPart(), 1);
  std::vector<Invoice::Web> webs;
  acme.GetWebs(webs);
  std::vector<Invoice::Email> emails;
  acme.GetEmails(emails);
  std::vector<Invoice::Account> accounts;
  acme.GetAccounts(accounts);
  EXPECT_EQ(webs.size() + emails.size() + accounts.size(), 3u);
  std::set<std::wstring> names;
  Invoice::GetAddressNames(names);
  EXPECT_EQ(names, (std::set<std::wstring>{L"Depot", L"Office"}));

  Pay(100.0, other.GetId(), acme.GetId(), 0, account.GetId());
  Pay(30.0, acme.GetId(), other.GetId(), account.GetId(), 0);
  EXPECT_EQ(acme.GetBalance(), 70.0);
  EXPECT_EQ(other.GetBalance(), -70.0);
  EXPECT_EQ(account.GetBalance(), 70.0);
  std::vector<Invoice::Payment> received;
  acme.GetPayments(received, false, true);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].GetAmount(), 100.0);
  EXPECT_EQ(received[0].GetPaidOn(), Ole(2006, 3, 9));

  std::vector<Company> found;
  Invoice::SearchCompanies(L"cm", found);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].GetId(), acme.GetId());
  found.clear();
  Invoice::GetAllCompanies(found);
  EXPECT_EQ(found.size(), 2u);
  std::vector<Invoice::Account> matching;
  Invoice::SearchAccounts(L"mai", matching);
  EXPECT_EQ(matching.size(), 1u);
}

// A company is refused while anything would go with it: invoices that name
// it as client or as supplier, payments it or one of its accounts made or
// received. Nothing is deleted on a refusal.
TEST_F(CompanyTest, InvoicesAsSupplierAndPaymentsKeepACompany) {
  TransactionScope scope;
  SetMyCompanyId(0);
  const wchar_t kInvoices[] = L"Client is used in one (or more) Invoice(s) and can not be deleted!";
  const wchar_t kPayments[] = L"Client is used in one (or more) Payment(s) and can not be deleted!";
  Company supplier = NewCompany(L"Mill");
  Invoice::Invoice income;
  income.SetInvoiceNum(L"1");
  income.SetInvoiceType(1);
  income.SetDate(Ole(2006, 1, 1));
  income.SetCompanyIdFrom(supplier.GetId());
  income.Save();
  EXPECT_EQ(FailureText([&] { supplier.Delete(); }), kInvoices);

  Company payer = NewCompany(L"Payer");
  Company payee = NewCompany(L"Payee");
  Company holder = NewCompany(L"Holder");
  Invoice::Account account;
  account.SetName(L"Main");
  account.SetCompanyId(holder.GetId());
  account.SetOpeningDate(Ole(2006, 1, 1));
  account.Save();
  Pay(10.0, payer.GetId(), 0);
  Pay(20.0, 0, payee.GetId());
  Pay(30.0, 0, 0, 0, account.GetId());
  for (Company* company : {&payer, &payee, &holder})
    EXPECT_EQ(FailureText([&] { company->Delete(); }), kPayments) << company->GetName();
  EXPECT_EQ(CountRows(L"PAYMENTS"), 3);
  EXPECT_EQ(CountRows(L"COMPANIES"), 4);
  EXPECT_EQ(CountRows(L"ACCOUNTS"), 1);

  Company unused = NewCompany(L"Nobody");
  unused.Delete();
  EXPECT_EQ(CountRows(L"COMPANIES"), 4);
}

// The database would delete an account's payments with it: an account
// that pays or receives is refused, and nothing is deleted.
TEST_F(CompanyTest, AnAccountThatPaymentsNameIsNotDeleted) {
  TransactionScope scope;
  const int holder = NewCompany(L"Holder").GetId();
  auto newAccount = [&](const std::wstring& name) {
    Invoice::Account account;
    account.SetName(name);
    account.SetCompanyId(holder);
    account.SetOpeningDate(Ole(2006, 1, 1));
    account.Save();
    return account;
  };
  Invoice::Account paying = newAccount(L"Paying");
  Invoice::Account receiving = newAccount(L"Receiving");
  Invoice::Account unused = newAccount(L"Unused");
  Pay(10.0, 0, 0, paying.GetId(), 0);
  Pay(20.0, 0, 0, 0, receiving.GetId());
  for (Invoice::Account* account : {&paying, &receiving})
    EXPECT_EQ(FailureText([&] { account->Delete(); }),
              L"Account is used in one (or more) Payment(s) and can not be deleted!")
        << account->GetName();
  EXPECT_EQ(CountRows(L"PAYMENTS"), 2);
  EXPECT_EQ(CountRows(L"ACCOUNTS"), 3);

  unused.Delete();
  EXPECT_EQ(CountRows(L"ACCOUNTS"), 2);
}

}  // namespace
