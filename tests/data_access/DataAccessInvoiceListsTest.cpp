#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "DataAccessFixture.h"
#include "common/Value.h"
#include "data/ObjectHandleTable.h"

namespace {

using corvane::test::CallRecorder;
using corvane::test::ExpectSameTm;

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

void ExpectSameInvoice(const InvoiceRecord& read, const InvoiceRecord& expected) {
  EXPECT_EQ(read.id.GetId(), expected.id.GetId());
  EXPECT_EQ(read.invoiceNum, expected.invoiceNum);
  EXPECT_EQ(read.companyObjectId, expected.companyObjectId);
  ExpectSameTm(read.datum, expected.datum);
  EXPECT_EQ(read.daysCondition, expected.daysCondition);
  EXPECT_EQ(read.totalAmount, expected.totalAmount);
  EXPECT_EQ(read.taxAmount, expected.taxAmount);
  EXPECT_EQ(read.paid, expected.paid);
  ExpectSameTm(read.paidOn, expected.paidOn);
  EXPECT_EQ(read.lockedForEdit, expected.lockedForEdit);
  EXPECT_EQ(read.templateObjectId, expected.templateObjectId);
  EXPECT_EQ(read.discountPercent, expected.discountPercent);
  EXPECT_EQ(read.discountAmount, expected.discountAmount);
  EXPECT_EQ(read.displayBox, expected.displayBox);
  EXPECT_EQ(read.addressObjectId, expected.addressObjectId);
  EXPECT_EQ(read.companyObjectIdFrom, expected.companyObjectIdFrom);
  EXPECT_EQ(read.displayBoxFrom, expected.displayBoxFrom);
  EXPECT_EQ(read.invoiceType, expected.invoiceType);
  EXPECT_EQ(read.addressObjectIdFrom, expected.addressObjectIdFrom);
}

// Every column of the listed invoices comes back as it was written and as the
// single-invoice load reads it: NULLs as zero and empty, negative amounts,
// dates far apart, text with characters beyond ASCII anywhere in it. Each
// record holds its own id entry, and the list leaves no entry behind.
TEST_F(DataAccessInvoiceLists, ListedInvoicesReadEveryColumnAsWritten) {
  const int issuer = NewCompany(L"Issuer");
  InvoiceRecord full;
  full.invoiceNum = L"N-1";
  full.companyObjectId = 12;
  full.datum = Tm(1850, 7, 4, 12, 0, 0);
  full.daysCondition = 30;
  full.totalAmount = -1180.5;
  full.taxAmount = -180.5;
  full.paid = true;
  full.paidOn = Tm(2099, 12, 31, 23, 59, 59);
  full.lockedForEdit = true;
  full.templateObjectId = 7;
  full.discountPercent = 2.5;
  full.discountAmount = -3.25;
  full.displayBox = L"Acme\nMain street 5";
  full.companyObjectIdFrom = issuer;
  full.displayBoxFrom = L"Werkstatt M\u00fcller, K\u00f6ln";
  full.invoiceType = 1;
  full.addressObjectIdFrom = 44;
  InvoiceRecord nulls;  // every column that may be NULL is written as NULL
  nulls.invoiceNum = L"\u010c-2 \u8acb\u6c42\u66f8";
  nulls.datum = Tm(2006, 1, 1);
  InvoiceRecord other;
  other.invoiceNum = L"\U0001d11e 3";
  other.datum = Tm(2006, 3, 9, 14, 5, 7);
  other.totalAmount = 0.125;
  other.displayBox = L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \u2014 10 \u20ac";
  for (InvoiceRecord* record : {&full, &nulls, &other}) Store(*record, &DataAccess::SaveInvoice);

  const size_t entries = ObjectHandleTable::Instance().Size();
  {
    std::vector<InvoiceRecord> records;
    Data().LoadInvoices(records, -1.0, -1.0, 0, false, false);
    ASSERT_EQ(records.size(), 3u);
    const InvoiceRecord* expected[] = {&other, &nulls, &full};  // latest first
    for (size_t i = 0; i < records.size(); ++i) {
      SCOPED_TRACE(i);
      ExpectSameInvoice(records[i], *expected[i]);
      InvoiceRecord single;
      Data().LoadInvoice(expected[i]->id.GetId(), single);
      ExpectSameInvoice(records[i], single);
      EXPECT_EQ(ObjectHandleTable::Instance().Find(records[i].id.GetHandle())->refCount, 1);
    }
    EXPECT_EQ(ObjectHandleTable::Instance().Size(), entries + 3);
  }
  EXPECT_EQ(ObjectHandleTable::Instance().Size(), entries);
}

// A list whose fetch fails part way appends nothing and leaves no id entry
// behind; the next list reads every row again and nothing of the failed one.
TEST_F(DataAccessInvoiceLists, AListThatFailsPartWayAppendsNothing) {
  for (int day = 1; day <= 5; ++day) NewInvoice(Tm(2006, 1, day));
  int fetches = 0;
  ibase::SetFaultInjector([&](const ibase::ibCall& call) {
    return call.operation == ibase::ibOperation::Fetch && ++fetches == 4;
  });
  const size_t entries = ObjectHandleTable::Instance().Size();
  std::vector<InvoiceRecord> records(1);
  records[0].invoiceNum = L"held";
  std::vector<InvoiceListRecord> list(1);
  list[0].invoiceNum = L"held";
  EXPECT_THROW(Data().LoadInvoices(records, -1.0, -1.0, 0, false, false), Invoice::DbException);
  fetches = 0;
  EXPECT_THROW(Data().LoadInvoiceList(list, -1.0, -1.0, 0, false, false), Invoice::DbException);
  ibase::SetFaultInjector(nullptr);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].invoiceNum, L"held");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].invoiceNum, L"held");
  EXPECT_EQ(ObjectHandleTable::Instance().Size(), entries + 1);

  Data().LoadInvoices(records, -1.0, -1.0, 0, false, false);
  Data().LoadInvoiceList(list, -1.0, -1.0, 0, false, false);
  const std::vector<std::wstring> expected = {L"held", L"5", L"4", L"3", L"2", L"1"};
  std::vector<std::wstring> numbers;
  for (const InvoiceRecord& record : records) numbers.push_back(record.invoiceNum);
  EXPECT_EQ(numbers, expected);
  numbers.clear();
  for (const InvoiceListRecord& record : list) numbers.push_back(record.invoiceNum);
  EXPECT_EQ(numbers, expected);
  EXPECT_EQ(ObjectHandleTable::Instance().Size(), entries + 6);
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
