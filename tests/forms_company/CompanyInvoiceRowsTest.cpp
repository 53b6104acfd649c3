#include "forms/company/CompanyInvoiceRows.h"

#include <gtest/gtest.h>

#include "data/objects/Invoice.h"
#include "platform/OleDateTime.h"

namespace {

double Ole(int year, int month, int day, int hour = 0) {
  return platform::OleDateTime(year, month, day, hour, 0, 0).GetDate();
}

Invoice::Invoice MakeInvoice(double datum, int days, bool paid = false, double paidOn = -1.0) {
  Invoice::Invoice invoice;
  invoice.SetInvoiceNum(L"0007/06");
  invoice.SetDate(datum);
  invoice.SetDaysCondition(days);
  invoice.SetTotalAmount(118.5);
  invoice.SetPaid(paid);
  if (paidOn >= 0) invoice.SetPaidOn(paidOn);
  return invoice;
}

TEST(CompanyInvoiceRowsTest, RowCellsAndStatusForAFixedNow) {
  const double now = Ole(2006, 3, 20, 15);
  struct Case {
    Invoice::Invoice invoice;
    std::wstring dueDate;  // empty: a date
    std::wstring status;
  };
  const Case cases[] = {
      {MakeInvoice(Ole(2006, 3, 1), 0), L"N/A", L"Not paid"},
      {MakeInvoice(Ole(2006, 3, 10), 10, false), L"", L"Due Today"},
      {MakeInvoice(Ole(2006, 3, 7), 10), L"", L"Due 3 days"},
      {MakeInvoice(Ole(2006, 3, 20, 15), 3), L"", L"Due in 3 days"},
  };
  for (const Case& c : cases) {
    const ListRow row = CompanyInvoiceRows::BuildRow(c.invoice, now);
    ASSERT_EQ(row.GetCellCount(), 5u);
    EXPECT_EQ(row.GetCell(0).GetText(), L"0007/06");
    EXPECT_DOUBLE_EQ(row.GetCell(3).AsDouble(), 118.5);
    if (!c.dueDate.empty()) {
      EXPECT_EQ(row.GetCell(2).GetText(), c.dueDate);
    }
    EXPECT_EQ(row.GetCell(4).GetText(), c.status);
  }
  const ListRow paid = CompanyInvoiceRows::BuildRow(MakeInvoice(Ole(2006, 3, 1), 8, true, Ole(2006, 3, 5, 13)), now);
  EXPECT_EQ(paid.GetCell(4).GetText().rfind(L"Paid on ", 0), 0u);
  EXPECT_EQ(paid.GetCell(4).GetText().find(L':'), std::wstring::npos);  // no time of day
}

TEST(CompanyInvoiceRowsTest, MenuEnablingBySelection) {
  struct Case {
    size_t selected;
    bool paid;
    CompanyInvoicesMenuState state;
  };
  // newInvoice, paid, notPaid, acceptPayment, templates, del, properties
  const Case cases[] = {
      {0, false, {true, false, false, false, false, false, false}},
      {1, false, {true, true, false, true, true, true, true}},
      {1, true, {true, false, true, false, true, true, true}},
      {2, false, {true, false, false, false, false, true, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(CompanyInvoiceRows::Menu(c.selected, c.paid), c.state) << c.selected;
}

}  // namespace
