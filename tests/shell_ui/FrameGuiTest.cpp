// Frames under Xvfb: placement and bars kept across a restart, the minimum
// size, the save question on close, and commands reaching the active view,
// then the frame, then the application.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "platform/MessageBox.h"
#include "shell/ui/BaseSaveFrame.h"
#include "shell/ui/FormBars.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "common/ui/View.h"

namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxMilliSleep(10);
  }
}

class TestFrame : public BaseSaveFrame {
public:
  explicit TestFrame(const std::wstring& name, bool saves = true) : m_saves(saves) { m_frameName = name; }
  bool SaveChanges() override {
    ++saveCalls;
    return m_saves && BaseSaveFrame::SaveChanges();
  }
  int saveCalls = 0;

protected:
  int OnCreate() override {
    CreateToolBar();
    CreateStatusBar();
    return 0;
  }

private:
  bool m_saves;
};

class PanelView : public wxPanel, public View {
public:
  explicit PanelView(wxWindow* parent) : wxPanel(parent) {}
  wxWindow* GetViewWindow() override { return this; }
  void OnInitialUpdate() override { ++initialUpdates; }
  void OnUpdate(View*, long hint, void*) override { lastHint = hint; }
  int initialUpdates = 0;
  long lastHint = 0;
};

bool IsGone(wxWindow* window) {
  return !wxTopLevelWindows.Find(window);
}

}  // namespace

TEST(FrameGuiTest, ReopensWhereItWasClosedWithItsBars) {
  auto* frame = new TestFrame(L"PlacementFrameWnd");
  ASSERT_TRUE(frame->LoadFrame(L"Placement"));
  frame->SetSize(120, 80, 500, 400);
  frame->GetToolBar()->Hide();
  frame->Show();
  Pump();
  wxRect closedAt = frame->GetRect();
  EXPECT_EQ(closedAt, wxRect(120, 80, 500, 400));
  ASSERT_TRUE(frame->Close());
  Pump();
  ASSERT_TRUE(IsGone(frame));

  auto* reopened = new TestFrame(L"PlacementFrameWnd");
  ASSERT_TRUE(reopened->LoadFrame(L"Placement"));
  reopened->Show();
  Pump();
  EXPECT_EQ(reopened->GetRect(), closedAt);
  EXPECT_FALSE(reopened->GetToolBar()->IsShown());
  EXPECT_TRUE(reopened->GetStatusBar()->IsShown());

  auto* other = new TestFrame(L"OtherFrameWnd");  // another name, its own place
  ASSERT_TRUE(other->LoadFrame(L"Other"));
  EXPECT_NE(other->GetRect(), closedAt);
  reopened->Destroy();
  other->Destroy();
  Pump();
}

// Without a stored placement a frame first opens in the middle of the
// screen's work area, and no larger than it, even when its form asks for
// more room than the screen has.
TEST(FrameGuiTest, FirstOpensOnTheScreen) {
  const wxRect area = wxDisplay(0u).GetClientArea();
  for (const wxSize wanted : {wxSize(500, 400), wxSize(area.width + 200, area.height + 300)}) {
    auto* frame = new TestFrame(L"FirstPlacementFrameWnd" + std::to_wstring(wanted.x));
    ASSERT_TRUE(frame->LoadFrame(L"First"));
    frame->SetClientSize(wanted);
    frame->ShowFrame();
    Pump();
    const wxRect rect = frame->GetRect();
    EXPECT_TRUE(area.Contains(rect)) << rect.x << "," << rect.y << " " << rect.width << "x" << rect.height;
    EXPECT_NEAR(rect.x + rect.width / 2, area.x + area.width / 2, 2);
    EXPECT_NEAR(rect.y + rect.height / 2, area.y + area.height / 2, 2);
    frame->Destroy();
    Pump();
  }
}

TEST(FrameGuiTest, CannotBeMadeSmallerThan320Pixels) {
  auto* frame = new TestFrame(L"SmallFrameWnd");
  ASSERT_TRUE(frame->LoadFrame(L"Small"));
  frame->Show();
  frame->SetSize(100, 100);
  Pump();
  EXPECT_GE(frame->GetSize().x, 320);
  EXPECT_GE(frame->GetSize().y, 320);
  frame->Destroy();
  Pump();
}

TEST(FrameGuiTest, ClosingAModifiedFrameAsksFirst) {
  platform::MessageBoxRecorder boxes;
  auto* frame = new TestFrame(L"SaveFrameWnd", false);
  ASSERT_TRUE(frame->LoadFrame(L"Save"));
  frame->Show();
  Pump();

  frame->Close();  // not modified: closes without a question
  Pump();
  EXPECT_TRUE(IsGone(frame));
  EXPECT_TRUE(boxes.Shown().empty());

  frame = new TestFrame(L"SaveFrameWnd", false);
  ASSERT_TRUE(frame->LoadFrame(L"Save"));
  frame->Show();
  MarkFrameModified(frame->GetStatusBar());  // as a page or control does
  EXPECT_TRUE(frame->IsModified());

  boxes.QueueAnswer(platform::IDCANCEL);
  EXPECT_FALSE(frame->Close());
  boxes.QueueAnswer(platform::IDYES);  // the save fails: stays open
  EXPECT_FALSE(frame->Close());
  Pump();
  EXPECT_FALSE(IsGone(frame));
  EXPECT_EQ(frame->saveCalls, 1);
  EXPECT_TRUE(frame->IsModified());

  boxes.QueueAnswer(platform::IDNO);
  EXPECT_TRUE(frame->Close());
  Pump();
  EXPECT_TRUE(IsGone(frame));
  EXPECT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown()[0].text, L"Would you like to save the changes?");
}

TEST(FrameGuiTest, CommandsReachTheActiveViewThenTheFrameThenTheApplication) {
  enum { kViewCommand = 5001, kFrameCommand, kAppCommand, kViewAndFrame };
  std::vector<std::string> heard;
  Document document;
  DocTemplate docTemplate(
      137,
      [](wxWindow* parent) -> BaseFrameWnd* {
        auto* frame = new TestFrame(L"RoutingFrameWnd");
        if (!frame->LoadFrame(L"Routing", wxDEFAULT_FRAME_STYLE, parent)) {
          delete frame;
          return nullptr;
        }
        return frame;
      },
      [](BaseFrameWnd* frame) -> View* { return new PanelView(frame); });
  BaseFrameWnd* frame = docTemplate.CreateNewFrame(document);
  ASSERT_TRUE(frame);
  auto* view = dynamic_cast<PanelView*>(frame->GetActiveView());
  ASSERT_TRUE(view);
  EXPECT_EQ(document.GetViews().size(), 1u);
  EXPECT_EQ(view->GetParentFrame(), frame);
  DocTemplate::InitialUpdateFrame(frame);
  EXPECT_EQ(view->initialUpdates, 1);
  EXPECT_TRUE(frame->IsShown());

  view->Bind(
      wxEVT_MENU, [&](wxCommandEvent&) { heard.push_back("view"); }, kViewCommand);
  view->Bind(
      wxEVT_MENU, [&](wxCommandEvent&) { heard.push_back("view"); }, kViewAndFrame);
  frame->Bind(
      wxEVT_MENU, [&](wxCommandEvent&) { heard.push_back("frame"); }, kFrameCommand);
  frame->Bind(
      wxEVT_MENU, [&](wxCommandEvent&) { heard.push_back("frame"); }, kViewAndFrame);
  auto appHandler = [&](wxCommandEvent&) { heard.push_back("app"); };
  wxTheApp->Bind(wxEVT_MENU, appHandler, kAppCommand);

  for (int id : {kViewCommand, kFrameCommand, kAppCommand, kViewAndFrame}) {
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);  // as from the frame's menu or toolbar
    frame->GetEventHandler()->ProcessEvent(command);
  }
  EXPECT_EQ(heard, (std::vector<std::string>{"view", "frame", "app", "view"}));

  // A command from a control inside the view goes through the view once.
  heard.clear();
  wxCommandEvent inner(wxEVT_MENU, kViewCommand);
  inner.SetEventObject(view);
  view->GetEventHandler()->ProcessEvent(inner);
  EXPECT_EQ(heard, (std::vector<std::string>{"view"}));

  document.UpdateAllViews(nullptr, 42);
  EXPECT_EQ(view->lastHint, 42);
  document.UpdateAllViews(view, 7);  // the sender is not told
  EXPECT_EQ(view->lastHint, 42);

  wxTheApp->Unbind(wxEVT_MENU, appHandler, kAppCommand);
  frame->Destroy();
  Pump();
  EXPECT_TRUE(document.GetViews().empty());  // views leave with their frame
}

// A form's frame gets its File menu, ending with Close, and a toolbar with
// the same commands and separators from one table.
TEST(FrameGuiTest, FormBarsShowOneTableInTheMenuAndTheToolbar) {
  enum { kNew = 7001, kSave, kClose, kBars };
  static const FormCommand kCommands[] = {
      {kNew, L"New\tCtrl+N", L"New Line", L"New Line (Ctrl+N)", wxART_NEW},
      {},
      {kSave, L"Save\tCtrl+S", L"Save the Form", L"Save the Form (Ctrl+S)", wxART_FILE_SAVE},
  };
  class FormFrame : public BaseFrameWnd {
  protected:
    int OnCreate() override { return CreateFormBars(*this, kCommands, {kClose, L"Close"}, kBars) ? 0 : -1; }
  };
  auto* frame = new FormFrame;
  ASSERT_TRUE(frame->LoadFrame(L"Form"));
  frame->Show();
  Pump();

  wxMenu* file = frame->GetMenuBar()->GetMenu(0);
  EXPECT_EQ(frame->GetMenuBar()->GetMenuLabelText(0), L"File");
  std::vector<std::wstring> entries;
  for (const wxMenuItem* entry : file->GetMenuItems())
    entries.push_back(entry->IsSeparator() ? L"-" : (entry->GetItemLabel() + L"|" + entry->GetHelp()).ToStdWstring());
  EXPECT_EQ(entries, (std::vector<std::wstring>{L"New\tCtrl+N|New Line", L"-", L"Save\tCtrl+S|Save the Form", L"-",
                                                L"Close|"}));

  wxToolBar* tools = frame->GetToolBar();
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(tools->GetId(), kBars);
  ASSERT_EQ(tools->GetToolsCount(), 3u);
  EXPECT_TRUE(tools->GetToolByPos(1)->IsSeparator());
  EXPECT_EQ(tools->GetToolShortHelp(kSave), L"Save the Form (Ctrl+S)");
  EXPECT_EQ(tools->GetToolLongHelp(kSave), L"Save the Form");
  EXPECT_NE(frame->GetStatusBar(), nullptr);

  wxCommandEvent close(wxEVT_MENU, kClose);
  frame->GetEventHandler()->ProcessEvent(close);
  Pump();
  EXPECT_TRUE(IsGone(frame));
}
