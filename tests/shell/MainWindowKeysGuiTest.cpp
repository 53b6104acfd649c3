// The main window's splitter dragged with the real mouse (through the X
// server).
#include <gtest/gtest.h>

#include <wx/splitter.h>
#include <wx/uiaction.h>

#include "shell/CLeftView.h"
#include "shell/CMainFrame.h"
#include "shell/NavigationRules.h"
#include "tests/shell/ShellFixtures.h"
#include "GuiEvents.h"

namespace {

using Result = CQuennetApp::StartupResult;

class MainWindowKeysGuiTest : public corvane::test::ShellTest {
protected:
  void SetUp() override {
    ShellTest::SetUp();
    UseNewDatabase();
  }
};

// Dragged against the window's left edge, the sash stops at the least pane
// width and the tree is still laid out (GTK reports nothing).
TEST_F(MainWindowKeysGuiTest, TheSashDraggedToTheLeftEdgeStopsAtTheLeastTreeWidth) {
  ASSERT_EQ(Start(), Result::Started);
  wxSplitterWindow* splitter = MainFrame()->GetSplitter();
  ASSERT_NE(splitter, nullptr);
  MainFrame()->Raise();
  corvane::test::PumpFor(200);
  const int sash = splitter->GetSashPosition() + splitter->GetSashSize() / 2;
  const int middle = splitter->GetClientSize().y / 2;
  wxUIActionSimulator mouse;
  mouse.MouseMove(splitter->ClientToScreen(wxPoint(sash, middle)));
  corvane::test::PumpFor(50);
  mouse.MouseDown();
  corvane::test::PumpFor(50);
  for (int step = 1; step <= 5; ++step) {
    mouse.MouseMove(splitter->ClientToScreen(wxPoint(sash - (sash + 20) * step / 5, middle)));
    corvane::test::PumpFor(30);
  }
  mouse.MouseUp();
  corvane::test::PumpFor(200);
  EXPECT_EQ(splitter->GetSashPosition(), navigation::kMinimumPaneWidth);
  EXPECT_TRUE(Tree()->IsShownOnScreen());
}

}  // namespace
