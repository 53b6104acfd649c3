// The designer as a user drives it, with real mouse and keys from the X
// server (XTest under Xvfb): a tool code arms the canvas, a drag draws the
// entity, the arrow keys move it by a grid step, Delete deletes it and the
// frame's Ctrl+Z takes it back, and a right-click offers the context menu.
#include <gtest/gtest.h>

#include <map>

#include <wx/statusbr.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "DesignerInputFixture.h"
#include "GuiEvents.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerMessages.h"
#include "designer/bars/CRuler.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "template/ui/CReportEditor.h"

#include "KeyLights.h"

using namespace designer;
using corvane::test::PumpFor;
using corvane::test::WaitFor;

namespace {

using DesignerKeysGuiTest = designer::test::DesignerInputTest;

// The status bar's key indicators follow the keyboard: with the scroll lock
// light off the last pane is empty, with it on it shows "SCRL"; caps and num
// lock show their names only while on.
TEST_F(DesignerKeysGuiTest, TheKeyIndicatorsFollowTheKeyboardsLights) {
  wxStatusBar* bar = frame->GetStatusBar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->GetFieldsCount(), 4);
  ASSERT_TRUE(corvane::test::SetScrollLockLight(false));
  EXPECT_TRUE(WaitFor([&] { return bar->GetStatusText(3).empty(); })) << bar->GetStatusText(3);
  EXPECT_TRUE(WaitFor([&] {
    return bar->GetStatusText(1) == (wxGetKeyState(WXK_CAPITAL) ? L"CAP" : L"") &&
           bar->GetStatusText(2) == (wxGetKeyState(WXK_NUMLOCK) ? L"NUM" : L"");
  }));
  ASSERT_TRUE(corvane::test::SetScrollLockLight(true));
  EXPECT_TRUE(WaitFor([&] { return bar->GetStatusText(3) == L"SCRL"; }));
  ASSERT_TRUE(corvane::test::SetScrollLockLight(false));
  EXPECT_TRUE(WaitFor([&] { return bar->GetStatusText(3).empty(); }));
}

TEST_F(DesignerKeysGuiTest, ABoxDrawnWithTheMouseIsMovedDeletedAndTakenBackWithKeys) {
  // The tool box's click for a box.
  platform::SendMessage(view, WM_CORVANE_START_DRAWING, 2);
  Drag(wxPoint(100, 100), wxPoint(300, 200));
  ASSERT_EQ(Container().GetSize(), 1);
  CDiagramEntity* box = Container().GetAt(0);
  EXPECT_EQ(box->GetType(), L"report_box");
  const platform::gdi::Rect drawn = box->GetRect();
  EXPECT_EQ(drawn.Width(), 200);
  EXPECT_EQ(drawn.Height(), 100);
  EXPECT_TRUE(app.GetDocument()->IsTemplateModified());
  EXPECT_EQ(editor->GetInteractMode(), 0) << "one entity per click of the tool box";

  wxUIActionSimulator input;
  input.MouseMove(Screen(200, 150));
  PumpFor(50);
  input.MouseClick();
  ASSERT_TRUE(WaitFor([&] { return box->IsSelected() && !editor->HasCapture(); }));
  ASSERT_TRUE(WaitFor([&] { return editor->HasFocus(); }));

  const int step = editor->GetGridSize().cx;
  ASSERT_GT(step, 0);
  input.Char(WXK_RIGHT);
  ASSERT_TRUE(WaitFor([&] { return Container().GetAt(0)->GetRect().left == drawn.left + step; }));
  input.Char(WXK_DOWN);
  ASSERT_TRUE(WaitFor([&] { return Container().GetAt(0)->GetRect().top == drawn.top + step; }));
  // Aligning needs two: Ctrl+Left with one selected changes nothing.
  input.Char(WXK_LEFT, wxMOD_CONTROL);
  PumpFor(200);
  EXPECT_EQ(Container().GetAt(0)->GetRect().left, drawn.left + step);

  input.Char(WXK_DELETE);
  ASSERT_TRUE(WaitFor([&] { return Container().GetSize() == 0; }));
  input.Char('Z', wxMOD_CONTROL);
  ASSERT_TRUE(WaitFor([&] { return Container().GetSize() == 1; })) << "Ctrl+Z of the Edit menu";

  // A right-click offers the context menu; choosing Delete deletes.
  std::map<unsigned, bool> offered;
  popup_menu::SetTrackHandler([&](const popup_menu& menu, wxWindow* owner, bool) {
    for (unsigned id : {ID_EDIT_DELETE, ID_EDIT_PASTE, ID_GROUP}) offered[id] = menu.IsItemEnabled(id);
    wxCommandEvent chosen(wxEVT_MENU, ID_EDIT_DELETE);
    owner->GetEventHandler()->ProcessEvent(chosen);
    return 1;
  });
  Container().GetAt(0)->Select(true);
  const platform::gdi::Rect now = Container().GetAt(0)->GetRect();
  input.MouseMove(Screen((now.left + now.right) / 2, (now.top + now.bottom) / 2));
  PumpFor(50);
  input.MouseClick(wxMOUSE_BTN_RIGHT);
  const bool shown = WaitFor([&] { return !offered.empty(); });
  popup_menu::SetTrackHandler({});
  ASSERT_TRUE(shown) << "no context menu";
  EXPECT_EQ(offered, (std::map<unsigned, bool>{{ID_EDIT_DELETE, true}, {ID_EDIT_PASTE, false}, {ID_GROUP, false}}));
  EXPECT_EQ(Container().GetSize(), 0);
}

}  // namespace
