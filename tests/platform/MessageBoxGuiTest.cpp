#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include "MessageBoxFixture.h"

using namespace platform;
using corvane::test::AnsweringHook;

namespace {

class MessageBoxGuiTest : public corvane::test::MainAndFormTest {};

// A question asked without an owner (a delete question from a form's list,
// say) stands over the form that has the focus, not over the main window,
// and the form keeps the focus afterwards.
TEST_F(MessageBoxGuiTest, ABoxWithoutAnOwnerStandsOverTheWindowThatHasTheFocus) {
  AnsweringHook hook(wxID_NO);
  EXPECT_EQ(ShowMessageBox(L"Are you sure?", L"Corvane", MB_YESNO | MB_ICONEXCLAMATION), IDNO);
  ASSERT_EQ(hook.parents.size(), 1u);
  EXPECT_EQ(hook.parents[0], form) << "the box stood over "
                                   << (hook.parents[0] ? hook.parents[0]->GetLabel() : wxString("nothing"));
  EXPECT_TRUE(corvane::test::WaitFor([&] { return wxWindow::FindFocus() == field; }));
}

// A given owner still wins over the focus.
TEST_F(MessageBoxGuiTest, AGivenOwnerIsKept) {
  AnsweringHook hook(wxID_OK);
  EXPECT_EQ(ShowMessageBox(L"Saved.", L"Corvane", MB_OK, main), IDOK);
  ASSERT_EQ(hook.parents.size(), 1u);
  EXPECT_EQ(hook.parents[0], main);
}

}  // namespace
