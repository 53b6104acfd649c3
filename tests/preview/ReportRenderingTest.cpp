#include "preview/ReportRendering.h"

#include <gtest/gtest.h>

#include "PreviewFixtures.h"
#include "preview/DrawGrid.h"
#include "preview/DrawRepeatField.h"

using namespace platform::gdi;

namespace {

TEST(ReportPaperSize, IsA4UnlessObjectsReachBeyondIt) {
  CReportGenerator report;
  EXPECT_EQ(preview::ReportPaperSize(report), (preview::PaperSize{8.27, 11.69}));
  ASSERT_TRUE(report.LoadFromString(L"report_box:1,1,8,11,,,0,1,0.01,0,0,0,0;", kMiddlePage));
  EXPECT_EQ(preview::ReportPaperSize(report), (preview::PaperSize{8.27, 11.69}));
  ASSERT_TRUE(report.LoadFromString(L"report_line:1,1,9,12,,,0,0.01,0,0;", kMiddlePage));
  EXPECT_EQ(preview::ReportPaperSize(report), (preview::PaperSize{9.25, 12.25}));
  // The page grows no larger than a PDF allows; it never falls back to A4.
  ASSERT_TRUE(report.LoadFromString(L"report_line:1,1,90000,1e300,,,0,0.01,0,0;", kMiddlePage));
  EXPECT_EQ(preview::ReportPaperSize(report), (preview::PaperSize{200, 200}));
  ASSERT_TRUE(report.LoadFromString(L"report_line:1,1,199.9,199.9,,,0,0.01,0,0;", kMiddlePage));
  EXPECT_EQ(preview::ReportPaperSize(report), (preview::PaperSize{200, 200}));
}

TEST(ReportPaperSize, RepeatFieldsReachAsFarAsTheirRows) {
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromString(
      L"inv_repeat_fld:1,10,3,10.5,,FLD_001_000,0,Arial,100,0,0,0,0,0,0;<inv_repeat_bgn>4,100;",
      kMiddlePage));
  auto& field = static_cast<CDrawRepeatField&>(*report.GetObject(0, 0));
  EXPECT_EQ(preview::ReportPaperSize(report).heightInches, 11.69);
  for (int row = 0; row < 6; ++row) field.AddRow(L"row");
  EXPECT_EQ(preview::ReportPaperSize(report).heightInches, 10 + 4 * 0.5 + 0.25);  // four rows are printed
  // Rows that reach below the largest page make it that large.
  field.SetRowLimit(1000);
  for (int row = 0; row < 500; ++row) field.AddRow(L"row");
  EXPECT_EQ(preview::ReportPaperSize(report).heightInches, 200.0);
  EXPECT_EQ(preview::RowsOnLargestPage(field, 506), 380);  // 10 + 380 x 0.5 = 200
  EXPECT_EQ(preview::RowsOnLargestPage(field, 4), 4);
}

TEST(RowsOnLargestPage, ARowEndingOnThePageEdgeIsShownWhateverTheRoundingOfItsInches) {
  // Rows of 0.65 - 0.5 inches (0.15000000000000002 as a double) from half an
  // inch down: the 1,330th ends at 200 inches, on the page's last pixel,
  // although the sum of the inches lands a hair below it.
  CDrawRepeatField field;
  field.SetRect(1, 0.5, 3, 0.65);
  struct Case {
    int32_t rows;
    int32_t shown;
  };
  for (const Case& c : {Case{1329, 1329}, Case{1330, 1330}, Case{1331, 1330}, Case{5000, 1330}}) {
    EXPECT_EQ(preview::RowsOnLargestPage(field, c.rows), c.shown) << c.rows << " rows";
  }
}

TEST(LayOutReport, RecordsEveryPrintedPageForTheDevice) {
  CReportGenerator report;
  ASSERT_TRUE(
      report.LoadFromString(L"report_label:1,0.5,3,1,Page [%page%],,0,Arial,100,0,0,0,0,0,0;", kMiddlePage));
  auto grid = std::make_unique<CDrawGrid>(4);
  grid->SetName(L"lines");
  grid->SetRect(1, 1, 3, 1.5);  // two rows per page
  report.AddObject(std::move(grid), 0);
  ASSERT_TRUE(report.DistributeLines(L"lines", {L"a", L"b", L"c", L"d", L"e"}));

  FixedTextMeasurer measurer;
  const std::vector<RecordedPage> pages =
      preview::LayOutReport(report, corvane::test::Metrics(200), measurer);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(corvane::test::TextsOf(pages[0]), (std::vector<std::wstring>{L"Page 1", L"a", L"b"}));
  EXPECT_EQ(corvane::test::TextsOf(pages[2]), (std::vector<std::wstring>{L"Page 3", L"e"}));
  EXPECT_EQ(pages[1].Texts()[1]->y, 200);  // the first row at one inch
  EXPECT_EQ(pages[1].Texts()[2]->y, 250);  // the second a quarter inch lower
  EXPECT_EQ(pages[0].metrics.pixelsPerInchX, 200);
}

}  // namespace
