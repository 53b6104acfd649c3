// A box whose text is chosen with "..." under the real pointer and keys:
// a click leaves no caret in it and typing changes nothing; while no own
// company is chosen the box says how to make one.
#include <gtest/gtest.h>

#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <thread>

#include "DialogsFixture.h"
#include "ModalScript.h"
#include "data/ChangeSet.h"
#include "forms/dialogs/OptionsDlg.h"
#include "forms/dialogs/OptionsPage1.h"
#include "forms/dialogs/PaymentDlg.h"

namespace {

using corvane::test::Click;
using corvane::test::ModalScript;

template <class Condition>
bool WaitUntil(Condition done) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done() && std::chrono::steady_clock::now() < until) {
    wxYield();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  wxYield();
  return done();
}

// Lets real time pass with events handled.
void Pause(int milliseconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < until) {
    wxYield();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

class ChosenBoxKeysGuiTest : public corvane::test::DialogsTest {};

TEST_F(ChosenBoxKeysGuiTest, MyCompanyNameTakesNoCaretNorTextAndTellsANewcomerHowToFillIt) {
  OptionsDlg dialog(nullptr);
  bool boxFocusedAfterClick = true;
  bool buttonFocused = false;
  wxString typed = L"?";
  wxString hint;
  ModalScript script;
  script.Then<OptionsDlg>([&](OptionsDlg& shown) {
    auto* box = static_cast<wxTextCtrl*>(shown.FindWindow(OptionsPage1::kMyCompanyName));
    wxWindow* button = shown.FindWindow(OptionsPage1::kMyCompanyButton);
    hint = box->GetHint();
    shown.Raise();
    wxUIActionSimulator input;
    input.MouseMove(box->GetScreenRect().GetLeftTop() + wxPoint(10, box->GetSize().y / 2));
    Pause(200);
    input.MouseClick();
    WaitUntil([&] { return wxWindow::FindFocus() == button; });
    boxFocusedAfterClick = wxWindow::FindFocus() == box;
    buttonFocused = wxWindow::FindFocus() == button;
    input.Text("abc");
    Pause(200);
    typed = box->GetValue();
    Click(&shown, platform::IDCANCEL);
  });
  EXPECT_EQ(dialog.ShowModal(), platform::IDCANCEL);
  EXPECT_TRUE(script.IsDone());
  EXPECT_FALSE(boxFocusedAfterClick);
  EXPECT_TRUE(buttonFocused);
  EXPECT_EQ(typed, L"");
  EXPECT_EQ(hint, kNoMyCompanyHint);
  EXPECT_TRUE(m_messages.Shown().empty());
}

// The payment's payer and receiver are chosen with their "..." too: a click
// on either box passes the focus to its button and typing changes nothing.
TEST_F(ChosenBoxKeysGuiTest, ThePaymentsPayerAndReceiverTakeNoCaretNorText) {
  struct Box {
    int box, button;
    const wchar_t* hint;
  };
  for (const Box& chosen : {Box{PaymentDlg::kPayer, PaymentDlg::kPayerButton, L"Choose the payer with \"...\""},
                            Box{PaymentDlg::kReceiver, PaymentDlg::kReceiverButton,
                                L"Choose the receiver with \"...\""}}) {
    ChangeSet changes;
    PaymentDlg dialog(&changes, 0, 10.0, 0, 0, 0, nullptr);
    bool buttonFocused = false;
    wxString typed = L"?";
    wxString hint;
    ModalScript script;
    script.Then<PaymentDlg>([&](PaymentDlg& shown) {
      auto* box = static_cast<wxTextCtrl*>(shown.FindWindow(chosen.box));
      wxWindow* button = shown.FindWindow(chosen.button);
      hint = box->GetHint();
      shown.Raise();
      wxUIActionSimulator input;
      input.MouseMove(box->GetScreenRect().GetLeftTop() + wxPoint(10, box->GetSize().y / 2));
      Pause(200);
      input.MouseClick();
      buttonFocused = WaitUntil([&] { return wxWindow::FindFocus() == button; });
      input.Text("abc");
      Pause(200);
      typed = box->GetValue();
      Click(&shown, platform::IDCANCEL);
    });
    EXPECT_EQ(dialog.ShowModal(), platform::IDCANCEL);
    EXPECT_TRUE(script.IsDone());
    EXPECT_TRUE(buttonFocused) << chosen.box;
    EXPECT_EQ(typed, L"") << chosen.box;
    EXPECT_EQ(hint, chosen.hint);
    EXPECT_TRUE(m_messages.Shown().empty());
  }
}

}  // namespace
