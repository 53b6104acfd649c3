// Typing into the dialogs' fields with real key presses (sent through the X
// server), and what OK does with numbers and texts that do not fit.
#include <gtest/gtest.h>

#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <thread>

#include "DialogsFixture.h"
#include "ModalScript.h"
#include "data/Settings.h"
#include "data/objects/Measurement.h"
#include "data/objects/PhoneCode.h"
#include "data/objects/Tax.h"
#include "forms/dialogs/OptionsDlg.h"
#include "forms/dialogs/OptionsPage1.h"
#include "forms/dialogs/PaymentDlg.h"
#include "forms/dialogs/RefDataEdit2Dlg.h"

namespace {

using corvane::test::Click;
using corvane::test::ModalScript;

class FieldKeysGuiTest : public corvane::test::DialogsTest {
protected:
  // Gives the field the keyboard focus, then sends the keys through the X
  // server and waits until the field shows the expected text.
  static void Type(wxTextCtrl* field, const std::function<void(wxUIActionSimulator&)>& keys,
                   const wxString& expected) {
    FocusOn(field);
    wxUIActionSimulator simulator;
    keys(simulator);
    WaitFor([&] { return field->GetValue() == expected; });
    EXPECT_EQ(field->GetValue(), expected);
  }
  static void Type(wxTextCtrl* field, const char* text, const wxString& expected) {
    Type(field, [text](wxUIActionSimulator& keys) { keys.Text(text); }, expected);
  }

  static void FocusOn(wxWindow* field) {
    wxWindow* top = wxGetTopLevelParent(field);
    top->Raise();
    field->SetFocus();
    WaitFor([&] { return wxWindow::FindFocus() == field; });
  }

  template <class Condition>
  static void WaitFor(Condition done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < until) {
      wxYield();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    wxYield();
  }

  static wxTextCtrl* Edit(wxWindow* dialog, int id) { return static_cast<wxTextCtrl*>(dialog->FindWindow(id)); }

  std::vector<Invoice::Tax> Taxes() {
    std::vector<Invoice::Tax> taxes;
    Invoice::GetAllTaxes(taxes);
    return taxes;
  }
};

TEST_F(FieldKeysGuiTest, DecimalFieldsTakeThePointCommaAndMinusOfTheMainKeyboard) {
  UseCommaDecimalLocale();
  RefDataEdit2Dlg dialog(0, kRefTaxes, nullptr);
  ModalScript script;
  script.Then<RefDataEdit2Dlg>([&](RefDataEdit2Dlg& shown) {
    Edit(&shown, RefDataEdit2Dlg::kFirstEdit)->ChangeValue(L"VAT");
    wxTextCtrl* percent = Edit(&shown, RefDataEdit2Dlg::kSecondEdit);
    percent->ChangeValue(L"");
    // The point types the locale's comma; a second separator is refused.
    Type(percent, "18.5.0", "18,50");
    // A minus only at the start, and only once.
    Type(percent, [](wxUIActionSimulator& keys) { keys.Char(WXK_HOME); keys.Char('-'); }, "-18,50");
    Type(percent, [](wxUIActionSimulator& keys) { keys.Char(WXK_END); keys.Char('-'); keys.Char('1'); },
         "-18,501");
    // Ctrl+A selects the whole text, and the comma key types over it.
    Type(percent, [](wxUIActionSimulator& keys) { keys.Char('a', wxMOD_CONTROL); keys.Text(",5"); }, ",5");
    Type(percent, [](wxUIActionSimulator& keys) { keys.Char('a', wxMOD_CONTROL); keys.Text("7,25"); }, "7,25");
    Click(&shown, platform::IDOK);
  });
  EXPECT_EQ(dialog.ShowModal(), platform::IDOK);
  EXPECT_TRUE(script.IsDone());
  EXPECT_TRUE(m_messages.Shown().empty());
  const auto taxes = Taxes();
  ASSERT_EQ(taxes.size(), 1u);
  EXPECT_DOUBLE_EQ(taxes[0].GetPercent(), 7.25);
}

// Return in a field presses OK, as in the system's dialogs: the dialog saves
// and ends, in a dialog that names no default button of its own.
TEST_F(FieldKeysGuiTest, ReturnInAFieldPressesOk) {
  RefDataEdit2Dlg dialog(0, kRefPhoneCodes, nullptr);
  ModalScript script;
  script.Then<RefDataEdit2Dlg>([&](RefDataEdit2Dlg& shown) {
    Edit(&shown, RefDataEdit2Dlg::kFirstEdit)->ChangeValue(L"Slovenia");
    wxTextCtrl* code = Edit(&shown, RefDataEdit2Dlg::kSecondEdit);
    code->ChangeValue(L"");
    Type(code, "386", "386");
    wxUIActionSimulator keys;
    keys.Char(WXK_RETURN);
    WaitFor([&] { return !shown.IsShown(); });
    if (shown.IsShown()) Click(&shown, platform::IDCANCEL);  // Return did nothing
  });
  EXPECT_EQ(dialog.ShowModal(), platform::IDOK);
  EXPECT_TRUE(script.IsDone());
  EXPECT_TRUE(m_messages.Shown().empty());
  std::vector<Invoice::PhoneCode> codes;
  Invoice::GetAllPhoneCodes(codes);
  ASSERT_EQ(codes.size(), 1u);
  EXPECT_EQ(codes[0].GetCode(), L"386");
}

TEST_F(FieldKeysGuiTest, NumbersBeyondTheirFieldAreRefusedNamingItAndTheDialogStaysOpen) {
  RefDataEdit2Dlg dialog(0, kRefTaxes, nullptr);
  bool openAfterRefusal = false;
  ModalScript script;
  script.Then<RefDataEdit2Dlg>([&](RefDataEdit2Dlg& shown) {
    Edit(&shown, RefDataEdit2Dlg::kFirstEdit)->ChangeValue(L"VAT");
    wxTextCtrl* percent = Edit(&shown, RefDataEdit2Dlg::kSecondEdit);
    percent->ChangeValue(L"");
    Type(percent, "99999999999999", "99999999999999");
    Click(&shown, platform::IDOK);
    openAfterRefusal = shown.IsShown() && wxWindow::FindFocus() == percent;
    Type(percent, [](wxUIActionSimulator& keys) { keys.Char('a', wxMOD_CONTROL); keys.Text("18"); }, "18");
    Click(&shown, platform::IDOK);
  });
  EXPECT_EQ(dialog.ShowModal(), platform::IDOK);
  EXPECT_TRUE(script.IsDone());
  EXPECT_TRUE(openAfterRefusal);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"\"Percent\" should be between 0 and 100.");
  EXPECT_EQ(m_messages.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONINFORMATION);
  const auto taxes = Taxes();
  ASSERT_EQ(taxes.size(), 1u);  // only the second OK stored it
  EXPECT_DOUBLE_EQ(taxes[0].GetPercent(), 18.0);
}

TEST_F(FieldKeysGuiTest, AnInvoiceNumberThatIsNoWholeNumberIsRefused) {
  OptionsDlg dialog(nullptr);
  bool openAfterRefusal = false;
  ModalScript script;
  script.Then<OptionsDlg>([&](OptionsDlg& shown) {
    wxTextCtrl* next = Edit(&shown, OptionsPage1::kNextInvoiceNum);
    next->ChangeValue(L"");
    Type(next, "12abc", "12abc");
    Click(&shown, platform::IDOK);
    openAfterRefusal = shown.IsShown();
    next->ChangeValue(L"99999999999");
    Click(&shown, platform::IDOK);
    Click(&shown, platform::IDCANCEL);
  });
  EXPECT_EQ(dialog.ShowModal(), platform::IDCANCEL);
  EXPECT_TRUE(openAfterRefusal);
  ASSERT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"\"Next Invoice num.\" is not a number.");
  EXPECT_EQ(m_messages.Shown()[1].text, L"\"Next Invoice num.\" should be between 0 and 2147483647.");
  EXPECT_EQ(GetNextInvoiceNum(), 1);  // nothing was written
}

TEST_F(FieldKeysGuiTest, TextsStopAtTheirColumnsSizeAndLongerOnesAreRefused) {
  {
    RefDataEdit2Dlg dialog(0, kRefMeasurements, nullptr);
    ModalScript script;
    script.Then<RefDataEdit2Dlg>([&](RefDataEdit2Dlg& shown) {
      Edit(&shown, RefDataEdit2Dlg::kFirstEdit)->ChangeValue(L"Kilogram");
      // SHORTCUT holds 20 characters: the 21st key types nothing.
      Type(Edit(&shown, RefDataEdit2Dlg::kSecondEdit), "abcdefghijklmnopqrstu", "abcdefghijklmnopqrst");
      Click(&shown, platform::IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(), platform::IDOK);
    std::vector<Invoice::Measurement> measurements;
    Invoice::GetAllMeasurements(measurements);
    ASSERT_EQ(measurements.size(), 1u);
    EXPECT_EQ(measurements[0].GetShortcut(), L"abcdefghijklmnopqrst");
  }
  {
    // A multi-line text is checked on OK.
    ChangeSet changes;
    PaymentDlg dialog(&changes, 0, 10.0, 0, 0, 0, nullptr);
    ModalScript script;
    script.Then<PaymentDlg>([&](PaymentDlg& shown) {
      Edit(&shown, PaymentDlg::kDescription)->ChangeValue(std::wstring(256, L'x'));
      Click(&shown, platform::IDOK);
      Click(&shown, platform::IDCANCEL);
    });
    EXPECT_EQ(dialog.ShowModal(), platform::IDCANCEL);
    EXPECT_TRUE(changes.IsEmpty());
    ASSERT_EQ(m_messages.Shown().size(), 1u);
    EXPECT_EQ(m_messages.Shown()[0].text, L"\"Description\" takes at most 255 characters.");
  }
}

// Each refusal names its field, keeps the dialog open with the focus in
// that field, and stores nothing; Cancel then leaves without a row.
TEST_F(FieldKeysGuiTest, ReferenceRowsWithoutANameOrWithAPercentOutside0To100AreRefused) {
  struct Case {
    int kind;
    const char* first;
    const char* second;
    int refusedField;
    const wchar_t* refusal;
    const wchar_t* table;
  };
  const Case cases[] = {
      {kRefMeasurements, "", "kg", RefDataEdit2Dlg::kFirstEdit, L"\"Name\" must not be empty.", L"MEASUREMENTS"},
      {kRefTaxes, "  ", "18", RefDataEdit2Dlg::kFirstEdit, L"\"Shortcut\" must not be empty.", L"TAXES"},
      {kRefTaxes, "VAT", "-5", RefDataEdit2Dlg::kSecondEdit, L"\"Percent\" should be between 0 and 100.",
       L"TAXES"},
      {kRefTaxes, "VAT", "150", RefDataEdit2Dlg::kSecondEdit, L"\"Percent\" should be between 0 and 100.",
       L"TAXES"},
      {kRefDaysConditions, "", "30", RefDataEdit2Dlg::kFirstEdit, L"\"Name\" must not be empty.",
       L"DAYS_CONDITION"},
  };
  for (const Case& c : cases) {
    platform::MessageBoxRecorder boxes;
    RefDataEdit2Dlg dialog(0, c.kind, nullptr);
    bool openAfterRefusal = false;
    bool focusOnField = false;
    ModalScript script;
    script.Then<RefDataEdit2Dlg>([&](RefDataEdit2Dlg& shown) {
      wxTextCtrl* first = Edit(&shown, RefDataEdit2Dlg::kFirstEdit);
      wxTextCtrl* second = Edit(&shown, RefDataEdit2Dlg::kSecondEdit);
      first->ChangeValue(L"");
      second->ChangeValue(L"");
      if (*c.first) Type(first, c.first, c.first);
      Type(second, c.second, c.second);
      FocusOn(Edit(&shown, c.refusedField == RefDataEdit2Dlg::kFirstEdit ? RefDataEdit2Dlg::kSecondEdit
                                                                          : RefDataEdit2Dlg::kFirstEdit));
      Click(&shown, platform::IDOK);
      WaitFor([&] { return wxWindow::FindFocus() == shown.FindWindow(c.refusedField); });
      openAfterRefusal = shown.IsShown();
      focusOnField = wxWindow::FindFocus() == shown.FindWindow(c.refusedField);
      Click(&shown, platform::IDCANCEL);
    });
    EXPECT_EQ(dialog.ShowModal(), platform::IDCANCEL) << c.refusal;
    EXPECT_TRUE(script.IsDone());
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_TRUE(focusOnField) << c.first << " / " << c.second;
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, c.refusal);
    EXPECT_EQ(boxes.Shown()[0].owner, &dialog);
    EXPECT_EQ(CountRows(c.table), 0) << c.table;
  }
}

}  // namespace
