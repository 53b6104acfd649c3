// Every save that adds, changes, moves or deletes a payment sets PAID and
// PAID_ON of each invoice involved by its payments, in the same unit of
// work: paid on the date the payments reached the total, else unpaid with no
// date.
#include <gtest/gtest.h>

#include <string>

#include "ObjectsFixture.h"
#include "data/ChangeSet.h"
#include "data/objects/Invoice.h"
#include "data/objects/Payment.h"

namespace {

class PaidStateTest : public corvane::test::ObjectsTest {
protected:
  int NewInvoice(const std::wstring& number, double total) {
    int id = 0;
    Committed([&] {
      Invoice::Invoice invoice;
      invoice.SetInvoiceNum(number);
      invoice.SetTotalAmount(total);
      invoice.SetDate(Ole(2026, 3, 1));
      invoice.Save();
      id = invoice.GetId();
    });
    return id;
  }

  // Stores the changes in one unit of work, as the client form's save does.
  void Apply(ChangeSet& changes) {
    TransactionScope scope;
    changes.Apply();
    scope.Commit();
  }

  Invoice::Payment NewPayment(int invoiceId, double amount, double paidOn) {
    Invoice::Payment payment;
    payment.SetAmount(amount);
    payment.SetReferenceObjectId(invoiceId);
    payment.SetPaidOn(paidOn);
    return payment;
  }

  std::wstring PaidState(int invoiceId) {
    const std::wstring where = L" FROM INVOICES WHERE OBJECT_ID = " + std::to_wstring(invoiceId);
    // The date part of the timestamp (the SQL dialect knows no plain date).
    return Value(L"SELECT CAST(PAID AS VARCHAR(1))" + where) + L" " +
           Value(L"SELECT CAST(PAID_ON AS VARCHAR(30))" + where).substr(0, 10);
  }
};

// Paid in two; deleting one of the two leaves it unpaid again.
TEST_F(PaidStateTest, DeletingOneOfTwoPaymentsLeavesTheInvoiceUnpaid) {
  const int invoice = NewInvoice(L"0001/26", 100.0);
  ChangeSet first;
  Invoice::Payment part = NewPayment(invoice, 60.0, Ole(2026, 3, 2));
  first.Update(part);
  Apply(first);
  EXPECT_EQ(PaidState(invoice), L"0 NULL");
  ChangeSet second;
  Invoice::Payment rest = NewPayment(invoice, 40.0, Ole(2026, 3, 9));
  second.Update(rest);
  Apply(second);
  EXPECT_EQ(PaidState(invoice), L"1 2026-03-09");

  ChangeSet removal;
  const int restId = rest.GetId();
  removal.Add(Invoice::Payment(restId));
  removal.Remove(*removal.Find(restId));
  Apply(removal);
  EXPECT_EQ(PaidState(invoice), L"0 NULL");
  EXPECT_EQ(Invoice::Invoice(invoice).GetAmountOwed(), 40.0);
}

// A payment moved to another invoice: the one it left and the one it
// reached are both set by their payments.
TEST_F(PaidStateTest, MovingAPaymentToAnotherInvoiceSetsBoth) {
  const int march = NewInvoice(L"0001/26", 80.0);
  const int april = NewInvoice(L"0002/26", 80.0);
  ChangeSet pay;
  Invoice::Payment payment = NewPayment(march, 80.0, Ole(2026, 4, 1));
  pay.Update(payment);
  Apply(pay);
  EXPECT_EQ(PaidState(march), L"1 2026-04-01");
  EXPECT_EQ(PaidState(april), L"0 NULL");

  Invoice::Payment moved(payment.GetId());
  moved.SetReferenceObjectId(april);
  ChangeSet move;
  move.Update(moved);
  Apply(move);
  EXPECT_EQ(PaidState(march), L"0 NULL");
  EXPECT_EQ(PaidState(april), L"1 2026-04-01");

  // A smaller amount on the same invoice: not paid any longer.
  Invoice::Payment smaller(payment.GetId());
  smaller.SetAmount(50.0);
  ChangeSet change;
  change.Update(smaller);
  Apply(change);
  EXPECT_EQ(PaidState(april), L"0 NULL");
}

// The date is the one on which the payments reached the total, whatever
// order they were entered in.
TEST_F(PaidStateTest, ThePaidDateIsWhenThePaymentsReachedTheTotal) {
  const int invoice = NewInvoice(L"0001/26", 75.62);
  ChangeSet changes;
  Invoice::Payment late = NewPayment(invoice, 25.62, Ole(2026, 5, 20));
  Invoice::Payment early = NewPayment(invoice, 50.0, Ole(2026, 5, 3));
  changes.UpdateAll({&late, &early});
  Apply(changes);
  EXPECT_EQ(PaidState(invoice), L"1 2026-05-20");
  EXPECT_EQ(Invoice::Invoice(invoice).GetAmountOwed(), 0.0);
}

// A payment whose save is refused leaves the invoice as it was.
TEST_F(PaidStateTest, ARefusedSaveLeavesThePaidStateAsItWas) {
  const int invoice = NewInvoice(L"0001/26", 30.0);
  {
    TransactionScope scope;
    Invoice::Payment payment = NewPayment(invoice, 30.0, Ole(2026, 6, 1));
    payment.Save();
    EXPECT_EQ(PaidState(invoice), L"1 2026-06-01");
  }
  EXPECT_EQ(PaidState(invoice), L"0 NULL");
}

}  // namespace
