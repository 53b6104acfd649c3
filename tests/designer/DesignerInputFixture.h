#pragma once

// The designer started for a test that drives it with the real pointer and
// keys: the frame placed and raised, the canvas shown; closed at the end,
// without saving.

#include <gtest/gtest.h>

#include <wx/aui/framemanager.h>
#include <wx/aui/floatpane.h>
#include <wx/weakref.h>

#include "GuiEvents.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerDocument.h"
#include "platform/MessageBox.h"
#include "template/ui/CReportEditor.h"

namespace designer::test {

class DesignerInputTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(app.InitInstance(L""));
    frame = app.GetMainFrame();
    frame->SetSize(20, 20, 1000, 720);
    frame->Raise();
    view = app.GetView();
    editor = view->GetEditor();
    ASSERT_TRUE(corvane::test::WaitFor([&] { return editor->IsShownOnScreen() && editor->GetClientSize().x > 300; }));
    corvane::test::PumpFor(200);
  }
  void TearDown() override {
    wxWeakRef<CMainFrame> open(app.GetMainFrame());
    if (!open) return;
    boxes.QueueAnswer(platform::IDNO);
    open->Close();
    EXPECT_TRUE(corvane::test::WaitFor([&] { return !open; }));
  }

  wxPoint Screen(int x, int y) const { return editor->ClientToScreen(wxPoint(x, y)); }

  // Floats a bar of the frame at a place and size and waits until it shows;
  // its floating frame (null when it did not float).
  wxAuiFloatingFrame* FloatBar(wxWindow* bar, wxPoint at, wxSize size) {
    wxAuiManager& aui = frame->GetAuiManager();
    aui.GetPane(bar).Float().FloatingPosition(at).FloatingSize(size);
    aui.Update();
    EXPECT_TRUE(corvane::test::WaitFor([&] { return wxGetTopLevelParent(bar) != frame && bar->IsShownOnScreen(); }));
    return wxDynamicCast(wxGetTopLevelParent(bar), wxAuiFloatingFrame);
  }
  CDiagramEntityContainer& Container() { return app.GetDocument()->GetDoc().GetContainer(); }

  void Drag(wxPoint from, wxPoint to) {
    ASSERT_TRUE(corvane::test::DragWithMouse(editor, from, to)) << "the press or release did not reach the canvas";
  }

  platform::MessageBoxRecorder boxes;
  CPlandelApp app;
  CMainFrame* frame = nullptr;
  CPlandelView* view = nullptr;
  CReportEditor* editor = nullptr;
};

}  // namespace designer::test
