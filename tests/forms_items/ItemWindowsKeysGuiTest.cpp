// Real keys in the item windows (sent through the X server): Delete in the
// item form's text fields and in the stock-input list, Ctrl+S on an item
// without a name, and where the messages of these windows stand.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "StockFixture.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "forms/items/ItemForm.h"
#include "forms/items/ItemFormTabs.h"
#include "forms/items/ItemFrame.h"
#include "forms/items/ItemInputFrame.h"
#include "forms/items/ItemInputView.h"
#include "forms/items/ItemPage3.h"
#include "platform/MessageBox.h"
#include "shell/FormArguments.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/BaseSaveFrame.h"
#include "tests/data/TestDatabase.h"

namespace corvane::test {
namespace {

using Tabs = ItemFormTabs;

// Pumps events until the condition holds or five seconds pass.
template <class Condition>
bool WaitUntil(Condition done) {
  for (int i = 0; i < 500 && !done(); ++i) {
    wxYield();
    wxTheApp->ProcessIdle();
    wxMilliSleep(10);
  }
  return done();
}

class ItemWindowsKeysGui : public StockTest {
protected:
  void TearDown() override {
    for (wxWindow* window : std::vector<wxWindow*>(wxTopLevelWindows.begin(), wxTopLevelWindows.end())) {
      if (auto* frame = dynamic_cast<BaseSaveFrame*>(window)) frame->SetModified(false);
      window->Destroy();
    }
    for (int i = 0; i < 5; ++i) {
      wxYield();
      wxTheApp->ProcessIdle();
    }
    StockTest::TearDown();
  }
  ItemFrame* OpenItem(int32_t objectId) {
    auto* frame = dynamic_cast<ItemFrame*>(m_items.CreateNewFrame(m_document));
    EXPECT_TRUE(frame);
    if (!frame) return nullptr;
    FormArguments arguments;
    arguments.objectId = objectId;
    frame->SetFormArguments(arguments);
    DocTemplate::InitialUpdateFrame(frame);
    return frame;
  }
  ItemInputFrame* OpenInput() {
    auto* frame = dynamic_cast<ItemInputFrame*>(m_inputs.CreateNewFrame(m_document));
    EXPECT_TRUE(frame);
    if (!frame) return nullptr;
    DocTemplate::InitialUpdateFrame(frame);
    return frame;
  }

  Document m_document;
  DocTemplate m_items{ItemFrame::kResourceId, CreateItemFrame, CreateItemFormView};
  DocTemplate m_inputs{ItemInputFrame::kResourceId, CreateItemInputFrame, CreateItemInputView};
};

// Real keys in the shown frame: Delete deletes the character after the
// caret in each text field of the details page, and runs no command there.
TEST_F(ItemWindowsKeysGui, TheDeleteKeyDeletesTextInTheDetailsFields) {
  const int bolt = StoredItem(L"Bolt");
  Committed([&] {
    Invoice::Item item(bolt);
    item.SetCode(L"B1");
    item.SetNumInPack(12);
    item.Save();
  });
  ItemFrame* frame = OpenItem(bolt);
  ASSERT_TRUE(frame);
  frame->Show();
  frame->Raise();
  frame->GetForm()->SelectPage(Tabs::kDetails);
  auto* details = dynamic_cast<ItemPage3*>(frame->GetForm()->GetPage(Tabs::kDetails));
  ASSERT_TRUE(details);
  auto* pieces = dynamic_cast<wxTextCtrl*>(details->FindWindow(ItemPage3::kPieces));
  ASSERT_TRUE(pieces);
  struct Case {
    wxTextCtrl* field;
    const wchar_t* after;
  };
  const Case cases[] = {{details->GetNameEdit(), L"olt"}, {details->GetCodeEdit(), L"1"}, {pieces, L"2"}};
  wxUIActionSimulator keys;
  for (const Case& c : cases) {
    c.field->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == c.field; }));
    c.field->SetInsertionPoint(0);
    keys.Char(WXK_DELETE);
    EXPECT_TRUE(WaitUntil([&] { return c.field->GetValue() == c.after; })) << c.field->GetValue();
  }
  EXPECT_TRUE(m_messages.Shown().empty());
  EXPECT_TRUE(frame->IsModified());
}

// A name of blanks is refused by Ctrl+S too: nothing is stored, the message
// names the field, the frame stays on the new item with the focus in "Item".
TEST_F(ItemWindowsKeysGui, AnItemWithoutANameIsRefusedAndCtrlSStoresNothing) {
  ItemFrame* frame = OpenItem(0);
  ASSERT_TRUE(frame);
  frame->Show();
  frame->Raise();
  auto* details = dynamic_cast<ItemPage3*>(frame->GetForm()->GetPage(Tabs::kDetails));
  ASSERT_TRUE(details);
  details->GetCodeEdit()->SetValue(L"B1");
  details->GetNameEdit()->SetValue(L"  ");
  details->GetCodeEdit()->SetFocus();
  ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == details->GetCodeEdit(); }));
  wxUIActionSimulator keys;
  keys.Char('s', wxMOD_CONTROL);
  ASSERT_TRUE(WaitUntil([&] { return !m_messages.Shown().empty(); }));
  EXPECT_EQ(m_messages.Shown()[0].text, L"\"Item\" must not be empty.");
  EXPECT_EQ(wxGetTopLevelParent(m_messages.Shown()[0].owner), frame);
  EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == details->GetNameEdit(); }));
  EXPECT_EQ(frame->GetObjectId(), 0);
  EXPECT_EQ(CountRows(L"ITEMS"), 0);
  EXPECT_TRUE(frame->IsModified());

  details->GetNameEdit()->SetValue(L"Bolt");
  keys.Char('s', wxMOD_CONTROL);
  EXPECT_TRUE(WaitUntil([&] { return frame->GetObjectId() != 0; }));
  EXPECT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(Invoice::Item(frame->GetObjectId()).GetName(), L"Bolt");
}

// The Delete key in the list asks about the selected receipts; the question
// and a refusal stand over this window, not over whichever window the
// desktop would pick.
TEST_F(ItemWindowsKeysGui, TheDeleteKeyInTheListAsksAndEveryMessageStandsOverThisWindow) {
  const int bolt = StoredItem(L"Bolt");
  Committed([&] { Receive(bolt, 2.0); });
  ItemInputFrame* frame = OpenInput();
  ASSERT_TRUE(frame);
  ItemInputView* view = dynamic_cast<ItemInputView*>(frame->GetActiveView());
  ASSERT_TRUE(view);
  ASSERT_EQ(view->GetList()->GetRowCount(), 1u);
  frame->Show();
  frame->Raise();
  view->GetList()->SelectRow(0);
  view->GetList()->SetFocus();
  ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == view->GetList(); }));

  wxUIActionSimulator keys;
  keys.Char(WXK_DELETE);  // answered No: nothing goes
  ASSERT_TRUE(WaitUntil([&] { return m_messages.Shown().size() == 1; }));
  EXPECT_EQ(m_messages.Shown()[0].text, L"Are you sure you want to delete the selected Item's Income?");
  EXPECT_EQ(wxGetTopLevelParent(m_messages.Shown()[0].owner), frame);
  EXPECT_EQ(view->GetList()->GetRowCount(), 1u);

  m_messages.QueueAnswer(platform::IDYES);
  {
    FailingOperation failing(ibase::ibOperation::Commit);
    keys.Char(WXK_DELETE);
    ASSERT_TRUE(WaitUntil([&] { return m_messages.Shown().size() == 3; }));
  }
  EXPECT_EQ(m_messages.Shown()[2].style, platform::MB_ICONERROR);
  EXPECT_EQ(wxGetTopLevelParent(m_messages.Shown()[2].owner), frame);
  EXPECT_DOUBLE_EQ(Stock(bolt), 2.0);
}

// Save is greyed while there is nothing to save, in the menu and on the
// toolbar, and comes on with the first edit.
TEST_F(ItemWindowsKeysGui, SaveIsEnabledOnlyWithSomethingToSave) {
  const int bolt = StoredItem(L"Bolt");
  ItemFrame* frame = OpenItem(bolt);
  ASSERT_TRUE(frame);
  auto enabled = [frame] {
    wxUpdateUIEvent update(ItemForm::ID_SAVE);
    update.SetEventObject(frame);
    frame->ProcessWindowEvent(update);
    return !update.GetSetEnabled() || update.GetEnabled();
  };
  EXPECT_FALSE(enabled());
  frame->GetForm()->SelectPage(Tabs::kDetails);
  auto* details = dynamic_cast<ItemPage3*>(frame->GetForm()->GetPage(Tabs::kDetails));
  ASSERT_TRUE(details);
  EXPECT_FALSE(enabled());
  details->GetNameEdit()->SetValue(L"Bolt M8");
  EXPECT_TRUE(enabled());
  ASSERT_TRUE(frame->GetForm()->Save());
  EXPECT_FALSE(enabled());
}

}  // namespace
}  // namespace corvane::test
