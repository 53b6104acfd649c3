#include "shell/ListViewRows.h"

#include <gtest/gtest.h>

#include "data/objects/Item.h"

namespace {

std::wstring Cell(const ListRow& row, size_t column) {
  return row.GetCell(column).GetText();
}

TEST(ListViewRowsTest, FinanceRowsListTheCompanyThenItsAccountsUnderItsName) {
  const std::vector<FinanceAccount> cash = {{5, L"Cash", 10.0}};
  const std::vector<FinanceCompany> companies = {
      {20, L"ACME", 150.0, {{21, L"Bank A", 100.0}, {22, L"Bank B", 50.0}}},
      {30, L"Zenith", 0.0, {}},
  };
  const std::vector<ListRow> rows = ListViewRows::FinanceRows(cash, companies);
  ASSERT_EQ(rows.size(), 5u);
  const int32_t ids[] = {5, 20, 21, 22, 30};
  const wchar_t* clients[] = {L"", L"ACME", L"ACME", L"ACME", L"Zenith"};
  const wchar_t* accounts[] = {L"Cash", L"", L"Bank A", L"Bank B", L""};
  const bool isAccount[] = {true, false, true, true, false};
  const int32_t owners[] = {0, 0, 20, 20, 0};
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].GetObjectId(), ids[i]);
    EXPECT_EQ(Cell(rows[i], 0), clients[i]);
    EXPECT_EQ(Cell(rows[i], 1), accounts[i]);
    EXPECT_EQ(rows[i].GetProperty(ListViewRows::kIsAccount).AsBool(), isAccount[i]);
    if (isAccount[i]) EXPECT_EQ(rows[i].GetProperty(ListViewRows::kAccountCompany).AsInt(), owners[i]);
  }
  EXPECT_DOUBLE_EQ(rows[1].GetCell(2).AsDouble(), 150.0);
  EXPECT_DOUBLE_EQ(rows[3].GetCell(2).AsDouble(), 50.0);
}

TEST(ListViewRowsTest, ItemStockCells) {
  const ListRow service = ListViewRows::ItemRow(1, L"Delivery", Invoice::kSourceService, 12.0, 6);
  EXPECT_EQ(Cell(service, 1), L"N/A");
  EXPECT_EQ(Cell(service, 2), L"N/A");

  const ListRow packed = ListViewRows::ItemRow(2, L"Flour", Invoice::kSourceTrading, 12.0, 6);
  EXPECT_DOUBLE_EQ(packed.GetCell(1).AsDouble(), 12.0);
  EXPECT_EQ(packed.GetCell(2).GetType(), VT_DOUBLE);
  EXPECT_DOUBLE_EQ(packed.GetCell(2).AsDouble(), 2.0);

  // No pieces in a package, or nothing in stock: the packages cell stays empty.
  EXPECT_EQ(ListViewRows::ItemRow(3, L"Salt", Invoice::kSourceTrading, 12.0, 0).GetCell(2).GetType(),
            VT_EMPTY);
  EXPECT_EQ(ListViewRows::ItemRow(4, L"Yeast", Invoice::kSourceTrading, 0.0, 6).GetCell(2).GetType(),
            VT_EMPTY);
}

TEST(ListViewRowsTest, PriceGroupDefaultAndDirection) {
  EXPECT_EQ(Cell(ListViewRows::PriceGroupRow(7, L"Retail", 2, 3, 7), 1), L"Yes");
  // Both defaults at once: "Yes" once.
  EXPECT_EQ(Cell(ListViewRows::PriceGroupRow(7, L"Retail", 2, 7, 7), 1), L"Yes");
  EXPECT_EQ(Cell(ListViewRows::PriceGroupRow(8, L"Other", 1, 3, 7), 1), L"");
  EXPECT_EQ(Cell(ListViewRows::PriceGroupRow(8, L"Other", 1, 3, 7), 2), L"Income");
  EXPECT_EQ(Cell(ListViewRows::PriceGroupRow(8, L"Other", 2, 3, 7), 2), L"Outcome");
  EXPECT_EQ(Cell(ListViewRows::PriceGroupRow(8, L"Other", 0, 3, 7), 2), L"Outcome");
}

TEST(ListViewRowsTest, PaymentPresetsFromTheSelectedRow) {
  using Selected = ListViewRows::Selected;
  const int32_t me = 1;
  // An account of another company: paid by me into that account.
  EXPECT_EQ(ListViewRows::PaymentPresets(Selected::Account, 21, 20, me), std::make_pair(me, 21));
  // My own account.
  EXPECT_EQ(ListViewRows::PaymentPresets(Selected::Account, 11, me, me), std::make_pair(11, 0));
  EXPECT_EQ(ListViewRows::PaymentPresets(Selected::Company, 20, 0, me), std::make_pair(me, 20));
  EXPECT_EQ(ListViewRows::PaymentPresets(Selected::Company, me, 0, me), std::make_pair(me, 0));
  EXPECT_EQ(ListViewRows::PaymentPresets(Selected::Nothing, 0, 0, me), std::make_pair(0, 0));
}

}  // namespace
