#include "preview/ReportRendering.h"

#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "PreviewFixtures.h"

using namespace platform::gdi;

namespace {

int DarkPixels(const wxImage& image, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      count += image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 128;
    }
  }
  return count;
}

// Draws page 1 of the report onto a white bitmap of 4 x 3 inches at 50 pixels per inch.
wxImage DrawPage(CReportGenerator& report, const DeviceMetrics* metrics = nullptr) {
  wxBitmap bitmap(200, 150, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    DeviceMetrics device = metrics ? *metrics : corvane::test::Metrics(50);
    preview::DrawReportPage(report, 1, dc, device);
  }
  return bitmap.ConvertToImage();
}

TEST(DrawReportPage, PaintsTheObjectsOfThePageOntoABitmap) {
  CReportGenerator report;
  ASSERT_TRUE(
      report.LoadFromString(L"report_box:2,2,3,2.8,,,0,0,0,0,0,1,255;\n"
                            L"report_label:0.2,0.2,3.8,1,Invoice [%page%],,0,DejaVu Sans,200,1,0,0,0,0,0;",
                            kMiddlePage));
  wxImage image = DrawPage(report);
  EXPECT_EQ(image.GetRed(125, 120), 255);  // inside the red box: (100..150, 100..140)
  EXPECT_EQ(image.GetGreen(125, 120), 0);
  EXPECT_EQ(image.GetGreen(160, 120), 255);
  EXPECT_GT(DarkPixels(image, 10, 10, 190, 50), 50);  // the label's text
  EXPECT_EQ(DarkPixels(image, 0, 55, 200, 95), 0);

  // A printer's printable area starts inside the paper: everything moves by its offset.
  DeviceMetrics offset = corvane::test::Metrics(50);
  offset.physicalOffsetX = 20;
  offset.physicalOffsetY = 10;
  wxImage moved = DrawPage(report, &offset);
  EXPECT_EQ(moved.GetGreen(125, 120), 0);
  EXPECT_EQ(moved.GetGreen(85, 92), 0);
  EXPECT_EQ(moved.GetGreen(140, 120), 255);
}

}  // namespace
