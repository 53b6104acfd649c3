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

class ChosenBoxKeysGuiTest : public corvane::test::DialogsTest {
protected:
  // What a real click on a chosen box and typing after it do, in a shown
  // modal dialog of that class.
  struct Outcome {
    bool boxFocused = true;
    bool buttonFocused = false;
    wxString typed = L"?";
    wxString hint;
  };
  template <class Dialog>
  static Outcome ClickAndType(Dialog& dialog, int boxId, int buttonId) {
    Outcome outcome;
    ModalScript script;
    script.Then<Dialog>([&](Dialog& shown) {
      auto* box = static_cast<wxTextCtrl*>(shown.FindWindow(boxId));
      wxWindow* button = shown.FindWindow(buttonId);
      outcome.hint = box->GetHint();
      shown.Raise();
      wxUIActionSimulator input;
      input.MouseMove(box->GetScreenRect().GetLeftTop() + wxPoint(10, box->GetSize().y / 2));
      Pause(200);
      input.MouseClick();
      WaitUntil([&] { return wxWindow::FindFocus() == button; });
      outcome.boxFocused = wxWindow::FindFocus() == box;
      outcome.buttonFocused = wxWindow::FindFocus() == button;
      input.Text("abc");
      Pause(200);
      outcome.typed = box->GetValue();
      Click(&shown, platform::IDCANCEL);
    });
    EXPECT_EQ(dialog.ShowModal(), platform::IDCANCEL);
    EXPECT_TRUE(script.IsDone());
    return outcome;
  }
};

TEST_F(ChosenBoxKeysGuiTest, MyCompanyNameTakesNoCaretNorTextAndTellsANewcomerHowToFillIt) {
  OptionsDlg dialog(nullptr);
  const Outcome outcome = ClickAndType(dialog, OptionsPage1::kMyCompanyName, OptionsPage1::kMyCompanyButton);
  EXPECT_FALSE(outcome.boxFocused);
  EXPECT_TRUE(outcome.buttonFocused);
  EXPECT_EQ(outcome.typed, L"");
  EXPECT_EQ(outcome.hint, kNoMyCompanyHint);
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
    const Outcome outcome = ClickAndType(dialog, chosen.box, chosen.button);
    EXPECT_FALSE(outcome.boxFocused) << chosen.box;
    EXPECT_TRUE(outcome.buttonFocused) << chosen.box;
    EXPECT_EQ(outcome.typed, L"") << chosen.box;
    EXPECT_EQ(outcome.hint, chosen.hint);
    EXPECT_TRUE(m_messages.Shown().empty());
  }
}

}  // namespace
