// The main window's splitter dragged with the real mouse (through the X
// server).
#include <gtest/gtest.h>

#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include "shell/CLeftView.h"
#include "shell/CMainFrame.h"
#include "shell/NavigationRules.h"
#include "tests/shell/ShellFixtures.h"
#include "GuiEvents.h"

#include "KeyLights.h"

namespace {

using corvane::test::SetScrollLockLight;
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

// The key indicators of the status bar: with the keyboard's scroll lock
// light on, the last pane shows "SCRL" (as caps lock shows "CAP" and num
// lock "NUM"), and with it off again nothing. The light is switched through
// the X server, as the key does where the keyboard map binds it (the test
// server's map does not).
TEST_F(MainWindowKeysGuiTest, TheScrollLockPaneShowsTheKeysLight) {
  ASSERT_EQ(Start(), Result::Started);
  wxStatusBar* bar = MainFrame()->GetStatusBar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->GetFieldsCount(), 4);
  ASSERT_TRUE(SetScrollLockLight(false));
  ASSERT_TRUE(corvane::test::WaitFor([&] { return bar->GetStatusText(3).empty(); }));
  ASSERT_TRUE(SetScrollLockLight(true));
  EXPECT_TRUE(corvane::test::WaitFor([&] { return bar->GetStatusText(3) == L"SCRL"; }));
  // Its pane is wide enough for the text.
  wxRect pane;
  ASSERT_TRUE(bar->GetFieldRect(3, pane));
  EXPECT_GT(pane.width, bar->GetTextExtent(L"SCRL").x);
  ASSERT_TRUE(SetScrollLockLight(false));
  EXPECT_TRUE(corvane::test::WaitFor([&] { return bar->GetStatusText(3).empty(); }));
}

}  // namespace
