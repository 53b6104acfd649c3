// The change-price, ingredient and group-chooser dialogs run modally through
// their launchers, under Xvfb; each test acts from inside the dialog's loop.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <functional>
#include <vector>

#include "StockFixture.h"
#include "forms/items/EditPriceDlg.h"
#include "forms/items/EditPriceDlgLauncher.h"
#include "forms/items/ItemDependencyDlg.h"
#include "forms/items/ItemDependencyDlgLauncher.h"
#include "forms/items/ItemGroupsDlg.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"

namespace {

using corvane::test::WhenModal;

using corvane::test::SearchRecorder;


Invoice::PriceList NewRow(int itemId, double price) {
  Invoice::PriceList row;
  row.SetItemId(itemId);
  row.SetPriceGroupId(1);
  row.SetPrice(price);
  return row;
}

class ItemDialogsGuiTest : public corvane::test::StockTest {
protected:
  void TearDown() override {
    ItemDependencyDlg::SetSearchOverride(nullptr);
    StockTest::TearDown();
  }
  ChangeSet m_changes;
};

TEST_F(ItemDialogsGuiTest, ThePriceDialogLowersEveryPriceAndOffersThatWayNextTime) {
  std::vector<Invoice::PriceList> rows{NewRow(1, 10.0), NewRow(2, 20.0)};
  WhenModal<EditPriceDlg>([](EditPriceDlg& dialog) {
    EXPECT_EQ(dialog.GetTitle(), L"Change the Price");
    EXPECT_TRUE(dialog.GetModeButton(EditPriceLogic::kEqual)->GetValue());
    EXPECT_EQ(dialog.GetValueEdit()->GetValue(), FormatAmount(0.0));
    dialog.GetModeButton(EditPriceLogic::kLower)->SetValue(true);
    dialog.GetValueEdit()->ChangeValue(FormatAmount(25.0));
    dialog.OnOK();
  });
  ASSERT_TRUE(EditPriceDlgLauncher(0.0, &rows).Run(m_changes, nullptr));
  EXPECT_DOUBLE_EQ(rows[0].GetPrice(), -15.0);
  EXPECT_DOUBLE_EQ(rows[1].GetPrice(), -5.0);
  EXPECT_EQ(m_changes.Size(), 2u);

  // Cancel changes nothing; the way chosen last is checked.
  WhenModal<EditPriceDlg>([](EditPriceDlg& dialog) {
    EXPECT_TRUE(dialog.GetModeButton(EditPriceLogic::kLower)->GetValue());
    EXPECT_EQ(dialog.GetValueEdit()->GetValue(), FormatAmount(-15.0));
    dialog.OnCancel();
  });
  EXPECT_FALSE(EditPriceDlgLauncher(rows[0].GetPrice(), &rows).Run(m_changes, nullptr));
  EXPECT_DOUBLE_EQ(rows[0].GetPrice(), -15.0);
}

TEST_F(ItemDialogsGuiTest, TheIngredientDialogRecordsTheChosenItemAndItsQuantities) {
  const int bread = StoredItem(L"Bread", Invoice::kSourceManufacturing);
  const int flour = StoredItem(L"Flour");
  SearchRecorder search({flour, 0});
  ItemDependencyDlg::SetSearchOverride(search.Search());
  WhenModal<ItemDependencyDlg>([](ItemDependencyDlg& dialog) {
    EXPECT_EQ(dialog.GetTitle(), L"Dependent Item");
    EXPECT_EQ(dialog.GetItemEdit()->GetValue(), L"Flour");
    dialog.ChooseItem();  // cancelled: Flour stays
    EXPECT_EQ(dialog.GetItemEdit()->GetValue(), L"Flour");
    dialog.GetTriggerEdit()->ChangeValue(FormatAmount(10.0));
    dialog.GetQuantityEdit()->ChangeValue(FormatAmount(2.5));
    dialog.OnOK();
  });
  ItemDependencyDlgLauncher launcher(bread);
  ASSERT_TRUE(launcher.Run(m_changes, nullptr));
  EXPECT_EQ(search.Requests().size(), 2u);
  const auto* held = dynamic_cast<const Invoice::ItemDependency*>(m_changes.Find(launcher.GetDependencyId()));
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->GetDepItemId(), flour);
  EXPECT_DOUBLE_EQ(held->GetTriggerQuantity(), 10.0);
  EXPECT_DOUBLE_EQ(held->GetDepQuantity(), 2.5);

  // A new ingredient whose search is cancelled never shows the dialog.
  ItemDependencyDlgLauncher cancelled(bread);
  EXPECT_FALSE(cancelled.Run(m_changes, nullptr));
  EXPECT_EQ(cancelled.GetDependencyId(), 0);
}

TEST_F(ItemDialogsGuiTest, TheChooserSelectsTheGroupItOpensOnAndRootMeansNoGroup) {
  int food = 0, bakery = 0;
  Committed([&] {
    food = NewGroup(L"Food").GetId();
    bakery = NewGroup(L"Bakery", food).GetId();
  });
  WhenModal<ItemGroupsDlg>([bakery](ItemGroupsDlg& dialog) {
    EXPECT_EQ(dialog.GetTitle(), L"Choose Item Group");
    const wxTreeItemId selected = dialog.GetTree()->GetSelection();
    ASSERT_TRUE(selected.IsOk());
    EXPECT_EQ(dialog.GetTree()->GetItemText(selected), L"Bakery");
    EXPECT_FALSE(dialog.FindEntry(bakery + 1000).IsOk());
    dialog.GetTree()->SelectItem(dialog.FindEntry(0));
    dialog.OnOK();
  });
  ItemGroupsDlg chooser(bakery, nullptr);
  ASSERT_EQ(chooser.DoModal(), platform::IDOK);
  EXPECT_EQ(chooser.GetGroupId(), 0);
  EXPECT_EQ(chooser.GetGroupName(), L"/");

  // Choosing the parent of Food offers neither Food nor Bakery.
  WhenModal<ItemGroupsDlg>([food, bakery](ItemGroupsDlg& dialog) {
    EXPECT_FALSE(dialog.FindEntry(food).IsOk());
    EXPECT_FALSE(dialog.FindEntry(bakery).IsOk());
    EXPECT_FALSE(dialog.GetTree()->GetSelection().IsOk());
    dialog.OnCancel();
  });
  ItemGroupsDlg parentChooser(0, nullptr, food);
  EXPECT_EQ(parentChooser.DoModal(), platform::IDCANCEL);
}

}  // namespace
