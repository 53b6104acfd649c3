#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "MessageBoxFixture.h"

using namespace platform;
using corvane::test::AnsweringHook;

namespace {

class MessageBoxKeysGuiTest : public corvane::test::MainAndFormTest {};

// A question asked right after a context menu's command was chosen with the
// keys (a form's Delete, say) stands over the form, not over the main
// window, and the form keeps the focus afterwards.
TEST_F(MessageBoxKeysGuiTest, AQuestionAfterAContextMenuStandsOverTheFormThatAsked) {
  // The keys go in once the menu is up.
  wxTimer keys;
  keys.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
    wxUIActionSimulator input;
    input.Char(WXK_DOWN);
    input.Char(WXK_RETURN);
  });
  keys.StartOnce(400);
  wxMenu menu;
  menu.Append(101, L"Delete");
  const int chosen = form->GetPopupMenuSelectionFromUser(menu, wxPoint(20, 20));
  ASSERT_EQ(chosen, 101);

  AnsweringHook hook(wxID_NO);
  EXPECT_EQ(ShowMessageBox(L"Are you sure you want to delete the selected item?", L"Corvane",
                           MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2),
            IDNO);
  ASSERT_EQ(hook.parents.size(), 1u);
  EXPECT_EQ(hook.parents[0], form) << "the box stood over "
                                   << (hook.parents[0] ? hook.parents[0]->GetLabel() : wxString("nothing"));
  EXPECT_TRUE(corvane::test::WaitFor([&] { return wxGetTopLevelParent(wxWindow::FindFocus()) == form; }));
}

}  // namespace
