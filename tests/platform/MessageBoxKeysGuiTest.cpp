#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

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

// A question asked right after a context menu's command was chosen with the
// keys (a form's Delete, say) stands over the form, not over the main
// window, and the form keeps the focus afterwards.
TEST(MessageBoxKeysGuiTest, AQuestionAfterAContextMenuStandsOverTheFormThatAsked) {
  auto* main = new wxFrame(nullptr, wxID_ANY, L"main", wxPoint(0, 0), wxSize(500, 400));
  wxTheApp->SetTopWindow(main);
  main->Show();
  auto* form = new wxFrame(nullptr, wxID_ANY, L"form", wxPoint(100, 100), wxSize(400, 300));
  auto* field = new wxTextCtrl(form, wxID_ANY);
  form->Show();
  form->Raise();
  field->SetFocus();
  ASSERT_TRUE(corvane::test::WaitFor([&] { return wxWindow::FindFocus() == field; }));

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

  wxTheApp->SetTopWindow(nullptr);
  while (!wxTopLevelWindows.empty()) delete wxTopLevelWindows.GetFirst()->GetData();
}

}  // namespace
