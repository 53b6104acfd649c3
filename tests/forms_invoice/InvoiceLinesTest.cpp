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

const AmountFormat kPlain = AmountFormat::Of(platform::LocaleInfo{});

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

// The amounts to the cent, and the line's columns adding up as shown.
void ExpectLineAmounts(const LineCase& c) {
  SCOPED_TRACE(testing::Message() << c.quantity << " x " << c.price);
  const InvoiceLineValues values =
      InvoiceLineValues::Compute(c.price, c.quantity, c.discountPercent, c.taxPercent);
  EXPECT_EQ(values.extension, c.extension);
  EXPECT_EQ(values.discount, c.discount);
  EXPECT_EQ(values.tax, c.tax);
  EXPECT_EQ(values.total, c.total);
  EXPECT_EQ(FormatAmount(kPlain, values.total),
            FormatAmount(kPlain, values.extension - values.discount + values.tax));
}

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
  for (const LineCase& c : cases) ExpectLineAmounts(c);
}

// Each amount of a line is rounded to the cent as it is shown, halves away
// from zero, and the next one is taken from the rounded amounts, so that
// extension - discount + tax is the line's total to the cent.
TEST_F(InvoiceLinesTest, LineAmountsAreRoundedToTheCentAsShown) {
  const LineCase cases[] = {
      {18.5, 1.25, 0, 0, 23.13, 0.0, 0.0, 23.13},     // 23.125: the half goes up
      {-18.5, 1.25, 0, 0, -23.13, 0.0, 0.0, -23.13},  // and away from zero below it
      {2, 1.15, 5, 20, 2.3, 0.12, 0.44, 2.62},        // 0.115 off, then 20 % of 2.18
      {1.5, 9.99, 10, 18.5, 14.99, 1.5, 2.5, 15.99},  // 14.985; 1.499; 2.49565
      {1.5, 1.25, 15, 0, 1.88, 0.28, 0.0, 1.6},       // 1.875; 0.282
      {1, 1.005, 0, 0, 1.01, 0.0, 0.0, 1.01},         // 1.005 held as 1.00499...
  };
  for (const LineCase& c : cases) ExpectLineAmounts(c);
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

// The lines' shown amounts add up to the footer: the totals column to the
// invoice total, extension less discount to "Without Tax", the taxes to
// "Tax"; and a discount on the invoice does not touch the tax.
TEST_F(InvoiceLinesTest, EveryColumnAddsUpToTheFooter) {
  BaseListRows rows;
  rows.AddRow(InvoiceLines::MakeRow(Output(18.5, 1.25, 0, 20), L"Seeds"));
  rows.AddRow(InvoiceLines::MakeRow(Output(1.5, 9.99, 10, 18.5), L"Flour"));
  rows.AddRow(InvoiceLines::MakeRow(Output(1.5, 1.25, 15, 0), L"Seeds"));
  double totals = 0.0, extensions = 0.0, discounts = 0.0, taxes = 0.0;
  for (size_t index = 0; index < rows.GetRowCount(); ++index) {
    const ListRow& row = rows.GetRow(index);
    // What the grid shows, read back as the user would add it up.
    auto shown = [&row](InvoiceLines::Column column) {
      return ParseAmount(kPlain, row.GetCell(column).GetText());
    };
    totals += shown(InvoiceLines::kTotal);
    extensions += shown(InvoiceLines::kExtension);
    discounts += shown(InvoiceLines::kDiscount);
    taxes += shown(InvoiceLines::kTax);
  }
  EXPECT_EQ(rows.GetRow(0).GetCell(InvoiceLines::kExtension).GetText(), L"23.13");
  EXPECT_EQ(rows.GetRow(0).GetCell(InvoiceLines::kTotal).GetText(), L"27.76");

  const InvoiceTotals footer = InvoiceTotals::Compute(rows, 0.0, kPlain);
  EXPECT_EQ(footer, (InvoiceTotals{38.22, 0.0, 7.13, 45.35}));
  EXPECT_EQ(FormatAmount(kPlain, totals), L"45.35");
  EXPECT_EQ(FormatAmount(kPlain, extensions - discounts), FormatAmount(kPlain, footer.withoutTax));
  EXPECT_EQ(FormatAmount(kPlain, taxes), FormatAmount(kPlain, footer.tax));

  // 10 % of 38.22 is 3.822; the tax stays 7.13.
  EXPECT_EQ(InvoiceTotals::Compute(rows, 10.0, kPlain), (InvoiceTotals{38.22, 3.82, 7.13, 41.53}));
  // 1.5 % of 1.00 is the half 0.015, which goes up.
  EXPECT_EQ(InvoiceTotals::FromLineSums(1.0, 0.0, 0.0, 1.5, kPlain), (InvoiceTotals{1.0, 0.02, 0.0, 0.98}));
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
