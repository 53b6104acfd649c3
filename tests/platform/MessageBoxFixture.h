#pragma once

// The message box tests' windows: the application's main window and a form
// in front of it whose field has the focus; and a hook that answers every
// modal dialog at once, before it is shown, noting the window it was made to
// stand over.

#include <gtest/gtest.h>

#include <vector>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>

#include "GuiEvents.h"

namespace corvane::test {

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

class MainAndFormTest : public ::testing::Test {
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
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == field; }));
  }
  void TearDown() override {
    wxTheApp->SetTopWindow(nullptr);
    while (!wxTopLevelWindows.empty()) delete wxTopLevelWindows.GetFirst()->GetData();
  }

  wxFrame* main = nullptr;
  wxFrame* form = nullptr;
  wxTextCtrl* field = nullptr;
};

}  // namespace corvane::test
