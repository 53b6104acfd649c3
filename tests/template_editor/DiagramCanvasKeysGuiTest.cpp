// The canvas in a real frame, driven by real mouse events from the X server
// (XTest under Xvfb): a drag moves an entity, a band selects two.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "GuiEvents.h"
#include "platform/WindowMessages.h"
#include "template/ui/CReportEditor.h"

using platform::gdi::Rect;
using platform::gdi::Size;

namespace {

using corvane::test::PumpFor;
using corvane::test::WaitFor;

void Pump() {
  corvane::test::PumpEvents();
}

class CanvasGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    container.SetVirtualSize(Size{850, 1100});
    frame = new wxFrame(nullptr, wxID_ANY, L"Canvas", wxPoint(30, 30), wxSize(700, 520));
    editor = new CReportEditor;
    ASSERT_TRUE(editor->Create(0, wxRect(0, 0, 680, 480), frame, &container));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(editor, 1, wxEXPAND);
    frame->SetSizer(sizer);
    frame->Show();
    frame->Raise();
    ASSERT_TRUE(WaitFor([&] { return editor->IsShownOnScreen() && editor->GetClientSize().x > 100; }));
    PumpFor(200);
  }
  void TearDown() override {
    frame->Destroy();
    Pump();
  }

  CDiagramEntity* Add(double l, double t, double r, double b) {
    auto entity = std::make_unique<CDiagramEntity>();
    entity->SetRect(l, t, r, b);
    CDiagramEntity* added = entity.get();
    editor->AddObject(std::move(entity));
    editor->Redraw();
    return added;
  }
  wxPoint Screen(int x, int y) const { return editor->ClientToScreen(wxPoint(x, y)); }

  void Drag(wxPoint from, wxPoint to) {
    ASSERT_TRUE(corvane::test::DragWithMouse(editor, from, to)) << "the press or release did not reach the canvas";
  }

  CDiagramEntityContainer container;
  wxFrame* frame = nullptr;
  CReportEditor* editor = nullptr;
};

TEST_F(CanvasGuiTest, ADragWithTheMouseMovesAnEntity) {
  Add(100, 100, 200, 160);
  Add(400, 300, 440, 330);
  Drag(wxPoint(150, 130), wxPoint(250, 230));
  EXPECT_EQ(container.GetAt(0)->GetRect(), (Rect{200, 200, 300, 260}));
  EXPECT_EQ(container.GetAt(1)->GetRect(), (Rect{400, 300, 440, 330})) << "the other entity stays";
  EXPECT_TRUE(container.GetAt(0)->IsSelected());
  EXPECT_TRUE(container.IsModified());

  // One undo step puts it back.
  editor->Undo();
  EXPECT_EQ(container.GetAt(0)->GetRect(), (Rect{100, 100, 200, 160}));
}

TEST_F(CanvasGuiTest, ABandDrawnWithTheMouseSelectsTwoEntities) {
  Add(100, 100, 200, 160);
  Add(300, 300, 340, 330);
  Add(400, 320, 450, 350);
  container.SetModified(false);
  Drag(wxPoint(470, 370), wxPoint(280, 280));
  EXPECT_FALSE(container.GetAt(0)->IsSelected());
  EXPECT_TRUE(container.GetAt(1)->IsSelected());
  EXPECT_TRUE(container.GetAt(2)->IsSelected());
  EXPECT_EQ(editor->GetSelectCount(), 2);
  EXPECT_FALSE(container.IsModified()) << "selecting changes nothing";
}

TEST_F(CanvasGuiTest, KeysNudgeAndDeleteTheSelection) {
  Add(100, 100, 200, 160);
  editor->SetGridSize(Size{8, 8});
  wxUIActionSimulator input;
  // A click selects it (released at once: nothing moves).
  input.MouseMove(Screen(150, 130));
  PumpFor(50);
  input.MouseClick();
  ASSERT_TRUE(WaitFor([&] { return container.GetAt(0)->IsSelected() && !editor->HasCapture(); }));
  EXPECT_EQ(container.GetAt(0)->GetRect(), (Rect{100, 100, 200, 160}));
  ASSERT_TRUE(WaitFor([&] { return editor->HasFocus(); }));

  input.Char(WXK_RIGHT);
  ASSERT_TRUE(WaitFor([&] { return container.GetAt(0)->GetRect().left == 108; }));
  input.Char(WXK_DOWN);
  ASSERT_TRUE(WaitFor([&] { return container.GetAt(0)->GetRect().top == 108; }));
  input.Char(WXK_DELETE);
  ASSERT_TRUE(WaitFor([&] { return container.GetSize() == 0; }));
  editor->Undo();
  EXPECT_EQ(container.GetSize(), 1);
}

TEST_F(CanvasGuiTest, ZoomAndScrollAreAnnouncedToTheParent) {
  std::vector<std::pair<unsigned, platform::WPARAM>> heard;
  frame->Bind(EVT_CORVANE_MESSAGE, [&](platform::WindowMessageEvent& event) {
    heard.emplace_back(event.GetMessage(), event.GetWParam());
  });
  editor->SetZoomMin(0.05);
  editor->SetZoomMax(4);
  editor->SetZoom(1.5);
  editor->SetZoom(20);
  editor->SetVScroll(120);
  const unsigned zoom = platform::RegisterWindowMessage(L"REPORT_EDITOR_ZOOM");
  const unsigned vscroll = platform::RegisterWindowMessage(L"REPORT_EDITOR_VSCROLL");
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0], (std::pair<unsigned, platform::WPARAM>{zoom, 150}));
  EXPECT_EQ(heard[1], (std::pair<unsigned, platform::WPARAM>{zoom, 400})) << "the clamped zoom is announced";
  EXPECT_EQ(heard[2], (std::pair<unsigned, platform::WPARAM>{vscroll, 120}));
  EXPECT_EQ(editor->GetScrollPos(wxVERTICAL), 120);
  EXPECT_GT(editor->GetScrollRange(wxHORIZONTAL), 0) << "at zoom 4 the paper is wider than the window";
}

// An entity that counts how often it is drawn.
class CountedEntity : public CDiagramEntity {
public:
  explicit CountedEntity(int& draws) : m_draws(draws) {}
  void DrawObject(platform::gdi::Canvas& dc, double zoom) override {
    ++m_draws;
    CDiagramEntity::DrawObject(dc, zoom);
  }

private:
  int& m_draws;
};

TEST_F(CanvasGuiTest, AClickOnABigTemplateRepaintsOnlyTheEntitiesInView) {
  // 2,000 entities down a paper 40 times the window's height.
  container.SetVirtualSize(Size{850, 20000});
  editor->SetZoom(1.0);
  int draws = 0;
  for (int i = 0; i < 2000; ++i) {
    auto entity = std::make_unique<CountedEntity>(draws);
    const double top = 10 + (i / 4) * 40, left = 10 + (i % 4) * 150;
    entity->SetRect(left, top, left + 120, top + 30);
    editor->AddObject(std::move(entity));
  }
  editor->Redraw();
  PumpFor(100);
  draws = 0;
  int paints = 0;
  editor->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
    ++paints;
    event.Skip();
  });
  wxUIActionSimulator input;
  input.MouseMove(Screen(70, 25));
  PumpFor(50);
  input.MouseClick();
  ASSERT_TRUE(WaitFor([&] { return container.GetAt(0)->IsSelected() && !editor->HasCapture(); }));
  PumpFor(100);
  ASSERT_GT(paints, 0) << "the click repainted the canvas";
  // The window shows about 12 rows of 4: a repaint draws those and their
  // neighbours, not the 2,000.
  EXPECT_LT(draws / paints, 100) << draws << " entities drawn in " << paints << " repaints";
}

}  // namespace
