// The stock-input window under Xvfb: opened on the stored period, a receipt
// added through the item search and the stock input dialog on a database
// without price lists, the period changed, and the receipt deleted, with the
// stock following and the item lists told.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/datectrl.h>

#include <cstdlib>
#include <filesystem>

#include "StockFixture.h"
#include "WindowShot.h"
#include "common/RegistryHelpers.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "data/objects/Invoice.h"
#include "forms/dialogs/SearchDlg.h"
#include "forms/items/ItemInputDlg.h"
#include "forms/items/ItemInputFrame.h"
#include "forms/items/ItemInputPeriod.h"
#include "forms/items/ItemInputView.h"
#include "platform/RegistryStore.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/InstallSettings.h"
#include "shell/ui/RefreshMessages.h"
#include "tests/forms_dialogs/ModalScript.h"

namespace corvane::test {
namespace {

class ItemInputWindowGui : public StockTest {
protected:
  void SetUp() override {
    StockTest::SetUp();
    platform::RegistryStore::User().DeleteValue(kSettingsKey, L"LastPeriod_ItemInput");
    m_listener = new BroadcastListener;
  }
  void TearDown() override {
    for (wxWindow* window : std::vector<wxWindow*>(wxTopLevelWindows.begin(), wxTopLevelWindows.end()))
      window->Destroy();
    PumpEvents();
    platform::RegistryStore::User().DeleteValue(kSettingsKey, L"LastPeriod_ItemInput");
    StockTest::TearDown();
  }
  ItemInputFrame* Open() {
    auto* frame = dynamic_cast<ItemInputFrame*>(m_template.CreateNewFrame(m_document));
    EXPECT_TRUE(frame);
    if (!frame) return nullptr;
    DocTemplate::InitialUpdateFrame(frame);
    PumpEvents();
    return frame;
  }
  static ItemInputView* ViewOf(ItemInputFrame* frame) {
    return dynamic_cast<ItemInputView*>(frame->GetActiveView());
  }

  Document m_document;
  DocTemplate m_template{ItemInputFrame::kResourceId, CreateItemInputFrame, CreateItemInputView};
  BroadcastListener* m_listener = nullptr;
};

TEST_F(ItemInputWindowGui, AReceiptIsAddedAndDeletedFromTheWindowWithTheStockFollowing) {
  const int bolt = StoredItem(L"Bolt");
  ItemInputFrame* frame = Open();
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->GetTitle(), L"Item's Income - Today");
  EXPECT_EQ(frame->GetPeriodList()->GetSelection(), 0);
  EXPECT_FALSE(frame->GetFromPicker()->IsEnabled());
  ItemInputView* view = ViewOf(frame);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->GetList()->GetRowCount(), 0u);
  EXPECT_FALSE(IsCommandEnabled(frame, ItemInputFrame::ID_DELETE));

  // New: no price list exists, yet the search offers every item.
  ModalScript script;
  script
      .Then<SearchDlg>([](SearchDlg& search) {
        search.RunSearch();
        ASSERT_EQ(search.GetList()->GetRowCount(), 1u);
        search.GetList()->SelectRow(0);
        search.OnOK();
      })
      .Then<ItemInputDlg>([](ItemInputDlg& dialog) {
        dialog.GetQuantityEdit()->ChangeValue(FormatAmount(10.0));
        dialog.GetPriceEdit()->ChangeValue(FormatAmount(10.0));
        dialog.GetDiscountEdit()->ChangeValue(FormatAmount(10.0));
        dialog.GetTaxEdit()->ChangeValue(FormatAmount(20.0));
        dialog.OnOK();
      });
  SendCommand(frame, ItemInputFrame::ID_NEW);
  EXPECT_TRUE(RunModalScript(script));
  EXPECT_DOUBLE_EQ(Stock(bolt), 10.0);
  ASSERT_EQ(view->GetList()->GetRowCount(), 1u);
  const ListRow& row = view->GetList()->GetRow(0);
  EXPECT_EQ(row.GetCell(1).AsString(), L"Bolt");
  EXPECT_DOUBLE_EQ(row.GetCell(9).AsDouble(), 18.0);
  EXPECT_DOUBLE_EQ(row.GetCell(10).AsDouble(), 108.0);
  EXPECT_EQ(m_listener->heard, std::vector<unsigned>{RefreshMessages::Item()});

  if (const char* dir = std::getenv("CORVANE_SCREENSHOT_DIR"))
    SaveWindowShot(frame, std::filesystem::path(dir) / "item-input.png");

  // A free selection lists whole days: the pickers' day from 00:00:00 to 23:59:59.
  frame->SelectPeriod(ItemInputPeriod::kFreeSelection);
  EXPECT_TRUE(frame->GetToPicker()->IsEnabled());
  EXPECT_EQ(frame->GetTitle(), L"Item's Income - Free Selection");
  EXPECT_EQ(view->GetList()->GetRowCount(), 1u);
  // Last month holds nothing; the choice is kept for the next opening.
  frame->SelectPeriod(ItemInputPeriod::kLastMonth);
  EXPECT_EQ(frame->GetTitle(), L"Item's Income - Last Month");
  EXPECT_FALSE(frame->GetToPicker()->IsEnabled());
  EXPECT_EQ(view->GetList()->GetRowCount(), 0u);
  EXPECT_EQ(ItemInputPeriod::LoadLastPeriod(), ItemInputPeriod::kLastMonth);
  frame->SelectPeriod(ItemInputPeriod::kThisMonth);
  ASSERT_EQ(view->GetList()->GetRowCount(), 1u);

  view->GetList()->SelectRow(0);
  EXPECT_TRUE(IsCommandEnabled(frame, ItemInputFrame::ID_DELETE));
  EXPECT_TRUE(IsCommandEnabled(frame, ItemInputFrame::ID_PROPERTIES));
  m_messages.QueueAnswer(platform::IDYES);
  m_listener->heard.clear();
  SendCommand(frame, ItemInputFrame::ID_DELETE);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Are you sure you want to delete the selected Item's Income?");
  EXPECT_EQ(view->GetList()->GetRowCount(), 0u);
  EXPECT_DOUBLE_EQ(Stock(bolt), 0.0);
  EXPECT_EQ(m_listener->heard, std::vector<unsigned>{RefreshMessages::Item()});

  // An update meant for one view of the main window leaves the list alone;
  // the refresh message reloads it.
  Committed([&] { Receive(bolt, 2.0); });
  m_document.UpdateAllViews(nullptr, 0, &m_document);
  EXPECT_EQ(view->GetList()->GetRowCount(), 0u);
  platform::SendToThreadWindows(RefreshMessages::ItemsInput(), 0, 0);
  EXPECT_EQ(view->GetList()->GetRowCount(), 1u);
}

// A receipt of a supplier invoice is the invoice's line: the window neither
// edits nor deletes it, and says which invoice it belongs to.
TEST_F(ItemInputWindowGui, AReceiptOfAnInvoiceIsNeitherEditedNorDeletedHere) {
  const int flour = StoredItem(L"Flour");
  Committed([&] {
    Invoice::Invoice invoice;
    invoice.SetInvoiceNum(L"0007/06");
    invoice.SetInvoiceType(1);
    invoice.SetDate(Ole(2006, 3, 9));
    invoice.SetPaidOn(Ole(2006, 3, 9));
    invoice.Save();
    Receive(flour, 200.0, invoice.GetId());
  });
  ItemInputFrame* frame = Open();
  ASSERT_TRUE(frame);
  ItemInputView* view = ViewOf(frame);
  ASSERT_TRUE(view);
  ASSERT_EQ(view->GetList()->GetRowCount(), 1u);
  view->GetList()->SelectRow(0);

  bool dialogShown = false;
  ModalScript script;  // a stock dialog shown would be cancelled
  script.Then<wxDialog>([&](wxDialog& dialog) {
    dialogShown = true;
    dialog.EndModal(wxID_CANCEL);
  });
  const std::wstring refusal =
      L"This line belongs to Income Invoice 0007/06. Its lines are changed and deleted in the invoice's own "
      L"form.";
  SendCommand(frame, ItemInputFrame::ID_PROPERTIES);
  PumpEvents();
  EXPECT_FALSE(dialogShown);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, refusal);

  m_messages.QueueAnswer(platform::IDYES);
  SendCommand(frame, ItemInputFrame::ID_DELETE);
  ASSERT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_EQ(m_messages.Shown()[1].text, refusal);
  EXPECT_EQ(view->GetList()->GetRowCount(), 1u);
  EXPECT_DOUBLE_EQ(Stock(flour), 200.0);
  EXPECT_EQ(Count(L"ITEM_INPUT", L"ITEM_OBJECT_ID = " + std::to_wstring(flour)), 1);
}

}  // namespace
}  // namespace corvane::test
