// PDF pages measure and draw their text with pango directly, where they used
// to go through wx's cairo graphics context. Both ways must give the same
// widths, the same line heights and the same pages.
#include "platform/gdi/PangoTextMeasurer.h"

#include <gtest/gtest.h>

#include <cairo-pdf.h>
#include <cairo.h>
#include <wx/dcgraph.h>
#include <wx/graphics.h>

#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "TestEnvironment.h"
#include "platform/TextCodec.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PdfWriter.h"

using namespace platform::gdi;

namespace {

constexpr double kWidthInches = 8.27;
constexpr double kHeightInches = 11.69;
constexpr int kPixelsPerInch = 600;

// A PDF page drawn the way pages were drawn before: a wxGCDC on cairo's
// context, scaled to 600 units per inch, text and all through wx.
class WxPdfPage {
public:
  explicit WxPdfPage(const std::filesystem::path& path)
      : m_surface(cairo_pdf_surface_create(path.c_str(), kWidthInches * 72, kHeightInches * 72)),
        m_cairo(cairo_create(m_surface)) {
    cairo_scale(m_cairo, 72.0 / kPixelsPerInch, 72.0 / kPixelsPerInch);
    m_dc = std::make_unique<wxGCDC>(
        wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(m_cairo));
    DeviceMetrics metrics;
    metrics.pixelsPerInchX = metrics.pixelsPerInchY = kPixelsPerInch;
    m_canvas = std::make_unique<DeviceContext>(*m_dc, metrics);
  }
  ~WxPdfPage() { Finish(); }

  DeviceContext& Canvas() { return *m_canvas; }
  cairo_t* Cairo() { return m_cairo; }

  void Finish() {
    if (!m_surface) return;
    m_canvas.reset();
    m_dc.reset();
    cairo_show_page(m_cairo);
    cairo_destroy(m_cairo);
    cairo_surface_finish(m_surface);
    cairo_surface_destroy(m_surface);
    m_surface = nullptr;
  }

private:
  cairo_surface_t* m_surface;
  cairo_t* m_cairo;
  std::unique_ptr<wxGCDC> m_dc;
  std::unique_ptr<DeviceContext> m_canvas;
};

LogFont Font(const wchar_t* face, int32_t height, int32_t weight = FW_NORMAL, bool italic = false,
             bool decorated = false) {
  LogFont font;
  font.faceName = face;
  font.height = height;
  font.weight = weight;
  font.italic = italic;
  font.underline = decorated;
  font.strikeOut = decorated;
  return font;
}

const std::vector<LogFont>& Fonts() {
  static const std::vector<LogFont> fonts = {
      Font(L"DejaVu Sans", -100),
      Font(L"DejaVu Serif", 120, FW_BOLD),  // a positive height is the cell
      Font(L"DejaVu Sans Mono", -67, FW_NORMAL, true),
      Font(L"DejaVu Sans", 67, FW_NORMAL, false, true),
      Font(L"DejaVu Sans", -31),
      Font(L"", 0),  // no face, no height: the default family and size
  };
  return fonts;
}

const std::vector<std::wstring>& Texts() {
  static const std::vector<std::wstring> texts = {
      L"Invoice total",
      L"x",
      L"AVAST WAVE Type Tax:",
      L"fi fl ffi office",
      L"  blanks before and after  ",
      L"tab\tstops\t\there",
      L"one line\nand another",
      L"Gr\u00fc\u00dfe \u20ac 1.234,56 \u2014 na\u00efve e\u0301",
      L"\u65e5\u672c\u8a9e and Latin",
      std::wstring(300, L'W'),
      L"1.234,56",
      L"(18.00) -7 % \u20ac",
      L"\u201eQuoted\u201c \u2013 \u00c6sir \u0141\u00f3d\u017a \u0152uvre",
      L"Wolf AV To Ty Yo 11 \u00a7 7\u00b0 \u00bd",
  };
  return texts;
}

// The fonts of the table without underline and strike-out: wx draws those
// bars several points thick on a page scaled to printer units, and the pages
// draw them from the font's metrics instead (PdfWriterTest).
std::vector<LogFont> UndecoratedFonts() {
  std::vector<LogFont> fonts;
  for (const LogFont& font : Fonts())
    if (!font.underline && !font.strikeOut) fonts.push_back(font);
  return fonts;
}

TEST(PangoTextMeasurer, MeasuresAsWxDoesOnTheSameContext) {
  corvane::test::TempDir dir;
  WxPdfPage page(dir / "measure.pdf");
  WxTextMeasurer& wx = static_cast<WxTextMeasurer&>(page.Canvas().Measurer());
  PangoTextMeasurer pango(page.Cairo(), page.Canvas().GetDC().GetPPI().y);
  // Every font after every other, and each text twice: what the measurer
  // keeps of one font or one call must not answer for another.
  for (int round = 0; round < 2; ++round) {
    for (const std::wstring& text : Texts()) {
      for (const LogFont& font : Fonts()) {
        EXPECT_EQ(pango.TextWidth(font, text), wx.TextWidth(font, text))
            << platform::ToUtf8(font.faceName) << " " << font.height << ": " << platform::ToUtf8(text);
        EXPECT_EQ(pango.LineHeight(font), wx.LineHeight(font))
            << platform::ToUtf8(font.faceName) << " " << font.height;
      }
    }
  }
  EXPECT_EQ(pango.TextWidth(Fonts()[0], L""), 0);
}

// Characters that have no UTF-8 form reach pango as the replacement
// character, as they do everywhere else text leaves the program.
TEST(PangoTextMeasurer, MeasuresBadCharactersAsTheReplacementCharacter) {
  corvane::test::TempDir dir;
  WxPdfPage page(dir / "bad.pdf");
  PangoTextMeasurer pango(page.Cairo(), page.Canvas().GetDC().GetPPI().y);
  const int replaced = pango.TextWidth(Fonts()[0], L"a\uFFFDb");
  EXPECT_GT(replaced, pango.TextWidth(Fonts()[0], L"ab"));
  EXPECT_EQ(pango.TextWidth(Fonts()[0], std::wstring(L"a") + wchar_t(0xD800) + L"b"), replaced);
  EXPECT_EQ(pango.TextWidth(Fonts()[0], std::wstring(L"a") + wchar_t(0x110000) + L"b"), replaced);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The page in colour, by default at 150 pixels per inch, as a PPM file's bytes.
std::string Rasterise(const std::filesystem::path& pdf, int pixelsPerInch = 150) {
  const std::filesystem::path stem = pdf.parent_path() / pdf.stem();
  const std::string command = "pdftoppm -r " + std::to_string(pixelsPerInch) + " -singlefile '" + pdf.string() +
                              "' '" + stem.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  return ReadFile(stem.string() + ".ppm");
}

// Draws the same page with wx and with a PdfWriter, and expects the
// writer's page to hold each expected text and to look the same as wx's.
template <class Draw>
void ExpectTheSamePageAsWx(Draw draw, std::initializer_list<const char*> expectedTexts, int pixelsPerInch = 150) {
  corvane::test::TempDir dir;
  {
    WxPdfPage page(dir / "wx.pdf");
    draw(page.Canvas());
  }
  PdfWriter pdf(dir / "writer.pdf", kWidthInches, kHeightInches, kPixelsPerInch);
  ASSERT_TRUE(pdf.StartDoc(L""));
  ASSERT_TRUE(pdf.StartPage());
  draw(pdf.PageCanvas());
  ASSERT_TRUE(pdf.EndPage());
  ASSERT_TRUE(pdf.EndDoc());

  ASSERT_EQ(std::system(("pdftotext '" + (dir / "writer.pdf").string() + "'").c_str()), 0);
  const std::string text = ReadFile(dir / "writer.txt");
  for (const char* expected : expectedTexts) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " not in:\n" << text;
  }
  const std::string wx = Rasterise(dir / "wx.pdf", pixelsPerInch);
  ASSERT_GT(wx.size(), 1000u) << "pdftoppm did not rasterise the PDF";
  EXPECT_TRUE(Rasterise(dir / "writer.pdf", pixelsPerInch) == wx) << "the pages differ";
}

// Text of every kind the pages draw: wrapped and clipped where it overflows,
// coloured, on an opaque background, with a line break in one TextOut,
// beside other drawing, in the undecorated fonts.
void DrawSampleText(Canvas& canvas) {
  canvas.SelectPen(Pen{PS_DASH, 6, RGB(0, 0, 255)});
  canvas.SelectBrush(Brush::Hollow());
  canvas.Rectangle(Rect{250, 250, 4700, 5200});
  canvas.SetBkMode(TRANSPARENT);
  int32_t top = 300;
  for (const LogFont& font : UndecoratedFonts()) {
    canvas.SelectFont(font);
    canvas.SetTextColor(RGB(20 * font.height % 256, 120, 40));
    Rect box{300, top, 2400, top + 300};  // too low for every line: the last are cut
    canvas.DrawText(L"Payment is due within thirty days of the invoice date; please quote AVAST-2024.", box,
                    DT_WORDBREAK | DT_NOPREFIX);
    Rect right{2600, top, 4600, top + 600};
    canvas.DrawText(L"https://invoices.example.com/customers/000123/INV-2024-000987.pdf", right,
                    DT_WORDBREAK | DT_NOPREFIX | DT_RIGHT);
    canvas.TextOut(300, top + 400, L"  spaced out  ");
    top += 800;
  }
  canvas.SelectFont(Fonts()[0]);
  canvas.SetBkMode(OPAQUE);
  canvas.SetBkColor(RGB(255, 255, 0));
  canvas.TextOut(300, top + 100, L"On yellow");
  canvas.SetBkMode(TRANSPARENT);
  canvas.TextOut(300, top + 300, L"Two\nlines");
}

TEST(PdfWriterText, PagesShowTheTextWxDrew) {
  ExpectTheSamePageAsWx(DrawSampleText, {"Payment is", "On yellow"});
}

// Text that needs shaping: combining accents, ligatures and kerning, and
// right-to-left scripts beside left-to-right ones.
void DrawShapedText(Canvas& canvas) {
  canvas.SetBkMode(TRANSPARENT);
  int32_t top = 300;
  for (const LogFont& font : UndecoratedFonts()) {
    canvas.SelectFont(font);
    canvas.TextOut(300, top, L"Cafe\u0301 na\u0308ive \u0106evapi office affluent fjord AVAST Wolf");
    canvas.TextOut(300, top + 250, L"\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD 2024");
    canvas.TextOut(300, top + 500, L"\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645 and more");
    top += 800;
  }
}

TEST(PdfWriterText, ShapedTextIsDrawnAsWxDrawsIt) {
  // The second time from what the first kept.
  ExpectTheSamePageAsWx(
      [](Canvas& canvas) {
        DrawShapedText(canvas);
        DrawShapedText(canvas);
      },
      {"office", "affluent", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", "2024"});
}

// Every text of the table in every font, one after another on the page, as
// wx draws them: plain Latin text is shaped without a layout, the rest with
// one, and both must land where wx puts them.
void DrawTable(Canvas& canvas) {
  canvas.SetBkMode(TRANSPARENT);
  int32_t top = 200;
  for (const LogFont& font : UndecoratedFonts()) {
    canvas.SelectFont(font);
    for (const std::wstring& text : Texts()) {
      if (text.find(L'\n') != std::wstring::npos) continue;
      canvas.TextOut(150 + top % 7, top, text);
      top += std::max<int32_t>(60, std::abs(font.height) * 5 / 4);
    }
  }
}

TEST(PdfWriterText, EveryTextOfTheTableIsDrawnAsWxDrawsIt) {
  ExpectTheSamePageAsWx(DrawTable, {"Invoice total", "1.234,56", "\xC3\x86sir", "\xE2\x82\xAC"}, 300);
}

}  // namespace
