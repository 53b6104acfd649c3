// The dialogs driven without showing them: initialised, their controls set,
// their buttons pressed; what they show and what they store.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "DialogsFixture.h"
#include "ModalScript.h"
#include "data/objects/Measurement.h"
#include "data/objects/PriceListDef.h"
#include "data/objects/Tax.h"
#include "data/objects/Template.h"
#include "common/RegistryHelpers.h"
#include "shell/ui/ColumnLayout.h"
#include "forms/dialogs/CVersionDlg.h"
#include "forms/dialogs/OptionsDlg.h"
#include "forms/dialogs/OptionsPage1.h"
#include "forms/dialogs/PaymentDlg.h"
#include "forms/dialogs/RefDataDlg.h"
#include "forms/dialogs/RefDataEdit2Dlg.h"
#include "forms/dialogs/SearchDlg.h"
#include "platform/FileDialogs.h"
#include "common/ui/popup_menu.h"

namespace {

using corvane::test::ChooseMenuItem;
using corvane::test::Click;
using corvane::test::FailingOperation;

std::wstring TextOf(wxWindow* parent, int id) {
  wxWindow* window = parent->FindWindow(id);
  if (auto* text = dynamic_cast<wxTextCtrl*>(window)) return text->GetValue().ToStdWstring();
  return window ? window->GetLabel().ToStdWstring() : L"<none>";
}

void SetText(wxWindow* parent, int id, const std::wstring& text) {
  static_cast<wxTextCtrl*>(parent->FindWindow(id))->SetValue(text);
}

std::vector<std::wstring> ListTexts(const BaseListCtrl& list) {
  std::vector<std::wstring> texts;
  for (size_t row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetCellText(row, 0));
  return texts;
}

class DialogControlsGuiTest : public corvane::test::DialogsTest {
protected:
  void SetUp() override {
    DialogsTest::SetUp();
    UseCommaDecimalLocale();
  }
  void TearDown() override {
    platform::SetOpenFileHandler(nullptr);
    popup_menu::SetTrackHandler(nullptr);
    DialogsTest::TearDown();
  }

  bool IsEnabled(wxWindow* dialog, int id) {
    dialog->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    return dialog->FindWindow(id)->IsEnabled();
  }
};

TEST_F(DialogControlsGuiTest, APresetChooserShowsExactlyItsItemsWithoutTheSearchControls) {
  const int bolt = StoreItem(L"Bolt");
  const int nut = StoreItem(L"Nut");
  StoreItem(L"Washer");
  const std::vector<int32_t> presets{nut, bolt};
  SearchDlg dialog(kSearchItems, &presets, nullptr);
  dialog.InitDialog();
  EXPECT_EQ(dialog.GetTitle(), L"Search - Items");
  EXPECT_FALSE(dialog.GetSearchBox()->IsShown());
  EXPECT_FALSE(dialog.FindWindow(SearchDlg::kSearchButton)->IsShown());
  EXPECT_FALSE(dialog.FindWindow(SearchDlg::kLabel)->IsShown());
  EXPECT_EQ(dialog.GetList()->GetPosition().y, 10);
  EXPECT_EQ(ListTexts(*dialog.GetList()), (std::vector<std::wstring>{L"Nut", L"Bolt"}));

  dialog.GetList()->SelectRow(1);
  Click(&dialog, platform::IDOK);
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_EQ(dialog.GetChosenId(), bolt);
}

TEST_F(DialogControlsGuiTest, OkWithoutASelectionSearchesAndADoubleClickChooses) {
  const int acme = StoreCompany(L"Acme");
  StoreCompany(L"Beta");
  SearchDlg dialog(kSearchClients, nullptr, nullptr);
  dialog.InitDialog();
  EXPECT_EQ(dialog.GetTitle(), L"Search - Cleints");
  EXPECT_EQ(TextOf(&dialog, SearchDlg::kLabel), L"Client:");
  EXPECT_EQ(TextOf(&dialog, SearchDlg::kSearchButton), L"Search!");
  EXPECT_EQ(dialog.GetList()->GetItemCount(), 0u);

  // Enter with nothing selected searches with the typed text.
  dialog.GetSearchBox()->SetValue(L"");
  Click(&dialog, platform::IDOK);
  EXPECT_NE(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_EQ(ListTexts(*dialog.GetList()), (std::vector<std::wstring>{L"Acme", L"Beta"}));

  wxDataViewEvent activated(wxEVT_DATAVIEW_ITEM_ACTIVATED, dialog.GetList(), wxDataViewItem());
  dialog.GetList()->UnselectAll();
  dialog.GetList()->GetEventHandler()->ProcessEvent(activated);
  EXPECT_NE(dialog.GetReturnCode(), platform::IDOK);

  dialog.GetList()->SelectRow(0);
  dialog.GetList()->GetEventHandler()->ProcessEvent(activated);
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_EQ(dialog.GetChosenId(), acme);
}

TEST_F(DialogControlsGuiTest, AFailedSearchIsShownAndTheDialogStaysOpen) {
  const Invoice::Searches::PriceListDef missing(987654);
  SearchDlg dialog(kSearchItems, &missing, nullptr);
  dialog.InitDialog();
  StoreItem(L"Bolt");
  Click(&dialog, SearchDlg::kSearchButton);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Object not found!");
  EXPECT_EQ(m_messages.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONERROR);
}

TEST_F(DialogControlsGuiTest, ThePaymentDialogShowsTheAmountInTheUsersFormatAndClearsAParty) {
  const int acme = StoreCompany(L"Acme");
  const int own = StoreCompany(L"Own Company");
  const int invoice = StoreInvoice(L"2006-017", acme, own);
  ChangeSet changes;
  PaymentDlg dialog(&changes, 0, 1234.5, invoice, 0, 0, nullptr);
  dialog.InitDialog();
  EXPECT_EQ(TextOf(&dialog, PaymentDlg::kAmount), L"1.234,50");
  EXPECT_EQ(TextOf(&dialog, PaymentDlg::kReference), L"Invoice: 2006-017");
  EXPECT_EQ(TextOf(&dialog, PaymentDlg::kPayer), L"Client: Acme");
  EXPECT_EQ(TextOf(&dialog, PaymentDlg::kReceiver), L"Client: Own Company");

  popup_menu::SetTrackHandler(ChooseMenuItem(L"Clear"));
  SetText(&dialog, PaymentDlg::kAmount, L"99,9");
  Click(&dialog, PaymentDlg::kReceiverButton);
  EXPECT_EQ(TextOf(&dialog, PaymentDlg::kReceiver), L"");
  EXPECT_EQ(TextOf(&dialog, PaymentDlg::kAmount), L"99,90");  // the controls were read first

  SetText(&dialog, PaymentDlg::kDescription, L"Cash\nat the desk");
  Click(&dialog, platform::IDOK);
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  const auto* payment = dynamic_cast<const Invoice::Payment*>(changes.Find(dialog.GetPaymentId()));
  ASSERT_NE(payment, nullptr);
  EXPECT_DOUBLE_EQ(payment->GetAmount(), 99.9);
  EXPECT_EQ(payment->GetDescription(), L"Cash\nat the desk");
  EXPECT_EQ(payment->GetCompanyReceivingId(), 0);
  EXPECT_EQ(payment->GetCompanyPayingId(), acme);
  // The picker's day with the time of day the payment had.
  EXPECT_DOUBLE_EQ(dialog.GetPaidOn(), Ole(2006, 3, 9, 14, 5, 7));
}

// With no company of the user's own, the box shows its whole hint, and the
// whole advice is the tooltip of the box and its button.
TEST_F(DialogControlsGuiTest, TheMyCompanyHintFitsItsBox) {
  OptionsDlg dialog(nullptr);
  dialog.InitDialog();
  dialog.Show();
  corvane::test::PumpEvents();
  OptionsPage1* page = dialog.GetPage();
  auto* box = static_cast<wxTextCtrl*>(page->FindWindow(OptionsPage1::kMyCompanyName));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->GetValue().empty());
  EXPECT_EQ(box->GetHint(), kNoMyCompanyHint);
  // The entry's own margins and frame take some 12 pixels of its width.
  EXPECT_LE(box->GetTextExtent(box->GetHint()).x + 12, box->GetClientSize().x);
  ASSERT_NE(box->GetToolTip(), nullptr);
  EXPECT_EQ(box->GetToolTipText(), kNoMyCompanyAdvice);
  EXPECT_EQ(page->FindWindow(OptionsPage1::kMyCompanyButton)->GetToolTipText(), kNoMyCompanyAdvice);
  dialog.Hide();
}

// Each list opens with both columns inside the list, the second one's header
// whole ("Allowed Delay in days" was cut at the list's edge); the first
// gives way no further than its own header.
TEST_F(DialogControlsGuiTest, ReferenceListsShowBothColumnsWhole) {
  for (int kind : {kRefMeasurements, kRefTaxes, kRefDaysConditions, kRefTemplates, kRefPhoneCodes}) {
    RefDataDlg dialog(kind, nullptr);
    dialog.InitDialog();
    dialog.Show();
    corvane::test::PumpEvents();
    BaseListCtrl* list = dialog.GetList();
    const std::vector<int> widths = list->GetColumnWidths();
    ASSERT_EQ(widths.size(), 2u) << kind;
    EXPECT_LE(widths[0] + widths[1], list->GetClientSize().x) << kind;
    EXPECT_GE(widths[0], list->ContentWidth(0)) << kind;
    EXPECT_GE(widths[1], list->ContentWidth(1)) << kind;
    dialog.Hide();
  }
}

TEST_F(DialogControlsGuiTest, TheReferenceListEnablesEditAndDeleteForOneSelectedRow) {
  Invoice::Measurement kg;
  kg.SetName(L"Kilogram");
  kg.SetShortcut(L"kg");
  const int kgId = StoreObject(kg);
  Invoice::Measurement box;
  box.SetName(L"Box");
  box.SetShortcut(L"bx");
  const int boxId = StoreObject(box);
  Invoice::Item item;
  item.SetName(L"Flour");
  item.SetMeasurementId(kgId);
  StoreObject(item);

  RefDataDlg dialog(kRefMeasurements, nullptr);
  dialog.InitDialog();
  EXPECT_EQ(dialog.GetTitle(), L"Measurements");
  EXPECT_EQ(TextOf(&dialog, RefDataDlg::kListLabel), L"&List of Measurement:");
  EXPECT_EQ(TextOf(&dialog, RefDataDlg::kNewButton), L"&New");
  EXPECT_EQ(TextOf(&dialog, platform::IDCANCEL), L"&Close");
  EXPECT_EQ(dialog.GetList()->GetListName(), L"RefMeasurements");
  EXPECT_EQ(ListTexts(*dialog.GetList()), (std::vector<std::wstring>{L"Box", L"Kilogram"}));
  EXPECT_EQ(dialog.GetList()->GetCellText(1, 1), L"kg");
  EXPECT_EQ(dialog.GetList()->GetSelectedRows(), (std::vector<long>{0}));  // the first row
  EXPECT_TRUE(IsEnabled(&dialog, RefDataDlg::kEditButton));
  EXPECT_TRUE(IsEnabled(&dialog, RefDataDlg::kDeleteButton));

  dialog.GetList()->SelectAll();
  EXPECT_FALSE(IsEnabled(&dialog, RefDataDlg::kEditButton));
  EXPECT_FALSE(IsEnabled(&dialog, RefDataDlg::kDeleteButton));
  dialog.GetList()->UnselectAll();
  EXPECT_FALSE(IsEnabled(&dialog, RefDataDlg::kDeleteButton));
  EXPECT_TRUE(IsEnabled(&dialog, RefDataDlg::kNewButton));

  // The measurement in use: the refusal is shown and the row stays.
  dialog.GetList()->SelectRow(1);
  m_messages.QueueAnswer(platform::IDYES);
  Click(&dialog, RefDataDlg::kDeleteButton);
  ASSERT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Are you sure you want to delete the selected item?");
  EXPECT_EQ(m_messages.Shown()[1].text,
            L"Measurement is used in one (or more) Item(s) and can not be deleted!");
  EXPECT_EQ(m_messages.Shown()[1].style, platform::MB_ICONERROR);
  EXPECT_EQ(ListTexts(*dialog.GetList()), (std::vector<std::wstring>{L"Box", L"Kilogram"}));

  // No: nothing happens. Yes: the row goes and the list is read again.
  dialog.GetList()->SelectRow(0);
  m_messages.QueueAnswer(platform::IDNO);
  Click(&dialog, RefDataDlg::kDeleteButton);
  EXPECT_EQ(CountRows(L"MEASUREMENTS"), 2);
  m_messages.QueueAnswer(platform::IDYES);
  Click(&dialog, RefDataDlg::kDeleteButton);
  EXPECT_EQ(ListTexts(*dialog.GetList()), (std::vector<std::wstring>{L"Kilogram"}));
  EXPECT_EQ(dialog.GetList()->GetSelectedRows(), (std::vector<long>{0}));
  EXPECT_EQ(Count(L"MEASUREMENTS", L"OBJECT_ID = " + std::to_wstring(boxId)), 0);
}

TEST_F(DialogControlsGuiTest, TheTaxEditShowsAndReadsThePercentInTheUsersFormat) {
  Invoice::Tax vat;
  vat.SetName(L"VAT");
  vat.SetPercent(18.0);
  const int id = StoreObject(vat);
  RefDataEdit2Dlg dialog(id, kRefTaxes, nullptr);
  dialog.InitDialog();
  EXPECT_EQ(dialog.GetTitle(), L"Edit the Tax");
  EXPECT_EQ(TextOf(&dialog, RefDataEdit2Dlg::kFirstLabel), L"&Shortcut:");
  EXPECT_EQ(TextOf(&dialog, platform::IDOK), L"Save");
  EXPECT_FALSE(dialog.FindWindow(RefDataEdit2Dlg::kBrowseButton)->IsShown());
  EXPECT_EQ(TextOf(&dialog, RefDataEdit2Dlg::kFirstEdit), L"VAT");
  EXPECT_EQ(TextOf(&dialog, RefDataEdit2Dlg::kSecondEdit), L"18,00");

  // Read with the user's separators; above 100 % it is no tax.
  SetText(&dialog, RefDataEdit2Dlg::kSecondEdit, L"1.005,5");
  Click(&dialog, platform::IDOK);
  EXPECT_NE(dialog.GetReturnCode(), platform::IDOK);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"\"Percent\" should be between 0 and 100.");
  EXPECT_DOUBLE_EQ(Invoice::Tax(id).GetPercent(), 18.0);
  SetText(&dialog, RefDataEdit2Dlg::kSecondEdit, L"12,5");
  Click(&dialog, platform::IDOK);
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_DOUBLE_EQ(Invoice::Tax(id).GetPercent(), 12.5);
}

TEST_F(DialogControlsGuiTest, AFailedSaveKeepsTheEditOpenWithTheInput) {
  RefDataEdit2Dlg dialog(0, kRefDaysConditions, nullptr);
  dialog.InitDialog();
  EXPECT_EQ(dialog.GetTitle(), L"New Payment condition");
  EXPECT_EQ(TextOf(&dialog, platform::IDCANCEL), L"Close");
  SetText(&dialog, RefDataEdit2Dlg::kFirstEdit, L"Month");
  SetText(&dialog, RefDataEdit2Dlg::kSecondEdit, L"30");
  {
    FailingOperation failing(ibase::ibOperation::Commit);
    Click(&dialog, platform::IDOK);
  }
  EXPECT_NE(dialog.GetReturnCode(), platform::IDOK);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONERROR);
  EXPECT_EQ(TextOf(&dialog, RefDataEdit2Dlg::kFirstEdit), L"Month");
  EXPECT_EQ(CountRows(L"DAYS_CONDITION"), 0);
  Click(&dialog, platform::IDOK);
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_EQ(CountRows(L"DAYS_CONDITION"), 1);
}

TEST_F(DialogControlsGuiTest, TheTemplateEditBrowsesForAZltFileThroughTheFileDialog) {
  std::vector<platform::OpenFileRequest> asked;
  std::optional<std::wstring> answer = L"/home/user/layouts/plain.zlt";
  platform::SetOpenFileHandler([&](const platform::OpenFileRequest& request) {
    asked.push_back(request);
    return answer;
  });
  RefDataEdit2Dlg dialog(0, kRefTemplates, nullptr);
  dialog.InitDialog();
  EXPECT_TRUE(dialog.FindWindow(RefDataEdit2Dlg::kBrowseButton)->IsShown());
  SetText(&dialog, RefDataEdit2Dlg::kSecondEdit, L"/tmp/old.zlt");
  Click(&dialog, RefDataEdit2Dlg::kBrowseButton);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].initialFile, L"/tmp/old.zlt");
  EXPECT_EQ(asked[0].filter, L"CorvanDesigner Files (*.zlt)|*.zlt|");
  EXPECT_EQ(asked[0].defaultExtension, L"zlt");
  EXPECT_EQ(asked[0].parent, &dialog);
  EXPECT_EQ(TextOf(&dialog, RefDataEdit2Dlg::kSecondEdit), L"/home/user/layouts/plain.zlt");

  answer.reset();  // cancelled: the name stays
  Click(&dialog, RefDataEdit2Dlg::kBrowseButton);
  EXPECT_EQ(TextOf(&dialog, RefDataEdit2Dlg::kSecondEdit), L"/home/user/layouts/plain.zlt");
}

TEST_F(DialogControlsGuiTest, TheTemplateListShowsTheWholeFileName) {
  const std::wstring path = L"/home/user/Documents/Corvane/Templates/Standard invoice with discounts.zlt";
  Invoice::Template standard;
  standard.SetName(L"Standard");
  standard.SetFileName(path);
  StoreObject(standard);
  Invoice::Template plain;
  plain.SetName(L"Plain");
  plain.SetFileName(L"/tmp/p.zlt");
  StoreObject(plain);

  // With the stored widths of an earlier run, too narrow for the path.
  for (const std::wstring stored : {L"", L"200 50 "}) {
    if (!stored.empty()) RegWriteString(kListColWidthKey, L"RefTemplates", stored);
    RefDataDlg dialog(kRefTemplates, nullptr);
    dialog.InitDialog();
    BaseListCtrl* list = dialog.GetList();
    ASSERT_EQ(list->GetCellText(1, 1), path);
    const std::vector<int> widths = list->GetColumnWidths();
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_EQ(widths[0], 200) << "the name keeps its width";
    EXPECT_GT(widths[1], list->GetTextExtent(path).x) << "stored: \"" << stored << "\"";
    EXPECT_GE(widths[0] + widths[1], list->GetClientSize().x - 24) << "the file name reaches the list's end";
  }
}

TEST_F(DialogControlsGuiTest, TheOptionsPageShowsAndSavesTheSettings) {
  const int buying = StorePriceGroup(L"Buying", 1);
  const int retail = StorePriceGroup(L"Retail", 2);
  OptionsDlg dialog(nullptr);
  dialog.InitDialog();
  OptionsPage1* page = dialog.GetPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(dialog.GetTitle(), L"Settings");
  EXPECT_EQ(TextOf(page, OptionsPage1::kMyCompanyLabel), L"&My Company Name:");
  EXPECT_EQ(TextOf(page, OptionsPage1::kNextInvoiceNum), L"1");
  auto* income = static_cast<wxChoice*>(page->FindWindow(OptionsPage1::kIncomePriceList));
  auto* outcome = static_cast<wxChoice*>(page->FindWindow(OptionsPage1::kOutcomePriceList));
  auto* quantity = static_cast<wxChoice*>(page->FindWindow(OptionsPage1::kQuantityMethod));
  EXPECT_EQ(income->GetCount(), 1u);
  EXPECT_EQ(income->GetSelection(), wxNOT_FOUND);
  EXPECT_EQ(outcome->GetString(0), L"Retail");
  EXPECT_EQ(quantity->GetStringSelection(), L"Pieces");

  SetText(page, OptionsPage1::kNextInvoiceNum, L"250");
  SetText(page, OptionsPage1::kNextIncomeInvoiceNum, L"0");
  income->SetSelection(0);
  quantity->SetSelection(1);
  Click(&dialog, platform::IDOK);
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_EQ(GetNextInvoiceNum(), 250);
  EXPECT_EQ(GetNextIncomeInvoiceNum(), 0);
  EXPECT_EQ(GetInputDefaultPriceGroup(), buying);
  EXPECT_EQ(GetOutputDefaultPriceGroup(), 0);
  EXPECT_EQ(GetQuantityMethod(), 1);
  (void)retail;
}

TEST_F(DialogControlsGuiTest, AFailedOptionsSaveShowsTheErrorAndKeepsTheDialogOpen) {
  OptionsDlg dialog(nullptr);
  dialog.InitDialog();
  SetText(dialog.GetPage(), OptionsPage1::kNextInvoiceNum, L"33");
  {
    FailingOperation failing(ibase::ibOperation::Commit);
    Click(&dialog, platform::IDOK);
  }
  EXPECT_NE(dialog.GetReturnCode(), platform::IDOK);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONERROR);
  EXPECT_EQ(GetNextInvoiceNum(), 1);
}

TEST_F(DialogControlsGuiTest, TheVersionDialogShowsBothVersions) {
  CVersionDlg dialog(nullptr);
  dialog.InitDialog();
  EXPECT_EQ(TextOf(&dialog, CVersionDlg::kProgramVersion), L"1.0.0.8");
  EXPECT_EQ(TextOf(&dialog, CVersionDlg::kDatabaseVersion), L"1.206");
  EXPECT_EQ(TextOf(&dialog, CVersionDlg::kProductName), L"Corvane");
  EXPECT_TRUE(dialog.FindWindow(CVersionDlg::kProductName)->GetFont().GetWeight() >= wxFONTWEIGHT_BOLD);
}

}  // namespace
