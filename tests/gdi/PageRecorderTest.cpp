#include "platform/gdi/PageRecorder.h"

#include <gtest/gtest.h>

using namespace platform::gdi;

namespace {

DeviceMetrics Metrics() {
  DeviceMetrics metrics;
  metrics.pixelsPerInchX = metrics.pixelsPerInchY = 100;
  return metrics;
}

LogFont Font(int32_t height) {
  LogFont font;
  font.height = height;
  font.faceName = L"Serif";
  return font;
}

TEST(PageRecorder, DrawTextRecordsPositionedLinesWithTheStateOfTheMoment) {
  FixedTextMeasurer measurer;
  PageRecorder page(Metrics(), measurer);
  page.SelectFont(Font(10));
  page.SetTextColor(RGB(255, 0, 0));
  EXPECT_EQ(page.SetBkMode(TRANSPARENT), OPAQUE);
  Rect rect{0, 0, 50, 15};
  EXPECT_EQ(page.DrawText(L"alpha beta gamma", rect, DT_WORDBREAK | DT_RIGHT), 20);

  std::vector<const TextOp*> texts = page.Page().Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->text, L"alpha beta");
  EXPECT_EQ(texts[1]->text, L"gamma");
  EXPECT_EQ(texts[1]->x, 25);
  EXPECT_EQ(texts[1]->y, 10);
  EXPECT_EQ(texts[1]->font, Font(10));
  EXPECT_EQ(texts[1]->color, RGB(255, 0, 0));
  EXPECT_EQ(texts[1]->bkMode, TRANSPARENT);
  // Only the line that overflows the rectangle is clipped, and only on the
  // side it overflows (the bottom): glyph ink beyond the other edges stays.
  EXPECT_FALSE(texts[0]->clip.has_value());
  EXPECT_EQ(texts[1]->clip, (Rect{-10, -10, 60, 15}));
}

TEST(PageRecorder, CalcRectDrawsNothing) {
  FixedTextMeasurer measurer;
  PageRecorder page(Metrics(), measurer);
  page.SelectFont(Font(10));
  Rect rect{0, 0, 1000, 0};
  EXPECT_EQ(page.DrawText(L"one\ntwo", rect, DT_CALCRECT | DT_NOCLIP), 20);
  EXPECT_TRUE(page.Page().ops.empty());
  EXPECT_EQ(rect, (Rect{0, 0, 15, 20}));
}

TEST(PageRecorder, ReplayPaintsTheSameOperations) {
  FixedTextMeasurer measurer;
  PageRecorder first(Metrics(), measurer);
  first.SelectPen(Pen{PS_DASHDOT, 3, RGB(1, 2, 3)});
  first.SelectBrush(Brush::Hollow());
  first.Rectangle(Rect{1, 2, 30, 40});
  first.MoveTo(5, 6);
  first.LineTo(70, 80);
  first.SelectFont(Font(12));
  Rect box{0, 0, 100, 100};
  first.DrawText(L"text", box, DT_NOCLIP);
  first.SelectBrush(Brush::Solid(RGB(9, 8, 7)));
  first.Ellipse(Rect{10, 10, 18, 18});

  RecordedPage page = first.Take();
  EXPECT_TRUE(first.Page().ops.empty());
  ASSERT_EQ(page.ops.size(), 4u);
  const auto& rectangle = std::get<RectangleOp>(page.ops[0]);
  EXPECT_EQ(rectangle.pen, (Pen{PS_DASHDOT, 3, RGB(1, 2, 3)}));
  EXPECT_TRUE(rectangle.brush.hollow);
  const auto& line = std::get<LineOp>(page.ops[1]);
  EXPECT_EQ(line.x1, 5);
  EXPECT_EQ(line.y2, 80);
  EXPECT_FALSE(std::get<TextOp>(page.ops[2]).clip.has_value());
  const auto& ellipse = std::get<EllipseOp>(page.ops[3]);
  EXPECT_EQ(ellipse.brush, Brush::Solid(RGB(9, 8, 7)));
  EXPECT_EQ(ellipse.pen, (Pen{PS_DASHDOT, 3, RGB(1, 2, 3)}));

  PageRecorder second(Metrics(), measurer);
  Replay(page, second);
  ASSERT_EQ(second.Page().ops.size(), 4u);
  EXPECT_EQ(std::get<EllipseOp>(second.Page().ops[3]).rect, (Rect{10, 10, 18, 18}));
  EXPECT_EQ(std::get<RectangleOp>(second.Page().ops[0]).rect, (Rect{1, 2, 30, 40}));
  EXPECT_EQ(std::get<LineOp>(second.Page().ops[1]).pen.style, PS_DASHDOT);
  EXPECT_EQ(std::get<TextOp>(second.Page().ops[2]).font, Font(12));
}

}  // namespace
