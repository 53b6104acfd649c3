#include "platform/WindowMessages.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <thread>
#include <vector>

using namespace platform;

namespace {

struct Received {
  wxString window;
  unsigned message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Received&) const = default;
};

class WindowMessagesGuiTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(wxTopLevelWindows.empty()); }
  void TearDown() override {
    // Frames are deleted at once so that no test sees another's windows.
    while (!wxTopLevelWindows.empty()) delete wxTopLevelWindows.GetFirst()->GetData();
  }

  // Every received message is logged under the window's name.
  void Listen(wxWindow* window) {
    window->Bind(EVT_CORVANE_MESSAGE, [this, window](WindowMessageEvent& event) {
      m_log.push_back({window->GetName(), event.GetMessage(), event.GetWParam(), event.GetLParam()});
      event.Skip();  // even a skipped message must not travel to the parent
    });
  }

  wxFrame* MakeTree(const wxString& prefix) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, prefix, wxDefaultPosition, wxDefaultSize,
                              wxDEFAULT_FRAME_STYLE, prefix + "frame");
    auto* panel =
        new wxPanel(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, prefix + "panel");
    auto* button = new wxButton(panel, wxID_ANY, "OK", wxDefaultPosition, wxDefaultSize, 0,
                                wxDefaultValidator, prefix + "button");
    for (wxWindow* window :
         {static_cast<wxWindow*>(frame), static_cast<wxWindow*>(panel), static_cast<wxWindow*>(button)})
      Listen(window);
    return frame;
  }

  std::vector<wxString> Names() const {
    std::vector<wxString> names;
    for (const auto& entry : m_log) names.push_back(entry.window);
    return names;
  }

  std::vector<Received> m_log;
  const unsigned m_message = RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_ITEM");
};

}  // namespace

TEST_F(WindowMessagesGuiTest, EveryWindowOfATreeReceivesOnceParentFirst) {
  MakeTree("a.");
  SendToThreadWindows(m_message, 2024, -1);
  const std::vector<Received> expected = {
      {"a.frame", m_message, 2024, -1}, {"a.panel", m_message, 2024, -1}, {"a.button", m_message, 2024, -1}};
  EXPECT_EQ(m_log, expected);
}

TEST_F(WindowMessagesGuiTest, TopLevelWindowsInTurnEachFollowedByItsDescendants) {
  wxFrame* first = MakeTree("a.");
  MakeTree("b.");
  // An owned dialog is a top-level window and a child of its owner: still once.
  auto* dialog =
      new wxDialog(first, wxID_ANY, "d", wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE, "dialog");
  Listen(dialog);
  SendToThreadWindows(m_message);
  std::vector<wxString> names = Names();
  EXPECT_EQ(std::count(names.begin(), names.end(), "dialog"), 1);
  names.erase(std::remove(names.begin(), names.end(), "dialog"), names.end());
  const std::vector<wxString> expected = {"a.frame", "a.panel", "a.button", "b.frame", "b.panel", "b.button"};
  EXPECT_EQ(names, expected);
}

TEST_F(WindowMessagesGuiTest, NoWindowsMeansNothingIsSent) {
  int reached = 0;
  auto count = [&](WindowMessageEvent&) { ++reached; };
  wxTheApp->Bind(EVT_CORVANE_MESSAGE, count);
  SendToThreadWindows(m_message);
  wxTheApp->Unbind(EVT_CORVANE_MESSAGE, count);
  EXPECT_EQ(reached, 0);
  EXPECT_TRUE(m_log.empty());
}

TEST_F(WindowMessagesGuiTest, WindowsDestroyedByAHandlerAreSkipped) {
  wxFrame* frame = MakeTree("a.");
  wxFrame* second = MakeTree("b.");
  frame->Bind(EVT_CORVANE_MESSAGE, [&](WindowMessageEvent& event) {
    if (wxWindow* button = wxWindow::FindWindowByName("a.button")) button->Destroy();
    second->Destroy();  // a frame closes at the next idle time: no more messages
    new wxPanel(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "late");  // not in this broadcast
    event.Skip();
  });
  SendToThreadWindows(m_message);
  const std::vector<wxString> expected = {"a.frame", "a.panel"};
  EXPECT_EQ(Names(), expected);
}

TEST_F(WindowMessagesGuiTest, SendMessageReachesOneWindowAndReturnsItsResult) {
  wxFrame* frame = MakeTree("a.");
  wxWindow* panel = wxWindow::FindWindowByName("a.panel");
  panel->Bind(EVT_CORVANE_MESSAGE, [](WindowMessageEvent& event) {
    event.SetResult(event.GetWParam() * 2);
    event.Skip();  // lets the logging handler see it too
  });
  EXPECT_EQ(SendMessage(panel, m_message, 21), 42);
  EXPECT_EQ(Names(), std::vector<wxString>{"a.panel"});
  EXPECT_EQ(SendMessage(frame, m_message), 0);
}

TEST_F(WindowMessagesGuiTest, OtherThreadsHaveNoWindowsToSendTo) {
  MakeTree("a.");
  std::thread([&] { SendToThreadWindows(m_message); }).join();
  EXPECT_TRUE(m_log.empty());
}
