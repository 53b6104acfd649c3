#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>

#include "GuiEvents.h"

using namespace platform;

namespace {

// Answers every modal dialog at once, before it is shown, and notes the
// window it was made to stand over.
class AnsweringHook : public wxModalDialogHook {
public:
  explicit AnsweringHook(int answer) : m_answer(answer) { Register(); }
  ~AnsweringHook() override { Unregister(); }
  std::vector<wxWindow*> parents;

protected:
  int Enter(wxDialog* dialog) override {
    parents.push_back(dialog->GetParent());
    return m_answer;
  }
  void Exit(wxDialog*) override {}

private:
  int m_answer;
};

class MessageBoxGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    main = new wxFrame(nullptr, wxID_ANY, L"main", wxPoint(0, 0), wxSize(500, 400));
    wxTheApp->SetTopWindow(main);
    main->Show();
    form = new wxFrame(nullptr, wxID_ANY, L"form", wxPoint(100, 100), wxSize(400, 300));
    field = new wxTextCtrl(form, wxID_ANY);
    form->Show();
    form->Raise();
    field->SetFocus();
    ASSERT_TRUE(corvane::test::WaitFor([&] { return wxWindow::FindFocus() == field; }));
  }
  void TearDown() override {
    wxTheApp->SetTopWindow(nullptr);
    while (!wxTopLevelWindows.empty()) delete wxTopLevelWindows.GetFirst()->GetData();
  }

  wxFrame* main = nullptr;
  wxFrame* form = nullptr;
  wxTextCtrl* field = nullptr;
};

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
