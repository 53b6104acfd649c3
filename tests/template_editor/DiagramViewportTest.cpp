#include "template/editor/DiagramViewport.h"

#include <gtest/gtest.h>

#include <cmath>

using platform::gdi::Rect;

namespace {

// The designer's canvas: zoom limits 0.05 to 4 on a letter-sized paper.
DiagramViewport DesignerViewport(DiagramSize client = {900, 700}) {
  DiagramViewport view;
  view.SetZoomMin(0.05);
  view.SetZoomMax(4);
  view.SetPaperSize({850, 1100});
  view.SetClientSize(client);
  return view;
}

TEST(DiagramViewport, ZoomIsClampedToTheLimits) {
  struct Case {
    double asked;
    double expected;
  };
  for (const Case& c : {Case{20, 4}, Case{0.01, 0.05}, Case{1.5, 1.5}, Case{4, 4}, Case{-3, 0.05}}) {
    DiagramViewport view = DesignerViewport();
    view.SetZoom(c.asked);
    EXPECT_DOUBLE_EQ(view.GetZoom(), c.expected) << "asked " << c.asked;
  }
}

TEST(DiagramViewport, AZoomOfZeroIsNeverStoredEvenWhenTheLimitsAllowIt) {
  DiagramViewport view;  // the canvas's own limits: 0 to 10
  EXPECT_DOUBLE_EQ(view.GetZoomMin(), 0.0);
  view.SetZoom(0);
  EXPECT_GT(view.GetZoom(), 0.0);
  EXPECT_DOUBLE_EQ(view.GetZoom(), DiagramViewport::kSmallestZoom);
  const DiagramPoint paper = view.ClientToPaper({5, 5});
  EXPECT_EQ(paper, (DiagramPoint{500, 500}));

  view.SetZoom(std::nan(""));
  EXPECT_DOUBLE_EQ(view.GetZoom(), 1.0);

  view.SetZoomMin(-2);
  EXPECT_DOUBLE_EQ(view.GetZoomMin(), 0.0) << "a negative limit is stored as 0";

  // Zooming out step by step stops above 0 too.
  view.SetZoom(0.3);
  for (int i = 0; i < 5; ++i) view.WheelZoom(120);
  EXPECT_DOUBLE_EQ(view.GetZoom(), DiagramViewport::kSmallestZoom);
}

TEST(DiagramViewport, LetterPaperInAWideShortClientShowsOnlyTheVerticalBar) {
  DiagramViewport view = DesignerViewport();
  EXPECT_EQ(view.GetHorizontalBar(), DiagramScrollBar{});
  EXPECT_EQ(view.GetVerticalBar(), (DiagramScrollBar{true, 1100, 700}));

  // Positions stay within the bar; without a bar the position is 0.
  view.SetVScroll(1000);
  EXPECT_EQ(view.GetVScroll(), 401);
  view.SetVScroll(-5);
  EXPECT_EQ(view.GetVScroll(), 0);
  view.SetHScroll(40);
  EXPECT_EQ(view.GetHScroll(), 0);

  // At zoom 2 both bars are shown; back at zoom 0.5 the vertical position
  // falls back to 0 with its bar.
  view.SetZoom(2);
  EXPECT_EQ(view.GetHorizontalBar(), (DiagramScrollBar{true, 1700, 900}));
  view.SetVScroll(1200);
  EXPECT_EQ(view.GetVScroll(), 1200);
  view.SetZoom(0.5);
  EXPECT_FALSE(view.GetVerticalBar().shown);
  EXPECT_EQ(view.GetVScroll(), 0);
}

TEST(DiagramViewport, APaperOfZeroFollowsTheClient) {
  DiagramViewport view;
  view.SetClientSize({640, 480});
  EXPECT_EQ(view.GetVirtualSize(), (DiagramSize{640, 480}));
  view.SetPaperSize({0, 900});
  EXPECT_EQ(view.GetVirtualSize(), (DiagramSize{640, 900}));
  EXPECT_FALSE(view.GetHorizontalBar().shown);
  EXPECT_TRUE(view.GetVerticalBar().shown);
}

TEST(DiagramViewport, ScrollRequestsMoveWithinTheBar) {
  const DiagramScrollBar bar{true, 1100, 700};
  struct Case {
    DiagramScrollRequest request;
    int32_t from;
    int32_t expected;
  };
  for (const Case& c : {Case{DiagramScrollRequest::LineUp, 0, 0}, Case{DiagramScrollRequest::LineUp, 5, 4},
                        Case{DiagramScrollRequest::LineDown, 5, 6}, Case{DiagramScrollRequest::LineDown, 1100, 1100},
                        Case{DiagramScrollRequest::PageUp, 300, 0}, Case{DiagramScrollRequest::PageDown, 300, 1000},
                        Case{DiagramScrollRequest::PageDown, 600, 1100}, Case{DiagramScrollRequest::Top, 300, 0},
                        Case{DiagramScrollRequest::Bottom, 3, 1100}}) {
    EXPECT_EQ(DiagramViewport::ScrollTo(bar, c.from, c.request), c.expected)
        << "request " << static_cast<int>(c.request) << " from " << c.from;
  }
  EXPECT_EQ(DiagramViewport::ScrollTo(bar, 3, DiagramScrollRequest::Thumb, 250), 250);
}

TEST(DiagramViewport, WheelScrollsSixPixelsPerWholeNotch) {
  DiagramViewport::ResetWheelAccumulator();
  DiagramViewport view = DesignerViewport();
  view.SetVScroll(100);
  EXPECT_FALSE(view.WheelScroll(40));
  EXPECT_FALSE(view.WheelScroll(40));
  EXPECT_EQ(view.GetVScroll(), 100);
  EXPECT_TRUE(view.WheelScroll(40));
  EXPECT_EQ(view.GetVScroll(), 94) << "the third event completes one notch: up by 6";

  EXPECT_TRUE(view.WheelScroll(-240));
  EXPECT_EQ(view.GetVScroll(), 106) << "two notches down: 12";

  // The part-notch is shared by every canvas of the process.
  DiagramViewport other = DesignerViewport();
  other.SetVScroll(50);
  view.WheelScroll(60);
  other.WheelScroll(60);
  EXPECT_EQ(other.GetVScroll(), 44);
  EXPECT_EQ(view.GetVScroll(), 106);

  // Without a vertical bar nothing scrolls.
  DiagramViewport::ResetWheelAccumulator();
  DiagramViewport small = DesignerViewport({900, 1200});
  EXPECT_FALSE(small.WheelScroll(240));
  EXPECT_EQ(small.GetVScroll(), 0);
  DiagramViewport::ResetWheelAccumulator();
}

TEST(DiagramViewport, WheelZoomStepsInOnANegativeDistanceAndStaysWithinTheLimits) {
  DiagramViewport view = DesignerViewport();
  view.SetZoomStep(0.25);
  EXPECT_TRUE(view.WheelZoom(-120));
  EXPECT_DOUBLE_EQ(view.GetZoom(), 1.25);
  EXPECT_TRUE(view.WheelZoom(120));
  EXPECT_TRUE(view.WheelZoom(0));
  EXPECT_DOUBLE_EQ(view.GetZoom(), 0.75);
  view.SetZoom(4);
  EXPECT_FALSE(view.WheelZoom(-120));
  EXPECT_DOUBLE_EQ(view.GetZoom(), 4.0);
}

TEST(DiagramViewport, ConvertsBetweenClientAndPaperWithZoomAndScroll) {
  DiagramViewport view = DesignerViewport();
  view.SetZoom(2);
  view.SetHScroll(100);
  view.SetVScroll(51);
  EXPECT_EQ(view.ClientToPaper({10, 10}), (DiagramPoint{55, 31}));  // (110 / 2, 61 / 2 + 0.5)
  // A paper rectangle is ordered before it is scaled.
  EXPECT_EQ(view.PaperToClient({100, 60.4, 80, 40}), (Rect{60, 29, 100, 70}));
  EXPECT_EQ(view.ClientRectToPaper(Rect{100, 70, 60, 29}), (Rect{80, 40, 100, 61}));
  EXPECT_EQ(view.PaperCornerToClient(100, 60), (DiagramPoint{100, 69}));
  EXPECT_EQ(view.GetPaperOnSurface(), (Rect{0, 0, 1701, 2201}));
}

TEST(DiagramViewport, MarginLinesAtZoomTwo) {
  DiagramViewport view = DesignerViewport();
  view.SetZoom(2);
  const Rect paper = view.GetPaperOnSurface();
  DiagramMarginLines lines = view.GetMarginLines(paper);
  EXPECT_EQ(lines.bottom, 2201 - 32 - 1);
  EXPECT_EQ(lines.left, 16);
  EXPECT_EQ(lines.top, 16);
  EXPECT_EQ(lines.right, 1701 - 16 - 1);
  EXPECT_TRUE(lines.hasLeft && lines.hasTop && lines.hasRight && lines.hasBottom);

  view.SetMargins(0, 10, 0, 0);
  lines = view.GetMarginLines(paper);
  EXPECT_FALSE(lines.hasLeft);
  EXPECT_TRUE(lines.hasTop);
  EXPECT_FALSE(lines.hasRight);
  EXPECT_FALSE(lines.hasBottom);
}

TEST(DiagramViewport, GridLinesCoverThePaperAtTheZoom) {
  DiagramViewport view = DesignerViewport();
  std::vector<int32_t> xs = view.GridLinesX();
  ASSERT_EQ(xs.size(), 107u) << "i = 0 ... 850 / 8";
  EXPECT_EQ(xs.front(), 0);
  EXPECT_EQ(xs.back(), 848);
  EXPECT_EQ(view.GridLinesY().size(), 1100u / 8 + 1);

  view.SetZoom(1.5);
  xs = view.GridLinesX();
  EXPECT_EQ(xs[1], 12);
  EXPECT_EQ(xs.back(), 1272);

  view.SetGridSize({0, 8});
  EXPECT_TRUE(view.GridLinesX().empty()) << "a grid of 0 draws no lines and never divides by it";
  EXPECT_DOUBLE_EQ(view.SnapX(13), 13);
}

TEST(DiagramViewport, SnapsToTheNearestGridLine) {
  DiagramViewport view;
  view.SetGridSize({8, 10});
  struct Case {
    double in;
    double x;
    double y;
  };
  for (const Case& c : {Case{13, 16, 10}, Case{11, 8, 10}, Case{12, 16, 10}, Case{3.9, 0, 0}, Case{15, 16, 20}}) {
    EXPECT_DOUBLE_EQ(view.SnapX(c.in), c.x) << c.in;
    EXPECT_DOUBLE_EQ(view.SnapY(c.in), c.y) << c.in;
  }
  EXPECT_DOUBLE_EQ(view.MaybeSnapX(13), 13) << "snap is off by default";
  view.SetSnapToGrid(true);
  EXPECT_DOUBLE_EQ(view.MaybeSnapX(13), 16);
}

TEST(DiagramViewport, OutsideRestraintsForDrawing) {
  DiagramViewport view = DesignerViewport();
  view.SetMargins(10, 20, 30, 40);
  struct Case {
    DiagramRestraint restraint;
    double x, y;
    bool outside;
  };
  for (const Case& c : {Case{DiagramRestraint::Free, -5, -5, false}, Case{DiagramRestraint::Paper, 0, 0, false},
                        Case{DiagramRestraint::Paper, 850, 1100, false}, Case{DiagramRestraint::Paper, -1, 5, true},
                        Case{DiagramRestraint::Paper, 851, 5, true}, Case{DiagramRestraint::Paper, 5, 1101, true},
                        Case{DiagramRestraint::Margins, 5, 30, true}, Case{DiagramRestraint::Margins, 10, 20, false},
                        Case{DiagramRestraint::Margins, 821, 30, true}, Case{DiagramRestraint::Margins, 820, 1060, false},
                        Case{DiagramRestraint::Margins, 820, 1061, true}}) {
    view.SetRestraint(c.restraint);
    EXPECT_EQ(view.IsOutsideRestraints(c.x, c.y), c.outside)
        << static_cast<int>(c.restraint) << " at " << c.x << ", " << c.y;
  }
}

TEST(DiagramViewport, RestrainMoveStopsTheSelectionAtTheBounds) {
  DiagramViewport view = DesignerViewport();
  const std::vector<DiagramRect> selection{{20, 30, 60, 50}, {100, 10, 140, 40}};

  double dx = -50, dy = -5;
  view.RestrainMove(dx, dy, selection);
  EXPECT_EQ(dx, -50) << "free restraint changes nothing";

  view.SetRestraint(DiagramRestraint::Paper);
  view.RestrainMove(dx, dy, selection);
  EXPECT_DOUBLE_EQ(dx, -20) << "the leftmost coordinate stops at 0";
  EXPECT_DOUBLE_EQ(dy, -5);

  dx = 800, dy = 2000;
  view.RestrainMove(dx, dy, selection);
  EXPECT_DOUBLE_EQ(dx, 850 - 140);
  EXPECT_DOUBLE_EQ(dy, 1100 - 50);

  view.SetRestraint(DiagramRestraint::Margins);  // 8, 8, 8, 16
  dx = -100, dy = -100;
  view.RestrainMove(dx, dy, selection);
  EXPECT_DOUBLE_EQ(dx, 8 - 20);
  EXPECT_DOUBLE_EQ(dy, 8 - 10);

  // Larger than the bounds: the right and bottom corrections win.
  const std::vector<DiagramRect> huge{{0, 0, 900, 1200}};
  dx = 0, dy = 0;
  view.RestrainMove(dx, dy, huge);
  EXPECT_DOUBLE_EQ(dx, 842 - 900);
  EXPECT_DOUBLE_EQ(dy, 1084 - 1200);
}

TEST(DiagramViewport, RestrainRectKeepsTheSizeInsideTheBounds) {
  DiagramViewport view = DesignerViewport();
  struct Case {
    DiagramRestraint restraint;
    DiagramRect in;
    DiagramRect out;
  };
  for (const Case& c : {Case{DiagramRestraint::Free, {-10, -10, 30, 20}, {-10, -10, 30, 20}},
                        Case{DiagramRestraint::Paper, {-10, -5, 30, 20}, {0, 0, 40, 25}},
                        Case{DiagramRestraint::Paper, {830, 1090, 870, 1120}, {810, 1070, 850, 1100}},
                        Case{DiagramRestraint::Paper, {100, 100, 140, 120}, {100, 100, 140, 120}},
                        Case{DiagramRestraint::Margins, {2, 3, 42, 23}, {8, 8, 48, 28}},
                        Case{DiagramRestraint::Margins, {830, 1090, 870, 1120}, {802, 1054, 842, 1084}}}) {
    view.SetRestraint(c.restraint);
    DiagramRect rect = c.in;
    view.RestrainRect(rect);
    EXPECT_EQ(rect, c.out) << c.in.left << ", " << c.in.top;
  }
}

TEST(DiagramViewport, RestrainPointClampsToThePaperOrTheMargins) {
  DiagramViewport view = DesignerViewport();
  double x = -4, y = 1200;
  view.RestrainPoint(x, y);
  EXPECT_EQ(x, -4);
  view.SetRestraint(DiagramRestraint::Paper);
  view.RestrainPoint(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 1100);
  view.SetRestraint(DiagramRestraint::Margins);
  x = 900, y = 2;
  view.RestrainPoint(x, y);
  EXPECT_EQ(x, 842);
  EXPECT_EQ(y, 8);
}

TEST(DiagramViewport, AutoScrollComparesWithThePaperAtTheCurrentZoom) {
  // At zoom 2 the paper is 1700 wide: wider than the 900-pixel client,
  // although at zoom 1 it would fit.
  DiagramViewport view = DesignerViewport();
  view.SetZoom(2);
  EXPECT_EQ(view.AutoScroll({950, 300}), (DiagramPoint{10, 0}));
  EXPECT_EQ(view.GetHScroll(), 10);
  EXPECT_EQ(view.AutoScroll({-3, 720}), (DiagramPoint{-10, 10}));
  EXPECT_EQ(view.GetHScroll(), 0);
  EXPECT_EQ(view.GetVScroll(), 10);

  // At zoom 0.5 the paper is 550 high and fits: nothing scrolls, although
  // at zoom 1 it would not fit.
  view.SetZoom(0.5);
  EXPECT_EQ(view.AutoScroll({-3, 720}), (DiagramPoint{0, 0}));
  EXPECT_EQ(view.GetVScroll(), 0);

  // Inside the client nothing scrolls.
  view.SetZoom(2);
  EXPECT_EQ(view.AutoScroll({450, 350}), (DiagramPoint{0, 0}));
}

TEST(DiagramViewport, ZoomToFit) {
  DiagramViewport view = DesignerViewport({432, 232});
  view.SetZoom(1.25);
  EXPECT_FALSE(view.ZoomToFit(false, {0, 0}, {0, 0}, {8, 8}));
  EXPECT_DOUBLE_EQ(view.GetZoom(), 1.25) << "an empty diagram leaves the zoom";
  EXPECT_FALSE(view.ZoomToFit(true, {10, 10}, {0, 40}, {8, 8}));
  EXPECT_DOUBLE_EQ(view.GetZoom(), 1.25) << "content without width leaves the zoom";

  EXPECT_TRUE(view.ZoomToFit(true, {100, 50}, {200, 100}, {8, 8}));
  EXPECT_DOUBLE_EQ(view.GetZoom(), 2.0);
  EXPECT_EQ(view.GetHScroll(), 184);
  EXPECT_EQ(view.GetVScroll(), 84);

  // Huge content fits at the smallest zoom the limits allow, never 0.
  DiagramViewport tiny;
  tiny.SetClientSize({0, 0});
  EXPECT_TRUE(tiny.ZoomToFit(true, {0, 0}, {500, 500}, {8, 8}));
  EXPECT_GT(tiny.GetZoom(), 0.0);
}

TEST(DiagramViewport, PanningMovesBySixteenthsOfTheDistance) {
  DiagramViewport view = DesignerViewport();
  view.SetZoom(2);
  view.SetHScroll(100);
  view.SetVScroll(100);
  EXPECT_TRUE(view.PanStep({200, 200}, {240, 150}));
  EXPECT_EQ(view.GetHScroll(), 102);
  EXPECT_EQ(view.GetVScroll(), 97);  // -50 / 16 = -3
  EXPECT_FALSE(view.PanStep({200, 200}, {215, 185})) << "within 16 pixels nothing moves";
}

TEST(DiagramViewport, PanDirectionFollowsTheMouse) {
  struct Case {
    DiagramPoint mouse;
    DiagramPanDirection direction;
  };
  const DiagramPoint start{100, 100};
  for (const Case& c : {Case{{117, 117}, DiagramPanDirection::RightDown}, Case{{117, 83}, DiagramPanDirection::RightUp},
                        Case{{117, 116}, DiagramPanDirection::Right}, Case{{83, 117}, DiagramPanDirection::LeftDown},
                        Case{{83, 83}, DiagramPanDirection::LeftUp}, Case{{83, 100}, DiagramPanDirection::Left},
                        Case{{116, 99}, DiagramPanDirection::Up}, Case{{100, 100}, DiagramPanDirection::Down},
                        Case{{90, 140}, DiagramPanDirection::Down}}) {
    EXPECT_EQ(DiagramViewport::PanDirection(start, c.mouse), c.direction) << c.mouse.x << ", " << c.mouse.y;
  }
}

}  // namespace
