#include "template/editor/DiagramEditorCore.h"

#include <gtest/gtest.h>

#include <functional>
#include <variant>

#include "platform/gdi/PageRecorder.h"
#include "template/CInvoiceRepeatField.h"
#include "template/ReportEditorNotifications.h"
#include "template/diagram/CDiagramLine.h"

using platform::gdi::Point;
using platform::gdi::Rect;
using platform::gdi::Size;

namespace {

// An entity that counts how often it was marked created.
class CountingEntity : public CDiagramEntity {
public:
  explicit CountingEntity(int* created) : m_created(created) {}
  std::unique_ptr<CDiagramEntity> Clone() const override {
    auto clone = std::make_unique<CountingEntity>(m_created);
    clone->Copy(*this);
    return clone;
  }
  void OnCreated() override { ++*m_created; }

private:
  int* m_created;
};

class DiagramEditorCoreTest : public ::testing::Test {
protected:
  DiagramEditorCoreTest() {
    core.SetDiagramEntityContainer(&container);
    core.SetVirtualSize(Size{850, 1100});
    core.SetClientSize(Size{1000, 1200});  // the paper fits: no scrolling
  }

  CDiagramEntity* Add(double l, double t, double r, double b) {
    auto entity = std::make_unique<CDiagramEntity>();
    entity->SetRect(l, t, r, b);
    CDiagramEntity* added = entity.get();
    core.AddObject(std::move(entity));
    return added;
  }
  // In place of what the paper held: a repeat column of three rows with its
  // header row, and a box beside it.
  CInvoiceRepeatField* AddColumnAndBox() {
    container.RemoveAll();
    auto made = std::make_unique<CInvoiceRepeatField>(3);
    made->SetRect(100, 100, 300, 340);
    CInvoiceRepeatField* field = made.get();
    core.AddObject(std::move(made));
    field->GetHeader()->SetRect(100, 100, 300, 124);
    Add(400, 200, 500, 260);
    return field;
  }
  static Rect RectOf(const CDiagramEntity* e) { return e->GetRect(); }
  std::vector<Rect> Rects() const {
    std::vector<Rect> rects;
    for (int i = 0; CDiagramEntity* e = container.GetAt(i); ++i) rects.push_back(e->GetRect());
    return rects;
  }
  // A click, a pause past the drag delay, a drag and a release.
  void Drag(Point from, Point to, bool control = false) {
    core.OnLButtonDown(from, control, now);
    now += 600;
    core.OnMouseMove(to, now);
    now += 10;
    core.OnLButtonUp(to, control, now);
  }

  CDiagramEntityContainer container;
  DiagramEditorCore core;
  int64_t now = 10000;
};

TEST_F(DiagramEditorCoreTest, ADrawnEntityIsMarkedCreatedOnceWhenTheButtonIsReleased) {
  int created = 0;
  core.StartDrawingObject(std::make_unique<CountingEntity>(&created));
  EXPECT_EQ(core.GetInteractMode(), 4);
  EXPECT_FALSE(core.GetDrawingObject()->GetCreated());

  core.OnLButtonDown({50, 60}, false, now);
  ASSERT_EQ(container.GetSize(), 1);
  CDiagramEntity* drawn = container.GetAt(0);
  EXPECT_FALSE(drawn->GetCreated()) << "the copy of the prototype is not created yet";
  core.OnMouseMove({150, 100}, now + 5);
  core.OnLButtonUp({150, 100}, false, now + 10);
  EXPECT_EQ(RectOf(drawn), (Rect{50, 60, 150, 100}));
  EXPECT_EQ(created, 0);

  EXPECT_TRUE(core.MarkCreated());
  EXPECT_EQ(created, 1) << "releasing after drawing runs OnCreated";
  EXPECT_FALSE(core.MarkCreated());
  EXPECT_EQ(created, 1);
  EXPECT_EQ(core.GetInteractMode(), 0);

  core.Undo();
  EXPECT_EQ(container.GetSize(), 0) << "drawing is one undo step";
}

TEST_F(DiagramEditorCoreTest, DraggingMovesAnEntityAsOneUndoStep) {
  CDiagramEntity* box = Add(100, 100, 200, 150);
  Drag({150, 120}, {250, 220});
  box = container.GetAt(0);
  EXPECT_EQ(RectOf(box), (Rect{200, 200, 300, 250}));
  EXPECT_TRUE(container.IsModified());
  EXPECT_EQ(container.GetUndoCount(), 1);
  core.Undo();
  EXPECT_EQ(Rects(), std::vector<Rect>{(Rect{100, 100, 200, 150})});
}

TEST_F(DiagramEditorCoreTest, ABandSelectsTheEntitiesItTouches) {
  Add(100, 100, 140, 120);
  Add(200, 150, 240, 170);
  Add(400, 300, 440, 320);
  Drag({90, 90}, {210, 160});
  EXPECT_EQ(core.GetSelectCount(), 2);
  EXPECT_TRUE(container.GetAt(0)->IsSelected());
  EXPECT_TRUE(container.GetAt(1)->IsSelected());
  EXPECT_FALSE(container.GetAt(2)->IsSelected());
}

TEST_F(DiagramEditorCoreTest, AligningOrSizingABandWithARepeatFieldKeepsItsHeaderOnIt) {
  struct Case {
    const char* name;
    std::function<void(DiagramEditorCore&)> command;
  } cases[] = {
      {"align bottom", [](DiagramEditorCore& c) { c.AlignSelected(DiagramAlign::Bottom); }},
      {"align right", [](DiagramEditorCore& c) { c.AlignSelected(DiagramAlign::Right); }},
      {"same size", [](DiagramEditorCore& c) { c.MakeSameSizeSelected(true, true); }},
      {"same height", [](DiagramEditorCore& c) { c.MakeSameSizeSelected(false, true); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CInvoiceRepeatField* field = AddColumnAndBox();
    // The band takes the field, its header and the box, in list order.
    Drag({90, 90}, {510, 350});
    ASSERT_EQ(core.GetSelectCount(), 3);
    c.command(core);
    const Rect moved = field->GetRect();
    EXPECT_EQ(field->GetHeader()->GetRect(), (Rect{moved.left, moved.top, moved.right, moved.top + 24}));
    EXPECT_EQ(field->GetRowHeight(), 24);
    EXPECT_GE(field->GetRowCount(), 1);
  }
}

// A repeat column selected by its header row (the header cannot go by
// itself) is deleted, cut or copied whole; a box beside it stays.
TEST_F(DiagramEditorCoreTest, ARepeatFieldsSelectedHeaderTakesItsFieldAlong) {
  auto addColumn = [&] {
    CInvoiceRepeatField* field = AddColumnAndBox();
    core.UnselectAll();
    field->GetHeader()->Select(true);
    return field;
  };
  CInvoiceRepeatField* copied = addColumn();
  core.Copy();
  EXPECT_TRUE(copied->IsSelected()) << "a copy takes the field with its header";
  const struct {
    const char* name;
    void (DiagramEditorCore::*command)();
  } cases[] = {{"delete", &DiagramEditorCore::DeleteAllSelected}, {"cut", &DiagramEditorCore::Cut}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    addColumn();
    ASSERT_EQ(container.GetSize(), 3);
    (core.*c.command)();
    EXPECT_EQ(container.GetSize(), 1) << "the field and its header go, the box stays";
    core.Undo();
    EXPECT_EQ(container.GetSize(), 3);
  }
}

TEST_F(DiagramEditorCoreTest, ALineIsHitAlongItselfAndResizedFromItsEnd) {
  auto line = std::make_unique<CDiagramLine>();
  line->SetRectPixels(300, 200, 100, 100);  // drawn up and to the left
  core.AddObject(std::move(line));
  // Inside the line's box but far from the line: a band starts.
  core.OnLButtonDown({280, 120}, false, now);
  EXPECT_EQ(core.GetInteractMode(), 1);
  core.OnLButtonUp({280, 120}, false, now + 10);
  // On the line: it moves.
  core.OnLButtonDown({200, 150}, false, now + 1000);
  EXPECT_EQ(core.GetInteractMode(), 2);
  core.OnLButtonUp({200, 150}, false, now + 1010);
  // Its end marker (100, 100) drags the end alone.
  Drag({100, 100}, {60, 40});
  EXPECT_EQ(RectOf(container.GetAt(0)), (Rect{300, 200, 60, 40}));
}

TEST_F(DiagramEditorCoreTest, AlignmentUsesTheFirstSelectedEntityAndKeepsSizes) {
  struct Case {
    DiagramAlign side;
    std::vector<Rect> expected;
  };
  for (const Case& c : {Case{DiagramAlign::Left, {{10, 10, 50, 30}, {10, 40, 70, 100}, {10, 5, 30, 15}}},
                        Case{DiagramAlign::Right, {{10, 10, 50, 30}, {-10, 40, 50, 100}, {30, 5, 50, 15}}},
                        Case{DiagramAlign::Top, {{10, 10, 50, 30}, {100, 10, 160, 70}, {200, 10, 220, 20}}},
                        Case{DiagramAlign::Bottom, {{10, 10, 50, 30}, {100, -30, 160, 30}, {200, 20, 220, 30}}}}) {
    container.Clear();
    CDiagramEntity* a = Add(10, 10, 50, 30);
    CDiagramEntity* b = Add(100, 40, 160, 100);
    CDiagramEntity* c3 = Add(200, 5, 220, 15);
    c3->Select(true);
    a->Select(true);
    container.AddToSelectionOrder(a->GetId(), true);  // a is the reference
    b->Select(true);
    const std::vector<Rect> before = Rects();
    core.AlignSelected(c.side);
    EXPECT_EQ(Rects(), c.expected) << static_cast<int>(c.side);
    EXPECT_TRUE(container.IsModified());
    core.Undo();
    EXPECT_EQ(Rects(), before) << "undo restores " << static_cast<int>(c.side);
  }
}

TEST_F(DiagramEditorCoreTest, CommandsOnSeveralEntitiesDoNothingWithOne) {
  CDiagramEntity* a = Add(10, 10, 50, 30);
  Add(100, 40, 160, 100);
  a->Select(true);
  core.AlignSelected(DiagramAlign::Right);
  core.MakeSameSizeSelected(true, true);
  EXPECT_EQ(container.GetUndoCount(), 0) << "no snapshot for a refused command";
  EXPECT_EQ(Rects(), (std::vector<Rect>{{10, 10, 50, 30}, {100, 40, 160, 100}}));
}

TEST_F(DiagramEditorCoreTest, MakeSameSizeTakesTheReferenceWidthOrHeight) {
  struct Case {
    bool width, height;
    Rect expected;
  };
  for (const Case& c : {Case{true, false, {100, 40, 140, 100}}, Case{false, true, {100, 40, 160, 60}},
                        Case{true, true, {100, 40, 140, 60}}}) {
    container.Clear();
    CDiagramEntity* a = Add(10, 10, 50, 30);
    CDiagramEntity* b = Add(100, 40, 160, 100);
    a->Select(true);
    b->Select(true);
    core.MakeSameSizeSelected(c.width, c.height);
    EXPECT_EQ(RectOf(container.GetAt(1)), c.expected);
    EXPECT_EQ(RectOf(container.GetAt(0)), (Rect{10, 10, 50, 30}));
    core.Undo();
    EXPECT_EQ(RectOf(container.GetAt(1)), (Rect{100, 40, 160, 100}));
  }
}

TEST_F(DiagramEditorCoreTest, NudgingMovesByTheGridWithinThePaper) {
  core.View().SetGridSize({8, 10});
  struct Case {
    DiagramNudge direction;
    Rect from;
    Rect to;
  };
  for (const Case& c : {Case{DiagramNudge::Left, {20, 20, 40, 40}, {12, 20, 32, 40}},
                        Case{DiagramNudge::Left, {4, 20, 24, 40}, {0, 20, 20, 40}},
                        Case{DiagramNudge::Up, {20, 6, 40, 26}, {20, 0, 40, 20}},
                        Case{DiagramNudge::Right, {20, 20, 40, 40}, {28, 20, 48, 40}},
                        Case{DiagramNudge::Right, {830, 20, 850, 40}, {830, 20, 850, 40}},
                        Case{DiagramNudge::Down, {20, 1075, 40, 1095}, {20, 1080, 40, 1100}}}) {
    container.Clear();
    CDiagramEntity* e = Add(c.from.left, c.from.top, c.from.right, c.from.bottom);
    core.MoveSelected(c.direction);
    EXPECT_EQ(container.GetUndoCount(), 0) << "nothing selected, nothing done";
    e->Select(true);
    core.MoveSelected(c.direction);
    EXPECT_EQ(RectOf(container.GetAt(0)), c.to) << static_cast<int>(c.direction);
    core.Undo();
    EXPECT_EQ(RectOf(container.GetAt(0)), c.from);
  }
}

TEST_F(DiagramEditorCoreTest, ZOrderCommandsAreUndone) {
  struct Case {
    void (DiagramEditorCore::*command)();
    int selected;
    std::vector<int32_t> order;  // by left edge
  };
  for (const Case& c : {Case{&DiagramEditorCore::BringToFront, 0, {2, 3, 1}},
                        Case{&DiagramEditorCore::SendToBack, 2, {3, 1, 2}},
                        Case{&DiagramEditorCore::BringForward, 0, {2, 1, 3}},
                        Case{&DiagramEditorCore::SendBackward, 2, {1, 3, 2}}}) {
    container.Clear();
    Add(1, 0, 10, 10);
    Add(2, 0, 10, 10);
    Add(3, 0, 10, 10);
    container.GetAt(c.selected)->Select(true);
    (core.*c.command)();
    std::vector<int32_t> order;
    for (const Rect& r : Rects()) order.push_back(r.left);
    EXPECT_EQ(order, c.order);
    core.Undo();
    order.clear();
    for (const Rect& r : Rects()) order.push_back(r.left);
    EXPECT_EQ(order, (std::vector<int32_t>{1, 2, 3}));
  }
}

TEST_F(DiagramEditorCoreTest, GroupingMakesAClickSelectTheGroup) {
  CDiagramEntity* a = Add(100, 100, 140, 120);
  CDiagramEntity* b = Add(200, 100, 240, 120);
  Add(300, 100, 340, 120);
  a->Select(true);
  b->Select(true);
  EXPECT_TRUE(core.CanGroup());
  core.Group();
  EXPECT_NE(container.GetAt(0)->GetGroup(), 0);
  EXPECT_EQ(container.GetAt(0)->GetGroup(), container.GetAt(1)->GetGroup());
  core.UnselectAll();
  core.OnLButtonDown({110, 110}, false, now);
  core.OnLButtonUp({110, 110}, false, now + 10);
  EXPECT_EQ(core.GetSelectCount(), 2);

  core.Ungroup();
  EXPECT_EQ(container.GetAt(0)->GetGroup(), 0);
  core.Undo();
  EXPECT_NE(container.GetAt(0)->GetGroup(), 0) << "undo brings the group back";
}

TEST_F(DiagramEditorCoreTest, CutCopyPasteAndDeleteWithUndo) {
  CDiagramEntity* a = Add(100, 100, 140, 120);
  Add(200, 100, 240, 120);
  EXPECT_FALSE(core.CanPaste());
  EXPECT_FALSE(core.CanUndo());
  a->Select(true);
  core.Copy();
  EXPECT_TRUE(core.CanPaste());
  core.Paste();
  ASSERT_EQ(container.GetSize(), 3);
  EXPECT_EQ(RectOf(container.GetAt(2)), (Rect{110, 110, 150, 130}));
  EXPECT_TRUE(container.GetAt(2)->IsSelected()) << "the pasted entity arrives selected";
  EXPECT_FALSE(container.GetAt(0)->IsSelected());
  core.Undo();
  EXPECT_EQ(container.GetSize(), 2);
  EXPECT_TRUE(container.GetAt(0)->IsSelected()) << "undo brings back the selection of its snapshot";

  core.UnselectAll();
  container.GetAt(1)->Select(true);
  core.Cut();
  EXPECT_EQ(container.GetSize(), 1);
  core.Paste();
  EXPECT_EQ(RectOf(container.GetAt(1)), (Rect{210, 110, 250, 130}));

  core.SelectAll();
  core.DeleteAllSelected();
  EXPECT_EQ(container.GetSize(), 0);
  core.Undo();
  EXPECT_EQ(container.GetSize(), 2);
  EXPECT_TRUE(core.CanUndo());
}

TEST_F(DiagramEditorCoreTest, ZoomToFitFitsTheEntities) {
  core.SetClientSize(Size{432, 232});
  core.View().SetZoom(1.25);
  EXPECT_FALSE(core.ZoomToFit());
  EXPECT_DOUBLE_EQ(core.View().GetZoom(), 1.25);
  Add(100, 50, 300, 150);
  EXPECT_TRUE(core.ZoomToFit());
  EXPECT_DOUBLE_EQ(core.View().GetZoom(), 2.0);
  EXPECT_EQ(core.View().GetHScroll(), 184);
}

TEST_F(DiagramEditorCoreTest, CursorShowsDrawingMarkersAndPanning) {
  CDiagramEntity* a = Add(100, 100, 140, 120);
  EXPECT_EQ(core.GetCursor({100, 100}), EditorCursor::Default) << "markers of unselected entities show nothing";
  a->Select(true);
  EXPECT_EQ(core.GetCursor({100, 100}), EditorCursor::SizeNWSE);
  EXPECT_EQ(core.GetCursor({120, 100}), EditorCursor::SizeNS);
  EXPECT_EQ(core.GetCursor({120, 110}), EditorCursor::Default) << "a body shows the move cursor only when pressed";
  core.StartDrawingObject(std::make_unique<CDiagramEntity>());
  EXPECT_EQ(core.GetCursor({500, 500}), EditorCursor::Cross);
  core.StartDrawingObject(nullptr);
  EXPECT_EQ(core.GetInteractMode(), 0);

  EXPECT_FALSE(core.StartPanning({300, 300})) << "without scroll bars there is nothing to pan";
  core.SetClientSize(Size{400, 300});
  EXPECT_TRUE(core.StartPanning({300, 300}));
  EXPECT_EQ(core.GetCursor({340, 340}), EditorCursor::SizeNWSE);
  EXPECT_TRUE(core.PanTick({340, 340}));
  EXPECT_EQ(core.View().GetHScroll(), 2);
  core.OnLButtonDown({10, 10}, false, now);
  EXPECT_FALSE(core.IsPanning()) << "a left click stops panning";
}

TEST_F(DiagramEditorCoreTest, TheBandAndThePanningRingArePaintedWithThePaper) {
  platform::gdi::FixedTextMeasurer measurer;
  Add(100, 100, 140, 120);
  core.OnLButtonDown({300, 300}, false, now);
  core.OnMouseMove({350, 340}, now + 600);
  platform::gdi::PageRecorder recorder(platform::gdi::DeviceMetrics{}, measurer);
  core.Draw(recorder, core.GetPaperOnSurface());
  const auto& ops = recorder.Page().ops;
  ASSERT_FALSE(ops.empty());
  const auto* paper = std::get_if<platform::gdi::RectangleOp>(&ops.front());
  ASSERT_TRUE(paper);
  EXPECT_EQ(paper->rect, (Rect{0, 0, 851, 1101}));
  const auto* band = std::get_if<platform::gdi::RectangleOp>(&ops.back());
  ASSERT_TRUE(band) << "the band is drawn last, over the entities";
  EXPECT_EQ(band->rect, (Rect{300, 300, 351, 341}));
  EXPECT_EQ(band->pen.style, platform::gdi::PS_DOT);
  EXPECT_TRUE(band->brush.hollow);
}

TEST_F(DiagramEditorCoreTest, SaveWritesThePaperAndTheEntitiesAndClearsModified) {
  Add(1, 2, 3, 4);
  std::vector<std::wstring> lines;
  core.Save(lines);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], L"paper:850,1100;");
  EXPECT_EQ(lines[1].rfind(L"basic:", 0), 0u);
  EXPECT_FALSE(container.IsModified());
  EXPECT_TRUE(core.FromString(L"paper:400,300;"));
  EXPECT_EQ(core.GetVirtualSize(), (Size{400, 300}));
}

TEST_F(DiagramEditorCoreTest, WithoutAContainerEveryCommandIsANoOp) {
  DiagramEditorCore empty;
  empty.SelectAll();
  empty.Paste();
  empty.Undo();
  empty.AlignSelected(DiagramAlign::Left);
  empty.MoveSelected(DiagramNudge::Down);
  EXPECT_FALSE(empty.OnLButtonDown({1, 1}, false, 0).redraw);
  EXPECT_FALSE(empty.CanUndo());
  EXPECT_EQ(empty.GetSelectCount(), 0);
  EXPECT_FALSE(empty.FromString(L"paper:1,1;"));
}

// An entity with properties to show in the bar.
class PropertiedEntity : public CDiagramEntity {
public:
  PopulatorKind GetPopulator() const override { return PopulatorKind::Label; }
};

// Counts what reaches the property bar.
class BarCounter : public ReportEditorNotifications {
public:
  void OnEditorZoom(int32_t) override {}
  void OnEditorHScroll(int32_t) override {}
  void OnEditorVScroll(int32_t) override {}
  void OnEditorMouse(std::optional<Point>) override {}
  void ClearToolboxHighlight() override {}
  bool IsPropertyBarVisible() const override { return true; }
  void ShowEntityProperties(CDiagramEntity&, PopulatorKind) override { ++shown; }
  void ClearProperties() override { ++cleared; }
  int shown = 0, cleared = 0;
};

TEST_F(DiagramEditorCoreTest, AClickEmptiesThePropertyBarOnceHoweverManyEntitiesItDeselects) {
  for (int i = 0; i < 500; ++i) {
    auto entity = std::make_unique<PropertiedEntity>();
    entity->SetRect(10 + (i % 10) * 60, 10 + (i / 10) * 20, 60 + (i % 10) * 60, 25 + (i / 10) * 20);
    core.AddObject(std::move(entity));
  }
  BarCounter bar;
  core.SetNotifications(&bar);
  core.OnLButtonDown({30, 15}, false, 0);
  core.OnLButtonUp({30, 15}, false, 10);
  EXPECT_TRUE(container.GetAt(0)->IsSelected());
  EXPECT_EQ(bar.cleared, 1);
  core.SetNotifications(nullptr);
}

}  // namespace
