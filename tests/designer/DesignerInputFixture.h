#pragma once

// The designer started for a test that drives it with the real pointer and
// keys: the frame placed and raised, the canvas shown; closed at the end,
// without saving.

#include <gtest/gtest.h>

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
