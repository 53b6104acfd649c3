// The designer with a skinning library (one of the tests' own, which keeps a
// record of its calls): the auto-hide bars and the outlook bar take their
// backgrounds from it, paint through it and give the backgrounds back; a
// floating bar hands its frame to it once per floating frame; a library
// without BkCreate still skins the floating frames and paints nothing.
#include <gtest/gtest.h>

#include <wx/aui/framemanager.h>
#include <wx/dynlib.h>

#include "DesignerTestSupport.h"
#include "skin/TestSkinCalls.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/SkinLibrary.h"
#include "designer/bars/CAutoHideBar.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "designer/bars/CDrawBar.h"
#include "platform/MessageBox.h"

using namespace designer;
using designer::test::CloseAndWait;
using designer::test::Pump;

namespace {

using SkinCalls = TestSkinCallRecord;

class DesignerSkinGuiTest : public ::testing::Test {
protected:
  // Binds the designer's holder to the library and finds its record.
  SkinCalls* UseLibrary(const char* path, int loaded) {
    Skin().Unload();
    EXPECT_EQ(Skin().Load(wxString(path).ToStdWstring()), loaded);
    m_record.Load(path, wxDL_DEFAULT | wxDL_QUIET);
    using RecordFn = SkinCalls* (*)();
    auto record = reinterpret_cast<RecordFn>(m_record.GetSymbol("TestSkinCalls"));
    return record ? record() : nullptr;
  }
  void TearDown() override {
    Skin().Unload();
    m_record.Unload();
  }

  // Floats the bar and docks it back at the left; the floating frame's
  // handle.
  static void* FloatAndDock(CMainFrame* frame, CPinDockBar* bar) {
    wxAuiManager& aui = frame->GetAuiManager();
    aui.GetPane(bar).Float().FloatingPosition(200, 200).FloatingSize(240, 320);
    aui.Update();
    Pump();
    wxWindow* floating = wxGetTopLevelParent(bar);
    EXPECT_NE(floating, frame);
    void* handle = floating->GetHandle();
    aui.GetPane(bar).Dock().Left();
    aui.Update();
    Pump();
    EXPECT_EQ(wxGetTopLevelParent(bar), frame);
    return handle;
  }

  wxDynamicLibrary m_record;
  platform::MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(DesignerSkinGuiTest, TheBarsPaintThroughTheLibraryAndSkinEachFloatingFrameOnce) {
  SkinCalls* calls = UseLibrary(TEST_SKIN_LIBRARY, 1);
  ASSERT_TRUE(calls);
  {
    CPlandelApp app;
    ASSERT_TRUE(app.InitInstance(L""));
    CMainFrame* frame = app.GetMainFrame();
    Pump();
    // Four auto-hide bars and the outlook bar's item area, buttons and arrows.
    EXPECT_EQ(calls->creates, 4 + 3);
    CGfxOutBarCtrl* outBar = frame->GetToolBoxBar()->GetOutBar();
    for (auto part : {CGfxOutBarCtrl::kSkinItems, CGfxOutBarCtrl::kSkinFolders, CGfxOutBarCtrl::kSkinArrows})
      EXPECT_TRUE(outBar->GetSkinBackground(part));

    // A parked bar's auto-hide bar paints its whole client through the skin.
    frame->PinBar(frame->GetToolBoxBar());
    CAutoHideBar* right = frame->GetAutoHideBar(AutoHideSide::Right);
    ASSERT_TRUE(right->GetSkinBackground());
    right->Refresh();
    right->Update();
    Pump();
    EXPECT_EQ(calls->lastBackground, right->GetSkinBackground());
    EXPECT_EQ(calls->lastDrawnWindow, right->GetHandle());
    const wxSize client = right->GetClientSize();
    EXPECT_EQ((std::vector<int>(calls->lastRect, calls->lastRect + 4)), (std::vector<int>{0, 0, client.x, client.y}));
    frame->UnpinBar(frame->GetToolBoxBar());
    Pump();

    // The outlook bar's buttons are drawn by the skin too.
    const int draws = calls->draws;
    outBar->Refresh();
    outBar->Update();
    Pump();
    EXPECT_GE(calls->draws, draws + 1 + outBar->GetLayout().GetFolderCount()) << "item area and every button";

    // Floating: the floating frame is handed over once; floating again in a
    // new frame hands that one over.
    CDiagramPropertyBar* properties = frame->GetPropertyBar();
    EXPECT_EQ(calls->windowSets, 0);
    void* first = FloatAndDock(frame, properties);
    EXPECT_EQ(calls->windowSets, 1);
    EXPECT_EQ(calls->lastWindow, first);
    void* second = FloatAndDock(frame, properties);
    EXPECT_EQ(calls->windowSets, 2) << "a new floating frame";
    EXPECT_EQ(calls->lastWindow, second);
    CloseAndWait(app);
  }
  Pump();
  EXPECT_EQ(calls->deletes, calls->creates) << "every background is given back";
  EXPECT_EQ(calls->unknownDeletes, 0);
}

TEST_F(DesignerSkinGuiTest, WithoutBkCreateOnlyTheFloatingFramesAreSkinned) {
  SkinCalls* calls = UseLibrary(TEST_SKIN_PARTIAL_LIBRARY, 0);
  ASSERT_TRUE(calls);
  ASSERT_TRUE(Skin().skinWindowSet) << "bound before the missing entry point";
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  CMainFrame* frame = app.GetMainFrame();
  Pump();
  frame->PinBar(frame->GetPropertyBar());
  Pump();
  EXPECT_FALSE(frame->GetAutoHideBar(AutoHideSide::Left)->GetSkinBackground());
  frame->UnpinBar(frame->GetPropertyBar());
  FloatAndDock(frame, frame->GetToolBoxBar());
  EXPECT_EQ(calls->windowSets, 1);
  EXPECT_EQ(calls->draws, 0);
  CloseAndWait(app);
}
