#include "shell/InvoiceListRows.h"

#include <gtest/gtest.h>

#include "common/Value.h"
#include "platform/LocaleFormat.h"
#include "platform/OleDateTime.h"

namespace {

double Ole(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return *platform::CivilToOleDate({year, month, day, hour, minute, second});
}

class InvoiceListRowsTest : public ::testing::Test {
protected:
  void SetUp() override {
    platform::LocaleInfo locale;
    locale.shortDatePattern = L"%d.%m.%Y";
    platform::SetUserLocaleOverride(locale);
  }
  void TearDown() override {
    platform::SetUserLocaleOverride(std::nullopt);
    platform::SetNowOverride(std::nullopt);
  }
};

struct StatusCase {
  const char* name;
  double datum;
  int32_t days;
  double now;
  const wchar_t* status;
};

class StatusTextTest : public InvoiceListRowsTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusTextTest, UnpaidInvoicesShowTheirDueState) {
  const StatusCase& c = GetParam();
  EXPECT_EQ(InvoiceListRows::StatusText(false, -1.0, c.datum, c.days, c.now), c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatusTextTest,
    ::testing::Values(
        // 29.5 days ahead cut to 29.
        StatusCase{"DueInTwentyNineAtNoon", Ole(2024, 5, 10), 30, Ole(2024, 5, 10, 12), L"Due in 29 days"},
        StatusCase{"DueMidnightTodaySeenInTheMorning", Ole(2024, 5, 1), 9, Ole(2024, 5, 10, 0, 0, 1),
                   L"Due Today"},
        StatusCase{"DueMidnightTodaySeenAtNight", Ole(2024, 5, 1), 9, Ole(2024, 5, 10, 23, 59, 59),
                   L"Due Today"},
        StatusCase{"DueMidnightTomorrow", Ole(2024, 5, 1), 10, Ole(2024, 5, 10, 8), L"Due Today"},
        StatusCase{"DueMidnightYesterday", Ole(2024, 5, 1), 8, Ole(2024, 5, 10, 8), L"Due 1 days"},
        StatusCase{"LongOverdue", Ole(2024, 1, 1), 15, Ole(2024, 3, 1, 12), L"Due 45 days"},
        StatusCase{"NoDaysCondition", Ole(2024, 1, 1), 0, Ole(2024, 3, 1), L"Not paid"}),
    [](const ::testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST_F(InvoiceListRowsTest, PaidInvoicesShowThePaymentDateWhateverTheirDueDate) {
  EXPECT_EQ(InvoiceListRows::StatusText(true, Ole(2024, 2, 3, 14, 5), Ole(2023, 1, 1), 10, Ole(2024, 6, 1)),
            L"Paid on 03.02.2024");
  EXPECT_EQ(InvoiceListRows::StatusText(true, Ole(2024, 2, 3), Ole(2024, 2, 1), 0, Ole(2024, 6, 1)),
            L"Paid on 03.02.2024");
}

TEST_F(InvoiceListRowsTest, RowHoldsTheSixCellsAndTheInvoiceId) {
  InvoiceRecord invoice;
  invoice.id = ObjectHandle(42);
  invoice.invoiceNum = L"0007/24";
  invoice.datum = OleDateToTm(Ole(2024, 5, 10, 9, 30));
  invoice.daysCondition = 15;
  invoice.totalAmount = 1180.5;
  invoice.companyObjectId = 9;

  const ListRow row = InvoiceListRows::BuildRow(invoice, L"Mountain Bakery", Ole(2024, 5, 20, 9));
  EXPECT_EQ(row.GetObjectId(), 42);
  ASSERT_EQ(row.GetCellCount(), 6u);
  EXPECT_EQ(row.GetCell(0).GetText(), L"0007/24");
  EXPECT_EQ(row.GetCell(1).GetText(), L"10.05.2024");
  EXPECT_EQ(row.GetCell(2).GetText(), L"25.05.2024");
  EXPECT_EQ(row.GetCell(3).GetType(), VT_DOUBLE);
  EXPECT_DOUBLE_EQ(row.GetCell(3).AsDouble(), 1180.5);
  EXPECT_EQ(row.GetCell(4).GetText(), L"Mountain Bakery");
  EXPECT_EQ(row.GetCell(5).GetText(), L"Due in 5 days");
}

TEST_F(InvoiceListRowsTest, NoDaysConditionShowsNotApplicableDueDateAndNoClientShowsNothing) {
  InvoiceRecord invoice;
  invoice.id = ObjectHandle(3);
  invoice.datum = OleDateToTm(Ole(2024, 5, 10));
  invoice.companyObjectId = 0;
  const ListRow row = InvoiceListRows::BuildRow(invoice, L"stale name", Ole(2024, 5, 10));
  EXPECT_EQ(row.GetCell(2).GetText(), L"N/A");
  EXPECT_EQ(row.GetCell(4).GetText(), L"");
  EXPECT_EQ(row.GetCell(5).GetText(), L"Not paid");
}

TEST(InvoicePeriodTest, MonthsYearsAndNoPeriod) {
  EXPECT_EQ(InvoicePeriod::For(2006, 3), (InvoicePeriod{Ole(2006, 3, 1), Ole(2006, 4, 1)}));
  EXPECT_EQ(InvoicePeriod::For(2006, 12), (InvoicePeriod{Ole(2006, 12, 1), Ole(2007, 1, 1)}));
  EXPECT_EQ(InvoicePeriod::For(2006, 0), (InvoicePeriod{Ole(2006, 1, 1), Ole(2007, 1, 1)}));
  EXPECT_TRUE(InvoicePeriod::For(-1, -1).IsOpen());
  EXPECT_TRUE(InvoicePeriod::For(2006, -1).IsOpen());
  EXPECT_TRUE(InvoicePeriod::For(-1, 3).IsOpen());
}

TEST(InvoicePeriodTest, QueryBoundIsTheLastSecondSoTheNextMonthsFirstMidnightIsNotIncluded) {
  const InvoicePeriod march = InvoicePeriod::For(2006, 3);
  const auto last = platform::OleDateToCivil(march.LastSecond());
  ASSERT_TRUE(last);
  EXPECT_EQ(*last, (platform::CivilTime{2006, 3, 31, 23, 59, 59, 0, last->dayOfWeek}));
  EXPECT_EQ(InvoicePeriod::For(-1, -1).LastSecond(), -1.0);
}

}  // namespace
