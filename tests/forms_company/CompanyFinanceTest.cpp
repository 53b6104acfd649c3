#include "forms/company/CompanyFinance.h"

#include <gtest/gtest.h>

#include <map>

#include "data/objects/Payment.h"
#include "platform/OleDateTime.h"

namespace {

constexpr int32_t kCompany = 10;
constexpr int32_t kOther = 20;
constexpr int32_t kGiro = 11;       // an account of the company
constexpr int32_t kSavings = 12;    // another one
constexpr int32_t kOtherBank = 21;  // an account of the other company

PaymentNames FakeNames() {
  PaymentNames names;
  names.companyName = [](int32_t id) {
    return std::map<int32_t, std::wstring>{{kCompany, L"Brenner"}, {kOther, L"Kovac"}}[id];
  };
  names.accountName = [](int32_t id) {
    return std::map<int32_t, std::wstring>{{kGiro, L"Giro"}, {kSavings, L"Savings"}, {kOtherBank, L"NLB"}}[id];
  };
  names.accountCompany = [](int32_t id) {
    return std::map<int32_t, int32_t>{{kGiro, kCompany}, {kSavings, kCompany}, {kOtherBank, kOther}}[id];
  };
  names.invoiceNumber = [](int32_t id) { return id == 5 ? std::wstring(L"0005/06") : std::wstring(); };
  return names;
}

Invoice::Payment MakePayment(int32_t accountPaying, int32_t companyPaying, int32_t accountReceiving,
                             int32_t companyReceiving, double amount = 100.0) {
  Invoice::Payment payment;
  payment.SetAccountPayingId(accountPaying);
  payment.SetCompanyPayingId(companyPaying);
  payment.SetAccountReceivingId(accountReceiving);
  payment.SetCompanyReceivingId(companyReceiving);
  payment.SetAmount(amount);
  payment.SetPaidOn(platform::OleDateTime(2006, 4, 1, 0, 0, 0).GetDate());
  return payment;
}

TEST(CompanyFinanceTest, AccountRowsEndWithNotOnAccountAndTotal) {
  const std::vector<ListRow> none = CompanyFinance::AccountRows({}, 250.0);
  ASSERT_EQ(none.size(), 2u);
  EXPECT_EQ(none[0].GetObjectId(), kNotOnAccountRowId);
  EXPECT_EQ(none[0].GetCell(0).AsString(), L"Not on Account");
  EXPECT_DOUBLE_EQ(none[0].GetCell(1).AsDouble(), 250.0);
  EXPECT_EQ(none[1].GetObjectId(), kTotalRowId);
  EXPECT_EQ(none[1].GetCell(0).AsString(), L"Total");
  EXPECT_DOUBLE_EQ(none[1].GetCell(1).AsDouble(), 250.0);

  const std::vector<ListRow> rows =
      CompanyFinance::AccountRows({{kGiro, L"Giro", 40.0}, {-3, L"New", 0.0}, {kSavings, L"Savings", -15.5}}, 250.0);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].GetObjectId(), kGiro);
  EXPECT_EQ(rows[1].GetObjectId(), -3);
  EXPECT_DOUBLE_EQ(rows[2].GetCell(1).AsDouble(), -15.5);
  EXPECT_DOUBLE_EQ(rows[3].GetCell(1).AsDouble(), 250.0);
  EXPECT_DOUBLE_EQ(rows[4].GetCell(1).AsDouble(), 274.5);
}

TEST(CompanyFinanceTest, EachRowListsThePaymentsThatBelongToIt) {
  const std::set<int32_t> accounts{kGiro, kSavings};
  struct Case {
    Invoice::Payment payment;
    bool giro, savings, notOnAccount, total;
  };
  const Case cases[] = {
      {MakePayment(0, kOther, kGiro, 0), true, false, false, true},
      {MakePayment(kSavings, 0, 0, kOther), false, true, false, true},
      {MakePayment(kGiro, 0, kSavings, 0), true, true, false, true},  // between its own accounts
      {MakePayment(0, kCompany, 0, kOther), false, false, true, true},
      {MakePayment(kOtherBank, 0, 0, kCompany), false, false, true, true},
      {MakePayment(kOtherBank, 0, 0, kOther), false, false, false, false},
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(index++);
    EXPECT_EQ(CompanyFinance::BelongsTo(c.payment, kGiro, kCompany, accounts), c.giro);
    EXPECT_EQ(CompanyFinance::BelongsTo(c.payment, kSavings, kCompany, accounts), c.savings);
    EXPECT_EQ(CompanyFinance::BelongsTo(c.payment, kNotOnAccountRowId, kCompany, accounts), c.notOnAccount);
    EXPECT_EQ(CompanyFinance::BelongsTo(c.payment, kTotalRowId, kCompany, accounts), c.total);
  }
}

TEST(CompanyFinanceTest, PaymentRowsAreSignedFromTheCompanysSide) {
  const PaymentNames names = FakeNames();
  // The company pays a client directly: negative, "Client: name" under "Paid from".
  ListRow paid = CompanyFinance::PaymentRow(MakePayment(0, kCompany, 0, kOther, 80.0), kCompany, names);
  EXPECT_DOUBLE_EQ(paid.GetCell(1).AsDouble(), -80.0);
  EXPECT_EQ(paid.GetCell(3).AsString(), L"Client: Brenner");
  EXPECT_EQ(paid.GetCell(4).AsString(), L"Client: Kovac");
  // Paid from one of its accounts: negative as well.
  ListRow fromAccount = CompanyFinance::PaymentRow(MakePayment(kGiro, 0, kOtherBank, 0, 30.0), kCompany, names);
  EXPECT_DOUBLE_EQ(fromAccount.GetCell(1).AsDouble(), -30.0);
  EXPECT_EQ(fromAccount.GetCell(3).AsString(), L"Account: Giro");
  EXPECT_EQ(fromAccount.GetCell(4).AsString(), L"Account: NLB");
  // Received, with an invoice as reference: positive.
  Invoice::Payment received = MakePayment(kOtherBank, kOther, kGiro, 0, 55.0);
  received.SetReferenceObjectId(5);
  ListRow in = CompanyFinance::PaymentRow(received, kCompany, names);
  EXPECT_DOUBLE_EQ(in.GetCell(1).AsDouble(), 55.0);
  EXPECT_EQ(in.GetCell(2).AsString(), L"Invoice: 0005/06");
  EXPECT_EQ(in.GetCell(3).AsString(), L"Account: NLB");  // the account wins over the company
  // References and parties that are not stored show empty texts.
  Invoice::Payment gone = MakePayment(0, 99, 0, kCompany, 1.0);
  gone.SetReferenceObjectId(77);
  ListRow missing = CompanyFinance::PaymentRow(gone, kCompany, names);
  EXPECT_EQ(missing.GetCell(2).AsString(), L"");
  EXPECT_EQ(missing.GetCell(3).AsString(), L"");
}

TEST(CompanyFinanceTest, RowKindsAndTheReceiverOfANewPayment) {
  EXPECT_TRUE(CompanyFinance::IsFixedRow(kTotalRowId));
  EXPECT_TRUE(CompanyFinance::IsFixedRow(kNotOnAccountRowId));
  EXPECT_FALSE(CompanyFinance::IsFixedRow(kGiro));
  EXPECT_TRUE(CompanyFinance::IsUnsavedAccountRow(-4));
  EXPECT_FALSE(CompanyFinance::IsUnsavedAccountRow(kTotalRowId));
  EXPECT_FALSE(CompanyFinance::IsUnsavedAccountRow(kGiro));
  EXPECT_EQ(CompanyFinance::NewPaymentReceiver(kGiro, true, kCompany), kGiro);
  EXPECT_EQ(CompanyFinance::NewPaymentReceiver(kTotalRowId, true, kCompany), kCompany);
  EXPECT_EQ(CompanyFinance::NewPaymentReceiver(kNotOnAccountRowId, true, kCompany), kCompany);
  EXPECT_EQ(CompanyFinance::NewPaymentReceiver(0, false, kCompany), 0);
}

}  // namespace
