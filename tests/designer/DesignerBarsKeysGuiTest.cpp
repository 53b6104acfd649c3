// The designer's bars handled with the real pointer of the X server: a
// parked bar's sliding frame keeping the width the user gave it and its
// pin acting on release, a floating bar keeping its caption and pin when it
// is closed and shown again, docking back when dragged over an edge, and
// coming back above the main window after a restart; the outlook bar
// holding off its highlight while a folder's window has the keyboard.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

#include <wx/aui/framemanager.h>
#include <wx/aui/floatpane.h>
#include <wx/aui/dockart.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "DesignerInputFixture.h"
#include "DesignerTestSupport.h"
#include "GuiEvents.h"
#include "ProgramProcess.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/DesignerCommands.h"
#include "designer/bars/CAutoHideBar.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "designer/bars/CDrawBar.h"
#include "designer/bars/CGfxOutBarCtrl.h"

using namespace designer;
using corvane::test::DragOnScreen;
using corvane::test::PumpFor;
using corvane::test::WaitFor;

namespace {

class DesignerBarsKeysGuiTest : public designer::test::DesignerInputTest {
protected:
  // Parks the tool box on the right and slides its frame out with the
  // pointer over the tab.
  CDrawFrame* SlideOutToolBox() {
    CDrawBar* toolBox = frame->GetToolBoxBar();
    frame->PinBar(toolBox);
    CAutoHideBar* right = frame->GetAutoHideBar(AutoHideSide::Right);
    EXPECT_TRUE(WaitFor([&] { return right->IsShownOnScreen() && right->GetTabs().size() == 1; }));
    PumpFor(100);
    HoverTab();
    CDrawFrame* sliding = right->GetFrame(toolBox);
    EXPECT_TRUE(sliding);
    EXPECT_TRUE(sliding && WaitFor([&] { return sliding->IsShown() && !sliding->IsSliding(); }))
        << "the frame slides out";
    PumpFor(100);
    return sliding;
  }

  void HoverTab() {
    CAutoHideBar* right = frame->GetAutoHideBar(AutoHideSide::Right);
    const auto tab = right->GetTabs()[0].rect;
    wxUIActionSimulator input;
    input.MouseMove(right->ClientToScreen(wxPoint(tab.left - 20, tab.top + 5)));
    PumpFor(50);
    input.MouseMove(right->ClientToScreen(wxPoint(tab.left + 5, tab.top + 5)));
  }

};

TEST_F(DesignerBarsKeysGuiTest, ASlidingFrameOpensAsWideAsTheUserMadeIt) {
  CDrawBar* toolBox = frame->GetToolBoxBar();
  const int docked = toolBox->GetOutBar()->GetSize().x;
  CDrawFrame* sliding = SlideOutToolBox();
  ASSERT_TRUE(sliding);
  EXPECT_EQ(toolBox->GetOutBar()->GetSize().x, docked) << "out, the tool box is as wide as it was docked";

  // Wider by its far edge, well past two slide steps.
  wxWindow* edge = sliding->GetSizingEdge();
  const wxRect grip = edge->GetScreenRect();
  const wxPoint middle = grip.GetPosition() + wxPoint(grip.width / 2, grip.height / 2);
  const int wide = 376;
  ASSERT_TRUE(DragOnScreen(edge, middle, middle - wxPoint(wide - sliding->GetSize().x, 0)));
  ASSERT_EQ(sliding->GetSize().x, wide);

  // Hidden (as when it loses the focus) and slid out again: as wide.
  sliding->HideFrame();
  PumpFor(50);
  HoverTab();
  ASSERT_TRUE(WaitFor([&] { return sliding->IsShown(); }));
  ASSERT_TRUE(WaitFor([&] { return !sliding->IsSliding(); }));
  PumpFor(300);
  EXPECT_EQ(sliding->GetSize().x, wide);
  EXPECT_EQ(sliding->GetFullSize(), wide);
  frame->UnpinBar(toolBox);
}

TEST_F(DesignerBarsKeysGuiTest, ThePinDocksTheBarBackWhenTheButtonIsReleasedOnIt) {
  CDrawBar* toolBox = frame->GetToolBoxBar();
  CDrawFrame* sliding = SlideOutToolBox();
  ASSERT_TRUE(sliding);
  // The pin: the 11-pixel square at the right end of the caption band.
  wxWindow* caption = nullptr;
  for (wxWindow* child : sliding->GetChildren()) {
    if (child != sliding->GetSizingEdge() && child != toolBox->GetOutBar()) caption = child;
  }
  ASSERT_TRUE(caption);
  const wxSize band = caption->GetClientSize();
  const wxPoint pin = caption->ClientToScreen(wxPoint(band.x - 4 - 11 / 2, band.y / 2));
  wxUIActionSimulator input;
  input.MouseMove(pin - wxPoint(30, 0));
  PumpFor(50);
  input.MouseMove(pin);
  PumpFor(50);
  input.MouseDown();
  PumpFor(200);
  CAutoHideBar* right = frame->GetAutoHideBar(AutoHideSide::Right);
  EXPECT_TRUE(right->HasTab(toolBox)) << "a press alone leaves the bar parked";
  input.MouseUp();
  ASSERT_TRUE(WaitFor([&] { return !right->HasTab(toolBox); })) << "the release on the pin docks it";
  EXPECT_TRUE(frame->GetAuiManager().GetPane(toolBox).IsShown());

  // A press on the pin released off it changes nothing.
  sliding = SlideOutToolBox();
  ASSERT_TRUE(sliding);
  for (wxWindow* child : sliding->GetChildren()) {
    if (child != sliding->GetSizingEdge() && child != toolBox->GetOutBar()) caption = child;
  }
  const wxPoint pin2 = caption->ClientToScreen(wxPoint(caption->GetClientSize().x - 4 - 11 / 2, band.y / 2));
  input.MouseMove(pin2);
  PumpFor(50);
  input.MouseDown();
  PumpFor(50);
  input.MouseMove(pin2 - wxPoint(60, 0));
  PumpFor(50);
  input.MouseUp();
  PumpFor(200);
  EXPECT_TRUE(right->HasTab(toolBox));
  frame->UnpinBar(toolBox);
}

TEST_F(DesignerBarsKeysGuiTest, AFloatingBarClosedAndShownAgainKeepsItsCaptionAndPin) {
  CDrawBar* toolBox = frame->GetToolBoxBar();
  wxAuiManager& aui = frame->GetAuiManager();
  auto* floating = FloatBar(toolBox, wxPoint(400, 200), wxSize(240, 360));
  ASSERT_TRUE(floating);
  ASSERT_TRUE(WaitFor([&] { return floating->GetAuiManager().GetPane(toolBox).HasCaption(); }));

  // The close box of the floating frame, then View > Toolbox.
  floating->Close();
  ASSERT_TRUE(WaitFor([&] { return !frame->IsBarVisible(toolBox); }));
  PumpFor(200);
  designer::test::Command(frame, ID_VIEW_TOOLBOX);
  ASSERT_TRUE(WaitFor([&] { return toolBox->IsShownOnScreen(); }));
  floating = wxDynamicCast(wxGetTopLevelParent(toolBox), wxAuiFloatingFrame);
  ASSERT_TRUE(floating) << "it comes back floating";
  EXPECT_TRUE(WaitFor([&] { return floating->GetAuiManager().GetPane(toolBox).HasCaption(); }))
      << "with its caption band";
  EXPECT_TRUE(floating->GetAuiManager().GetPane(toolBox).HasPinButton()) << "and its pin";
  aui.GetPane(toolBox).Dock().Right();
  aui.Update();
}

TEST_F(DesignerBarsKeysGuiTest, AFloatingBarDraggedOverAnEdgeShowsTheHintAndDocksThere) {
  CDiagramPropertyBar* properties = frame->GetPropertyBar();
  wxAuiFloatingFrame* floating = FloatBar(properties, wxPoint(400, 200), wxSize(260, 360));
  ASSERT_TRUE(floating);
  ASSERT_TRUE(WaitFor([&] { return floating->GetAuiManager().GetPane(properties).HasCaption(); }));
  PumpFor(200);
  BarDockingManager& aui = frame->GetAuiManager();

  // The bar's caption band, left of its pin, dragged to the frame's left edge.
  const int band = floating->GetAuiManager().GetArtProvider()->GetMetric(wxAUI_DOCKART_CAPTION_SIZE);
  const wxPoint from = floating->ClientToScreen(wxPoint(40, band / 2));
  const wxPoint to = frame->GetViewParent()->ClientToScreen(wxPoint(8, 200));
  wxUIActionSimulator mouse;
  mouse.MouseMove(from);
  PumpFor(100);
  mouse.MouseDown();
  PumpFor(100);
  wxRect hint;
  for (int step = 1; step <= 6; ++step) {
    mouse.MouseMove(from + wxPoint((to.x - from.x) * step / 6, (to.y - from.y) * step / 6));
    PumpFor(60);
  }
  ASSERT_TRUE(WaitFor([&] { return !(hint = aui.GetHintRect()).IsEmpty(); })) << "the dock hint shows";
  EXPECT_LT(hint.x, frame->GetScreenRect().x + frame->GetSize().x / 2) << "on the left";
  mouse.MouseUp();
  ASSERT_TRUE(WaitFor([&] { return aui.GetPane(properties).IsDocked(); })) << "the release docks it";
  EXPECT_EQ(aui.GetPane(properties).dock_direction, wxAUI_DOCK_LEFT);
  EXPECT_EQ(wxGetTopLevelParent(properties), frame);
  EXPECT_TRUE(aui.GetHintRect().IsEmpty()) << "and the hint goes";
}

// The outlook bar of a test frame: no highlight while the keyboard is in a
// folder's window, the usual one again once it has left.
TEST_F(DesignerBarsKeysGuiTest, TheOutlookBarHighlightsNothingWhileAFoldersWindowHasTheKeyboard) {
  auto* window = new wxFrame(frame, wxID_ANY, "Outlook bar", frame->GetPosition() + wxPoint(300, 100),
                             wxSize(240, 400));
  auto* outBar = new CGfxOutBarCtrl(window, wxID_ANY);
  outBar->SetAnimationTickCount(-1);
  outBar->AppendFolder(L"Items", 0);
  outBar->InsertFolderItem(0, -1, L"One", -1, 1);
  auto* notes = new wxTextCtrl(outBar, wxID_ANY, "notes");
  outBar->AppendFolder(L"Notes", 1, notes);
  window->Show();
  outBar->SetSize(window->GetClientSize());
  outBar->SelectFolder(1);
  ASSERT_TRUE(WaitFor([&] { return notes->IsShownOnScreen(); }));
  PumpFor(100);
  const auto items = outBar->GetLayout().GetFolderRect(0);
  const wxPoint button = outBar->ClientToScreen(wxPoint((items.left + items.right) / 2, (items.top + items.bottom) / 2));
  wxUIActionSimulator input;
  auto hover = [&] {
    input.MouseMove(button + wxPoint(0, 40));
    PumpFor(50);
    input.MouseMove(button);
    PumpFor(150);
  };

  notes->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == notes; }));
  hover();
  EXPECT_EQ(outBar->GetHotFolder(), -1) << "nothing hot while the window has the keyboard";

  outBar->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == outBar; }));
  hover();
  EXPECT_EQ(outBar->GetHotFolder(), 0);
  window->Destroy();
  PumpFor(50);
}

}  // namespace

// Outside the fixture: two runs of the designer, one after the other.
TEST(DesignerBarsRestartKeysGuiTest, AFloatingBarComesBackAboveTheMainWindow) {
  platform::MessageBoxRecorder boxes;
  {
    CPlandelApp app;
    ASSERT_TRUE(app.InitInstance(L""));
    CMainFrame* frame = app.GetMainFrame();
    wxAuiManager& aui = frame->GetAuiManager();
    aui.GetPane(frame->GetToolBoxBar()).Float().FloatingPosition(300, 200).FloatingSize(240, 360);
    aui.Update();
    ASSERT_TRUE(WaitFor([&] { return frame->GetToolBoxBar()->IsShownOnScreen(); }));
    designer::test::CloseAndWait(app);
  }
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  CMainFrame* frame = app.GetMainFrame();
  CDrawBar* toolBox = frame->GetToolBoxBar();
  ASSERT_TRUE(WaitFor([&] { return frame->IsShownOnScreen() && toolBox->IsShownOnScreen(); }));
  ASSERT_NE(wxGetTopLevelParent(toolBox), frame) << "floating as it was";
  const std::string main = frame->GetTitle().utf8_string();
  const std::string floating = static_cast<wxTopLevelWindow*>(wxGetTopLevelParent(toolBox))->GetTitle().utf8_string();
  ASSERT_NE(main, floating);
  // The X server lists the windows from the bottom of the stack up.
  std::vector<std::string> titles;
  auto above = [&] {
    titles = corvane::test::WindowTitles(::getpid());
    const auto m = std::find(titles.begin(), titles.end(), main);
    const auto f = std::find(titles.begin(), titles.end(), floating);
    return m != titles.end() && f != titles.end() && f > m;
  };
  EXPECT_TRUE(WaitFor(above)) << "the floating tool box lies above the main window";
  frame->GetAuiManager().GetPane(toolBox).Dock().Right();
  frame->GetAuiManager().Update();
  designer::test::CloseAndWait(app);
}
