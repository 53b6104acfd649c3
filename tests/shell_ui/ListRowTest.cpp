#include "shell/ui/BaseListRows.h"

#include <gtest/gtest.h>

TEST(ListRowTest, KeepsObjectIdCellsAndNamedValues) {
  ListRow row(42, {Value(L"Widget"), Value(3L)});
  row.SetProperty(L"item_object_id", Value(7L));
  row.SetProperty(L"item_object_id", Value(8L));  // replaces

  EXPECT_EQ(row.GetObjectId(), 42);
  ASSERT_EQ(row.GetCellCount(), 2u);
  EXPECT_EQ(row.GetCell(0).GetText(), L"Widget");
  EXPECT_EQ(row.GetCell(1).GetText(), L"3");
  EXPECT_EQ(row.GetProperty(L"item_object_id").AsInt(), 8);

  ListRow copy = row;  // copied with all its parts
  row.SetProperty(L"item_object_id", Value(9L));
  EXPECT_EQ(copy.GetProperty(L"item_object_id").AsInt(), 8);
}

TEST(ListRowTest, MissingPropertyIsAnEmptyValue) {
  ListRow row(1, {Value(L"x")});
  Value missing = row.GetProperty(L"measurement");
  EXPECT_EQ(missing.GetType(), VT_EMPTY);
  EXPECT_EQ(missing.GetText(), L"");
}

TEST(BaseListRowsTest, FirstRowFixesTheColumnCount) {
  BaseListRows rows;
  EXPECT_EQ(rows.GetCellColumnCount(), 0);
  EXPECT_EQ(rows.AddRow(ListRow(1, {Value(L"a"), Value(L"b"), Value(L"c")})), 0u);
  EXPECT_EQ(rows.AddRow(ListRow(2, {Value(L"a"), Value(L"b"), Value(L"c"), Value(L"d")})), 1u);
  EXPECT_EQ(rows.GetCellColumnCount(), 3);

  rows.ClearRows();  // a refill keeps the column count
  EXPECT_EQ(rows.GetRowCount(), 0u);
  EXPECT_EQ(rows.GetCellColumnCount(), 3);
}

TEST(BaseListRowsTest, CellTextNeverReadsPastARowsCells) {
  BaseListRows rows;
  rows.AddRow(ListRow(1, {Value(L"one"), Value(L"two"), Value(L"three")}));
  rows.AddRow(ListRow(2, {Value(L"short")}));  // fewer cells than columns
  rows.AddRow(ListRow(3, std::vector<Value>{}));

  EXPECT_EQ(rows.GetCellText(0, 2), L"three");
  EXPECT_EQ(rows.GetCellText(1, 0), L"short");
  EXPECT_EQ(rows.GetCellText(1, 1), L"");
  EXPECT_EQ(rows.GetCellText(1, 2), L"");
  EXPECT_EQ(rows.GetCellText(2, 0), L"");
  EXPECT_EQ(rows.GetCellText(9, 0), L"");  // an item count above the rows
}

TEST(BaseListRowsTest, FindsTheRowOfAnObject) {
  BaseListRows rows;
  rows.AddRow(ListRow(10, {Value(L"a")}));
  rows.AddRow(ListRow(20, {Value(L"b")}));
  EXPECT_EQ(rows.FindObjectRow(20), 1);
  EXPECT_EQ(rows.FindObjectRow(30), -1);
  EXPECT_EQ(rows.GetRow(1).GetObjectId(), 20);
}
