// The stock dialogs opened for real through their launchers, under Xvfb:
// each test acts on the modal dialog from inside its event loop.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <functional>
#include <vector>

#include "StockFixture.h"
#include "forms/dialogs/ItemInputDlgLauncher.h"
#include "forms/dialogs/ItemOutputDlgLauncher.h"
#include "forms/dialogs/SearchDlg.h"
#include "forms/items/ItemInputDlg.h"
#include "forms/items/ItemOutputDlg.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"

namespace {

using corvane::test::WhenModal;

std::wstring Text(wxTextCtrl* edit) {
  return edit->GetValue().ToStdWstring();
}

class StockDlgGuiTest : public corvane::test::StockTest {
protected:
  ChangeSet m_changes;
};

TEST_F(StockDlgGuiTest, TheIncomeDialogFollowsTheTypingAndRecordsANewIncome) {
  const int kg = NewMeasurement(L"Kilogram", L"kg");
  const int flour = StoredItem(L"Flour", Invoice::kSourceTrading, kg, 0, 3.0);
  const int prices = NewPriceGroup(L"Buying", 1);
  SetPrice(prices, flour, 12.345, 0.0);
  SetSetting(SetInputDefaultPriceGroup, prices);
  SetSetting(SetQuantityMethod, 1);
  ItemInputDlgLauncher launcher(0, flour, Invoice::kSourceTrading);

  WhenModal<ItemInputDlg>([](ItemInputDlg& dialog) {
    EXPECT_EQ(dialog.GetTitle(), L"Item's Income - New");
    EXPECT_EQ(Text(dialog.GetItemEdit()), L"Flour");
    EXPECT_FALSE(dialog.GetItemButton()->IsEnabled());
    EXPECT_EQ(dialog.GetTypeList()->GetStringSelection(), L"Trading");
    EXPECT_EQ(dialog.GetUnitList()->GetStringSelection(), L"Kilogram");
    EXPECT_EQ(dialog.FindWindow(ItemInputDlg::kTypeLabel)->GetLabel(), L"Income &from:");
    EXPECT_EQ(Text(dialog.GetPriceEdit()), FormatAmount(12.345));
    dialog.GetQuantityEdit()->SetValue(L"30");
    EXPECT_EQ(Text(dialog.GetPiecesEdit()), FormatAmount(10.0));
    EXPECT_EQ(Text(dialog.GetTotalEdit()), FormatAmount(123.45));
    auto choose = [&dialog](const wchar_t* unit) {
      dialog.GetUnitList()->SetStringSelection(unit);
      wxCommandEvent chosen(wxEVT_CHOICE, dialog.GetUnitList()->GetId());
      chosen.SetEventObject(dialog.GetUnitList());
      dialog.GetUnitList()->GetEventHandler()->ProcessEvent(chosen);
    };
    choose(L"Pieces");
    EXPECT_EQ(Text(dialog.GetPiecesEdit()), FormatAmount(30.0));
    choose(L"Kilogram");
    dialog.GetQuantityEdit()->SetValue(L"1");
    EXPECT_EQ(Text(dialog.GetPiecesEdit()), FormatAmount(1.0 / 3.0));
    dialog.OnOK();
  });
  ASSERT_TRUE(launcher.Run(m_changes, nullptr));

  EXPECT_LT(launcher.GetObjectId(), 0);
  const auto* income = dynamic_cast<const Invoice::ItemInput*>(m_changes.Find(launcher.GetObjectId()));
  ASSERT_NE(income, nullptr);
  EXPECT_EQ(income->GetItemId(), flour);
  // Neither the shown pieces nor the shown price is what is stored: no rounding.
  EXPECT_EQ(income->GetQuantity(), 1.0 / 3.0);
  EXPECT_EQ(income->GetBasePrice(), 12.345);
  EXPECT_EQ(income->GetMeasurement(), L"kg");
  EXPECT_EQ(income->GetBaseUnit(), 3.0);
}

TEST_F(StockDlgGuiTest, ANewIncomeWhoseItemSearchIsCancelledIsNeverShown) {
  StoredItem(L"Flour");
  std::vector<long> none;
  ItemInputDlgLauncher launcher(0, &none, Invoice::kSourceInvoice);
  WhenModal<SearchDlg>([](SearchDlg& search) {
    EXPECT_EQ(search.GetTitle(), L"Search - Items");
    search.OnCancel();
  });
  EXPECT_FALSE(launcher.Run(m_changes, nullptr));
  EXPECT_EQ(launcher.GetObjectId(), 0);
  EXPECT_TRUE(m_changes.IsEmpty());
}

TEST_F(StockDlgGuiTest, TheOutcomeDialogRefusesAZeroQuantityAndCancelChangesNothing) {
  const int bolt = StoredItem(L"Bolt");
  int id = 0;
  Committed([&] {
    Receive(bolt, 10.0);
    Invoice::ItemOutput line;
    line.SetItemId(bolt);
    line.SetQuantity(3.0);
    line.SetOutputDestType(Invoice::kDestInvoice);
    line.Save();
    id = line.GetId();
  });
  m_changes.Add(Invoice::ItemOutput(id));
  std::vector<long> none;
  ItemOutputDlgLauncher launcher(id, &none, Invoice::kDestInvoice, 0, 0.0);

  WhenModal<ItemOutputDlg>([this](ItemOutputDlg& dialog) {
    EXPECT_EQ(dialog.GetTitle(), L"Item's Outcome - Edit");
    EXPECT_EQ(dialog.GetTypeList()->GetStringSelection(), L"Invoice");
    EXPECT_FALSE(dialog.GetTypeList()->IsEnabled());
    EXPECT_EQ(Text(dialog.GetQuantityEdit()), FormatAmount(3.0));
    dialog.GetQuantityEdit()->SetValue(L"0");
    dialog.OnOK();
    EXPECT_TRUE(dialog.IsModal());
    ASSERT_EQ(m_messages.Shown().size(), 1u);
    EXPECT_EQ(m_messages.Shown()[0].text, L"There is no Quantity specified.");
    EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONINFORMATION);
    dialog.OnCancel();
  });
  EXPECT_FALSE(launcher.Run(m_changes, nullptr));
  EXPECT_EQ(launcher.GetObjectId(), id);
  EXPECT_EQ(m_changes.GetState(id), ChangeSet::kUnchanged);
}

TEST_F(StockDlgGuiTest, ALineWhoseNumbersMakeNoSenseIsRefusedNamingTheField) {
  const int bolt = StoredItem(L"Bolt");
  Committed([&] { Receive(bolt, 10.0); });
  ItemOutputDlgLauncher launcher(0, bolt, Invoice::kDestRetail, 0, 0.0);
  std::vector<std::wstring> refusals;
  WhenModal<ItemOutputDlg>([&](ItemOutputDlg& dialog) {
    // As typed: the text stays in the field as it is (the dialog rewrites
    // only the fields the user is not typing in).
    auto refusedWith = [&](CBaseEdit* edit, const wchar_t* text) {
      const std::wstring before = Text(edit);
      edit->ChangeValue(text);
      dialog.OnOK();
      EXPECT_TRUE(dialog.IsModal()) << text;
      refusals.push_back(m_messages.Shown().empty() ? L"" : m_messages.Shown().back().text);
      edit->ChangeValue(before);
    };
    dialog.GetQuantityEdit()->SetValue(L"2");
    refusedWith(dialog.GetDiscountEdit(), L"ten");
    refusedWith(dialog.GetDiscountEdit(), L"150");
    refusedWith(dialog.GetQuantityEdit(), L"999999999999999999999999");
    // A total of 1e13, computed from what was typed.
    dialog.GetPriceEdit()->SetValue(L"1000000");
    dialog.GetQuantityEdit()->SetValue(L"10000000");
    dialog.OnOK();
    EXPECT_TRUE(dialog.IsModal());
    refusals.push_back(m_messages.Shown().empty() ? L"" : m_messages.Shown().back().text);
    dialog.OnCancel();
  });
  EXPECT_FALSE(launcher.Run(m_changes, nullptr));
  EXPECT_TRUE(m_changes.IsEmpty());
  const std::vector<std::wstring> expected = {
      L"\"Discount %\" is not a number.",
      L"\"Discount %\" should be between 0 and 100.",
      L"\"Quantity\" should be between -1000000000000 and 1000000000000.",
      L"\"Total\" should be between -1000000000000 and 1000000000000.",
  };
  EXPECT_EQ(refusals, expected);
}

}  // namespace
