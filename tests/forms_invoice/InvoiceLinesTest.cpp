// The arithmetic of invoice lines and footer totals, and what a grid row holds.
#include <gtest/gtest.h>

#include <array>

#include "data/objects/Item.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "forms/invoice/InvoiceLines.h"
#include "forms/invoice/InvoiceTotals.h"
#include "platform/LocaleFormat.h"
#include "common/ui/AmountFormat.h"
#include "shell/ui/BaseListRows.h"

namespace {

class InvoiceLinesTest : public ::testing::Test {
protected:
  void SetUp() override { platform::SetUserLocaleOverride(platform::LocaleInfo{}); }
  void TearDown() override { platform::SetUserLocaleOverride(std::nullopt); }

  static Invoice::ItemOutput Output(double quantity, double price, double discount, double tax,
                                    const std::wstring& measurement = L"", double baseUnit = 0.0) {
    Invoice::ItemOutput line;
    line.SetItemId(17);
    line.SetQuantity(quantity);
    line.SetBasePrice(price);
    line.SetDiscountPercent(discount);
    line.SetTaxPercent(tax);
    line.SetMeasurement(measurement);
    line.SetBaseUnit(baseUnit);
    line.SetOutputDestType(Invoice::kDestInvoice);
    return line;
  }
};

struct LineCase {
  double quantity, price, discountPercent, taxPercent;
  double extension, discount, tax, total;
};

TEST_F(InvoiceLinesTest, LineAmountsFollowTheOrderOfOperations) {
  const LineCase cases[] = {
      {3, 10.0, 10, 18, 30.0, 3.0, 4.86, 31.86},  // discount off the extension, tax on the rest
      {2, 10.0, 0, 0, 20.0, 0.0, 0.0, 20.0},      // no percentages: exactly 0
      {1, 100.0, 0, 18, 100.0, 0.0, 18.0, 118.0},  {4, 2.5, 50, 0, 10.0, 5.0, 0.0, 5.0},
      {-1, 10.0, 10, 10, -10.0, -1.0, -0.9, -9.9},  // a returned piece
      {2, 10.0, 10, 18, 20.0, 2.0, 3.24, 21.24},    {3, 4.5, 0, 0, 13.5, 0.0, 0.0, 13.5},
      {1, 100.0, 100, 18, 100.0, 100.0, 0.0, 0.0},  // given away: no tax either
      {0, 12.0, 10, 18, 0.0, 0.0, 0.0, 0.0},        {-2, 5.0, 10, 20, -10.0, -1.0, -1.8, -10.8},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.quantity << " x " << c.price);
    const InvoiceLineValues values =
        InvoiceLineValues::Compute(c.price, c.quantity, c.discountPercent, c.taxPercent);
    EXPECT_DOUBLE_EQ(values.extension, c.extension);
    EXPECT_DOUBLE_EQ(values.discount, c.discount);
    EXPECT_DOUBLE_EQ(values.tax, c.tax);
    EXPECT_DOUBLE_EQ(values.total, c.total);
  }
  // Bit for bit the documented order: ((e - d) x 0.01) x t.
  const InvoiceLineValues exact = InvoiceLineValues::Compute(1.15, 2.0, 5.0, 20.0);
  EXPECT_EQ(exact.discount, (0.01 * (2.0 * 1.15)) * 5.0);
  EXPECT_EQ(exact.tax, (((2.0 * 1.15) - exact.discount) * 0.01) * 20.0);
}

// A percentage of 0 gives exactly 0.0, even where multiplying would not
// (an amount too large for a double).
TEST_F(InvoiceLinesTest, ZeroPercentGivesZeroEvenForAnUnrepresentableAmount) {
  const InvoiceLineValues values = InvoiceLineValues::Compute(1e300, 1e300, 0.0, 0.0);
  EXPECT_EQ(values.discount, 0.0);
  EXPECT_EQ(values.tax, 0.0);
}

TEST_F(InvoiceLinesTest, RowShowsTheLineWithEmptyCellsForZeroPercentages) {
  const ListRow row = InvoiceLines::MakeRow(Output(3, 10.0, 10, 18), L"Rye flour");
  ASSERT_EQ(row.GetCellCount(), size_t{InvoiceLines::kColumnCount});
  EXPECT_EQ(row.GetCell(InvoiceLines::kName), Value(L"Rye flour"));
  EXPECT_EQ(row.GetCell(InvoiceLines::kPrice), Value(10.0));
  EXPECT_EQ(row.GetCell(InvoiceLines::kQuantity), Value(3.0));
  EXPECT_EQ(row.GetCell(InvoiceLines::kExtension), Value(30.0));
  EXPECT_EQ(row.GetCell(InvoiceLines::kDiscountPercent), Value(10.0));
  EXPECT_DOUBLE_EQ(row.GetCell(InvoiceLines::kTax).AsDouble(), 4.86);
  EXPECT_EQ(row.GetCell(InvoiceLines::kTotal).GetText(), L"31.86");
  EXPECT_EQ(row.GetProperty(L"item_object_id"), Value(int32_t{17}));
  EXPECT_EQ(row.GetProperty(L"output_dest_type"), Value(int32_t{2}));
  EXPECT_FALSE(row.HasProperty(L"input_source_type"));

  const ListRow plain = InvoiceLines::MakeRow(Output(2, 10.0, 0, 0), L"Seeds");
  for (auto column : {InvoiceLines::kDiscountPercent, InvoiceLines::kDiscount, InvoiceLines::kTaxPercent,
                      InvoiceLines::kTax, InvoiceLines::kBaseUnit}) {
    EXPECT_EQ(plain.GetCell(column).GetType(), VT_EMPTY) << "column " << column;
    EXPECT_EQ(InvoiceLines::CellAmount(plain, column), 0.0);
  }
  EXPECT_EQ(plain.GetProperty(L"base_unit"), Value(0.0));
  EXPECT_EQ(plain.GetProperty(L"measurement"), Value(L""));
}

TEST_F(InvoiceLinesTest, BaseUnitCellShowsTheQuantityInTheMeasurement) {
  const ListRow kilos = InvoiceLines::MakeRow(Output(3, 1.0, 0, 0, L"kg", 0.5), L"Nails");
  EXPECT_EQ(kilos.GetCell(InvoiceLines::kBaseUnit), Value(L"1.50 kg"));
  EXPECT_EQ(kilos.GetProperty(L"base_unit"), Value(0.5));
  EXPECT_EQ(kilos.GetProperty(L"measurement"), Value(L"kg"));

  // A stored factor of 0 counts as 1; the user's number format is used.
  platform::LocaleInfo german;
  german.decimalSeparator = L",";
  german.thousandsSeparator = L".";
  platform::SetUserLocaleOverride(german);
  const ListRow pieces = InvoiceLines::MakeRow(Output(1250, 1.0, 0, 0, L"pcs", 0.0), L"Bolts");
  EXPECT_EQ(pieces.GetCell(InvoiceLines::kBaseUnit), Value(L"1.250,00 pcs"));
  EXPECT_EQ(pieces.GetProperty(L"base_unit"), Value(1.0));
}

TEST_F(InvoiceLinesTest, ReceiptLineRowCarriesItsSourceType) {
  Invoice::ItemInput line;
  line.SetItemId(4);
  line.SetQuantity(2);
  line.SetBasePrice(5.0);
  line.SetInputSourceType(Invoice::kSourceInvoice);
  const ListRow row = InvoiceLines::MakeRow(line, L"Flour");
  EXPECT_EQ(row.GetProperty(L"input_source_type"), Value(int32_t{4}));
  EXPECT_FALSE(row.HasProperty(L"output_dest_type"));
  EXPECT_EQ(row.GetCell(InvoiceLines::kTotal), Value(10.0));
}

// Rows holding only the three summed cells, as the grid would.
BaseListRows Rows(std::initializer_list<std::array<double, 3>> lines) {
  BaseListRows rows;
  for (const auto& [extension, discount, tax] : lines) {
    ListRow row(0, std::vector<Value>(InvoiceLines::kColumnCount));
    row.SetCell(InvoiceLines::kExtension, Value(extension));
    if (discount != 0.0) row.SetCell(InvoiceLines::kDiscount, Value(discount));
    if (tax != 0.0) row.SetCell(InvoiceLines::kTax, Value(tax));
    rows.AddRow(row);
  }
  return rows;
}

const AmountFormat kPlain = AmountFormat::Of(platform::LocaleInfo{});

TEST_F(InvoiceLinesTest, FooterTotalsLeaveTheTaxAloneByTheInvoiceDiscount) {
  const InvoiceTotals totals = InvoiceTotals::Compute(Rows({{100, 10, 18}, {50, 0, 9}}), 10.0, kPlain);
  EXPECT_DOUBLE_EQ(totals.withoutTax, 140.0);
  EXPECT_DOUBLE_EQ(totals.discount, 14.0);
  EXPECT_DOUBLE_EQ(totals.tax, 27.0);
  EXPECT_DOUBLE_EQ(totals.total, 153.0);

  EXPECT_EQ(InvoiceTotals::Compute(BaseListRows(), 10.0, kPlain), InvoiceTotals());
  const InvoiceTotals noDiscount = InvoiceTotals::Compute(Rows({{30, 3, 4.86}}), 0.0, kPlain);
  EXPECT_DOUBLE_EQ(noDiscount.withoutTax, 27.0);
  EXPECT_EQ(noDiscount.discount, 0.0);
  EXPECT_DOUBLE_EQ(noDiscount.total, 31.86);
}

// The footer adds up as printed: the total is the sum of the amounts shown,
// not the exact total rounded on its own.
TEST_F(InvoiceLinesTest, FooterTotalIsTheSumOfTheAmountsShown) {
  struct Case {
    double extension, lineDiscount, lineTax, discountPercent;
    InvoiceTotals shown;
  };
  const Case cases[] = {
      // Exactly 159.826 - 15.9826 + 29.566 = 173.4094 would show 173.41.
      {159.826, 0.0, 29.566, 10.0, {159.83, 15.98, 29.57, 173.42}},
      // 0.005 + 0.005 + 0.005 each show 0.01; exactly they come to 0.015.
      {0.01, 0.005, 0.005, 0.0, {0.01, 0.0, 0.01, 0.02}},
      {100.004, 0.0, 18.004, 33.0, {100.0, 33.0, 18.0, 85.0}},
      {-20.006, 0.0, -3.604, 10.0, {-20.01, -2.0, -3.6, -21.61}},
  };
  for (const Case& c : cases) {
    const InvoiceTotals totals =
        InvoiceTotals::Compute(Rows({{c.extension, c.lineDiscount, c.lineTax}}), c.discountPercent, kPlain);
    EXPECT_EQ(totals, c.shown) << c.extension;
    EXPECT_EQ(FormatAmount(kPlain, totals.total),
              FormatAmount(kPlain, totals.withoutTax - totals.discount + totals.tax))
        << c.extension;
  }

  // A locale that shows no decimals rounds every amount to whole units.
  platform::LocaleInfo whole;
  whole.decimals = 0;
  const InvoiceTotals wholeUnits =
      InvoiceTotals::Compute(Rows({{10.4, 0.0, 2.4}}), 10.0, AmountFormat::Of(whole));
  EXPECT_EQ(wholeUnits, (InvoiceTotals{10.0, 1.0, 2.0, 11.0}));
}

// Each amount is rounded as the footer shows it, in the user's number format,
// thousands separator included.
TEST_F(InvoiceLinesTest, FooterAmountsAreRoundedAsShownInTheLocalesFormat) {
  platform::LocaleInfo german;
  german.decimalSeparator = L",";
  german.thousandsSeparator = L".";
  for (const AmountFormat& format : {kPlain, AmountFormat::Of(german)}) {
    const InvoiceTotals totals = InvoiceTotals::FromLineSums(1234.567, 10.0 / 3.0, 2.0 / 3.0, 1.0, format);
    EXPECT_EQ(totals.withoutTax, 1231.23);  // 1234.567 - 3.333...
    EXPECT_EQ(totals.discount, 12.31);
    EXPECT_EQ(totals.tax, 0.67);
    EXPECT_EQ(totals.total, 1219.59);
  }
}

}  // namespace
