#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "BmpFiles.h"
#include "TestEnvironment.h"

using namespace platform::gdi;

namespace {

// A white bitmap with a memory DC on it; Image() reads the pixels back.
class Surface {
public:
  Surface(int width, int height) : m_bitmap(width, height, 24), m_dc(m_bitmap) {
    m_dc.SetBackground(*wxWHITE_BRUSH);
    m_dc.Clear();
  }
  wxMemoryDC& Dc() { return m_dc; }
  wxImage Image() {
    m_dc.SelectObject(wxNullBitmap);
    wxImage image = m_bitmap.ConvertToImage();
    m_dc.SelectObject(m_bitmap);
    return image;
  }

private:
  wxBitmap m_bitmap;
  wxMemoryDC m_dc;
};

bool IsDark(const wxImage& image, int x, int y) {
  return image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 128;
}

int DarkPixels(const wxImage& image, const wxRect& area) {
  int count = 0;
  for (int y = area.GetTop(); y <= area.GetBottom(); ++y) {
    for (int x = area.GetLeft(); x <= area.GetRight(); ++x) count += IsDark(image, x, y);
  }
  return count;
}

TEST(DeviceContext, FillsWithTheBrushAndOutlinesWithThePen) {
  Surface surface(100, 100);
  {
    DeviceContext dc(surface.Dc());
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(RGB(255, 0, 0)));
    dc.Rectangle(Rect{10, 10, 40, 40});
    dc.SelectPen(Pen{PS_SOLID, 3, RGB(0, 0, 0)});
    dc.SelectBrush(Brush::Hollow());
    dc.Rectangle(Rect{50, 50, 90, 90});
  }
  wxImage image = surface.Image();
  EXPECT_EQ(image.GetRed(25, 25), 255);
  EXPECT_EQ(image.GetGreen(25, 25), 0);
  EXPECT_EQ(image.GetGreen(45, 45), 255);  // outside: still white
  EXPECT_TRUE(IsDark(image, 50, 70));      // the hollow box's border
  EXPECT_FALSE(IsDark(image, 70, 70));     // and its untouched inside
}

TEST(DeviceContext, DashedPensLeaveGaps) {
  Surface surface(300, 20);
  {
    DeviceContext dc(surface.Dc());
    dc.SelectPen(Pen{PS_DASH, 1, 0});
    dc.MoveTo(0, 10);
    dc.LineTo(300, 10);
  }
  wxImage image = surface.Image();
  const int dark = DarkPixels(image, wxRect(0, 10, 300, 1));
  EXPECT_GT(dark, 150);
  EXPECT_LT(dark, 290);
}

TEST(DeviceContext, FontHeightsFollowTheLogFont) {
  Surface surface(10, 10);
  DeviceContext dc(surface.Dc());
  LogFont cell;
  cell.faceName = L"DejaVu Sans";
  cell.height = 40;
  EXPECT_NEAR(dc.Measurer().LineHeight(cell), 40, 2);
  LogFont em = cell;
  em.height = -40;
  EXPECT_GT(dc.Measurer().LineHeight(em), 42);
  LogFont bold = cell;
  bold.weight = FW_BOLD;
  EXPECT_GT(dc.Measurer().TextWidth(bold, L"Invoice"), dc.Measurer().TextWidth(cell, L"Invoice"));
}

TEST(DeviceContext, DrawTextWrapsInsideItsRectangle) {
  Surface surface(200, 200);
  {
    DeviceContext dc(surface.Dc());
    LogFont font;
    font.faceName = L"DejaVu Sans";
    font.height = 16;
    dc.SelectFont(font);
    dc.SetBkMode(TRANSPARENT);
    Rect rect{20, 20, 100, 180};
    const int lineHeight = dc.Measurer().LineHeight(font);
    EXPECT_NEAR(lineHeight, 16, 1);
    // "Invoice lines" / "wrap into" / "several" / "rows" in 80 pixels.
    EXPECT_EQ(dc.DrawText(L"Invoice lines wrap into several rows", rect, DT_WORDBREAK | DT_NOPREFIX),
              4 * lineHeight);
  }
  wxImage image = surface.Image();
  EXPECT_GT(DarkPixels(image, wxRect(20, 20, 80, 16)), 20);
  EXPECT_GT(DarkPixels(image, wxRect(20, 68, 80, 16)), 10);
  EXPECT_EQ(DarkPixels(image, wxRect(101, 0, 99, 200)), 0);  // clipped to the rectangle
  EXPECT_EQ(DarkPixels(image, wxRect(0, 100, 200, 100)), 0);
}

TEST(DeviceContext, StretchesABitmapIntoTheRectangle) {
  corvane::test::TempDir dir;
  corvane::test::WriteBmp(dir / "blue.bmp", 2, 2, 24, 0, 0, 255);
  std::optional<Dib> dib = Dib::LoadBitmapFile(dir / "blue.bmp");
  ASSERT_TRUE(dib);
  Surface surface(100, 100);
  {
    DeviceContext dc(surface.Dc());
    dc.StretchDib(*dib, Rect{20, 20, 60, 60});
  }
  wxImage image = surface.Image();
  EXPECT_EQ(image.GetBlue(40, 40), 255);
  EXPECT_EQ(image.GetRed(40, 40), 0);
  EXPECT_EQ(image.GetRed(70, 70), 255);
}

}  // namespace
