// A character that no installed font has (an emoji on a machine without an
// emoji font) prints as a box inside its line, and the preview, which draws
// through a wxDC scaled down to the screen, breaks and places the text as
// the PDF pages do.
#include "platform/gdi/MissingGlyphs.h"

#include <gtest/gtest.h>

#include <wx/dcgraph.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "GreyImage.h"
#include "TestEnvironment.h"
#include "platform/TextCodec.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PdfWriter.h"
#include "platform/gdi/TextLayout.h"

using namespace platform::gdi;

namespace {

// Pages are laid out at 600 units per inch; the preview shows them, and the
// PDF is rasterised, at 150 pixels per inch.
constexpr int kUnitsPerInch = 600;
constexpr int kPixelsPerInch = 150;
constexpr double kPageInches = 4;
constexpr int kPagePixels = static_cast<int>(kPageInches * kPixelsPerInch);

// Characters without a font here: emoji (no emoji font is installed) and a
// private-use character no font has.
const std::wstring kCrab = L"\U0001F980";
const std::wstring kThumbsUp = L"\U0001F44D";
const std::wstring kPrivate = L"\U0010FFFD";

// The font of a template's text of the size in points, as the preview makes
// it: a positive height, the whole cell.
LogFont FontOfPoints(int points, bool bold = false) {
  LogFont font;
  font.faceName = L"DejaVu Sans";
  font.height = static_cast<int32_t>(std::lround(kUnitsPerInch / 72.0 * points));
  font.weight = bold ? FW_BOLD : FW_NORMAL;
  return font;
}

using corvane::test::GreyImage;

GreyImage FromImage(const wxImage& image) {
  GreyImage grey{image.GetWidth(), image.GetHeight(), {}};
  for (int y = 0; y < grey.height; ++y)
    for (int x = 0; x < grey.width; ++x)
      grey.pixels.push_back(
          static_cast<unsigned char>((image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y)) / 3));
  return grey;
}

// The two ways a page is drawn: into a PDF file by the PDF writer, and onto
// the preview's bitmap through a wxDC scaled from page units to its pixels.
enum class Road { Pdf, Preview };

const char* Name(Road road) {
  return road == Road::Pdf ? "PDF" : "preview";
}

class Page {
public:
  Page(Road road, const std::filesystem::path& dir) : m_dir(dir) {
    if (road == Road::Pdf) {
      m_pdf = std::make_unique<PdfWriter>(dir / "page.pdf", kPageInches, kPageInches, kUnitsPerInch);
      EXPECT_TRUE(m_pdf->StartDoc(L"") && m_pdf->StartPage());
      return;
    }
    m_image = wxImage(kPagePixels, kPagePixels);
    m_image.SetRGB(wxRect(0, 0, kPagePixels, kPagePixels), 255, 255, 255);
    m_dc = std::make_unique<wxGCDC>(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromImage(m_image));
    m_dc->SetUserScale(double(kPixelsPerInch) / kUnitsPerInch, double(kPixelsPerInch) / kUnitsPerInch);
    DeviceMetrics metrics;
    metrics.pixelsPerInchX = metrics.pixelsPerInchY = kUnitsPerInch;
    metrics.width = metrics.height = static_cast<int32_t>(kPageInches * kUnitsPerInch);
    m_canvas = std::make_unique<DeviceContext>(*m_dc, metrics);
  }

  Canvas& GetCanvas() { return m_pdf ? m_pdf->PageCanvas() : *m_canvas; }

  // The page as it is shown, at kPixelsPerInch; ends the page.
  GreyImage Finish() {
    if (m_pdf) {
      EXPECT_TRUE(m_pdf->EndPage() && m_pdf->EndDoc());
      return corvane::test::RasterisePdf(m_dir / "page.pdf", kPixelsPerInch);
    }
    m_canvas.reset();
    m_dc.reset();  // flushes the drawing into the image
    return FromImage(m_image);
  }

private:
  std::filesystem::path m_dir;
  std::unique_ptr<PdfWriter> m_pdf;
  wxImage m_image;
  std::unique_ptr<wxGCDC> m_dc;
  std::unique_ptr<DeviceContext> m_canvas;
};

int ToPixels(int32_t units) {
  return units * kPixelsPerInch / kUnitsPerInch;
}

struct InkCase {
  std::wstring before;  // text before the character without a font
  std::wstring missing;
  std::wstring after;
  int points;
  bool bold;
};

TEST(MissingGlyph, PrintsAsABoxInsideItsLine) {
  const InkCase cases[] = {
      {L"Total ", kCrab, L" due", 10, false},
      {L"", kThumbsUp, L" thanks", 9, false},
      {L"Caf\u00e9 ", kPrivate, L" \u00fcber", 10, true},
      {L"Invoice ", kCrab, L"", 20, true},
  };
  for (const Road road : {Road::Pdf, Road::Preview}) {
    for (const InkCase& test : cases) {
      const std::wstring text = test.before + test.missing + test.after;
      SCOPED_TRACE(std::string(Name(road)) + ": " + platform::ToUtf8(text) + " at " +
                   std::to_string(test.points) + " points");
      corvane::test::TempDir dir;
      Page page(road, dir.Path());
      Canvas& canvas = page.GetCanvas();
      const LogFont font = FontOfPoints(test.points, test.bold);
      canvas.SelectFont(font);
      canvas.SetBkMode(TRANSPARENT);
      constexpr int32_t kLeft = 300, kTop = 400;
      canvas.TextOut(kLeft, kTop, text);
      const int32_t lineHeight = canvas.Measurer().LineHeight(font);
      const int32_t boxLeft = kLeft + canvas.TextWidth(test.before);
      const int32_t boxRight = kLeft + canvas.TextWidth(test.before + test.missing);
      const GreyImage shown = page.Finish();
      ASSERT_EQ(shown.width, kPagePixels);

      // All ink lies within the line (a pixel's slack for anti-aliasing).
      const int top = ToPixels(kTop) - 1;
      const int bottom = ToPixels(kTop + lineHeight) + 1;
      int outside = 0;
      int inLine = 0;
      for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
          if (!shown.IsInk(x, y)) continue;
          (y < top || y > bottom ? outside : inLine) += 1;
        }
      }
      EXPECT_GT(inLine, 20) << "no text was printed";
      EXPECT_EQ(outside, 0) << "ink outside the line's band, rows " << top << " to " << bottom;

      // The character takes a box's room and its box is printed there, no
      // wider than the line is tall.
      EXPECT_GT(boxRight - boxLeft, lineHeight / 5);
      EXPECT_LE(boxRight - boxLeft, lineHeight);
      int boxInk = 0;
      for (int y = top; y <= bottom; ++y)
        for (int x = ToPixels(boxLeft); x < ToPixels(boxRight); ++x) boxInk += shown.IsInk(x, y);
      EXPECT_GT(boxInk, 4) << "no box where the character is";
    }
  }
}

// The preview's scaled wxDC and the PDF pages measure their text each in its
// own way: a text with characters without a font must still break into the
// same lines of nearly the same widths.
TEST(MissingGlyph, PreviewAndPdfLayTheTextOutAlike) {
  const struct {
    std::wstring text;
    double widthInches;
    int points;
  } cases[] = {
      {L"Total " + kCrab + L" due now, with thanks for your order of last week", 3.0, 10},
      {kThumbsUp + kThumbsUp + kThumbsUp + L" Delivery to the back door " + kCrab, 1.6, 9},
      {L"Caf\u00e9 " + kPrivate + kPrivate + L" \u00fcber alles " + kCrab + L" und so weiter", 1.2, 10},
      {L"Invoice " + kCrab + kCrab + L" paid", 1.2, 20},
  };
  corvane::test::TempDir dir;
  PdfWriter pdf(dir.Path() / "measure.pdf", kPageInches, kPageInches, kUnitsPerInch);
  Page preview(Road::Preview, dir.Path());
  for (const auto& test : cases) {
    SCOPED_TRACE(platform::ToUtf8(test.text));
    const LogFont font = FontOfPoints(test.points);
    const Rect box{0, 0, static_cast<int32_t>(test.widthInches * kUnitsPerInch), 3000};
    const unsigned format = DT_WORDBREAK | DT_NOPREFIX;
    const TextLayout printed = LayoutText(test.text, box, format, font, pdf.Measurer());
    const TextLayout shown = LayoutText(test.text, box, format, font, preview.GetCanvas().Measurer());
    ASSERT_GT(printed.lines.size(), 1u) << "the text wraps";
    ASSERT_EQ(shown.lines.size(), printed.lines.size());
    for (size_t i = 0; i < printed.lines.size(); ++i) {
      EXPECT_EQ(platform::ToUtf8(shown.lines[i].text), platform::ToUtf8(printed.lines[i].text));
      // Hinted at the screen's size a word comes out a little wider or
      // narrower: a pixel of the preview (4 units) or a hundredth.
      EXPECT_NEAR(shown.lines[i].width, printed.lines[i].width, std::max(4, printed.lines[i].width / 100))
          << platform::ToUtf8(printed.lines[i].text);
    }
  }
}

// Only the characters no font has are replaced; the rest, emoji a font does
// have among them, are measured and drawn as they are.
TEST(MissingGlyph, ReplacesOnlyTheCharactersNoFontHas) {
  const wxFont font(wxFontInfo(10).FaceName("DejaVu Sans"));
  const std::wstring box(1, kMissingGlyphBox);
  const struct {
    std::wstring text;
    std::wstring printed;
  } cases[] = {
      {L"", L""},
      {L"Invoice total", L"Invoice total"},
      {L"Gr\u00fc\u00dfe \u20ac 1.234,56\tx\r\n", L"Gr\u00fc\u00dfe \u20ac 1.234,56\tx\r\n"},
      {L"smile \U0001F600 \u2764", L"smile \U0001F600 \u2764"},  // DejaVu Sans has these
      {L"crab " + kCrab + L"!", L"crab " + box + L"!"},
      {kThumbsUp + kCrab + kPrivate, box + box + box},
      {L"e\u0301 " + kCrab + L"\uFE0F", L"e\u0301 " + box + L"\uFE0F"},
  };
  for (const auto& test : cases) {
    std::wstring storage;
    EXPECT_EQ(platform::ToUtf8(PrintableText(font, test.text, storage)), platform::ToUtf8(test.printed))
        << platform::ToUtf8(test.text);
  }
}

}  // namespace
