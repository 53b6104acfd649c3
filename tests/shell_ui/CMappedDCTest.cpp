// CMappedDC drawing onto a recorded page: no display needed.
#include "shell/ui/CMappedDC.h"

#include <gtest/gtest.h>

#include "platform/gdi/PageRecorder.h"

using namespace platform::gdi;

namespace {

class CMappedDCTest : public ::testing::Test {
protected:
  CMappedDCTest() : recorder(Metrics(), measurer) {
    LogFont font;
    font.height = 8;
    recorder.SelectFont(font);
  }
  static DeviceMetrics Metrics() {
    DeviceMetrics metrics;  // 96 dpi: 3 pixels per millimetre
    metrics.width = 800;
    metrics.height = 600;
    return metrics;
  }

  FixedTextMeasurer measurer;
  PageRecorder recorder;
};

}  // namespace

TEST_F(CMappedDCTest, FillsTheMappedRectangleWithTheBrushAndRestoresTheCanvas) {
  CMappedDC dc(recorder, 10, 10, 7);
  EXPECT_EQ(dc.GetFlag(), 7);
  Brush red = Brush::Solid(RGB(0xF0, 0x0F, 0x0A));
  dc.FillRect({15, 15, 35, 25}, &red);

  ASSERT_EQ(recorder.Page().ops.size(), 1u);
  const auto& op = std::get<RectangleOp>(recorder.Page().ops[0]);
  EXPECT_EQ(op.rect, (Rect{3, 3, 9, 6}));
  EXPECT_EQ(op.brush, red);
  EXPECT_TRUE(op.pen.IsNull());
  EXPECT_EQ(recorder.GetBrush(), Brush::StockWhite());
  EXPECT_EQ(recorder.GetPen(), Pen::StockBlack());
}

TEST_F(CMappedDCTest, DrawsTextMappedWithTheFontScaled) {
  CMappedDC dc(recorder, 1, 1, 0);  // whole millimetres: the font grows 3 times
  Rect rect{10, 10, 100, 20};
  int32_t height = dc.DrawText(L"ACME", rect, DT_LEFT | DT_SINGLELINE);

  auto texts = recorder.Page().Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->x, 30);
  EXPECT_EQ(texts[0]->y, 30);
  EXPECT_EQ(texts[0]->font.height, 24);
  EXPECT_EQ(height, 24);
  EXPECT_EQ(recorder.GetFont().height, 8);  // the previous font is back
  EXPECT_EQ(rect, (Rect{10, 10, 100, 20}));
}

TEST_F(CMappedDCTest, MeasuringStaysInPixelsWithTheCurrentFont) {
  CMappedDC dc(recorder, 1, 1, 0);
  Rect rect{0, 0, 200, 0};
  int32_t height = dc.DrawText(L"ACME", rect, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(height, 8);  // unscaled
  EXPECT_EQ(rect.Height(), 8);
  EXPECT_EQ(rect.Width(), 16);  // 4 characters of 4 pixels
  EXPECT_TRUE(recorder.Page().ops.empty());
}
