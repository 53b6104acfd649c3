// The designer's own windows as a user meets them, with the real pointer and
// keys of the X server: the title telling of unsaved changes, the colour
// palette opening at its button, the sliding frame of a parked bar resized
// by its far edge, the pin of a floating bar and the outlook bar sliding to
// a newly opened folder.
#include <gtest/gtest.h>

#include <wx/aui/framemanager.h>
#include <wx/aui/floatpane.h>
#include <wx/aui/dockart.h>
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "DesignerInputFixture.h"
#include "GuiEvents.h"
#include "TestEnvironment.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerMessages.h"
#include "designer/bars/CAutoHideBar.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "designer/bars/CDrawBar.h"
#include "designer/proptree/CPropTreeWnd.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "template/ui/CReportEditor.h"

using namespace designer;
using corvane::test::DragOnScreen;
using corvane::test::PumpFor;
using corvane::test::WaitFor;

namespace {

class DesignerWindowsKeysGuiTest : public designer::test::DesignerInputTest {
protected:
  wxString Title() const { return frame->GetTitle(); }

};

TEST_F(DesignerWindowsKeysGuiTest, TheTitleTellsOfChangesNotSaved) {
  EXPECT_EQ(Title(), "Untitled - Corvan Designer");
  platform::SendMessage(view, WM_CORVANE_START_DRAWING, 2);
  Drag(wxPoint(100, 100), wxPoint(300, 200));
  ASSERT_TRUE(app.GetDocument()->IsTemplateModified());
  EXPECT_TRUE(WaitFor([&] { return Title() == "Untitled* - Corvan Designer"; })) << Title();

  corvane::test::TempDir dir;
  ASSERT_TRUE(app.GetFiles()->SaveAs((dir / "boxes.zlt").wstring()));
  EXPECT_TRUE(WaitFor([&] { return Title() == "boxes.zlt - Corvan Designer"; })) << Title();

  // Ctrl+Z of the Edit menu changes the template again.
  editor->SetFocus();
  wxUIActionSimulator input;
  input.Char('Z', wxMOD_CONTROL);
  ASSERT_TRUE(WaitFor([&] { return app.GetDocument()->GetDoc().GetContainer().GetSize() == 0; }));
  EXPECT_TRUE(WaitFor([&] { return Title() == "boxes.zlt* - Corvan Designer"; })) << Title();
}

TEST_F(DesignerWindowsKeysGuiTest, AParkedBarsFrameIsResizedByItsFarEdge) {
  CDrawBar* toolBox = frame->GetToolBoxBar();
  frame->PinBar(toolBox);
  CAutoHideBar* right = frame->GetAutoHideBar(AutoHideSide::Right);
  ASSERT_TRUE(WaitFor([&] { return right->IsShownOnScreen() && right->GetTabs().size() == 1; }));
  PumpFor(100);
  const auto tab = right->GetTabs()[0].rect;
  wxUIActionSimulator input;
  input.MouseMove(right->ClientToScreen(wxPoint(tab.left + 5, tab.top + 5)));
  CDrawFrame* sliding = right->GetFrame(toolBox);
  ASSERT_TRUE(sliding);
  ASSERT_TRUE(WaitFor([&] { return sliding->IsShown() && !sliding->IsSliding(); })) << "the frame slides out";
  PumpFor(100);
  const wxRect before = sliding->GetScreenRect();
  EXPECT_EQ(before.width, sliding->GetFullSize());

  // A right bar's frame opens to the left: its left edge is the far one.
  wxWindow* edge = sliding->GetSizingEdge();
  const wxRect grip = edge->GetScreenRect();
  EXPECT_EQ(grip.x, sliding->GetClientAreaOrigin().x + sliding->ClientToScreen(wxPoint(0, 0)).x);
  EXPECT_LE(grip.width, 8);
  EXPECT_EQ(grip.height, sliding->GetClientSize().y);
  const wxPoint middle = grip.GetPosition() + wxPoint(grip.width / 2, grip.height / 2);
  ASSERT_TRUE(DragOnScreen(edge, middle, middle - wxPoint(80, 0)));
  const wxRect wider = sliding->GetScreenRect();
  EXPECT_EQ(wider.GetRight(), before.GetRight()) << "the edge at the bar stays";
  EXPECT_EQ(wider.width, before.width + 80);
  EXPECT_EQ(sliding->GetFullSize(), wider.width) << "the next slide opens it this wide";

  // Narrower, but never below the least depth.
  const wxPoint moved = middle - wxPoint(80, 0);
  ASSERT_TRUE(DragOnScreen(edge, moved, moved + wxPoint(wider.width, 0)));
  EXPECT_EQ(sliding->GetScreenRect().GetRight(), before.GetRight());
  EXPECT_EQ(sliding->GetSize().x, kSlidingFrameMinDepth);
  frame->UnpinBar(toolBox);
}

TEST_F(DesignerWindowsKeysGuiTest, AFloatingBarCarriesItsPin) {
  CDiagramPropertyBar* properties = frame->GetPropertyBar();
  wxAuiManager& aui = frame->GetAuiManager();
  wxAuiFloatingFrame* floating = FloatBar(properties, wxPoint(300, 200), wxSize(260, 360));
  ASSERT_TRUE(floating);
  wxAuiManager& inner = floating->GetAuiManager();
  ASSERT_TRUE(WaitFor([&] { return inner.GetPane(properties).HasCaption(); })) << "the bar's caption band";
  PumpFor(200);
  EXPECT_TRUE(inner.GetPane(properties).HasPinButton());
  EXPECT_EQ(inner.GetPane(properties).caption, "Properties");

  // The pin sits at the right end of the band; a click parks the bar.
  wxAuiDockArt* art = inner.GetArtProvider();
  const int band = art->GetMetric(wxAUI_DOCKART_CAPTION_SIZE);
  const int button = art->GetMetric(wxAUI_DOCKART_PANE_BUTTON_SIZE);
  const wxPoint pin = floating->ClientToScreen(wxPoint(floating->GetClientSize().x - button / 2 - 4, band / 2));
  wxUIActionSimulator input;
  input.MouseMove(pin);
  PumpFor(100);
  input.MouseClick();
  CAutoHideBar* left = frame->GetAutoHideBar(AutoHideSide::Left);
  ASSERT_TRUE(WaitFor([&] { return left->HasTab(properties); })) << "parked on the left";
  EXPECT_FALSE(aui.GetPane(properties).IsShown());
  EXPECT_TRUE(frame->IsBarVisible(properties));
  frame->UnpinBar(properties);
  // Back in its dock, so that the next start finds it there.
  aui.GetPane(properties).Dock().Left();
  aui.Update();
}

TEST_F(DesignerWindowsKeysGuiTest, TheOutlookBarSlidesTheOpeningFolderIntoPlace) {
  CGfxOutBarCtrl* outBar = frame->GetToolBoxBar()->GetOutBar();
  ASSERT_TRUE(WaitFor([&] { return outBar->IsShownOnScreen() && outBar->GetClientSize().y > 200; }));
  PumpFor(100);
  std::vector<int32_t> steps;
  outBar->SetOnSlideStep([&](int32_t top) { steps.push_back(top); });
  auto click = [&](int32_t folder) {
    const auto button = outBar->GetLayout().GetFolderRect(folder);
    wxUIActionSimulator input;
    input.MouseMove(outBar->ClientToScreen(wxPoint((button.left + button.right) / 2, (button.top + button.bottom) / 2)));
    PumpFor(50);
    input.MouseClick();
  };
  constexpr int32_t h = OutBarLayout::kButtonHeight;

  // "Drawing" opens below "Invoice Fields": "Repeatable Fields" and
  // "Drawing" travel up from the bottom, a button's height a step.
  const int32_t from = outBar->GetLayout().GetFolderRect(1).top;
  click(2);
  ASSERT_TRUE(WaitFor([&] { return outBar->GetSelFolder() == 2 && !outBar->IsSliding(); }));
  const int32_t to = outBar->GetLayout().GetFolderRect(1).top;
  ASSERT_GT(from - to, 2 * h);
  ASSERT_GE(steps.size(), 3u);
  EXPECT_EQ(steps.front(), from - h);
  EXPECT_EQ(steps.back(), to);
  for (size_t i = 1; i + 1 < steps.size(); ++i) EXPECT_EQ(steps[i - 1] - steps[i], h);
  EXPECT_EQ(steps.size(), static_cast<size_t>((from - to + h - 1) / h));

  // Back to "Invoice Fields": the two travel down again.
  steps.clear();
  click(0);
  ASSERT_TRUE(WaitFor([&] { return outBar->GetSelFolder() == 0 && !outBar->IsSliding(); }));
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.front(), to + h);
  EXPECT_EQ(steps.back(), from);
  outBar->SetOnSlideStep({});
}

TEST_F(DesignerWindowsKeysGuiTest, TheColourPaletteOpensOverTheValue) {
  platform::SendMessage(view, WM_CORVANE_START_DRAWING, 2);
  Drag(wxPoint(100, 100), wxPoint(300, 200));
  CDiagramPropertyBar* bar = frame->GetPropertyBar();
  CPropTreeItem* border = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    for (CPropTreeItem* item : bar->GetTree().GetVisibleItems())
      if (item->GetLabelText() == L"Border Color") border = item;
    return border != nullptr;
  }));
  CPropTree& tree = bar->GetTree();
  wxWindow* list = bar->GetTreeWindow()->GetList();
  tree.EnsureVisible(border);
  bar->GetTreeWindow()->Rebuild();
  // The bar may float in a frame of its own (as an earlier test left it).
  wxGetTopLevelParent(list)->Raise();
  PumpFor(100);
  const auto place = tree.PlaceOf(border);
  ASSERT_TRUE(place.has_value());
  const wxPoint corner = list->ClientToScreen(wxPoint(place->attribute.left, place->attribute.top));

  // The palette is modal: a timer looks at it and closes it.
  wxRect shown;
  wxTimer look;
  look.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = wxDynamicCast(window, wxDialog);
      if (!dialog || !dialog->IsModal()) continue;
      shown = dialog->GetScreenRect();
      dialog->EndModal(wxID_CANCEL);
      return;
    }
    look.StartOnce(50);
  });
  look.StartOnce(300);
  wxUIActionSimulator input;
  input.MouseMove(corner + wxPoint(40, place->height / 2));
  PumpFor(50);
  input.MouseClick();
  ASSERT_TRUE(WaitFor([&] { return !shown.IsEmpty(); })) << "no palette";
  EXPECT_EQ(shown.GetTopLeft(), corner) << "its corner on the value's";
}

}  // namespace
