// Text in a PDF as a viewer shows it at screen resolution: the pages are
// rasterised with pdftoppm at 90 pixels per inch and the pixels compared.
#include <gtest/gtest.h>

#include <string>

#include "GreyImage.h"
#include "TestEnvironment.h"
#include "common/UnitConversions.h"
#include "platform/TextCodec.h"
#include "platform/gdi/PdfWriter.h"
#include "preview/DrawingHelpers.h"
#include "preview/ReportRendering.h"

namespace {

using corvane::test::GreyImage;

// The first page of the PDF at 90 pixels per inch, in grey.
GreyImage Rasterise(const std::filesystem::path& pdf) {
  return corvane::test::RasterisePdf(pdf, 90);
}

struct Label {
  std::wstring text;  // as printed
  double right;       // the box from (1, 1) inch
  double bottom;
};

// A label's ink as a viewer shows it: the label printed by the report (clipped
// to its box where it must be), and the same text drawn in the same place of
// the same page with no clip at all.
class PdfTextInk : public ::testing::Test {
protected:
  std::pair<GreyImage, GreyImage> Render(const Label& label) {
    std::wstring escaped;  // ":" is written "\colon" in a text record
    for (wchar_t c : label.text) escaped += c == L':' ? std::wstring(L"\\colon") : std::wstring(1, c);
    CReportGenerator report;
    EXPECT_TRUE(report.LoadFromString(L"report_label:1,1," + std::to_wstring(label.right) + L"," +
                                          std::to_wstring(label.bottom) + L"," + escaped +
                                          L",,0,DejaVu Sans,100,0,0,0,0,0,0;",
                                      kMiddlePage));
    const preview::PaperSize paper = preview::ReportPaperSize(report);
    preview::WriteReportPdf(report, m_dir / "boxed.pdf", paper);

    platform::gdi::PdfWriter pdf(m_dir / "free.pdf", paper.widthInches, paper.heightInches, 600);
    EXPECT_TRUE(pdf.StartDoc(L"free") && pdf.StartPage());
    platform::gdi::Canvas& canvas = pdf.PageCanvas();
    platform::gdi::LogFont font;
    font.faceName = L"DejaVu Sans";
    font.height = TenthPointsToPixelsAt(100, 600);
    canvas.SelectFont(font);
    canvas.SetBkMode(platform::gdi::TRANSPARENT);
    platform::gdi::Rect rect =
        preview::InchesToDeviceRect(1, 1, label.right, label.bottom, canvas.GetMetrics());
    canvas.DrawText(label.text, rect,
                    platform::gdi::DT_WORDBREAK | platform::gdi::DT_NOPREFIX | platform::gdi::DT_NOCLIP);
    EXPECT_TRUE(pdf.EndPage() && pdf.EndDoc());
    return {Rasterise(m_dir / "boxed.pdf"), Rasterise(m_dir / "free.pdf")};
  }

  corvane::test::TempDir m_dir;
};

TEST_F(PdfTextInk, ALabelInItsBoxKeepsEveryPixelOfItsGlyphs) {
  // Wide boxes, and boxes just as large as the text. A T's crossbar starts
  // left of the text's origin: cut at the box, "Tax:" reads "Iax:".
  for (const Label& label : {Label{L"Tax:", 3, 1.5}, Label{L"VAT", 3, 1.5}, Label{L"Wy", 3, 1.5},
                             Label{L"Tax:", 1.33, 1.17}, Label{L"Total", 1.45, 1.17}}) {
    const auto [boxed, free] = Render(label);
    ASSERT_GT(boxed.width, 0) << "pdftoppm did not rasterise the PDF";
    ASSERT_EQ(boxed.width, free.width);
    ASSERT_EQ(boxed.height, free.height);
    int differing = 0;
    int ink = 0;
    for (size_t i = 0; i < boxed.pixels.size(); ++i) {
      if (boxed.pixels[i] != free.pixels[i]) ++differing;
      if (free.pixels[i] < 128) ++ink;
    }
    EXPECT_GT(ink, 20) << "no text on the page";
    EXPECT_EQ(differing, 0) << platform::ToUtf8(label.text) << ": the box cut off ink";
  }
}

// Lines that overflow their box are still clipped, at the side they overflow.
TEST_F(PdfTextInk, LinesBelowTheBoxAreStillCut) {
  const auto [boxed, free] = Render(Label{L"one two three four five six seven", 1.6, 1.2});
  ASSERT_GT(boxed.width, 0);
  auto inkBelow = [](const GreyImage& image, int y0) {
    int ink = 0;
    for (int y = y0; y < y0 + 60; ++y)
      for (int x = 85; x < 150; ++x) ink += image.IsInk(x, y);
    return ink;
  };
  EXPECT_GT(inkBelow(free, 109), 0);
  EXPECT_EQ(inkBelow(boxed, 109), 0) << "the lines below the box's bottom are printed";
  EXPECT_GT(inkBelow(boxed, 90), 0) << "the first line is missing";
}

}  // namespace
