// CBaseEdit on a real dialog under Xvfb: the key filter, the separator the
// numeric pad types, leading zeros, and the check when the focus moves on.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/utils.h>

#include "platform/LocaleFormat.h"
#include "platform/MessageBox.h"
#include "common/ui/BaseDialog.h"
#include "common/ui/CBaseEdit.h"

namespace {

class AmountDlg : public BaseDialog {
public:
  AmountDlg() : BaseDialog(300, nullptr, L"Payment") {
    SetDialogClientSize(200, 80);
    DialogUnits du(this);
    amount = new CBaseEdit(this, 1001, kInputDecimal, kCheckRange, du.Point(7, 7), du.Size(60, 14));
    amount->SetBounds(1, 10);
    count = new CBaseEdit(this, 1002, kInputInteger, kCheckNone, du.Point(7, 25), du.Size(60, 14));
    ok = new wxButton(this, platform::IDOK, "OK", du.Point(90, 60), du.Size(50, 14));
    new wxButton(this, platform::IDCANCEL, "Cancel", du.Point(145, 60), du.Size(50, 14));
  }
  bool TransferDataFromWindow() override {
    ++fromWindow;
    value = amount->GetValue().ToStdWstring();
    return true;
  }
  bool TransferDataToWindow() override {
    ++toWindow;
    return true;
  }
  CBaseEdit* amount;
  CBaseEdit* count;
  wxButton* ok;
  std::wstring value;
  int fromWindow = 0;
  int toWindow = 0;
};

class TypedEditGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    platform::LocaleInfo locale;
    locale.decimalSeparator = L",";
    locale.thousandsSeparator = L".";
    platform::SetUserLocaleOverride(locale);
    dialog = new AmountDlg;
  }
  void TearDown() override {
    dialog->Destroy();
    platform::SetUserLocaleOverride(std::nullopt);
    wxYield();
  }
  AmountDlg* dialog = nullptr;
  platform::MessageBoxRecorder boxes;
};

}  // namespace

TEST_F(TypedEditGuiTest, ControlsSitWhereTheirDialogUnitsSay) {
  DialogUnits du(dialog);
  EXPECT_EQ(dialog->amount->GetPosition(), du.Point(7, 7));
  EXPECT_EQ(dialog->FindWindow(platform::IDOK), dialog->ok);
  EXPECT_GT(du.Point(7, 7).x, 7);  // dialog units are not pixels
}

TEST_F(TypedEditGuiTest, NumbersTakeDigitsAndEditingKeysOnly) {
  EXPECT_FALSE(dialog->count->FilterKey('A'));
  EXPECT_FALSE(dialog->count->FilterKey(WXK_NUMPAD_DECIMAL));
  EXPECT_TRUE(dialog->count->FilterKey('7'));
  EXPECT_TRUE(dialog->count->FilterKey(WXK_BACK));
  EXPECT_EQ(dialog->count->GetValue(), "");
}

TEST_F(TypedEditGuiTest, TheNumericPadTypesTheLocalesSeparatorOnce) {
  dialog->amount->ChangeValue("15");
  dialog->amount->SetInsertionPointEnd();
  EXPECT_FALSE(dialog->amount->FilterKey(WXK_NUMPAD_DECIMAL));  // typed by the field itself
  EXPECT_EQ(dialog->amount->GetValue(), "15,");
  EXPECT_FALSE(dialog->amount->FilterKey(WXK_NUMPAD_DECIMAL));
  EXPECT_EQ(dialog->amount->GetValue(), "15,");
  dialog->amount->SelectAll();
  dialog->amount->FilterKey(WXK_NUMPAD_DECIMAL);  // the whole text selected: replaced
  EXPECT_EQ(dialog->amount->GetValue(), ",");
}

TEST_F(TypedEditGuiTest, WholeNumbersLoseTheirLeadingZeros) {
  dialog->count->SetValue("05");
  EXPECT_EQ(dialog->count->GetValue(), "5");
  dialog->count->SetValue("000");
  EXPECT_EQ(dialog->count->GetValue(), "0");
}

TEST_F(TypedEditGuiTest, LeavingForASiblingChecksTheValueReadInTheLocale) {
  dialog->amount->ChangeValue("10,5");
  dialog->amount->HandleFocusLeaving(dialog->count);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"The value should be between 1.000000 and 10.000000");
  EXPECT_EQ(boxes.Shown()[0].caption, L"Payment");
  EXPECT_EQ(boxes.Shown()[0].style, platform::MB_ICONINFORMATION);
  // A decimal field lets its dialog exchange its data both ways.
  EXPECT_EQ(dialog->fromWindow, 1);
  EXPECT_EQ(dialog->toWindow, 1);

  dialog->amount->ChangeValue("9,5");  // nine and a half: passes
  dialog->amount->HandleFocusLeaving(dialog->count);
  EXPECT_EQ(boxes.Shown().size(), 1u);

  dialog->amount->ChangeValue("");
  dialog->amount->HandleFocusLeaving(nullptr);  // focus left the dialog: no check
  EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST_F(TypedEditGuiTest, OkMovesTheValuesAndEndsWithIdOk) {
  dialog->TransferDataToWindow();
  dialog->amount->ChangeValue("2,5");
  dialog->OnOK();
  EXPECT_EQ(dialog->GetReturnCode(), platform::IDOK);
  EXPECT_EQ(dialog->value, L"2,5");
}
