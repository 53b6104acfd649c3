// The wx measurer asks its DC for the resolution once, not per text: on a
// window DC each question is a round trip to the display, and wrapping
// measures word after word.
#include <gtest/gtest.h>

#include <wx/dc.h>
#include <wx/dcgraph.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <string>

#include "platform/gdi/TextLayout.h"
#include "platform/gdi/WxTextMeasurer.h"

using namespace platform::gdi;

namespace {

// A DC on an image that counts how often it is asked for its resolution.
class CountingImpl : public wxGCDCImpl {
public:
  CountingImpl(wxDC* owner, wxGraphicsContext* context) : wxGCDCImpl(owner, context) {}
  wxSize GetPPI() const override {
    ++asked;
    return wxGCDCImpl::GetPPI();
  }
  mutable int asked = 0;
};

class CountingDC : public wxDC {
public:
  explicit CountingDC(wxImage& image)
      : wxDC(new CountingImpl(this, wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromImage(image))) {}
  int Asked() const { return static_cast<const CountingImpl*>(GetImpl())->asked; }
};

LogFont Font(int32_t height, bool bold = false) {
  LogFont font;
  font.faceName = L"DejaVu Sans";
  font.height = height;
  font.weight = bold ? FW_BOLD : FW_NORMAL;
  return font;
}

}  // namespace

TEST(WxTextMeasurer, AsksTheDcForItsResolutionOnceWhateverIsMeasured) {
  wxImage image(200, 200);
  CountingDC dc(image);
  WxTextMeasurer measurer(dc);
  const std::wstring text =
      L"Wrapping measures each word of a long paragraph on its own, and again for every line it tries";
  for (const LogFont& font : {Font(16), Font(-13), Font(24, true)}) {
    const TextLayout layout = LayoutText(text, Rect{0, 0, 120, 400}, DT_WORDBREAK, font, measurer);
    EXPECT_GT(layout.lines.size(), 2u) << "the paragraph wraps";
    EXPECT_GT(measurer.TextWidth(font, L"Invoice"), 0);
  }
  EXPECT_LE(dc.Asked(), 1);
}

TEST(WxTextMeasurer, SizesFontsAtAGivenResolutionWithoutAskingTheDc) {
  wxImage image(200, 200);
  CountingDC dc(image);
  WxTextMeasurer atDc(dc);
  const int dcWidth = atDc.TextWidth(Font(-20), L"Invoice total");
  const int asked = dc.Asked();
  // A screen scaled twice reports twice the DC's resolution: fonts sized at
  // that resolution come out half as wide.
  WxTextMeasurer doubled(dc, 2 * dc.GetPPI().y);
  const int doubledWidth = doubled.TextWidth(Font(-20), L"Invoice total");
  EXPECT_EQ(dc.Asked(), asked + 1) << "only the call above asked";
  EXPECT_NEAR(doubledWidth * 2, dcWidth, dcWidth / 10);
  EXPECT_EQ(doubled.PixelsPerInch(), 2 * dc.GetPPI().y);
}
