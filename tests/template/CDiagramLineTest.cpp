#include "template/diagram/CDiagramLine.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/gdi/PageRecorder.h"

using namespace platform::gdi;

namespace {

std::unique_ptr<CDiagramLine> Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  auto line = std::make_unique<CDiagramLine>();
  line->SetRectPixels(x1, y1, x2, y2);
  return line;
}

TEST(CDiagramLine, KeepsTheDirectionOfItsEnds) {
  auto line = Line(100, 50, 20, 10);
  EXPECT_EQ(line->GetRect(), (Rect{100, 50, 20, 10}));
  EXPECT_EQ(line->GetType(), L"line");
  EXPECT_EQ(line->GetMinimumSize(), (Size{-1, -1}));
  // A point (zero length) is allowed.
  line->SetRect(5, 5, 5, 5);
  EXPECT_EQ(line->GetRect(), (Rect{5, 5, 5, 5}));

  CDiagramEntity box;
  box.SetRectPixels(100, 50, 20, 10);
  EXPECT_EQ(box.GetRect(), (Rect{20, 10, 100, 50}));

  std::unique_ptr<CDiagramEntity> clone = Line(100, 50, 20, 10)->Clone();
  ASSERT_NE(dynamic_cast<CDiagramLine*>(clone.get()), nullptr);
  EXPECT_EQ(clone->GetRect(), (Rect{100, 50, 20, 10}));
}

struct HitCase {
  Rect line;
  Point point;
  int code;
};

class LineHits : public testing::TestWithParam<HitCase> {};

TEST_P(LineHits, AlongTheDrawnLine) {
  const HitCase& c = GetParam();
  auto line = Line(c.line.left, c.line.top, c.line.right, c.line.bottom);
  EXPECT_EQ(line->GetHitCode(c.point), c.code);
  // The editor hands the client rectangle ordered; the line turns it back.
  EXPECT_EQ(line->GetHitCodeInRect(c.point, c.line.Normalized()), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineHits,
    testing::Values(HitCase{{0, 0, 100, 100}, {51, 50}, kHitBody},    // one pixel beside a diagonal
                    HitCase{{0, 0, 100, 100}, {53, 50}, kHitNone},    // farther
                    HitCase{{0, 0, 100, 0}, {50, 1}, kHitBody},       // one pixel below
                    HitCase{{0, 0, 100, 0}, {50, 2}, kHitNone},       // two pixels below
                    HitCase{{0, 0, 100, 0}, {50, -1}, kHitBody},
                    HitCase{{100, 50, 20, 10}, {100, 50}, kHitTopLeft},  // the start, drawn leftwards
                    HitCase{{100, 50, 20, 10}, {21, 10}, kHitBottomRight},
                    HitCase{{100, 50, 20, 10}, {60, 30}, kHitBody},
                    HitCase{{100, 50, 20, 10}, {60, 20}, kHitNone},   // inside the box, off the line
                    HitCase{{0, 0, 2, 2}, {1, 1}, kHitBottomRight}));  // both markers: the end wins

TEST(CDiagramLine, ARubberBandMustTouchTheLine) {
  auto line = Line(0, 0, 100, 100);
  EXPECT_TRUE(line->BodyInRect(Rect{40, 60, 60, 40}));   // crosses it
  EXPECT_FALSE(line->BodyInRect(Rect{60, 0, 100, 30}));  // the box's corner only
  auto back = Line(100, 0, 0, 100);
  EXPECT_TRUE(back->BodyInRect(Rect{45, 45, 55, 55}));
}

TEST(CDiagramLine, DrawsFromStartToEndWithTwoMarkers) {
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  auto line = Line(100, 50, 20, 10);
  line->Select(true);
  line->Draw(page, line->GetRect());
  line->DrawSelectionMarkers(page, line->GetRect());
  const auto& ops = page.Page().ops;
  ASSERT_EQ(ops.size(), 3u);
  const auto& drawn = std::get<LineOp>(ops[0]);
  EXPECT_EQ((std::array{drawn.x1, drawn.y1, drawn.x2, drawn.y2}), (std::array{100, 50, 20, 10}));
  EXPECT_EQ(std::get<RectangleOp>(ops[1]).rect, (Rect{96, 46, 104, 54}));
  EXPECT_EQ(std::get<RectangleOp>(ops[2]).rect, (Rect{16, 6, 24, 14}));
  EXPECT_EQ(std::get<RectangleOp>(ops[2]).brush, Brush::Solid(RGB(0, 0, 0)));
}

TEST(CDiagramLine, CursorOnlyOverBodyAndEnds) {
  CDiagramLine line;
  for (int code = 0; code <= 9; ++code) {
    const bool moves = code == kHitBody || code == kHitTopLeft || code == kHitBottomRight;
    EXPECT_EQ(line.GetCursor(code), moves ? DiagramCursor::SizeAll : DiagramCursor::None) << code;
  }
}

TEST(CDiagramLine, WalkVisitsTheDrawnPixelsWithoutTheEnd) {
  std::vector<Point> points;
  CDiagramLine::WalkLine({0, 0}, {4, 2}, [&](Point p) {
    points.push_back(p);
    return false;
  });
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points.front(), (Point{0, 0}));
  EXPECT_EQ(points.back().x, 3);
  for (size_t i = 1; i < points.size(); ++i) {
    EXPECT_EQ(points[i].x - points[i - 1].x, 1);
    EXPECT_LE(points[i].y - points[i - 1].y, 1);
  }
  EXPECT_FALSE(CDiagramLine::WalkLine({3, 3}, {3, 3}, [](Point) { return true; }));
}

}  // namespace
