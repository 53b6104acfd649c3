// The price list form in its frame under Xvfb: a new income list named,
// priced through the change-price dialog twice and saved with one price row
// per item, the empty name refused, and the price-list view told.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/radiobut.h>

#include <cstdlib>
#include <filesystem>

#include "WindowShot.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "forms/dialogs/PriceListForm.h"
#include "forms/dialogs/PriceListFrame.h"
#include "forms/dialogs/PriceListPage1.h"
#include "forms/items/EditPriceDlg.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/RefreshMessages.h"
#include "shell/ui/StaleSave.h"
#include "tests/forms_dialogs/ModalScript.h"
#include "tests/forms_items/StockFixture.h"

namespace corvane::test {
namespace {

class PriceListFormGui : public StockTest {
protected:
  void SetUp() override {
    StockTest::SetUp();
    m_listener = new BroadcastListener;
  }
  void TearDown() override {
    DiscardAllWindows();
    PumpEvents();
    StockTest::TearDown();
  }
  PriceListFrame* Open(int32_t id, int32_t direction) {
    auto* frame = dynamic_cast<PriceListFrame*>(m_template.CreateNewFrame(m_document));
    EXPECT_TRUE(frame);
    if (!frame) return nullptr;
    FormArguments arguments;
    arguments.objectId = id;
    arguments.direction = direction;
    frame->SetFormArguments(arguments);
    DocTemplate::InitialUpdateFrame(frame);
    PumpEvents();
    return frame;
  }
  void SetPrice(PriceListFrame* frame, double value) {
    ModalScript script;
    script.Then<EditPriceDlg>([value](EditPriceDlg& dialog) {
      dialog.GetModeButton(EditPriceLogic::kEqual)->SetValue(true);
      dialog.GetValueEdit()->ChangeValue(FormatAmount(value));
      dialog.OnOK();
    });
    SendCommand(frame, PriceListForm::ID_EDIT_PRICE);
    EXPECT_TRUE(RunModalScript(script));
  }

  Document m_document;
  DocTemplate m_template{PriceListFrame::kResourceId, CreatePriceListFrame, CreatePriceListFormView};
  BroadcastListener* m_listener = nullptr;
};

TEST_F(PriceListFormGui, ANewIncomeListIsPricedTwiceAndSavedWithOneRowPerItem) {
  const int bolt = StoredItem(L"Bolt");
  StoredItem(L"Nut");
  PriceListFrame* frame = Open(0, 1);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->GetTitle(), L"Income Price List");
  PriceListPage1* page = frame->GetForm()->GetDetailsPage();
  ASSERT_TRUE(page);
  ASSERT_EQ(page->GetList()->GetRowCount(), 2u);
  EXPECT_EQ(page->GetList()->GetRow(0).GetCell(1).AsString(), L"Not defined");
  EXPECT_FALSE(frame->IsModified());
  EXPECT_FALSE(IsCommandEnabled(frame, PriceListForm::ID_EDIT_PRICE));
  EXPECT_FALSE(IsCommandEnabled(frame, PriceListForm::ID_SAVE));

  page->GetList()->SelectRow(0);
  EXPECT_TRUE(IsCommandEnabled(frame, PriceListForm::ID_EDIT_PRICE));
  SetPrice(frame, 2.5);
  EXPECT_TRUE(frame->IsModified());
  EXPECT_DOUBLE_EQ(page->GetList()->GetRow(0).GetCell(1).AsDouble(), 2.5);
  page->GetList()->SelectRow(0);
  SetPrice(frame, 3.0);

  // No name: refused, nothing written, still modified.
  SendCommand(frame, PriceListForm::ID_SAVE);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"You must enter a name for the Price List!");
  EXPECT_EQ(frame->GetObjectId(), 0);
  EXPECT_TRUE(frame->IsModified());
  EXPECT_EQ(Count(L"PRICE_GROUP", L"1 = 1"), 0);

  page->GetNameEdit()->SetValue(L"Suppliers");
  if (const char* dir = std::getenv("CORVANE_SCREENSHOT_DIR"))
    SaveWindowShot(frame, std::filesystem::path(dir) / "price-list.png");
  SendCommand(frame, PriceListForm::ID_SAVE);
  const int32_t id = frame->GetObjectId();
  ASSERT_GT(id, 0);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(frame->GetTitle(), L"Income Price List - Suppliers");
  EXPECT_EQ(Value(L"SELECT DIRECTION FROM PRICE_GROUP WHERE OBJECT_ID = " + std::to_wstring(id)), L"1");
  EXPECT_EQ(Count(L"PRICE_LIST", L"PRICE_GROUP_OBJECT_ID = " + std::to_wstring(id)), 1);
  EXPECT_DOUBLE_EQ(ReadDouble(L"SELECT PRICE FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + std::to_wstring(bolt)), 3.0);
  EXPECT_GT(page->GetList()->GetRow(0).GetObjectId(), 0);  // reloaded with its stored row
  EXPECT_EQ(m_listener->heard, std::vector<unsigned>{RefreshMessages::PriceList()});
}

// One price list open in two frames: the second's rename, saved after the
// first's, is refused and offers to load what is stored; loaded, the list
// shows the first rename, and the second's typed again is saved.
TEST_F(PriceListFormGui, APriceListRenamedInAnotherFrameIsNotRenamedBack) {
  int32_t id = 0;
  Committed([&] {
    Invoice::PriceGroup list;
    list.SetName(L"Retail");
    list.Save();
    id = list.GetId();
  });
  PriceListFrame* first = Open(id, 0);
  PriceListFrame* second = Open(id, 0);
  ASSERT_TRUE(first && second);
  first->GetForm()->GetDetailsPage()->GetNameEdit()->SetValue(L"Retail 2026");
  SendCommand(first, PriceListForm::ID_SAVE);
  EXPECT_FALSE(first->IsModified());

  PriceListPage1* page = second->GetForm()->GetDetailsPage();
  page->GetNameEdit()->SetValue(L"Shop");
  m_messages.QueueAnswer(platform::IDYES);
  SendCommand(second, PriceListForm::ID_SAVE);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, StaleSaveQuestion(Invoice::StaleRowException(L"this price list", true)));
  EXPECT_EQ(Value(L"SELECT NAME FROM PRICE_GROUP"), L"Retail 2026");
  EXPECT_FALSE(second->IsModified());
  EXPECT_EQ(page->GetNameEdit()->GetValue(), L"Retail 2026");
  EXPECT_EQ(second->GetTitle(), L"Outcome Price List - Retail 2026");

  page->GetNameEdit()->SetValue(L"Shop");
  SendCommand(second, PriceListForm::ID_SAVE);
  EXPECT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(Value(L"SELECT NAME FROM PRICE_GROUP"), L"Shop");
}

}  // namespace
}  // namespace corvane::test
