#include "template/editor/DiagramMouse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

using platform::gdi::Rect;

namespace {

// A diagram of plain rectangles with 8-pixel markers centred on the corners
// and edge middles, groups and a selection order, recording what the mouse
// asks of it.
class FakeDiagram : public DiagramMouseTarget {
public:
  struct Entity {
    DiagramRect rect;
    int group = 0;
    bool selected = false;
    DiagramSizeLimits limits;
    bool header = false;   // answers 10 inside instead of 1
    bool hitless = false;  // never hit, like a line passing just beside a click
  };

  int Add(DiagramRect rect, int group = 0) {
    Entity entity;
    entity.rect = rect;
    entity.group = group;
    m_entities.push_back(entity);
    return static_cast<int>(m_entities.size()) - 1;
  }
  Entity& At(int i) { return m_entities[i]; }
  std::vector<int> Selected() const {
    std::vector<int> out;
    for (int i = 0; i < GetCount(); ++i) {
      if (m_entities[i].selected) out.push_back(i);
    }
    return out;
  }

  int GetCount() const override { return static_cast<int>(m_entities.size()); }
  DiagramRect GetBounds(int i) const override { return m_entities[i].rect; }
  bool IsSelected(int i) const override { return m_entities[i].selected; }
  int GetHitCode(int i, DiagramPoint paper) const override {
    const DiagramRect& r = m_entities[i].rect;
    const Rect own{static_cast<int32_t>(r.left), static_cast<int32_t>(r.top), static_cast<int32_t>(r.right),
                   static_cast<int32_t>(r.bottom)};
    return GetHitCodeInRect(i, paper, own);
  }
  int GetHitCodeInRect(int i, DiagramPoint p, const Rect& r) const override {
    if (m_entities[i].hitless) return kHitNone;
    auto in = [&](int32_t l, int32_t t, int32_t rr, int32_t b) { return p.x >= l && p.x < rr && p.y >= t && p.y < b; };
    int code = in(r.left, r.top, r.right, r.bottom) ? (m_entities[i].header ? 10 : kHitBody) : kHitNone;
    const int32_t mx = r.left + (r.right - r.left) / 2;
    const int32_t my = r.top + (r.bottom - r.top) / 2;
    const DiagramPoint centres[] = {{r.left, r.top},    {mx, r.top},       {r.right, r.top}, {r.left, r.bottom},
                                    {mx, r.bottom},     {r.right, r.bottom}, {r.left, my},   {r.right, my}};
    if (m_entities[i].header) return in(centres[4].x - 4, centres[4].y - 4, centres[4].x + 4, centres[4].y + 4) ? kHitBottom : code;
    for (int c = 0; c < 8; ++c) {
      if (in(centres[c].x - 4, centres[c].y - 4, centres[c].x + 4, centres[c].y + 4)) code = c + 2;
    }
    return code;
  }
  bool BodyInRect(int i, const Rect& band) const override {
    const DiagramRect& r = m_entities[i].rect;
    return std::max<double>(r.left, band.left) < std::min<double>(r.right, band.right) &&
           std::max<double>(r.top, band.top) < std::min<double>(r.bottom, band.bottom);
  }
  DiagramSizeLimits GetSizeLimits(int i) const override { return m_entities[i].limits; }

  void Select(int i, bool select, bool control) override {
    m_entities[i].selected = select;
    std::erase(m_order, i);
    if (!select) return;
    if (control) m_order.push_front(i);
    else m_order.push_back(i);
    if (m_entities[i].group == 0) return;
    for (Entity& e : m_entities) {
      if (e.group == m_entities[i].group) e.selected = true;
    }
  }
  void UnselectAll() override {
    for (Entity& e : m_entities) e.selected = false;
    m_order.clear();
  }
  int GetReference() const override {
    if (!m_order.empty() && m_entities[m_order.front()].selected) return m_order.front();
    for (int i = GetCount() - 1; i >= 0; --i) {
      if (m_entities[i].selected) return i;
    }
    return -1;
  }
  void SetRect(int i, const DiagramRect& rect) override { m_entities[i].rect = rect; }
  void SetRectPixels(int i, const Rect& r) override {
    m_entities[i].rect = DiagramRect{static_cast<double>(std::min(r.left, r.right)), static_cast<double>(std::min(r.top, r.bottom)),
                                     static_cast<double>(std::max(r.left, r.right)), static_cast<double>(std::max(r.top, r.bottom))};
  }
  void Snapshot() override { ++snapshots; }
  void SetModified() override { modified = true; }
  void OnMoveStart(int i) override { moveStarts.push_back(i); }
  void OnMoveEnd(int i) override { moveEnds.push_back(i); }
  int AddDrawnEntity(DiagramPoint paper) override {
    const int i = Add(DiagramRect{double(paper.x), double(paper.y), double(paper.x), double(paper.y)});
    Select(i, true, false);
    return i;
  }

  int snapshots = 0;
  bool modified = false;
  std::vector<int> moveStarts;
  std::vector<int> moveEnds;

private:
  std::vector<Entity> m_entities;
  std::deque<int> m_order;
};

class DiagramMouseTest : public ::testing::Test {
protected:
  DiagramMouseTest() {
    view.SetPaperSize({850, 1100});
    view.SetClientSize({600, 400});
  }
  // Press, then wait past the drag delay before the first move.
  void Press(DiagramPoint at, bool control = false) { mouse.LeftDown(at, control, now); }
  void DragTo(DiagramPoint at) {
    now += 600;
    mouse.Move(at, now);
  }
  void Release(DiagramPoint at, bool control = false) { mouse.LeftUp(at, control, now); }

  DiagramViewport view;
  FakeDiagram diagram;
  DiagramMouse mouse{view, diagram};
  int64_t now = 1000;
};

TEST_F(DiagramMouseTest, LeftDownFromIdleChoosesTheModeByWhatIsHit) {
  const int box = diagram.Add({100, 100, 200, 150});
  struct Case {
    DiagramPoint at;
    DiagramMouseMode mode;
    int subMode;
    bool selected;
  };
  for (const Case& c : {Case{{150, 120}, DiagramMouseMode::Moving, 0, true},
                        Case{{100, 100}, DiagramMouseMode::Resizing, kHitTopLeft, true},
                        Case{{150, 100}, DiagramMouseMode::Resizing, kHitTop, true},
                        Case{{203, 101}, DiagramMouseMode::Resizing, kHitTopRight, true},
                        Case{{100, 150}, DiagramMouseMode::Resizing, kHitBottomLeft, true},
                        Case{{150, 150}, DiagramMouseMode::Resizing, kHitBottom, true},
                        Case{{200, 150}, DiagramMouseMode::Resizing, kHitBottomRight, true},
                        Case{{100, 125}, DiagramMouseMode::Resizing, kHitLeft, true},
                        Case{{200, 125}, DiagramMouseMode::Resizing, kHitRight, true},
                        Case{{300, 300}, DiagramMouseMode::RubberBand, 0, false}}) {
    diagram.UnselectAll();
    diagram.snapshots = 0;
    Press(c.at);
    EXPECT_EQ(mouse.GetMode(), c.mode) << c.at.x << ", " << c.at.y;
    EXPECT_EQ(mouse.GetSubMode(), c.subMode) << c.at.x << ", " << c.at.y;
    EXPECT_EQ(diagram.IsSelected(box), c.selected);
    EXPECT_EQ(diagram.snapshots, c.mode == DiagramMouseMode::RubberBand ? 0 : 1) << "a snapshot before every change";
    Release(c.at);
    EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Idle) << "every left up ends in idle";
  }
}

TEST_F(DiagramMouseTest, TheTopmostEntityIsHitAndTheClickOffsetIsKept) {
  diagram.Add({100, 100, 200, 150});
  const int top = diagram.Add({150, 120, 250, 180});
  Press({160, 130});
  EXPECT_EQ(diagram.Selected(), std::vector<int>{top});
  EXPECT_EQ(diagram.moveStarts, std::vector<int>{top});
  EXPECT_EQ(mouse.GetMoveOffset(), (DiagramPoint{10, 10}));
  EXPECT_EQ(mouse.GetGrabbed(), -1) << "one entity moves as the reference, not grabbed";
}

TEST_F(DiagramMouseTest, ASelectedEntityOfSeveralIsGrabbedAndMovesThemAll) {
  const int a = diagram.Add({100, 100, 140, 120});
  const int b = diagram.Add({200, 200, 260, 230});
  diagram.Add({400, 400, 420, 420});
  diagram.Select(a, true, false);
  diagram.Select(b, true, false);
  Press({210, 210});
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Moving);
  EXPECT_EQ(mouse.GetGrabbed(), b);
  EXPECT_EQ(diagram.snapshots, 1);
  EXPECT_EQ(diagram.Selected(), (std::vector<int>{a, b})) << "the selection stays";
  DragTo({240, 215});
  EXPECT_EQ(diagram.GetBounds(a), (DiagramRect{130, 105, 170, 125}));
  EXPECT_EQ(diagram.GetBounds(b), (DiagramRect{230, 205, 290, 235}));
  EXPECT_EQ(diagram.GetBounds(2), (DiagramRect{400, 400, 420, 420}));
  Release({240, 215});
  EXPECT_EQ(diagram.moveEnds, (std::vector<int>{a, b}));
  EXPECT_TRUE(diagram.modified);
}

TEST_F(DiagramMouseTest, MovesAreIgnoredDuringTheDragDelay) {
  const int box = diagram.Add({100.4, 100.6, 140.4, 120.6});
  mouse.LeftDown({110, 110}, false, now);
  EXPECT_TRUE(mouse.IsDragDelayOn());
  EXPECT_FALSE(mouse.Move({150, 150}, now + 499).redraw);
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{100.4, 100.6, 140.4, 120.6}));
  mouse.LeftUp({150, 150}, false, now + 499);
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{100.4, 100.6, 140.4, 120.6})) << "a quick click moves nothing";

  // Held longer and released without moving: the rectangle is stored in whole pixels.
  mouse.LeftDown({110, 110}, false, now + 1000);
  mouse.LeftUp({110, 110}, false, now + 1500);
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{100, 100, 140, 120}));
}

TEST_F(DiagramMouseTest, MovingSnapsToTheGridAndReleasingSnapsTheCorner) {
  const int box = diagram.Add({100, 100, 140, 120});
  view.SetSnapToGrid(true);
  Press({105, 105});  // offset 5, 5
  DragTo({18, 107});   // left would be 13, top 102
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{16, 104, 56, 124}));

  // Without snap while dragging, the release still snaps left and top and
  // shifts right and bottom with them.
  view.SetSnapToGrid(false);
  DragTo({18, 107});
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{13, 102, 53, 122}));
  view.SetSnapToGrid(true);
  Release({18, 107});
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{16, 104, 56, 124}));
}

TEST_F(DiagramMouseTest, ASelectionDraggedPastThePaperStopsAtItsEdge) {
  view.SetRestraint(DiagramRestraint::Paper);
  const int a = diagram.Add({20, 100, 60, 120});
  const int b = diagram.Add({100, 100, 140, 120});
  diagram.Select(a, true, false);
  diagram.Select(b, true, false);
  Press({110, 110});
  DragTo({30, 110});  // 80 to the left
  EXPECT_EQ(diagram.GetBounds(a).left, 0);
  EXPECT_EQ(diagram.GetBounds(b).left, 80);

  // One entity alone is kept inside with RestrainRect.
  diagram.UnselectAll();
  Release({30, 110});
  Press({90, 110});
  DragTo({2000, 110});
  EXPECT_EQ(diagram.GetBounds(b), (DiagramRect{810, 100, 850, 120}));
}

TEST_F(DiagramMouseTest, ControlClickTogglesOneEntityAndStartsNoBand) {
  const int a = diagram.Add({100, 100, 140, 120});
  const int b = diagram.Add({200, 100, 240, 120});
  diagram.Select(a, true, false);
  Press({210, 110}, true);
  EXPECT_EQ(diagram.Selected(), (std::vector<int>{a, b}));
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Idle) << "Control never moves";
  EXPECT_EQ(diagram.GetReference(), b) << "Control puts the entity at the front of the order";
  Release({210, 110});

  Press({110, 110}, true);
  EXPECT_EQ(diagram.Selected(), std::vector<int>{b});
  Release({110, 110});

  Press({500, 300}, true);
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Idle) << "empty paper with a selection: no band";
  EXPECT_EQ(diagram.Selected(), std::vector<int>{b});
  EXPECT_EQ(diagram.snapshots, 0);
}

TEST_F(DiagramMouseTest, ClickingAGroupMemberSelectsAndGrabsTheGroup) {
  const int a = diagram.Add({100, 100, 140, 120}, 3);
  const int b = diagram.Add({200, 100, 240, 120}, 3);
  diagram.Add({300, 100, 340, 120});
  Press({110, 110});
  EXPECT_EQ(diagram.Selected(), (std::vector<int>{a, b}));
  EXPECT_EQ(mouse.GetGrabbed(), a);
  DragTo({120, 130});
  EXPECT_EQ(diagram.GetBounds(b), (DiagramRect{210, 120, 250, 140}));
}

TEST_F(DiagramMouseTest, ARubberBandSelectsWhatItTouches) {
  const int a = diagram.Add({100, 100, 140, 120});
  const int b = diagram.Add({200, 150, 240, 170});
  diagram.Add({400, 300, 440, 320});
  Press({90, 90});
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::RubberBand);
  DragTo({210, 160});
  EXPECT_EQ(mouse.GetRubberBand(), (Rect{90, 90, 210, 160}));
  EXPECT_TRUE(diagram.Selected().empty()) << "selection happens on release";
  Release({210, 160});
  EXPECT_EQ(diagram.Selected(), (std::vector<int>{a, b}));
  EXPECT_FALSE(mouse.GetRubberBand());
  EXPECT_EQ(diagram.snapshots, 0);

  // A band dragged up and left is ordered.
  Press({500, 400});
  DragTo({390, 290});
  EXPECT_EQ(mouse.GetRubberBand(), (Rect{390, 290, 500, 400}));
  Release({390, 290});
  EXPECT_EQ(diagram.Selected(), std::vector<int>{2});
}

TEST_F(DiagramMouseTest, AClickBandSelectsWhatTouchesTheSquareAroundThePoint) {
  const int beside = diagram.Add({140, 100, 160, 101});
  diagram.At(beside).hitless = true;
  diagram.At(diagram.Add({140, 102, 160, 103})).hitless = true;
  // The click at (150, 100) hits nothing and starts a band; the 2 x 2 square
  // around it reaches down to y 101, into the first entity but short of the second.
  Press({150, 100});
  ASSERT_EQ(mouse.GetMode(), DiagramMouseMode::RubberBand);
  Release({150, 100});
  EXPECT_EQ(diagram.Selected(), std::vector<int>{beside});
}

TEST_F(DiagramMouseTest, ResizingThroughTheTopLeftMarkerStopsAtTheMinimumWidth) {
  const int box = diagram.Add({100, 100, 140, 120});
  Press({100, 100});
  ASSERT_EQ(mouse.GetSubMode(), kHitTopLeft);
  DragTo({300, 90});
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{139, 90, 140, 120}));

  diagram.At(box).limits = DiagramSizeLimits{1, 1, 30, 15};
  DragTo({50, 50});
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{110, 105, 140, 120})) << "the maximum holds too";
}

TEST_F(DiagramMouseTest, EachMarkerDragsItsOwnEdges) {
  struct Case {
    int marker;
    DiagramPoint grab;
    DiagramRect expected;
  };
  // Each drag ends at paper (60, 70) from the box (100, 100, 200, 150).
  for (const Case& c : {Case{kHitTopLeft, {100, 100}, {60, 70, 200, 150}},
                        Case{kHitTop, {150, 100}, {100, 70, 200, 150}},
                        Case{kHitTopRight, {200, 100}, {100, 70, 101, 150}},
                        Case{kHitBottomLeft, {100, 150}, {60, 100, 200, 101}},
                        Case{kHitBottom, {150, 150}, {100, 100, 200, 101}},
                        Case{kHitBottomRight, {200, 150}, {100, 100, 101, 101}},
                        Case{kHitLeft, {100, 125}, {60, 100, 200, 150}},
                        Case{kHitRight, {200, 125}, {100, 100, 101, 150}}}) {
    FakeDiagram fresh;
    DiagramMouse m{view, fresh};
    fresh.Add({100, 100, 200, 150});
    m.LeftDown(c.grab, false, 0);
    ASSERT_EQ(m.GetSubMode(), c.marker);
    m.Move({60, 70}, 600);
    EXPECT_EQ(fresh.GetBounds(0), c.expected) << "marker " << c.marker;
  }
}

TEST_F(DiagramMouseTest, ResizingKeepsInsideTheMarginsAndSnapsOnRelease) {
  view.SetRestraint(DiagramRestraint::Margins);  // 8, 8, 8, 16
  view.SetGridSize({10, 10});
  view.SetClientSize({1000, 1200});  // the paper fits: no auto-scroll
  const int box = diagram.Add({100, 100, 140, 120});
  Press({140, 120});
  DragTo({900, 1200});
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{100, 100, 842, 1084}));
  DragTo({163, 137});
  view.SetSnapToGrid(true);
  Release({163, 137});
  EXPECT_EQ(diagram.GetBounds(box), (DiagramRect{100, 100, 160, 140})) << "only the dragged edges snap";
}

TEST_F(DiagramMouseTest, DrawingAddsAnEntityAtTheSnappedPointAndSizesItFromItsCorner) {
  view.SetSnapToGrid(true);
  const int old = diagram.Add({300, 300, 340, 320});
  diagram.Select(old, true, false);
  mouse.ArmDrawing(true);
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Drawing);
  mouse.LeftDown({45, 51}, false, now);
  EXPECT_FALSE(mouse.IsDragDelayOn()) << "drawing sizes at once";
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Resizing);
  EXPECT_EQ(mouse.GetSubMode(), kHitBottomRight);
  ASSERT_EQ(diagram.GetCount(), 2);
  EXPECT_EQ(diagram.GetBounds(1), (DiagramRect{48, 48, 48, 48}));
  EXPECT_EQ(diagram.Selected(), std::vector<int>{1});
  EXPECT_EQ(diagram.snapshots, 1);
  mouse.Move({130, 95}, now + 10);
  EXPECT_EQ(diagram.GetBounds(1), (DiagramRect{48, 48, 128, 96}));
  mouse.LeftUp({130, 95}, false, now + 20);
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Idle);
  EXPECT_FALSE(mouse.IsDrawingArmed()) << "one entity per tool click";
}

TEST_F(DiagramMouseTest, DrawingOutsideTheRestraintIsCancelled) {
  view.SetRestraint(DiagramRestraint::Margins);
  mouse.ArmDrawing(true);
  mouse.LeftDown({4, 50}, false, now);
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Idle);
  EXPECT_EQ(diagram.GetCount(), 0);
  EXPECT_EQ(diagram.snapshots, 0);
}

TEST_F(DiagramMouseTest, ArmedDrawingIsNotTakenOverByAMultipleSelection) {
  const int a = diagram.Add({100, 100, 140, 120});
  const int b = diagram.Add({200, 100, 240, 120});
  diagram.Select(a, true, false);
  diagram.Select(b, true, false);
  mouse.ArmDrawing(true);
  mouse.LeftDown({110, 110}, false, now);
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Resizing);
  EXPECT_EQ(diagram.GetCount(), 3);
}

TEST_F(DiagramMouseTest, RightDownSelectsTheBodyUnderItAndDisarms) {
  const int a = diagram.Add({100, 100, 140, 120});
  const int b = diagram.Add({200, 100, 240, 120});
  diagram.Select(a, true, false);
  mouse.ArmDrawing(true);
  mouse.RightDown({210, 110});
  EXPECT_EQ(diagram.Selected(), std::vector<int>{b});
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Idle);
  EXPECT_FALSE(mouse.IsDrawingArmed());

  // On a selected entity the selection stays.
  diagram.Select(a, true, false);
  mouse.RightDown({210, 110});
  EXPECT_EQ(diagram.Selected(), (std::vector<int>{a, b}));

  mouse.ArmDrawing(true);
  mouse.ArmDrawing(false);
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Idle);
}

TEST_F(DiagramMouseTest, MarkersAreHitInScreenPixelsAtEveryZoom) {
  view.SetZoom(2);
  const int box = diagram.Add({100, 100, 140, 120});
  // The top-left marker is 8 screen pixels around client (200, 200).
  Press({197, 197});
  EXPECT_EQ(mouse.GetSubMode(), kHitTopLeft);
  Release({197, 197});
  diagram.Select(box, true, false);
  EXPECT_EQ(mouse.MarkerAt({280, 240}), (std::pair<int, int>{box, kHitBottomRight}));
  EXPECT_FALSE(mouse.MarkerAt({250, 220})) << "the body is no marker";
}

TEST_F(DiagramMouseTest, ARepeatHeaderIsSelectedButNeverMovedByItself) {
  const int header = diagram.Add({100, 100, 200, 130});
  diagram.At(header).header = true;
  Press({150, 110});
  EXPECT_EQ(diagram.Selected(), std::vector<int>{header});
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Idle) << "no move and no band";
  DragTo({300, 300});
  EXPECT_EQ(diagram.GetBounds(header), (DiagramRect{100, 100, 200, 130}));
  Release({300, 300});
  Press({150, 130});
  EXPECT_EQ(mouse.GetMode(), DiagramMouseMode::Resizing) << "its bottom edge is dragged";
  EXPECT_EQ(mouse.GetSubMode(), kHitBottom);
}

TEST_F(DiagramMouseTest, ABandAutoScrollsAndKeepsItsAnchorOnThePaper) {
  view.SetZoom(2);  // 1700 x 2200 in a 600 x 400 client
  Press({100, 100});
  DragTo({650, 200});
  EXPECT_EQ(view.GetHScroll(), 10);
  EXPECT_EQ(mouse.GetRubberBand(), (Rect{90, 100, 650, 200}));
  DragTo({650, 450});
  EXPECT_EQ(mouse.GetRubberBand(), (Rect{80, 90, 650, 450}));
}

TEST_F(DiagramMouseTest, MovingNearTheEdgeAutoScrolls) {
  view.SetZoom(2);
  diagram.Add({100, 100, 140, 120});
  Press({210, 210});
  const DiagramMouseResult moved = mouse.Move({610, 210}, now + 600);
  EXPECT_TRUE(moved.scrolled);
  EXPECT_TRUE(moved.redraw);
  EXPECT_EQ(view.GetHScroll(), 10);
  EXPECT_EQ(diagram.GetBounds(0).left, 300) << "the move is made before the view scrolls";
}

}  // namespace
