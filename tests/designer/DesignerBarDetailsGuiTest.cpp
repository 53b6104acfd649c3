// Details of the designer's bars that need a display but no input: the tool
// box's outlook bar flags, the auto-hide bar's tab font and tab images, and
// the outlook bar's folders that hold a child window instead of items.
#include <gtest/gtest.h>

#include <iterator>

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/imaglist.h>
#include <wx/textctrl.h>

#include "DesignerTestSupport.h"
#include "GuiEvents.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/bars/CAutoHideBar.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "designer/bars/CDrawBar.h"
#include "designer/bars/CGfxOutBarCtrl.h"
#include "platform/MessageBox.h"

using namespace designer;
using designer::test::CloseAndWait;
using designer::test::Pump;

namespace {

wxRect ToWx(const platform::gdi::Rect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

// A bitmap of one colour, as a tab image.
wxBitmap Solid(const wxColour& colour) {
  wxBitmap bitmap(16, 16, 24);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(wxBrush(colour));
  dc.Clear();
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

wxColour PixelAt(const wxBitmap& bitmap, wxPoint point) {
  const wxImage image = bitmap.ConvertToImage();
  return {image.GetRed(point.x, point.y), image.GetGreen(point.x, point.y), image.GetBlue(point.x, point.y)};
}

class DesignerBarDetailsGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(app.InitInstance(L""));
    frame = app.GetMainFrame();
    Pump();
  }
  void TearDown() override { CloseAndWait(app); }

  platform::MessageBoxRecorder boxes;
  CPlandelApp app;
  CMainFrame* frame = nullptr;
};

// The pointer over the selected item: the tool box's bar lights it up as any
// other item, a bar made with the default flags does not.
TEST_F(DesignerBarDetailsGuiTest, TheToolBoxsOutlookBarHotTracksItsSelectedItemLikeAnyOther) {
  EXPECT_EQ(frame->GetToolBoxBar()->GetOutBar()->GetFlags(), CGfxOutBarCtrl::kToolBoxFlags);
  auto* window = new wxFrame(nullptr, wxID_ANY, "Outlook bars", wxPoint(40, 40), wxSize(480, 300));
  const struct {
    const char* name;
    CGfxOutBarCtrl* bar;
    int32_t hotOverSelected;
  } cases[] = {
      {"tool box's flags", new CGfxOutBarCtrl(window, wxID_ANY, CGfxOutBarCtrl::kToolBoxFlags), 0},
      {"default flags", new CGfxOutBarCtrl(window, wxID_ANY), -1},
  };
  EXPECT_EQ(cases[1].bar->GetFlags(), 0x380);
  for (size_t i = 0; i < std::size(cases); ++i) {
    CGfxOutBarCtrl* bar = cases[i].bar;
    bar->SetAnimationTickCount(-1);
    bar->SetSize(static_cast<int>(i) * 240, 0, 240, 300);
    bar->AppendFolder(L"Tools", 0);
    bar->InsertFolderItem(0, -1, L"One", -1, 1);
    bar->InsertFolderItem(0, -1, L"Two", -1, 2);
  }
  window->Show();
  Pump();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const wxRect item = ToWx(c.bar->GetLayout().GetItemRect(0));
    const wxPoint over = item.GetTopLeft() + wxPoint(3, 3);
    c.bar->PressAt(over);
    c.bar->ReleaseAt(over);
    ASSERT_EQ(c.bar->GetLayout().GetSelectedItem(), 0);
    wxMouseEvent motion(wxEVT_MOTION);
    motion.SetPosition(over);
    motion.SetEventObject(c.bar);
    c.bar->GetEventHandler()->ProcessEvent(motion);
    EXPECT_EQ(c.bar->GetHotItem(), c.hotOverSelected);
  }
  window->Destroy();
  Pump();
}

TEST_F(DesignerBarDetailsGuiTest, TabsAreWrittenInArialFourteenPixelsHigh) {
  for (AutoHideSide side : {AutoHideSide::Top, AutoHideSide::Left}) {
    const wxFont& font = frame->GetAutoHideBar(side)->GetTabFont();
    EXPECT_EQ(font.GetPixelSize().y, 14);
    EXPECT_EQ(font.GetFaceName(), "Arial");
    EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_NORMAL);
  }
  // A text tab is as long as its text in that font, plus 18.
  frame->PinBar(frame->GetToolBoxBar());
  CAutoHideBar* right = frame->GetAutoHideBar(AutoHideSide::Right);
  wxClientDC dc(right);
  dc.SetFont(right->GetTabFont());
  ASSERT_EQ(right->GetTabs().size(), 1u);
  EXPECT_EQ(right->GetTabs()[0].rect.Height() - 2, dc.GetTextExtent(" OutlookBar ").x + 18);
  frame->UnpinBar(frame->GetToolBoxBar());
}

TEST_F(DesignerBarDetailsGuiTest, TabsShowTheirImages) {
  wxImageList images(16, 16, false);
  images.Add(Solid(*wxRED));
  images.Add(Solid(*wxBLUE));
  struct Case {
    AutoHideSide side;
    CPinDockBar* bar;
    wxColour colour;
    int image;
  };
  const Case cases[] = {{AutoHideSide::Top, frame->GetToolBoxBar(), *wxRED, 0},
                        {AutoHideSide::Left, static_cast<CPinDockBar*>(frame->GetPropertyBar()), *wxBLUE, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.side));
    CAutoHideBar* bar = frame->GetAutoHideBar(c.side);
    bar->SetImageList(&images);
    bar->AddTab(c.bar, kTabText, c.image);
    const wxSize size = IsHorizontal(c.side) ? wxSize(300, kAutoHideThickness) : wxSize(kAutoHideThickness, 300);
    bar->SetSize(size);
    Pump();
    wxBitmap shot(size, 24);
    {
      wxMemoryDC dc(shot);
      bar->Draw(dc);
    }
    const wxRect tab = ToWx(bar->GetTabs()[0].rect);
    // Two pixels in from the tab's left; two below its top on a horizontal
    // bar, 18 above its bottom on an upright one.
    const wxPoint image = IsHorizontal(c.side) ? wxPoint(tab.x + 2, tab.y + 2) : wxPoint(tab.x + 2, tab.GetBottom() + 1 - 18);
    EXPECT_EQ(PixelAt(shot, image + wxPoint(1, 1)), c.colour);
    EXPECT_EQ(PixelAt(shot, image + wxPoint(14, 14)), c.colour);
    EXPECT_NE(PixelAt(shot, image + wxPoint(-1, -1)), c.colour) << "no further than the image";

    // Without the image list no image shows.
    bar->SetImageList(nullptr);
    {
      wxMemoryDC dc(shot);
      bar->Draw(dc);
    }
    EXPECT_NE(PixelAt(shot, image + wxPoint(8, 8)), c.colour);
    bar->RemoveTab(c.bar);
  }
}

// A folder that holds a window shows it over the item area while the folder
// is open, and hides it when another folder opens.
TEST_F(DesignerBarDetailsGuiTest, AFoldersChildWindowShowsWhileTheFolderIsOpen) {
  auto* window = new wxFrame(nullptr, wxID_ANY, "Outlook bar", wxPoint(40, 40), wxSize(240, 400));
  auto* outBar = new CGfxOutBarCtrl(window, wxID_ANY);
  outBar->SetAnimationTickCount(-1);
  outBar->SetSize(window->GetClientSize());
  outBar->AppendFolder(L"Items", 0);
  outBar->InsertFolderItem(0, -1, L"One", -1, 1);
  auto* notes = new wxTextCtrl(outBar, wxID_ANY, "notes");
  EXPECT_EQ(outBar->AppendFolder(L"Notes", 1, notes), 1);
  auto* more = new wxTextCtrl(outBar, wxID_ANY, "more");
  outBar->AppendFolder(L"More", 2);
  outBar->SetFolderChild(2, more);
  window->Show();
  Pump();

  outBar->SelectFolder(0);
  EXPECT_FALSE(notes->IsShown());
  EXPECT_FALSE(more->IsShown());
  outBar->SelectFolder(1);
  EXPECT_TRUE(notes->IsShown());
  EXPECT_FALSE(more->IsShown());
  EXPECT_EQ(notes->GetRect(), ToWx(outBar->GetLayout().GetItemArea()));
  outBar->SelectFolder(2);
  EXPECT_FALSE(notes->IsShown()) << "the folder left hides its window";
  EXPECT_TRUE(more->IsShown());
  EXPECT_EQ(more->GetRect(), ToWx(outBar->GetLayout().GetItemArea()));

  // A new size places the open folder's window on the new item area.
  outBar->SetSize(wxSize(200, 300));
  Pump();
  EXPECT_EQ(more->GetRect(), ToWx(outBar->GetLayout().GetItemArea()));
  EXPECT_EQ(more->GetRect().GetBottom() + 1, 300);
  window->Destroy();
  Pump();
}

}  // namespace
