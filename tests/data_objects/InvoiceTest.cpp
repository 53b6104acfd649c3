#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ObjectsFixture.h"
#include "data/ChangeSet.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"
#include "data/objects/Payment.h"

namespace {

using corvane::test::FailureText;

class InvoiceTest : public corvane::test::ObjectsTest {
protected:
  Invoice::Invoice NewInvoice(const std::wstring& number, int type, double date, int companyId = 0) {
    Invoice::Invoice invoice;
    invoice.SetInvoiceNum(number);
    invoice.SetInvoiceType(type);
    invoice.SetDate(date);
    invoice.SetCompanyId(companyId);
    invoice.Save();
    return invoice;
  }
};

// The database removes an income invoice's receipt lines with the invoice
// row, but only their own delete rule takes their stock off again.
TEST_F(InvoiceTest, DeletingAnIncomeInvoiceTakesItsReceiptsOffTheStock) {
  TransactionScope scope;
  const int table = NewItem(L"Table", Invoice::kSourceManufacturing).GetId();
  const int leg = NewItem(L"Leg").GetId();
  Receive(leg, 10.0);
  AddIngredient(table, leg, 1.0, 4.0);
  const int bolt = NewItem(L"Bolt").GetId();
  Invoice::Invoice income = NewInvoice(L"0001/06", 1, Ole(2006, 3, 1));
  Receive(bolt, 7.0, income.GetId());
  Receive(table, 2.0, income.GetId());
  EXPECT_EQ(Stock(leg), 2.0);

  Invoice::Invoice(income.GetId()).Delete();
  EXPECT_EQ(Stock(bolt), 0.0);
  EXPECT_EQ(Stock(table), 0.0);
  EXPECT_EQ(Stock(leg), 10.0);
  EXPECT_EQ(CountRows(L"ITEM_INPUT"), 1);  // the legs' own receipt
  EXPECT_EQ(CountRows(L"ITEM_OUTPUT"), 0);
  EXPECT_EQ(CountRows(L"INVOICES"), 0);
}

TEST_F(InvoiceTest, AnIncomeInvoiceWhoseGoodsWereIssuedIsNotDeleted) {
  int bolt = 0, invoiceId = 0;
  Committed([&] {
    bolt = NewItem(L"Bolt").GetId();
    invoiceId = NewInvoice(L"0001/06", 1, Ole(2006, 3, 1)).GetId();
    Receive(bolt, 7.0, invoiceId);
    Issue(bolt, 5.0);
  });
  {
    TransactionScope scope;
    EXPECT_EQ(FailureText([&] { Invoice::Invoice(invoiceId).Delete(); }),
              L"Missing items on stock for 'Bolt'");
  }
  EXPECT_EQ(CountRows(L"INVOICES"), 1);
  EXPECT_EQ(Stock(bolt), 2.0);
}

TEST_F(InvoiceTest, DeletingAnOutcomeInvoiceGivesItsLinesBack) {
  TransactionScope scope;
  const int bolt = NewItem(L"Bolt").GetId();
  Receive(bolt, 10.0);
  Invoice::Invoice sale = NewInvoice(L"0001/06", 0, Ole(2006, 3, 1));
  Issue(bolt, 3.0, sale.GetId());
  Issue(bolt, 4.0, sale.GetId());
  std::vector<Invoice::ItemOutput> lines;
  sale.GetItemOutputs(lines);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_LT(lines[0].GetId(), lines[1].GetId());
  EXPECT_EQ(Stock(bolt), 3.0);
  sale.Delete();
  EXPECT_EQ(Stock(bolt), 10.0);
  EXPECT_EQ(CountRows(L"ITEM_OUTPUT"), 0);
}

// The invoice form's save: the invoice row, then its lines from a change set,
// all in one unit of work.
// Payments made against an invoice are money that moved: deleting the
// invoice keeps them, without their reference.
TEST_F(InvoiceTest, DeletingAnInvoiceKeepsItsPayments) {
  int invoiceId = 0, otherId = 0;
  Committed([&] {
    invoiceId = NewInvoice(L"1", 0, Ole(2006, 1, 1)).GetId();
    otherId = NewInvoice(L"2", 0, Ole(2006, 1, 1)).GetId();
    for (int reference : {invoiceId, invoiceId, otherId}) {
      Invoice::Payment payment;
      payment.SetAmount(10.0);
      payment.SetReferenceObjectId(reference);
      payment.SetPaidOn(Ole(2006, 1, 2));
      payment.Save();
    }
  });
  Committed([&] { Invoice::Invoice(invoiceId).Delete(); });
  EXPECT_EQ(Count(L"INVOICES", L"OBJECT_ID = " + std::to_wstring(invoiceId)), 0);
  EXPECT_EQ(CountRows(L"PAYMENTS"), 3);
  EXPECT_EQ(Count(L"PAYMENTS", L"REFERENCE_OBJECT_ID IS NULL"), 2);
  EXPECT_EQ(Count(L"PAYMENTS", L"REFERENCE_OBJECT_ID = " + std::to_wstring(otherId)), 1);
}

TEST_F(InvoiceTest, AnInvoiceAndItsLinesSaveTogetherOrNotAtAll) {
  int bolt = 0;
  Committed([&] {
    bolt = NewItem(L"Bolt").GetId();
    Receive(bolt, 5.0);
  });
  Invoice::Invoice sale;
  sale.SetInvoiceNum(L"0012/06");
  sale.SetDate(Ole(2006, 3, 9));
  ChangeSet lines;
  for (double quantity : {2.0, 4.0}) {
    Invoice::ItemOutput line;
    line.SetItemId(bolt);
    line.SetQuantity(quantity);
    lines.Update(line);
  }
  auto save = [&] {
    TransactionScope scope;
    sale.Save();
    for (auto it = lines.begin(); it != lines.end(); ++it)
      if (auto* line = dynamic_cast<Invoice::ItemOutput*>(lines.ObjectAt(it)))
        line->SetInvoiceId(sale.GetId());
    lines.Apply();
    scope.Commit();
  };
  EXPECT_EQ(FailureText(save), L"Missing items on stock for 'Bolt'");
  EXPECT_EQ(sale.GetId(), 0);
  EXPECT_EQ(CountRows(L"INVOICES"), 0);
  EXPECT_EQ(Stock(bolt), 5.0);

  Committed([&] { Receive(bolt, 1.0); });
  EXPECT_EQ(FailureText(save), L"");
  EXPECT_EQ(Stock(bolt), 0.0);
  std::vector<Invoice::ItemOutput> stored;
  Invoice::Invoice(sale.GetId()).GetItemOutputs(stored);
  EXPECT_EQ(stored.size(), 2u);
}

TEST_F(InvoiceTest, DatesAreHandedOutAsOleDates) {
  TransactionScope scope;
  Invoice::Invoice invoice = NewInvoice(L"0001/06", 0, Ole(2006, 3, 9, 14, 5, 7));
  Invoice::Invoice loaded(invoice.GetId());
  EXPECT_EQ(loaded.GetDate(), Ole(2006, 3, 9, 14, 5, 7));
  EXPECT_EQ(loaded.GetPaidOn(), -1.0);  // never paid: stored as NULL
  EXPECT_FALSE(loaded.IsPaid());
  loaded.SetPaid(true);
  loaded.SetPaidOn(Ole(2006, 4, 1));
  loaded.Save();
  EXPECT_EQ(Invoice::Invoice(invoice.GetId()).GetPaidOn(), Ole(2006, 4, 1));
}

TEST_F(InvoiceTest, InvoiceListsFilterByDateCompanyAndPayment) {
  TransactionScope scope;
  Invoice::Company client;
  client.SetName(L"Acme");
  client.Save();
  NewInvoice(L"1", 0, Ole(2004, 5, 1));
  Invoice::Invoice paid = NewInvoice(L"2", 0, Ole(2006, 1, 31, 23, 59, 59), client.GetId());
  paid.SetPaid(true);
  paid.Save();
  NewInvoice(L"3", 1, Ole(2006, 2, 1), client.GetId());

  std::vector<int> years;
  Invoice::GetInvoiceYears(years);
  EXPECT_EQ(years, (std::vector<int>{2006, 2004}));
  std::vector<std::pair<int, int>> months;
  Invoice::CountInvoicesPerMonth(2006, months);
  ASSERT_EQ(months.size(), 12u);
  EXPECT_EQ(months[0], std::make_pair(1, 1));
  EXPECT_EQ(months[1], std::make_pair(2, 1));

  std::vector<Invoice::Invoice> invoices;
  Invoice::GetInvoices(invoices, -1.0, -1.0, client.GetId(), false, true);
  ASSERT_EQ(invoices.size(), 1u);
  EXPECT_EQ(invoices[0].GetInvoiceNum(), L"3");
  EXPECT_TRUE(invoices[0].IsIncome());
  invoices.clear();
  Invoice::GetInvoices(invoices, Ole(2005, 1, 1), -1.0, 0, false, false);
  ASSERT_EQ(invoices.size(), 2u);
  EXPECT_EQ(invoices[0].GetInvoiceNum(), L"3");  // newest first
}

}  // namespace
