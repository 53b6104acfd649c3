#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataAccessFixture.h"
#include "common/Value.h"

namespace {

using corvane::test::CallRecorder;

class DataAccessInvoiceLists : public corvane::test::DataAccessTest {
protected:
  int NewInvoice(const std::tm& datum, int company = 0, bool paid = false) {
    InvoiceRecord invoice;
    invoice.invoiceNum = std::to_wstring(++m_invoices);
    invoice.datum = datum;
    invoice.companyObjectId = company;
    invoice.paid = paid;
    return Store(invoice, &DataAccess::SaveInvoice);
  }
  int NewCompany(const std::wstring& name) {
    CompanyRecord company;
    company.name = name;
    return Store(company, &DataAccess::SaveCompany);
  }
  static std::vector<int> Ids(const std::vector<InvoiceRecord>& records) {
    std::vector<int> ids;
    for (const InvoiceRecord& record : records) ids.push_back(record.id.GetId());
    return ids;
  }
  template <class Record>
  static std::vector<std::wstring> Names(const std::vector<Record>& records) {
    std::vector<std::wstring> names;
    for (const Record& record : records) names.push_back(record.name);
    return names;
  }

  int m_invoices = 0;
};

TEST_F(DataAccessInvoiceLists, YearsWithInvoicesLatestFirstOneQueryPerYear) {
  NewInvoice(Tm(2004, 12, 31, 23, 59, 59));
  NewInvoice(Tm(2006, 1, 1, 0, 0, 0));
  CallRecorder recorder;
  std::vector<int> years;
  Data().LoadInvoiceYears(years);
  EXPECT_EQ(years, (std::vector<int>{2006, 2004}));
  const std::vector<std::wstring> expected = {L"select min(invoices.datum) from invoices;",
                                              L"select max(invoices.datum) from invoices;",
                                              L"SELECT OBJECT_ID FROM INVOICES WHERE DATUM BETWEEN CAST "
                                              L"('2006-01-01 00:00:00' AS TIMESTAMP) AND CAST "
                                              L"('2006-12-31 23:59:59' AS TIMESTAMP);\n",
                                              L"SELECT OBJECT_ID FROM INVOICES WHERE DATUM BETWEEN CAST "
                                              L"('2005-01-01 00:00:00' AS TIMESTAMP) AND CAST "
                                              L"('2005-12-31 23:59:59' AS TIMESTAMP);\n",
                                              L"SELECT OBJECT_ID FROM INVOICES WHERE DATUM BETWEEN CAST "
                                              L"('2004-01-01 00:00:00' AS TIMESTAMP) AND CAST "
                                              L"('2004-12-31 23:59:59' AS TIMESTAMP);\n"};
  EXPECT_EQ(Statements(recorder), expected);
}

TEST_F(DataAccessInvoiceLists, NoInvoicesGiveNoYears) {
  std::vector<int> years;
  Data().LoadInvoiceYears(years);
  EXPECT_TRUE(years.empty());
}

TEST_F(DataAccessInvoiceLists, MonthlyCountsAreReadAndMonthsAreHalfOpen) {
  for (int day : {1, 15, 28}) NewInvoice(Tm(2006, 2, day, 12));
  NewInvoice(Tm(2006, 3, 1, 0, 0, 0));       // March, not February
  NewInvoice(Tm(2006, 12, 31, 23, 59, 59));  // December
  NewInvoice(Tm(2007, 1, 1, 0, 0, 0));       // next year
  std::vector<DataAccess::MonthCount> counts = {{0, 0}};
  CallRecorder recorder;
  Data().LoadInvoiceCountsPerMonth(2006, counts);
  const std::vector<DataAccess::MonthCount> expected = {{0, 0},  {1, 0},  {2, 3}, {3, 1}, {4, 0},
                                                        {5, 0},  {6, 0},  {7, 0}, {8, 0}, {9, 0},
                                                        {10, 0}, {11, 0}, {12, 1}};
  EXPECT_EQ(counts, expected);
  EXPECT_EQ(Statements(recorder).back(),
            L"SELECT CAST(COUNT(*) AS INTEGER) FROM INVOICES WHERE DATUM >=CAST ('2006-12-01 00:00:00' AS "
            L"TIMESTAMP) AND DATUM < CAST ('2007-01-01 00:00:00' AS TIMESTAMP);\n");
}

TEST_F(DataAccessInvoiceLists, InvoiceFilters) {
  const int acme = NewCompany(L"Acme");
  const int jan = NewInvoice(Tm(2006, 1, 10), acme, true);
  const int feb = NewInvoice(Tm(2006, 2, 10), acme, false);
  const int mar = NewInvoice(Tm(2006, 3, 10), 0, false);
  const int old = NewInvoice(Tm(2005, 6, 1), 0, true);

  struct Case {
    double from, to;
    int company;
    bool paid, unpaid;
    std::vector<int> expected;
  };
  const std::vector<Case> cases = {
      {-1.0, -1.0, 0, false, false, {mar, feb, jan, old}},
      {-1.0, -1.0, 0, true, true, {mar, feb, jan, old}},
      {Ole(2006, 1, 1), Ole(2006, 12, 31, 23, 59, 59), 0, false, false, {mar, feb, jan}},
      {Ole(2006, 2, 10), -1.0, 0, false, false, {mar, feb}},
      {-1.0, Ole(2006, 1, 10), 0, false, false, {jan, old}},
      {-1.0, -1.0, acme, false, true, {feb}},
      {-1.0, -1.0, 0, true, false, {jan, old}},
      {-1.0, -1.0, 0, false, true, {mar, feb}},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    std::vector<InvoiceRecord> records;
    Data().LoadInvoices(records, c.from, c.to, c.company, c.paid, c.unpaid);
    EXPECT_EQ(Ids(records), c.expected) << "case " << i;
  }

  CallRecorder recorder;
  std::vector<InvoiceRecord> records;
  Data().LoadInvoices(records, -1.0, -1.0, acme, false, true);
  Data().LoadInvoices(records, Ole(2006, 1, 1), Ole(2006, 1, 31, 23, 59, 59), 0, false, false);
  const std::wstring select = L"SELECT " + DataAccess::InvoiceColumns() + L" FROM INVOICES ";
  const std::vector<std::wstring> expected = {select + L" WHERE ( COMPANY_OBJECT_ID = " +
                                                  std::to_wstring(acme) +
                                                  L")  AND ( PAID = 0 )  ORDER BY DATUM DESC ",
                                              select +
                                                  L" WHERE ( DATUM BETWEEN CAST ('2006-01-01 00:00:00' AS "
                                                  L"TIMESTAMP) AND CAST ('2006-01-31 23:59:59' AS "
                                                  L"TIMESTAMP))  ORDER BY DATUM DESC "};
  EXPECT_EQ(Statements(recorder), expected);
  EXPECT_EQ(Ids(records), (std::vector<int>{feb, jan}));
}

// The invoice list reads only the columns it shows, of the same rows in the
// same order as the full query, with every filter.
TEST_F(DataAccessInvoiceLists, InvoiceListHoldsTheShownColumnsOfTheFullRows) {
  const int acme = NewCompany(L"Acme");
  InvoiceRecord paid;
  paid.invoiceNum = L"0001/06 \u00e9t\u00e9";
  paid.companyObjectId = acme;
  paid.datum = Tm(2006, 1, 10, 9, 30);
  paid.daysCondition = 15;
  paid.totalAmount = 1180.25;
  paid.paid = true;
  paid.paidOn = Tm(2006, 2, 1, 14, 5);
  Store(paid, &DataAccess::SaveInvoice);
  NewInvoice(Tm(2006, 2, 10), acme, false);
  NewInvoice(Tm(2005, 6, 1), 0, false);

  struct Case {
    double from, to;
    bool paid, unpaid;
    size_t rows;
  };
  for (const Case& c : {Case{-1.0, -1.0, true, true, 3}, Case{Ole(2006, 1, 1), -1.0, false, false, 2},
                        Case{-1.0, -1.0, false, true, 2}, Case{-1.0, Ole(2006, 1, 31), true, false, 1}}) {
    std::vector<InvoiceRecord> full;
    Data().LoadInvoices(full, c.from, c.to, 0, c.paid, c.unpaid);
    std::vector<InvoiceListRecord> list;
    Data().LoadInvoiceList(list, c.from, c.to, 0, c.paid, c.unpaid);
    ASSERT_EQ(list.size(), c.rows);
    ASSERT_EQ(full.size(), c.rows);
    for (size_t i = 0; i < list.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(list[i].id, full[i].id.GetId());
      EXPECT_EQ(list[i].invoiceNum, full[i].invoiceNum);
      EXPECT_EQ(list[i].companyObjectId, full[i].companyObjectId);
      EXPECT_EQ(list[i].daysCondition, full[i].daysCondition);
      EXPECT_EQ(list[i].totalAmount, full[i].totalAmount);
      EXPECT_EQ(list[i].paid, full[i].paid);
      EXPECT_EQ(list[i].datum, TmToOleDate(full[i].datum));
      EXPECT_EQ(list[i].paidOn, TmToOleDate(full[i].paidOn));
    }
  }
  std::vector<InvoiceListRecord> list;
  Data().LoadInvoiceList(list, -1.0, -1.0, 0, true, false);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].invoiceNum, L"0001/06 \u00e9t\u00e9");
  EXPECT_EQ(list[0].datum, Ole(2006, 1, 10, 9, 30));
  EXPECT_EQ(list[0].paidOn, Ole(2006, 2, 1, 14, 5));
  EXPECT_EQ(list[0].totalAmount, 1180.25);
  EXPECT_EQ(list[0].daysCondition, 15);
  Data().LoadInvoiceList(list, Ole(2005, 1, 1), Ole(2005, 12, 31), 0, false, true);
  ASSERT_EQ(list.size(), 2u);  // appended, as every list query does
  EXPECT_EQ(list[1].paidOn, -1.0);
}

TEST_F(DataAccessInvoiceLists, StockMovementLists) {
  const int invoice = NewInvoice(Tm(2006, 1, 1));
  std::vector<int> inputIds;
  for (int item : {1, 2, 1}) {
    platform::SetNowOverride(platform::CivilTime{2006, 4, static_cast<int>(inputIds.size()) + 1, 9, 0, 0});
    ItemInputRecord input;
    input.itemObjectId = item;
    input.quantity = 10;
    input.invoiceObjectId = item == 1 ? invoice : 0;
    inputIds.push_back(Store(input, &DataAccess::SaveItemInput));
  }
  std::vector<int> outputIds;
  for (int item : {2, 1}) {
    ItemOutputRecord output;
    output.itemObjectId = item;
    output.quantity = 1;
    output.invoiceObjectId = invoice;
    output.itemInputId = inputIds[0];
    outputIds.push_back(Store(output, &DataAccess::SaveItemOutput));
  }

  std::vector<ItemInputRecord> inputs;
  Data().LoadItemInputsOfItem(1, inputs);
  EXPECT_EQ(inputs.size(), 2u);
  inputs.clear();
  Data().LoadItemInputsOfInvoice(invoice, inputs);
  ASSERT_EQ(inputs.size(), 2u);
  EXPECT_EQ(inputs[0].id.GetId(), inputIds[0]);
  EXPECT_EQ(inputs[1].id.GetId(), inputIds[2]);
  inputs.clear();
  // Modified 2 and 3 April; newest first, both bounds inclusive.
  Data().LoadItemInputsModifiedBetween(Ole(2006, 4, 2, 9), Ole(2006, 4, 3, 9), inputs);
  ASSERT_EQ(inputs.size(), 2u);
  EXPECT_EQ(inputs[0].id.GetId(), inputIds[2]);
  EXPECT_EQ(inputs[1].id.GetId(), inputIds[1]);

  std::vector<ItemOutputRecord> outputs;
  Data().LoadItemOutputsOfInvoice(invoice, outputs);
  ASSERT_EQ(outputs.size(), 2u);
  EXPECT_EQ(outputs[0].id.GetId(), outputIds[0]);
  EXPECT_EQ(outputs[1].itemObjectId, 1);
  outputs.clear();
  Data().LoadItemOutputsOfItem(2, outputs);
  EXPECT_EQ(outputs.size(), 1u);
  outputs.clear();
  Data().LoadItemOutputsOfInput(inputIds[0], outputs);
  EXPECT_EQ(outputs.size(), 2u);

  CallRecorder recorder;
  Data().LoadItemOutputsOfInput(5, outputs);
  EXPECT_EQ(Statements(recorder).at(0),
            L"SELECT " + DataAccess::ItemOutputColumns() +
                L" FROM ITEM_OUTPUT  WHERE ITEM_INPUT_ID = 5 ORDER BY OBJECT_ID;\n");
}

TEST_F(DataAccessInvoiceLists, CompaniesAndTheirContacts) {
  const int acme = NewCompany(L"Acme d.o.o.");
  NewCompany(L"O'Hara & Sons");
  NewCompany(L"Beta");
  std::vector<CompanyRecord> companies;
  Data().LoadCompanies(companies);
  EXPECT_EQ(Names(companies), (std::vector<std::wstring>{L"Acme d.o.o.", L"Beta", L"O'Hara & Sons"}));
  companies.clear();
  Data().LoadCompaniesContaining(L"o'hara", companies);
  EXPECT_EQ(Names(companies), (std::vector<std::wstring>{L"O'Hara & Sons"}));

  for (const wchar_t* name : {L"Work", L"Home"}) {
    AddressRecord address;
    address.name = name;
    address.companyObjectId = acme;
    Store(address, &DataAccess::SaveAddress);
    WebRecord web;
    web.name = name;
    web.web = L"w";
    web.companyObjectId = acme;
    Store(web, &DataAccess::SaveWeb);
    EmailRecord email;
    email.name = name;
    email.email = L"e";
    email.companyObjectId = acme;
    Store(email, &DataAccess::SaveEmail);
    PhoneRecord phone;
    phone.name = name;
    phone.number = phone.phoneDisplay = L"1";
    phone.companyObjectId = acme;
    Store(phone, &DataAccess::SavePhone);
  }
  const std::vector<std::wstring> byName = {L"Home", L"Work"};
  std::vector<AddressRecord> addresses;
  Data().LoadAddressesOfCompany(acme, addresses);
  EXPECT_EQ(Names(addresses), byName);
  std::vector<WebRecord> webs;
  Data().LoadWebsOfCompany(acme, webs);
  EXPECT_EQ(Names(webs), byName);
  std::vector<EmailRecord> emails;
  Data().LoadEmailsOfCompany(acme, emails);
  EXPECT_EQ(Names(emails), byName);
  std::vector<PhoneRecord> phones;
  Data().LoadPhonesOfCompany(acme, phones);
  EXPECT_EQ(Names(phones), byName);
  phones.clear();
  Data().LoadPhonesOfCompany(acme + 1000, phones);
  EXPECT_TRUE(phones.empty());
}

TEST_F(DataAccessInvoiceLists, AccountsAndPayments) {
  const int acme = NewCompany(L"Acme");
  const int beta = NewCompany(L"Beta");
  auto newAccount = [&](const std::wstring& name, int company) {
    AccountRecord account;
    account.name = name;
    account.companyObjectId = company;
    account.openingDate = Tm(2006, 1, 1);
    return Store(account, &DataAccess::SaveAccount);
  };
  const int giro = newAccount(L"Giro", acme);
  const int cash = newAccount(L"Cash", 0);
  newAccount(L"Savings", beta);

  std::vector<AccountRecord> accounts;
  Data().LoadAccountsOfCompany(0, accounts);
  EXPECT_EQ(Names(accounts), (std::vector<std::wstring>{L"Cash"}));
  accounts.clear();
  Data().LoadAccountsContaining(L"I", accounts);
  EXPECT_EQ(Names(accounts), (std::vector<std::wstring>{L"Giro", L"Savings"}));

  auto newPayment = [&](int day, int payingCompany, int receivingCompany, int payingAccount,
                        int receivingAccount) {
    PaymentRecord payment;
    payment.amount = day;
    payment.companyPayingId = payingCompany;
    payment.companyRecievingId = receivingCompany;
    payment.accountPayingId = payingAccount;
    payment.accountRecievingId = receivingAccount;
    payment.paidOn = Tm(2006, 5, day);
    return Store(payment, &DataAccess::SavePayment);
  };
  const int pays = newPayment(1, acme, beta, giro, 0);
  const int receives = newPayment(2, beta, acme, 0, cash);
  const int other = newPayment(3, beta, 0, 0, 0);

  auto ids = [](const std::vector<PaymentRecord>& payments) {
    std::vector<int> found;
    for (const PaymentRecord& payment : payments) found.push_back(payment.id.GetId());
    return found;
  };
  struct Case {
    bool paying, receiving;
    std::vector<int> expected;
  };
  for (const Case& c : std::vector<Case>{{true, true, {receives, pays}},
                                         {true, false, {pays}},
                                         {false, true, {receives}},
                                         {false, false, {other, receives, pays}}}) {
    std::vector<PaymentRecord> payments;
    Data().LoadPaymentsOfCompany(acme, payments, c.paying, c.receiving);
    EXPECT_EQ(ids(payments), c.expected) << c.paying << c.receiving;
  }
  std::vector<PaymentRecord> payments;
  Data().LoadPaymentsOfAccount(cash, payments, true, true);
  EXPECT_EQ(ids(payments), (std::vector<int>{receives}));

  CallRecorder recorder;
  Data().LoadPaymentsOfAccount(7, payments, true, true);
  Data().LoadAccountsOfCompany(0, accounts);
  const std::vector<std::wstring> expected = {
      L"SELECT " + DataAccess::PaymentColumns() +
          L" FROM PAYMENTS  WHERE  ACCOUNT_PAYING_ID = 7 OR  ACCOUNT_RECIEVING_ID = 7 ORDER BY PAID_ON "
          L"DESC;\n",
      L"SELECT " + DataAccess::AccountColumns() +
          L" FROM ACCOUNTS WHERE COMPANY_OBJECT_ID  IS NULL  ORDER BY NAME;"};
  EXPECT_EQ(Statements(recorder), expected);
}

}  // namespace
