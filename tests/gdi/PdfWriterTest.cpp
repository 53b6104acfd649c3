#include "platform/gdi/PdfWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "BmpFiles.h"
#include "TestEnvironment.h"

using namespace platform::gdi;

namespace {

std::string RunCommand(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return output;
  std::array<char, 4096> buffer{};
  size_t got;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) output.append(buffer.data(), got);
  return output;
}

LogFont Font(int32_t height) {
  LogFont font;
  font.height = height;
  font.faceName = L"DejaVu Sans";
  return font;
}

TEST(PdfWriter, WritesOnePdfPagePerPageWithItsText) {
  corvane::test::TempDir dir;
  const auto path = dir / "pages.pdf";
  PdfWriter pdf(path, 8.27, 11.69, 600);
  ASSERT_TRUE(pdf.StartDoc(L"Two pages"));
  for (int page = 1; page <= 2; ++page) {
    ASSERT_TRUE(pdf.StartPage());
    Canvas& canvas = pdf.PageCanvas();
    EXPECT_EQ(canvas.GetMetrics().pixelsPerInchX, 600);
    canvas.SelectFont(Font(-100));
    Rect rect{600, 600, 4000, 1200};
    canvas.DrawText(L"Page number " + std::to_wstring(page), rect, DT_LEFT);
    Rect below{600, 1400, 4000, 2000};  // every text stays in its own rectangle
    canvas.DrawText(L"Second text", below, DT_LEFT);
    canvas.SelectPen(Pen{PS_DASH, 6, RGB(0, 0, 255)});
    canvas.Rectangle(Rect{500, 500, 4100, 1300});
    ASSERT_TRUE(pdf.EndPage());
  }
  ASSERT_TRUE(pdf.EndDoc());
  EXPECT_EQ(pdf.GetPageCount(), 2);

  const std::string info = RunCommand("pdfinfo '" + path.string() + "'");
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  EXPECT_NE(info.find("Two pages"), std::string::npos) << info;
  EXPECT_NE(info.find("595.44 x 841.68 pts (A4)"), std::string::npos) << info;
  const std::string text = RunCommand("pdftotext '" + path.string() + "' -");
  const size_t first = text.find("Page number 1");
  ASSERT_NE(first, std::string::npos) << text;
  EXPECT_NE(text.find("Page number 2", first), std::string::npos) << text;
  EXPECT_NE(text.find("Second text", first), std::string::npos) << text;
}

TEST(PdfWriter, MeasuresAsItsPagesDraw) {
  corvane::test::TempDir dir;
  PdfWriter pdf(dir / "measure.pdf", 8.5, 11, 600);
  const int before = pdf.Measurer().TextWidth(Font(-100), L"Invoice total");
  ASSERT_TRUE(pdf.StartDoc(L""));
  ASSERT_TRUE(pdf.StartPage());
  EXPECT_EQ(pdf.PageCanvas().Measurer().TextWidth(Font(-100), L"Invoice total"), before);
  // A 100-pixel em at 600 ppi is 12 points: the text is roughly 0.1 inch per character.
  EXPECT_GT(before, 400);
  EXPECT_LT(before, 1000);
  EXPECT_TRUE(pdf.EndPage());
  EXPECT_TRUE(pdf.EndDoc());
}

TEST(PdfWriter, PositiveHeightIsTheCellHeight) {
  corvane::test::TempDir dir;
  PdfWriter pdf(dir / "cell.pdf", 8.5, 11, 600);
  EXPECT_NEAR(pdf.Measurer().LineHeight(Font(120)), 120, 3);
  EXPECT_GT(pdf.Measurer().LineHeight(Font(-120)), 125);
}

TEST(PdfWriter, StretchesBitmaps) {
  corvane::test::TempDir dir;
  corvane::test::WriteBmp(dir / "logo.bmp", 4, 4, 24, 255, 0, 0);
  std::optional<Dib> dib = Dib::LoadBitmapFile(dir / "logo.bmp");
  ASSERT_TRUE(dib);
  PdfWriter pdf(dir / "image.pdf", 8.5, 11, 600);
  ASSERT_TRUE(pdf.StartDoc(L""));
  ASSERT_TRUE(pdf.StartPage());
  pdf.PageCanvas().StretchDib(*dib, Rect{600, 600, 1800, 1800});
  ASSERT_TRUE(pdf.EndPage());
  ASSERT_TRUE(pdf.EndDoc());
  const std::string images = RunCommand("pdfimages -list '" + (dir / "image.pdf").string() + "'");
  EXPECT_NE(images.find("     4     4 "), std::string::npos) << images;
}

TEST(PdfWriter, FolderThatDoesNotExistFailsTheStart) {
  corvane::test::TempDir dir;
  PdfWriter pdf(dir / "no" / "such" / "folder.pdf", 8.5, 11);
  EXPECT_FALSE(pdf.StartDoc(L"x"));
  EXPECT_NE(pdf.GetErrorText().find(L"folder.pdf"), std::wstring::npos);
  EXPECT_FALSE(pdf.StartPage());
}

TEST(PdfWriter, AbortRemovesTheFile) {
  corvane::test::TempDir dir;
  PdfWriter pdf(dir / "aborted.pdf", 8.5, 11);
  ASSERT_TRUE(pdf.StartDoc(L"x"));
  ASSERT_TRUE(pdf.StartPage());
  pdf.AbortDoc();
  EXPECT_FALSE(std::filesystem::exists(dir / "aborted.pdf"));
}

}  // namespace
