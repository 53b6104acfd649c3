// The item form in its frame under Xvfb: a new item from "Details" to saved
// with a price and an ingredient, stock moved from its pages, and the form's
// delete and failed save. Dialogs are acted on from inside their loops.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "StockFixture.h"
#include "WindowShot.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "data/DbException.h"
#include "data/objects/Invoice.h"
#include "data/objects/ItemOutput.h"
#include "forms/items/EditPriceDlg.h"
#include "forms/items/ItemDependencyDlg.h"
#include "forms/items/ItemForm.h"
#include "forms/items/ItemFormTabs.h"
#include "forms/items/ItemFrame.h"
#include "forms/items/ItemInputDlg.h"
#include "forms/items/ItemOutputDlg.h"
#include "forms/items/ItemPage3.h"
#include "forms/items/ItemPage4.h"
#include "forms/items/ItemPage5.h"
#include "forms/items/ItemPage6.h"
#include "forms/items/ItemPage7.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/RefreshMessages.h"
#include "shell/ui/StaleSave.h"
#include "shell/ui/UnitOfWork.h"
#include "tests/forms_dialogs/ModalScript.h"

namespace corvane::test {
namespace {

using Tabs = ItemFormTabs;

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();
  }
}

// Waits, pumping, until the script has acted on every dialog.
void RunScript(ModalScript& script) {
  for (int i = 0; i < 200 && !script.IsDone(); ++i) {
    Pump();
    wxMilliSleep(10);
  }
  EXPECT_TRUE(script.IsDone());
}

class MessageListener : public wxFrame {
public:
  MessageListener() : wxFrame(nullptr, wxID_ANY, L"listener") {
    Bind(EVT_CORVANE_MESSAGE, [this](platform::WindowMessageEvent& event) { heard.push_back(event.GetMessage()); });
  }
  std::vector<unsigned> heard;
};

// A unit of work whose commit fails, as a lost connection would; it rolls back.
class FailingUnit : public UnitOfWork {
public:
  void Commit() override { throw Invoice::DbException(L"connection lost"); }

private:
  TransactionScope m_scope;
};

class ItemFormGui : public StockTest {
protected:
  void SetUp() override {
    StockTest::SetUp();
    m_listener = new MessageListener;
  }
  void TearDown() override {
    UnitOfWork::SetFactory(nullptr);
    ItemDependencyDlg::SetSearchOverride(nullptr);
    DiscardAllWindows();
    Pump();
    StockTest::TearDown();
  }

  ItemFrame* Open(int32_t objectId, bool group = false, int32_t presetGroupId = 0) {
    auto* frame = dynamic_cast<ItemFrame*>(m_template.CreateNewFrame(m_document));
    EXPECT_TRUE(frame);
    if (!frame) return nullptr;
    FormArguments arguments;
    arguments.objectId = objectId;
    arguments.itemGroup = group;
    arguments.parentGroupId = presetGroupId;
    frame->SetFormArguments(arguments);
    DocTemplate::InitialUpdateFrame(frame);
    Pump();
    return frame;
  }
  static std::vector<uint32_t> TabIds(ItemForm* form) {
    std::vector<uint32_t> ids;
    for (int i = 0; i < form->GetTabCount(); ++i) ids.push_back(form->GetTabPageId(i));
    return ids;
  }
  static void Command(wxFrame* frame, int id) {
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);
    frame->ProcessWindowEvent(command);
  }
  static void Choose(wxChoice* list, const wxString& text) {
    list->SetSelection(list->FindString(text));
    wxCommandEvent event(wxEVT_CHOICE, list->GetId());
    event.SetEventObject(list);
    list->ProcessWindowEvent(event);
  }
  static void SelectRow(BaseListCtrl* list, long row) {
    list->SelectRow(row);
  }
  int Rows(const std::wstring& table, const std::wstring& column, int id) {
    return Count(table, column + L" = " + std::to_wstring(id));
  }

  Document m_document;
  DocTemplate m_template{ItemFrame::kResourceId, CreateItemFrame, CreateItemFormView};
  MessageListener* m_listener = nullptr;
};

TEST_F(ItemFormGui, ANewItemIsSavedWithAPriceAndAnIngredientInOneGo) {
  const int kg = NewMeasurement(L"Kilogram", L"kg");
  const int flour = StoredItem(L"Rye flour", Invoice::kSourceTrading, kg, 0, 1.0);
  const int retail = NewPriceGroup(L"Retail", 2);
  NewPriceGroup(L"Wholesale", 2);
  ItemFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  ItemForm* form = frame->GetForm();
  EXPECT_EQ(TabIds(form), std::vector<uint32_t>{Tabs::kDetails});
  EXPECT_EQ(frame->GetTitle(), L"Item - New Item");

  auto* details = dynamic_cast<ItemPage3*>(form->GetPage(Tabs::kDetails));
  ASSERT_TRUE(details);
  details->GetNameEdit()->SetValue(L"Rye bread");
  EXPECT_TRUE(frame->IsModified());
  Choose(details->GetMeasurementList(), L"Kilogram");
  Choose(details->GetIncomeTypeList(), L"Manufacturing");
  Command(frame, ItemForm::ID_SAVE);
  Pump();
  const int32_t bread = frame->GetObjectId();
  ASSERT_GT(bread, 0);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(frame->GetTitle(), L"Item - Rye bread");
  EXPECT_EQ(form->GetCurrentPageId(), Tabs::kDetails);
  EXPECT_EQ(TabIds(form), (std::vector<uint32_t>{Tabs::kDetails, Tabs::kStock, Tabs::kIngredients, Tabs::kPrices,
                                                 Tabs::kIncome, Tabs::kOutcome}));
  EXPECT_EQ(m_listener->heard, std::vector<unsigned>{RefreshMessages::Item()});

  // A price in the retail list, through the change-price dialog.
  form->SelectPage(Tabs::kPrices);
  auto* prices = dynamic_cast<ItemPage5*>(form->GetPage(Tabs::kPrices));
  ASSERT_TRUE(prices);
  ASSERT_EQ(prices->GetList()->GetRowCount(), 2u);
  EXPECT_EQ(prices->GetList()->GetRow(0).GetCell(1).AsString(), L"Not defined");
  SelectRow(prices->GetList(), 0);
  EXPECT_FALSE(form->CanNew());
  EXPECT_TRUE(form->CanEditProperties());
  ModalScript priceScript;
  priceScript.Then<EditPriceDlg>([](EditPriceDlg& dialog) {
    dialog.GetModeButton(EditPriceLogic::kEqual)->SetValue(true);
    dialog.GetValueEdit()->ChangeValue(FormatAmount(2.75));
    dialog.OnOK();
  });
  Command(frame, ItemForm::ID_PROPERTIES);
  RunScript(priceScript);
  EXPECT_TRUE(frame->IsModified());
  EXPECT_DOUBLE_EQ(prices->GetList()->GetRow(0).GetCell(1).AsDouble(), 2.75);

  // An ingredient, through the ingredient dialog.
  form->SelectPage(Tabs::kIngredients);
  auto* ingredients = dynamic_cast<ItemPage4*>(form->GetPage(Tabs::kIngredients));
  ASSERT_TRUE(ingredients);
  EXPECT_TRUE(form->CanNew());
  EXPECT_FALSE(form->CanDeleteSelected());
  SearchRecorder search({flour});
  ItemDependencyDlg::SetSearchOverride(search.Search());
  ModalScript ingredientScript;
  ingredientScript.Then<ItemDependencyDlg>([](ItemDependencyDlg& dialog) {
    dialog.GetTriggerEdit()->ChangeValue(FormatAmount(1.0));
    dialog.GetQuantityEdit()->ChangeValue(FormatAmount(0.6));
    dialog.OnOK();
  });
  Command(frame, ItemForm::ID_NEW);
  RunScript(ingredientScript);
  ASSERT_EQ(ingredients->GetList()->GetRowCount(), 1u);
  EXPECT_EQ(ingredients->GetList()->GetRow(0).GetCell(0).AsString(), L"Rye flour");
  EXPECT_LT(ingredients->GetList()->GetRow(0).GetObjectId(), 0);

  if (const char* dir = std::getenv("CORVANE_SCREENSHOT_DIR")) {
    form->SelectPage(Tabs::kPrices);
    SaveWindowShot(frame, std::filesystem::path(dir) / "item-form.png");
    form->SelectPage(Tabs::kIngredients);
  }

  m_listener->heard.clear();
  ASSERT_TRUE(form->Save());
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(Rows(L"PRICE_LIST", L"ITEM_OBJECT_ID", bread), 1);
  EXPECT_DOUBLE_EQ(ReadDouble(L"SELECT PRICE FROM PRICE_LIST WHERE PRICE_GROUP_OBJECT_ID = " +
                              std::to_wstring(retail)),
                   2.75);
  EXPECT_EQ(Rows(L"ITEM_DEPENDENCIES", L"ITEM_OBJECT_ID", bread), 1);
  EXPECT_EQ(Value(L"SELECT DEP_ITEM_OBJECT_ID FROM ITEM_DEPENDENCIES"), std::to_wstring(flour));
  EXPECT_EQ(form->GetCurrentPageId(), Tabs::kIngredients);
  EXPECT_GT(ingredients->GetList()->GetRow(0).GetObjectId(), 0);  // reloaded with its stored id
  EXPECT_EQ(m_listener->heard, std::vector<unsigned>{RefreshMessages::Item()});
}

TEST_F(ItemFormGui, AnIncomeFromTheItemsPageMovesItsStockWhenTheFormIsSaved) {
  const int bolt = StoredItem(L"Bolt");
  ItemFrame* frame = Open(bolt);
  ASSERT_TRUE(frame);
  ItemForm* form = frame->GetForm();
  EXPECT_EQ(form->GetCurrentPageId(), Tabs::kStock);
  form->SelectPage(Tabs::kIncome);
  auto* income = dynamic_cast<ItemPage6*>(form->GetPage(Tabs::kIncome));
  ASSERT_TRUE(income);
  ModalScript script;
  script.Then<ItemInputDlg>([](ItemInputDlg& dialog) {
    dialog.GetQuantityEdit()->ChangeValue(FormatAmount(12.0));
    dialog.GetPriceEdit()->ChangeValue(FormatAmount(3.0));
    dialog.OnOK();
  });
  Command(frame, ItemForm::ID_NEW);
  RunScript(script);
  ASSERT_EQ(income->GetList()->GetRowCount(), 1u);
  EXPECT_TRUE(frame->IsModified());
  EXPECT_DOUBLE_EQ(Stock(bolt), 0.0);  // nothing written before the save

  ASSERT_TRUE(form->Save());
  EXPECT_DOUBLE_EQ(Stock(bolt), 12.0);
  EXPECT_EQ(Rows(L"ITEM_INPUT", L"ITEM_OBJECT_ID", bolt), 1);

  // Deleted on the page and saved: the stock goes back.
  SelectRow(income->GetList(), 0);
  m_messages.QueueAnswer(platform::IDYES);
  Command(frame, ItemForm::ID_DELETE_SELECTED);
  EXPECT_EQ(income->GetList()->GetRowCount(), 0u);
  ASSERT_TRUE(form->Save());
  EXPECT_DOUBLE_EQ(Stock(bolt), 0.0);
}

TEST_F(ItemFormGui, DeleteRefusesAnItemOnAnInvoiceAndOtherwiseClosesWithTheListsTold) {
  const int sold = StoredItem(L"Sold");
  ASSERT_EQ(FailureText([&] {
              Committed([&] {
                Invoice::Invoice invoice;
                invoice.SetInvoiceNum(L"0001/06");
                invoice.SetDate(Ole(2006, 3, 9));
                invoice.SetPaidOn(Ole(2006, 3, 9));
                invoice.Save();
                Receive(sold, 5.0);
                Issue(sold, 1.0, invoice.GetId());
              });
            }),
            L"");
  ItemFrame* frame = Open(sold);
  ASSERT_TRUE(frame);
  m_messages.QueueAnswer(platform::IDYES);
  frame->GetForm()->Delete();
  ASSERT_FALSE(m_messages.Shown().empty());
  EXPECT_NE(m_messages.Shown().back().text.find(L"can not be deleted"), std::wstring::npos);
  EXPECT_TRUE(Invoice::Item(sold).IsStored());
  EXPECT_TRUE(frame->IsShown());

  const int spare = StoredItem(L"Spare");
  ItemFrame* other = Open(spare);
  ASSERT_TRUE(other);
  other->SetModified(true);
  m_listener->heard.clear();
  m_messages.QueueAnswer(platform::IDYES);
  other->GetForm()->Delete();
  Pump();
  EXPECT_EQ(Rows(L"ITEMS", L"OBJECT_ID", spare), 0);
  EXPECT_EQ(m_listener->heard, std::vector<unsigned>{RefreshMessages::Item()});
  for (wxWindow* window : wxTopLevelWindows) EXPECT_NE(window, other);  // closed without a save question
}

// An ingredient is not deleted while a product takes it, and the refusal
// names the product. One that another program removed anyway is listed as
// missing, with no error, and can be removed from the product.
TEST_F(ItemFormGui, AnIngredientIsRefusedAndAMissingOneCanBeRemoved) {
  const int bread = StoredItem(L"Bread", Invoice::kSourceManufacturing);
  const int flour = StoredItem(L"Rye flour");
  const int salt = StoredItem(L"Salt");
  Committed([&] {
    AddIngredient(bread, flour, 1.0, 0.6);
    AddIngredient(bread, salt, 1.0, 0.01);
  });
  ItemFrame* flourFrame = Open(flour);
  ASSERT_TRUE(flourFrame);
  m_messages.QueueAnswer(platform::IDYES);
  flourFrame->GetForm()->Delete();
  ASSERT_EQ(m_messages.Shown().size(), 2u);  // the question, then the refusal
  EXPECT_EQ(m_messages.Shown()[1].text, L"Item is an Ingredient of 'Bread' and can not be deleted!");
  EXPECT_EQ(Rows(L"ITEMS", L"OBJECT_ID", flour), 1);

  Committed([&] { ExecuteSql(L"DELETE FROM ITEMS WHERE OBJECT_ID = " + std::to_wstring(salt)); });
  ItemFrame* frame = Open(bread);
  ASSERT_TRUE(frame);
  ItemForm* form = frame->GetForm();
  form->SelectPage(Tabs::kIngredients);
  Pump();
  auto* ingredients = dynamic_cast<ItemPage4*>(form->GetPage(Tabs::kIngredients));
  ASSERT_TRUE(ingredients);
  EXPECT_EQ(m_messages.Shown().size(), 2u);  // nothing more shown
  ASSERT_EQ(ingredients->GetList()->GetRowCount(), 2u);
  std::vector<std::wstring> names;
  for (size_t row = 0; row < 2; ++row)
    names.push_back(ingredients->GetList()->GetRow(row).GetCell(0).AsString());
  const std::wstring missing = L"(missing item " + std::to_wstring(salt) + L")";
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Rye flour", missing}));

  SelectRow(ingredients->GetList(), 1);
  m_messages.QueueAnswer(platform::IDYES);
  Command(frame, ItemForm::ID_DELETE_SELECTED);
  ASSERT_EQ(ingredients->GetList()->GetRowCount(), 1u);
  ASSERT_TRUE(form->Save());
  EXPECT_EQ(Rows(L"ITEM_DEPENDENCIES", L"ITEM_OBJECT_ID", bread), 1);
  EXPECT_EQ(Rows(L"ITEM_DEPENDENCIES", L"DEP_ITEM_OBJECT_ID", salt), 0);
}

// New on the Income page of an item that keeps no stock is refused at once:
// no dialog, nothing pending that would make every later save fail.
TEST_F(ItemFormGui, NewIncomeOfAServiceItemIsRefusedAtOnce) {
  const int repair = StoredItem(L"Repair", Invoice::kSourceService);
  ItemFrame* frame = Open(repair);
  ASSERT_TRUE(frame);
  ItemForm* form = frame->GetForm();
  form->SelectPage(Tabs::kIncome);
  auto* income = dynamic_cast<ItemPage6*>(form->GetPage(Tabs::kIncome));
  ASSERT_TRUE(income);
  bool opened = false;
  ModalScript script;
  script.Then<ItemInputDlg>([&opened](ItemInputDlg& dialog) {
    opened = true;
    dialog.GetQuantityEdit()->ChangeValue(FormatAmount(2.0));
    dialog.OnOK();
  });
  Command(frame, ItemForm::ID_NEW);
  Pump();
  EXPECT_FALSE(opened);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Selected Item does not support input.");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONINFORMATION);
  EXPECT_EQ(income->GetList()->GetRowCount(), 0u);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(m_messages.Shown().size(), 1u);
}

// "Properties" on the Outcome page offers a retail, waste or manufacturing
// outcome only those types, so it cannot become an invoice's line; an
// invoice's line shows "Invoice" in a list that cannot change it.
TEST_F(ItemFormGui, AnOutcomeIsOfferedOnlyTheTypesItMayHave) {
  const int bolt = StoredItem(L"Bolt");
  std::vector<int> lines;
  Committed([&] {
    Receive(bolt, 10.0);
    for (const int type : {Invoice::kDestRetail, Invoice::kDestInvoice}) {
      Invoice::ItemOutput line;
      line.SetItemId(bolt);
      line.SetQuantity(1.0);
      line.SetOutputDestType(type);
      line.Save();
      lines.push_back(line.GetId());
    }
  });
  ItemFrame* frame = Open(bolt);
  ASSERT_TRUE(frame);
  ItemForm* form = frame->GetForm();
  form->SelectPage(Tabs::kOutcome);
  auto* outcome = dynamic_cast<ItemPage7*>(form->GetPage(Tabs::kOutcome));
  ASSERT_TRUE(outcome);
  ASSERT_EQ(outcome->GetList()->GetRowCount(), 2u);
  for (size_t row = 0; row < 2; ++row) {
    const bool invoiceLine = outcome->GetList()->GetRow(row).GetObjectId() == lines[1];
    std::vector<std::wstring> offered;
    bool enabled = true;
    ModalScript script;
    script.Then<ItemOutputDlg>([&](ItemOutputDlg& dialog) {
      for (unsigned i = 0; i < dialog.GetTypeList()->GetCount(); ++i)
        offered.push_back(dialog.GetTypeList()->GetString(i).ToStdWstring());
      enabled = dialog.GetTypeList()->IsEnabled();
      dialog.EndModal(platform::IDCANCEL);
    });
    SelectRow(outcome->GetList(), static_cast<long>(row));
    Command(frame, ItemForm::ID_PROPERTIES);
    RunScript(script);
    const std::vector<std::wstring> plain{L"Retail", L"Waste", L"Manufacturing"};
    const std::vector<std::wstring> withInvoice{L"Retail", L"Invoice", L"Waste", L"Manufacturing"};
    EXPECT_EQ(offered, invoiceLine ? withInvoice : plain) << row;
    EXPECT_EQ(enabled, !invoiceLine) << row;
  }
  EXPECT_FALSE(frame->IsModified());
}

TEST_F(ItemFormGui, AFailedFirstSaveLeavesTheFrameOnTheNewItem) {
  ItemFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  auto* details = dynamic_cast<ItemPage3*>(frame->GetForm()->GetPage(Tabs::kDetails));
  ASSERT_TRUE(details);
  details->GetNameEdit()->SetValue(L"Lost");
  UnitOfWork::SetFactory([] { return std::make_unique<FailingUnit>(); });
  EXPECT_FALSE(frame->GetForm()->Save());
  UnitOfWork::SetFactory(nullptr);
  EXPECT_EQ(frame->GetObjectId(), 0);
  EXPECT_TRUE(frame->IsModified());
  EXPECT_EQ(TabIds(frame->GetForm()), std::vector<uint32_t>{Tabs::kDetails});
  EXPECT_EQ(CountRows(L"ITEMS"), 0);

  // The next save stores it once.
  ASSERT_TRUE(frame->GetForm()->Save());
  EXPECT_GT(frame->GetObjectId(), 0);
  EXPECT_EQ(CountRows(L"ITEMS"), 1);
}

TEST_F(ItemFormGui, AnItemInAGroupInheritsTaxAndTypeAndStoresNone) {
  const int vat = NewTax(L"VAT", 18.0);
  int food = 0, bakery = 0;
  Committed([&] {
    Invoice::ItemGroup top = NewGroup(L"Food", 0, Invoice::kSourceManufacturing);
    top.SetTaxId(vat);
    top.Save();
    food = top.GetId();
    bakery = NewGroup(L"Bakery", food).GetId();
  });
  ItemFrame* frame = Open(0, false, bakery);
  ASSERT_TRUE(frame);
  auto* details = dynamic_cast<ItemPage3*>(frame->GetForm()->GetPage(Tabs::kDetails));
  ASSERT_TRUE(details);
  EXPECT_EQ(details->GetFields().groupName, L"Bakery");
  EXPECT_FALSE(details->GetTaxList()->IsEnabled());
  EXPECT_EQ(details->GetTaxList()->GetStringSelection(), L"VAT");
  EXPECT_FALSE(details->GetIncomeTypeList()->IsEnabled());
  EXPECT_EQ(details->GetIncomeTypeList()->GetStringSelection(), L"Manufacturing");
  EXPECT_TRUE(details->GetMeasurementList()->IsEnabled());
  details->GetNameEdit()->SetValue(L"Bun");
  ASSERT_TRUE(frame->GetForm()->Save());
  const Invoice::Item bun(frame->GetObjectId());
  EXPECT_EQ(bun.GetTaxId(), 0);
  EXPECT_EQ(bun.GetDefInputSourceType(), 0);
  EXPECT_EQ(bun.GetGroupId(), bakery);
  EXPECT_EQ(bun.GetEffectiveTaxId(), vat);
  // Manufactured through its top-level group: the ingredients page appears.
  EXPECT_TRUE(frame->GetForm()->HasTab(Tabs::kIngredients));

  // Out of the group every choice is free again, the inherited one still selected.
  ItemPage3::SetGroupChooserOverride([](int32_t) { return 0; });
  details->OnChooseGroup();
  ItemPage3::SetGroupChooserOverride(nullptr);
  EXPECT_EQ(details->GetFields().groupName, L"");
  EXPECT_TRUE(details->GetTaxList()->IsEnabled());
  EXPECT_EQ(details->GetTaxList()->GetStringSelection(), L"VAT");
}

TEST_F(ItemFormGui, NameAndCodeTakeNoMoreThanTheirColumnsHold) {
  ItemFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  auto* details = dynamic_cast<ItemPage3*>(frame->GetForm()->GetPage(Tabs::kDetails));
  ASSERT_TRUE(details);
  const std::wstring name(100, L'n');
  const std::wstring code(50, L'c');
  details->GetNameEdit()->SetValue(name);
  details->GetNameEdit()->AppendText(L"more");
  details->GetCodeEdit()->SetValue(code);
  details->GetCodeEdit()->AppendText(L"more");
  EXPECT_EQ(details->GetNameEdit()->GetValue().ToStdWstring(), name);
  EXPECT_EQ(details->GetCodeEdit()->GetValue().ToStdWstring(), code);

  platform::MessageBoxRecorder boxes;
  ASSERT_TRUE(frame->GetForm()->Save());
  EXPECT_TRUE(boxes.Shown().empty());
  const Invoice::Item item(frame->GetObjectId());
  EXPECT_EQ(item.GetName(), name);
  EXPECT_EQ(item.GetCode(), code);
}

// The receipt of a supplier invoice and the issue of a client invoice are
// those invoices' lines: the item's Income and Outcome pages neither edit
// nor delete them, and say which invoice each belongs to.
TEST_F(ItemFormGui, LinesOfInvoicesAreNeitherEditedNorDeletedOnTheItemsPages) {
  const int flour = StoredItem(L"Flour");
  auto newInvoice = [](const std::wstring& number, int type) {
    Invoice::Invoice invoice;
    invoice.SetInvoiceNum(number);
    invoice.SetInvoiceType(type);
    invoice.SetDate(Ole(2006, 3, 9));
    invoice.SetPaidOn(Ole(2006, 3, 9));
    invoice.Save();
    return invoice.GetId();
  };
  Committed([&] {
    Receive(flour, 200.0, newInvoice(L"0003/06", 1));
    Issue(flour, 20.0, newInvoice(L"0011/06", 0));
  });
  ItemFrame* frame = Open(flour);
  ASSERT_TRUE(frame);
  ItemForm* form = frame->GetForm();
  const struct {
    uint32_t page;
    const wchar_t* invoice;
  } pages[] = {{Tabs::kIncome, L"Income Invoice 0003/06"}, {Tabs::kOutcome, L"Outcome Invoice 0011/06"}};
  for (const auto& [pageId, invoice] : pages) {
    SCOPED_TRACE(pageId);
    form->SelectPage(pageId);
    auto* page = dynamic_cast<StockMovesPage*>(form->GetPage(pageId));
    ASSERT_TRUE(page);
    ASSERT_EQ(page->GetList()->GetRowCount(), 1u);
    SelectRow(page->GetList(), 0);
    const std::wstring refusal = std::wstring(L"This line belongs to ") + invoice +
                                 L". Its lines are changed and deleted in the invoice's own form.";

    bool dialogShown = false;
    ModalScript script;  // a stock dialog shown would be cancelled
    script.Then<wxDialog>([&](wxDialog& dialog) {
      dialogShown = true;
      dialog.EndModal(wxID_CANCEL);
    });
    const size_t shownBefore = m_messages.Shown().size();
    Command(frame, ItemForm::ID_PROPERTIES);
    Pump();
    EXPECT_FALSE(dialogShown);
    ASSERT_EQ(m_messages.Shown().size(), shownBefore + 1);
    EXPECT_EQ(m_messages.Shown().back().text, refusal);

    m_messages.QueueAnswer(platform::IDYES);
    Command(frame, ItemForm::ID_DELETE_SELECTED);
    ASSERT_EQ(m_messages.Shown().size(), shownBefore + 2);
    EXPECT_EQ(m_messages.Shown().back().text, refusal);
    EXPECT_EQ(page->GetList()->GetRowCount(), 1u);
    EXPECT_FALSE(frame->IsModified());
  }
  form->Save();
  EXPECT_DOUBLE_EQ(Stock(flour), 180.0);
  EXPECT_EQ(Rows(L"ITEM_INPUT", L"ITEM_OBJECT_ID", flour), 1);
  EXPECT_EQ(Rows(L"ITEM_OUTPUT", L"ITEM_OBJECT_ID", flour), 1);
}

// One receipt open in two item frames: both change it, the first saves.
// The second save would replace a row that is gone; it is refused, says the
// change was made in another window and offers to load what is stored, again
// when tried once more (No keeps the edits), and leaves one receipt and the
// stock moved once. Yes loads the stored receipt, and a change made again
// on it is saved.
TEST_F(ItemFormGui, AReceiptChangedInTwoFramesIsStoredOnce) {
  const int bolt = StoredItem(L"Bolt");
  Committed([&] { Receive(bolt, 6.0); });
  auto openAndChange = [&](double quantity) {
    ItemFrame* frame = Open(bolt);
    EXPECT_TRUE(frame);
    if (!frame) return static_cast<ItemForm*>(nullptr);
    ItemForm* form = frame->GetForm();
    form->SelectPage(Tabs::kIncome);
    auto* income = dynamic_cast<ItemPage6*>(form->GetPage(Tabs::kIncome));
    EXPECT_TRUE(income && income->GetList()->GetRowCount() == 1u);
    if (!income || income->GetList()->GetRowCount() != 1u) return static_cast<ItemForm*>(nullptr);
    SelectRow(income->GetList(), 0);
    ModalScript script;
    script.Then<ItemInputDlg>([quantity](ItemInputDlg& dialog) {
      dialog.GetQuantityEdit()->ChangeValue(FormatAmount(quantity));
      dialog.OnOK();
    });
    Command(frame, ItemForm::ID_PROPERTIES);
    RunScript(script);
    EXPECT_TRUE(frame->IsModified());
    return form;
  };
  ItemForm* first = openAndChange(7.0);
  ItemForm* second = openAndChange(5.0);
  ASSERT_TRUE(first && second);

  ASSERT_TRUE(first->Save());
  EXPECT_DOUBLE_EQ(Stock(bolt), 7.0);
  for (int attempt = 0; attempt < 2; ++attempt) {
    const size_t shownBefore = m_messages.Shown().size();
    EXPECT_FALSE(second->Save()) << attempt;
    ASSERT_EQ(m_messages.Shown().size(), shownBefore + 1) << attempt;
    EXPECT_EQ(m_messages.Shown().back().text,
              StaleSaveQuestion(Invoice::StaleRowException(L"a stock line", true)));
    EXPECT_EQ(m_messages.Shown().back().style, platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
    EXPECT_TRUE(second->GetItemFrame()->IsModified());
    EXPECT_EQ(Rows(L"ITEM_INPUT", L"ITEM_OBJECT_ID", bolt), 1) << attempt;
    EXPECT_DOUBLE_EQ(Stock(bolt), 7.0) << attempt;
  }

  m_messages.QueueAnswer(platform::IDYES);
  EXPECT_FALSE(second->Save());
  EXPECT_FALSE(second->GetItemFrame()->IsModified());
  auto* income = dynamic_cast<ItemPage6*>(second->GetPage(Tabs::kIncome));
  ASSERT_TRUE(income);
  ASSERT_EQ(income->GetList()->GetRowCount(), 1u);
  SelectRow(income->GetList(), 0);
  ModalScript script;
  script.Then<ItemInputDlg>([](ItemInputDlg& dialog) {
    dialog.GetQuantityEdit()->ChangeValue(FormatAmount(5.0));
    dialog.OnOK();
  });
  Command(second->GetItemFrame(), ItemForm::ID_PROPERTIES);
  RunScript(script);
  const size_t shown = m_messages.Shown().size();
  EXPECT_TRUE(second->Save());
  EXPECT_EQ(m_messages.Shown().size(), shown);
  EXPECT_EQ(Rows(L"ITEM_INPUT", L"ITEM_OBJECT_ID", bolt), 1);
  EXPECT_DOUBLE_EQ(Stock(bolt), 5.0);
}

}  // namespace
}  // namespace corvane::test
