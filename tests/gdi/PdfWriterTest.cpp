#include "platform/gdi/PdfWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <cctype>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "BmpFiles.h"
#include "TestEnvironment.h"
#include "platform/TextCodec.h"

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

namespace {

// The page rendered at 600 dots per inch in grey: one byte per pixel, rows of `width`.
struct GreyPage {
  int width = 0, height = 0;
  std::string pixels;
  bool Dark(int x, int y) const { return static_cast<unsigned char>(pixels[y * width + x]) < 128; }
};

GreyPage Render(const std::filesystem::path& pdf) {
  const std::string pgm = RunCommand("pdftoppm -r 600 -gray '" + pdf.string() + "'");
  GreyPage page;
  // "P5\n<width> <height>\n255\n" and the pixels.
  size_t at = 0;
  auto number = [&] {
    while (at < pgm.size() && !std::isdigit(static_cast<unsigned char>(pgm[at]))) ++at;
    int value = 0;
    while (at < pgm.size() && std::isdigit(static_cast<unsigned char>(pgm[at]))) value = value * 10 + (pgm[at++] - '0');
    return value;
  };
  at = 2;
  page.width = number();
  page.height = number();
  number();
  page.pixels = pgm.substr(at + 1);
  if (page.pixels.size() < static_cast<size_t>(page.width) * page.height) page = GreyPage{};
  return page;
}

// Writes a PDF of one page of the size in inches at 600 dots per inch, drawn
// by `draw` in the font, text without a background. True when written;
// otherwise `error` says why.
template <class Draw>
bool WriteOnePage(const std::filesystem::path& path, double width, double height, const LogFont& font,
                  Draw draw, std::wstring* error = nullptr) {
  PdfWriter pdf(path, width, height, 600);
  bool written = pdf.StartDoc(L"") && pdf.StartPage();
  if (written) {
    Canvas& canvas = pdf.PageCanvas();
    canvas.SelectFont(font);
    canvas.SetBkMode(TRANSPARENT);
    draw(canvas);
    written = pdf.EndPage() && pdf.EndDoc();
  }
  if (!written && error) *error = pdf.GetErrorText();
  return written;
}

// One line of text in 10 points at (600, 600) on a small page of 600 dots per inch.
GreyPage PrintLine(const std::filesystem::path& path, const std::wstring& text, bool underline) {
  LogFont font = Font(-83);  // 10 points
  font.underline = underline;
  if (!WriteOnePage(path, 3, 1.5, font, [&](Canvas& canvas) { canvas.TextOut(300, 300, text); })) return {};
  return Render(path);
}

}  // namespace

// The underline is as thick as the font says (about half a point for 10
// points of DejaVu Sans), not a bar several points tall, and lies just below
// the text's baseline.
TEST(PdfWriter, UnderlinesWithTheFontsThicknessBelowTheBaseline) {
  corvane::test::TempDir dir;
  const GreyPage plain = PrintLine(dir / "plain.pdf", L"nnnnnnnn", false);
  const GreyPage underlined = PrintLine(dir / "underlined.pdf", L"nnnnnnnn", true);
  ASSERT_GT(plain.width, 0);
  ASSERT_EQ(plain.width, underlined.width);
  ASSERT_EQ(plain.height, underlined.height);
  // Rows that the underline alone darkens, in a column between two letters' stems.
  int lowestText = 0;
  for (int y = 0; y < plain.height; ++y)
    for (int x = 300; x < 700; ++x)
      if (plain.Dark(x, y)) lowestText = std::max(lowestText, y);
  ASSERT_GT(lowestText, 300) << "the text was drawn";
  int first = -1, last = -1;
  for (int y = 0; y < plain.height; ++y) {
    bool bar = false;
    for (int x = 300; x < 700 && !bar; ++x) bar = underlined.Dark(x, y) && !plain.Dark(x, y);
    if (!bar) continue;
    if (first < 0) first = y;
    last = y;
  }
  ASSERT_GE(first, 0) << "an underline was drawn";
  const int thickness = last - first + 1;
  EXPECT_GE(thickness, 2);
  EXPECT_LE(thickness, 8) << "dots at 600 per inch: at most about 1 point";
  EXPECT_GT(first, lowestText - 4) << "below the baseline";
  EXPECT_LT(first, lowestText + 25) << "close under the text";
}

// Text is gathered and drawn a font and colour at a time, yet everything
// keeps the order it was drawn in: a box filled over text hides it, text
// written over a box shows on it, and a clipped text in between is cut.
TEST(PdfWriter, KeepsTheOrderOfTextAndShapes) {
  corvane::test::TempDir dir;
  const auto path = dir / "order.pdf";
  ASSERT_TRUE(WriteOnePage(path, 3, 2.5, Font(-83), [](Canvas& canvas) {
    canvas.TextOut(100, 100, L"HHHHHHHH");  // hidden by the box drawn next
    canvas.SelectPen(Pen::Null());
    canvas.SelectBrush(Brush::Solid(RGB(255, 255, 255)));
    canvas.Rectangle(Rect{50, 50, 1000, 250});
    canvas.SelectBrush(Brush::Solid(RGB(0, 0, 0)));
    canvas.Rectangle(Rect{50, 400, 1000, 600});
    canvas.SetTextColor(RGB(255, 255, 255));
    canvas.TextOut(100, 450, L"HHHHHHHH");  // white on the black box
    canvas.SetTextColor(RGB(0, 0, 0));
    const Rect clip{100, 700, 300, 900};
    canvas.TextOut(100, 700, L"HHHHHHHH", &clip);
    canvas.TextOut(100, 1000, L"HHHHHHHH");
  }));
  const GreyPage page = Render(path);
  ASSERT_EQ(page.width, 1800);
  ASSERT_EQ(page.height, 1500);
  const auto darkIn = [&](int left, int top, int right, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) dark += page.Dark(x, y) ? 1 : 0;
    return dark;
  };
  EXPECT_EQ(darkIn(60, 60, 990, 240), 0) << "the text under the white box";
  EXPECT_GT((990 - 60) * (590 - 410) - darkIn(60, 410, 990, 590), 2000) << "white text on the black box";
  EXPECT_GT(darkIn(100, 700, 300, 900), 0) << "the clipped text inside its clip";
  EXPECT_EQ(darkIn(310, 690, 1000, 910), 0) << "the clipped text outside its clip";
  EXPECT_GT(darkIn(310, 1000, 1000, 1200), 0) << "the text after the clipped one";
}

// Whatever a text holds, its page is written: controls, marks with nothing
// to sit on, joiners, characters no font has, scripts of either direction
// and broken UTF-16, each alone and between Latin letters.
TEST(PdfWriter, EveryKindOfTextIsWritten) {
  const std::wstring odd[] = {
      L"\u0001\u0007\u001F\u007F",
      L"\u0301\u0308 marks first",
      L"a\u200Db\u200Cc\u2060d\uFEFFe",
      L"\U0001F980\U0001F44D\U0010FFFD",
      L"\u05E9\u05DC\u05D5\u05DD abc \u0645\u0631\u062D\u0628\u0627 123",
      L"tab\tand\u00A0nbsp\u00AD soft",
      std::wstring(L"lone ") + wchar_t(0xD800) + L" surrogate",
      L"\u0915\u094D\u0937 \u0E01\u0E33 \u1100\u1161",
      L"\uFB01\uFB02 ligatures \u2126 \u212B",
  };
  corvane::test::TempDir dir;
  const auto path = dir / "odd.pdf";
  std::wstring error;
  const bool written = WriteOnePage(
      path, 8.27, 11.69, Font(-100),
      [&](Canvas& canvas) {
        int32_t top = 300;
        for (const std::wstring& text : odd) {
          canvas.TextOut(300, top, text);
          canvas.TextOut(300, top + 150, L"Latin " + text + L" Latin");
          top += 300;
        }
      },
      &error);
  ASSERT_TRUE(written) << platform::ToUtf8(error);
  const std::string text = RunCommand("pdftotext '" + path.string() + "' -");
  EXPECT_NE(text.find("marks first"), std::string::npos) << text;
  EXPECT_NE(text.find("surrogate"), std::string::npos) << text;
}
