// The company form in its frame under Xvfb, on a throwaway database: a new
// client typed, saved and reopened; contacts added, clicked and deleted
// through the real dialogs and the cards' menus; an account with its dialog;
// the invoices page's status commands and deletion question.
//
// With CORVANE_SCREENSHOT_DIR set, the contacts test leaves
// company-contacts.png there.
#include <cstdlib>
#include <filesystem>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/scrolwin.h>
#include <wx/textctrl.h>

#include "WindowShot.h"
#include "common/ui/CBaseEdit.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "data/objects/Account.h"
#include "data/objects/Invoice.h"
#include "data/objects/Payment.h"
#include "data/objects/Phone.h"
#include "forms/company/AccountDlg.h"
#include "forms/company/CAddressDlg.h"
#include "forms/company/CEmailDlg.h"
#include "forms/company/CPhoneDlg.h"
#include "forms/company/CWebLinkDlg.h"
#include "forms/company/CompanyDetails.h"
#include "forms/company/CompanyForm.h"
#include "forms/company/CompanyFrame.h"
#include "forms/company/CompanyPage1.h"
#include "forms/company/CompanyPage2.h"
#include "forms/company/CompanyPage3.h"
#include "forms/company/CompanyPage4.h"
#include "forms/company/ContactCards.h"
#include "platform/MessageBox.h"
#include "shell/FinancesView.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/StaleSave.h"
#include "tests/forms_dialogs/DialogsFixture.h"
#include "tests/forms_dialogs/ModalScript.h"

namespace corvane::test {
namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();
  }
}

// Pumps until the script has acted on every dialog (or a few seconds pass).
void RunUntilDone(const ModalScript& script) {
  for (int i = 0; i < 300 && !script.IsDone(); ++i) {
    Pump();
    wxMilliSleep(10);
  }
  Pump();
}

class CompanyFormGui : public DialogsTest {
protected:
  void TearDown() override {
    popup_menu::SetTrackHandler(nullptr);
    DiscardAllWindows();
    Pump();
    DialogsTest::TearDown();
  }

  CompanyFrame* Open(int32_t companyId, uint32_t initialPage = 0) {
    auto* frame = dynamic_cast<CompanyFrame*>(m_template.CreateNewFrame(m_document));
    EXPECT_TRUE(frame);
    if (!frame) return nullptr;
    FormArguments arguments;
    arguments.objectId = companyId;
    arguments.initialPage = initialPage;
    frame->SetFormArguments(arguments);
    DocTemplate::InitialUpdateFrame(frame);
    Pump();
    return frame;
  }

  static void Save(CompanyFrame* frame) {
    wxCommandEvent command(wxEVT_MENU, CompanyForm::ID_SAVE_COMPANY);
    command.SetEventObject(frame);
    frame->ProcessWindowEvent(command);
    Pump();
  }
  static std::vector<std::wstring> Tabs(CompanyForm* form) {
    std::vector<std::wstring> tabs;
    for (size_t i = 0; i < form->GetTabCtrl()->GetPageCount(); ++i)
      tabs.push_back(form->GetTabCtrl()->GetPageText(i).ToStdWstring());
    return tabs;
  }
  template <class Page>
  static Page* ShowPage(CompanyForm* form, uint32_t pageId) {
    form->SelectPage(pageId);
    Pump();
    return dynamic_cast<Page*>(form->GetPage(pageId));
  }
  // The middle of a card, in the surface's client coordinates.
  static wxPoint CardCentre(CompanyPage3* page, int index) {
    auto it = page->GetCards().GetCells().begin();
    std::advance(it, index);
    const company_square& cell = *it->second;
    return page->GetSurface()->CalcScrolledPosition(wxPoint(cell.x + cell.cx / 2, cell.y + cell.cy / 2));
  }
  static std::vector<std::wstring> CardTitles(CompanyPage3* page) {
    std::vector<std::wstring> titles;
    for (const auto& [id, cell] : page->GetCards().GetCells())
      titles.push_back(dynamic_cast<text_square*>(cell->GetCard())->GetTitle());
    return titles;
  }
  static void PaintCards(CompanyPage3* page) {
    page->GetSurface()->Refresh();
    page->GetSurface()->Update();
    Pump();
  }

  Document m_document;
  DocTemplate m_template{CompanyFrame::kResourceId, CreateCompanyFrame, CreateCompanyFormView};
};

TEST_F(CompanyFormGui, NewClientIsSavedWithItsContactsAndReopened) {
  CompanyFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  CompanyForm* form = frame->GetForm();
  ASSERT_TRUE(form);
  EXPECT_EQ(Tabs(form), (std::vector<std::wstring>{L"Details"}));
  EXPECT_EQ(frame->GetTitle(), L"Client");

  auto* details = dynamic_cast<CompanyPage1*>(form->GetPage(kCompanyDetailsPage));
  ASSERT_TRUE(details);
  details->GetNameCtrl()->SetValue(L"   ");  // a typed change marks the frame
  EXPECT_TRUE(frame->IsModified());
  platform::MessageBoxRecorder boxes;
  Save(frame);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"You must enter a name for the Client!");
  EXPECT_EQ(CountRows(L"COMPANIES"), 0);
  EXPECT_TRUE(frame->IsModified());

  details->GetNameCtrl()->SetValue(L"  Brenner & Co ");
  details->GetDiscountCtrl()->SetValue(L"five");
  Save(frame);
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].text, L"The Default Discount must be a number!");
  EXPECT_EQ(CountRows(L"COMPANIES"), 0);

  details->GetDiscountCtrl()->SetValue(L"150");
  Save(frame);
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown()[2].text, L"\"Default Discount\" should be between 0 and 100.");
  EXPECT_EQ(CountRows(L"COMPANIES"), 0);

  details->GetDiscountCtrl()->SetValue(L"2.5");
  Save(frame);
  EXPECT_EQ(boxes.Shown().size(), 3u);
  ASSERT_NE(frame->GetObjectId(), 0);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(Value(L"SELECT NAME FROM COMPANIES"), L"Brenner & Co");
  EXPECT_EQ(frame->GetTitle(), L"Client - Brenner & Co");
  EXPECT_EQ(Tabs(form), (std::vector<std::wstring>{L"Details", L"Contact Info", L"Invoices", L"Finance Info"}));
  EXPECT_EQ(form->GetCurrentPageId(), kCompanyDetailsPage);

  // Contacts through the background menu and the real dialogs.
  auto* contacts = ShowPage<CompanyPage3>(form, kCompanyContactsPage);
  ASSERT_TRUE(contacts);
  EXPECT_EQ(contacts->GetCards().Count(), 0u);
  {
    ModalScript script;
    script.Then<CPhoneDlg>([](CPhoneDlg& dialog) {
      dialog.GetCaptionCombo()->SetValue(L"Mobile");
      dialog.GetCountryCombo()->SetValue(L"386");
      dialog.GetRegionCtrl()->SetValue(L"41");
      dialog.GetNumberCtrl()->SetValue(L"555666");
      Click(&dialog, platform::IDOK);
    });
    popup_menu::SetTrackHandler(ChooseMenuItem(L"New Phone Number"));
    contacts->ContextMenuAt(wxPoint(5, 5));
    RunUntilDone(script);
  }
  {
    ModalScript script;
    script.Then<CAddressDlg>([](CAddressDlg& dialog) {
      dynamic_cast<wxComboBox*>(dialog.FindWindow(CAddressDlg::kCaption))->SetValue(L"Office");
      dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CAddressDlg::kLine1))->SetValue(L"Main Street 1");
      dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CAddressDlg::kZip))->SetValue(L"1000");
      dynamic_cast<wxComboBox*>(dialog.FindWindow(CAddressDlg::kCity))->SetValue(L"Ljubljana");
      dynamic_cast<wxComboBox*>(dialog.FindWindow(CAddressDlg::kCountry))->SetValue(L"Slovenia");
      Click(&dialog, platform::IDOK);
    });
    popup_menu::SetTrackHandler(ChooseMenuItem(L"New Address"));
    contacts->ContextMenuAt(wxPoint(5, 5));
    RunUntilDone(script);
  }
  {
    ModalScript script;
    script.Then<CEmailDlg>([](CEmailDlg& dialog) {
      dialog.GetCaptionCombo()->SetValue(L"Orders");
      Click(&dialog, platform::IDOK);  // refused: no address yet
      dialog.GetTextCtrl()->SetValue(L"orders@brenner.example");
      Click(&dialog, platform::IDOK);
    });
    popup_menu::SetTrackHandler(ChooseMenuItem(L"New Email Address"));
    contacts->ContextMenuAt(wxPoint(5, 5));
    RunUntilDone(script);
  }
  EXPECT_EQ(boxes.Shown().back().text, L"Please, specify a Email.");
  {
    ModalScript script;
    script.Then<CWebLinkDlg>([](CWebLinkDlg& dialog) {
      dialog.GetCaptionCombo()->SetValue(L"Shop");
      dialog.GetTextCtrl()->SetValue(L"https://brenner.example");
      Click(&dialog, platform::IDOK);
    });
    popup_menu::SetTrackHandler(ChooseMenuItem(L"New Web Link"));
    contacts->ContextMenuAt(wxPoint(5, 5));
    RunUntilDone(script);
  }
  EXPECT_TRUE(frame->IsModified());
  // New contacts are listed newest id first: their temporary ids count down.
  EXPECT_EQ(CardTitles(contacts), (std::vector<std::wstring>{L"Shop", L"Orders", L"Office", L"Mobile"}));
  PaintCards(contacts);

  // A click on the phone card edits it; the cards are rebuilt after the click.
  {
    ModalScript script;
    script.Then<CPhoneDlg>([](CPhoneDlg& dialog) {
      EXPECT_EQ(dialog.GetTitle(), L"Edit Phone Number");
      EXPECT_EQ(dialog.GetRegionCtrl()->GetValue(), L"41");
      dialog.GetNumberCtrl()->SetValue(L"777888");
      Click(&dialog, platform::IDOK);
    });
    // The card under the pointer gets the click (the pointer itself is
    // tested alone, in ContactKeysGuiTest).
    std::prev(contacts->GetCards().GetCells().end())->second->OnClick(contacts->GetSurface(), wxPoint());
    RunUntilDone(script);
  }
  ASSERT_EQ(contacts->GetCards().Count(), 4u);
  auto phone = std::prev(contacts->GetCards().GetCells().end());
  EXPECT_EQ(dynamic_cast<text_square*>(phone->second->GetCard())->GetBody(), L"386 41 777888");
  PaintCards(contacts);

  // The card menu's Delete asks; No keeps the card.
  popup_menu::SetTrackHandler(ChooseMenuItem(L"Delete"));
  boxes.QueueAnswer(platform::IDNO);
  contacts->ContextMenuAt(CardCentre(contacts, 0));
  EXPECT_EQ(boxes.Shown().back().text, L"Are you sure you want to delete the selected item?");
  EXPECT_EQ(contacts->GetCards().Count(), 4u);

  if (const char* dir = std::getenv("CORVANE_SCREENSHOT_DIR"))
    corvane::test::SaveWindowShot(frame, std::filesystem::path(dir) / "company-contacts.png");

  Save(frame);
  EXPECT_FALSE(frame->IsModified());
  const std::wstring id = std::to_wstring(frame->GetObjectId());
  EXPECT_EQ(Value(L"SELECT PHONE_DISPLAY FROM PHONES WHERE COMPANY_OBJECT_ID = " + id), L"386 41 777888");
  EXPECT_EQ(Value(L"SELECT NUMBER FROM PHONES"), L"38641777888");
  EXPECT_EQ(Value(L"SELECT DISPLAY_BOX FROM ADDRESSES WHERE COMPANY_OBJECT_ID = " + id),
            L"Main Street 1\r\n1000 Ljubljana\r\nSlovenia");
  EXPECT_EQ(Value(L"SELECT EMAIL FROM EMAILS WHERE COMPANY_OBJECT_ID = " + id), L"orders@brenner.example");
  EXPECT_EQ(Value(L"SELECT WEB FROM WEBS WHERE COMPANY_OBJECT_ID = " + id), L"https://brenner.example");
  EXPECT_EQ(Value(L"SELECT NAME FROM COUNTRIES_REF"), L"Ljubljana");

  // Reopened, the form shows what was stored, phones first.
  const int32_t companyId = frame->GetObjectId();
  frame->Destroy();
  Pump();
  CompanyFrame* reopened = Open(companyId, kCompanyContactsPage);
  ASSERT_TRUE(reopened);
  EXPECT_EQ(reopened->GetTitle(), L"Client - Brenner & Co");
  EXPECT_EQ(reopened->GetForm()->GetCurrentPageId(), kCompanyContactsPage);
  auto* shown = dynamic_cast<CompanyPage3*>(reopened->GetForm()->GetPage(kCompanyContactsPage));
  ASSERT_TRUE(shown);
  EXPECT_EQ(CardTitles(shown), (std::vector<std::wstring>{L"Mobile", L"Office", L"Orders", L"Shop"}));
  auto* reDetails = dynamic_cast<CompanyPage1*>(reopened->GetForm()->GetPage(kCompanyDetailsPage));
  ASSERT_TRUE(reDetails);
  EXPECT_EQ(reDetails->GetNameCtrl()->GetValue(), L"Brenner & Co");
  EXPECT_FALSE(reopened->IsModified());
}

// The company window has its icon, small and large, as the other forms'
// windows have theirs.
TEST_F(CompanyFormGui, TheFrameHasItsIcon) {
  CompanyFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  const wxIconBundle& icons = frame->GetIcons();
  ASSERT_EQ(icons.GetIconCount(), 2u);
  EXPECT_EQ(icons.GetIconByIndex(0).GetWidth(), 16);
  EXPECT_EQ(icons.GetIconByIndex(1).GetWidth(), 32);
}

// The accounts take 30 per cent of the page: at the screen's full width and
// at a smaller one the "Balance" column still ends inside the list, and
// neither column is narrower than its texts.
TEST_F(CompanyFormGui, TheBalanceColumnShowsWholeAtAnyFrameWidth) {
  const int company = StoreCompany(L"Brenner");
  CompanyFrame* frame = Open(company, kCompanyFinancePage);
  ASSERT_TRUE(frame);
  auto* finance = dynamic_cast<CompanyPage4*>(frame->GetForm()->GetPage(kCompanyFinancePage));
  ASSERT_TRUE(finance);
  frame->Show();
  for (const int width : {1280, 1024}) {
    frame->SetSize(width, 700);
    Pump();
    BaseListCtrl* accounts = finance->GetAccountsList();
    const std::vector<int> widths = accounts->GetColumnWidths();
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_LE(widths[0] + widths[1], accounts->GetClientSize().x) << width;
    EXPECT_GE(widths[0], CompanyPage4::kLeastAccountNameWidth) << width;
    // Each gives way only as far as its texts still show whole.
    EXPECT_GE(widths[0], accounts->ContentWidth(0)) << width;
    EXPECT_GE(widths[1], accounts->ContentWidth(1)) << width;
  }
}

// At the size a client's window first opens with, the accounts' texts show
// whole: "Not on Account", "Total", an account's long name and the header,
// and the balance still ends inside the list.
TEST_F(CompanyFormGui, TheAccountNamesShowWholeAtTheFirstSize) {
  const int company = StoreCompany(L"Brenner");
  StoreAccount(L"Savings Account", company);
  CompanyFrame* frame = Open(company, kCompanyFinancePage);
  ASSERT_TRUE(frame);
  auto* finance = dynamic_cast<CompanyPage4*>(frame->GetForm()->GetPage(kCompanyFinancePage));
  ASSERT_TRUE(finance);
  frame->Show();
  Pump();
  BaseListCtrl* accounts = finance->GetAccountsList();
  const std::vector<int> widths = accounts->GetColumnWidths();
  ASSERT_EQ(widths.size(), 2u);
  ASSERT_EQ(accounts->GetRowCount(), 3u);
  for (const wchar_t* text : {L"Account Name", L"Savings Account", L"Not on Account", L"Total"})
    EXPECT_GT(widths[0], accounts->GetTextExtent(text).x + 8) << text;
  EXPECT_GT(widths[1], accounts->GetTextExtent(L"Balance").x + 8);
  EXPECT_LE(widths[0] + widths[1], accounts->GetClientSize().x);
}

TEST_F(CompanyFormGui, ANewAccountGetsItsOpeningDateAndIsSavedWithThePayments) {
  const int company = StoreCompany(L"Brenner");
  CompanyFrame* frame = Open(company, kCompanyFinancePage);
  ASSERT_TRUE(frame);
  auto* finance = dynamic_cast<CompanyPage4*>(frame->GetForm()->GetPage(kCompanyFinancePage));
  ASSERT_TRUE(finance);
  EXPECT_EQ(finance->GetAccountsList()->GetRowCount(), 2u);  // "Not on Account" and "Total"
  {
    ModalScript script;
    script.Then<AccountDlg>([](AccountDlg& dialog) {
      EXPECT_EQ(dynamic_cast<wxTextCtrl*>(dialog.FindWindow(AccountDlg::kCompany))->GetValue(), L"Brenner");
      dynamic_cast<wxTextCtrl*>(dialog.FindWindow(AccountDlg::kName))->SetValue(L"Giro");
      Click(&dialog, platform::IDOK);
    });
    finance->NewAccount();
    RunUntilDone(script);
  }
  EXPECT_TRUE(frame->IsModified());
  ASSERT_EQ(finance->GetAccountsList()->GetRowCount(), 3u);
  EXPECT_EQ(finance->GetAccountsList()->GetRow(0).GetCell(0).AsString(), L"Giro");
  Save(frame);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(Value(L"SELECT NAME FROM ACCOUNTS WHERE COMPANY_OBJECT_ID = " + std::to_wstring(company)), L"Giro");
  EXPECT_EQ(Value(L"SELECT CAST(OPENING_DATE AS DATE) FROM ACCOUNTS"),
            Value(L"SELECT CAST('2006-03-09' AS DATE) FROM RDB$DATABASE"));
}

// An account that payments name is refused at once, in the words of the
// client's refusal, since deleting it would take the payments along; once
// its payments are deleted on the page, it goes with them at the save.
TEST_F(CompanyFormGui, AnAccountWithPaymentsIsRefusedUntilItsPaymentsAreDeleted) {
  const int company = StoreCompany(L"Brenner");
  const int account = StoreAccount(L"Giro", company);
  Invoice::Payment payment;
  payment.SetAmount(40.0);
  payment.SetAccountReceivingId(account);
  payment.SetPaidOn(Ole(2006, 3, 1));
  const int paymentId = StoreObject(payment);
  CompanyFrame* frame = Open(company, kCompanyFinancePage);
  ASSERT_TRUE(frame);
  auto* finance = dynamic_cast<CompanyPage4*>(frame->GetForm()->GetPage(kCompanyFinancePage));
  ASSERT_TRUE(finance);
  ASSERT_EQ(finance->GetAccountsList()->GetRow(0).GetObjectId(), account);
  finance->GetAccountsList()->SelectRow(0);
  finance->FillPayments();
  ASSERT_EQ(finance->GetPaymentsList()->GetRowCount(), 1u);

  platform::MessageBoxRecorder boxes;
  popup_menu::SetTrackHandler(ChooseMenuItem(L"Delete"));
  finance->ShowAccountsMenu();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"Account is used in one (or more) Payment(s) and can not be deleted!");
  EXPECT_EQ(boxes.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(boxes.Shown()[0].style, platform::MB_ICONERROR);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(finance->GetAccountsList()->GetRowCount(), 3u);

  // The payment deleted first, the account may go, and both leave with the save.
  finance->GetPaymentsList()->SelectRow(0);
  boxes.QueueAnswer(platform::IDYES);
  finance->DeletePayments();
  finance->GetAccountsList()->SelectRow(0);
  boxes.QueueAnswer(platform::IDYES);
  finance->ShowAccountsMenu();
  popup_menu::SetTrackHandler(nullptr);
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown()[2].text, L"Are you sure you want to delete the selected item?");
  EXPECT_EQ(finance->GetAccountChanges().GetState(account), ChangeSet::kDeleted);
  Save(frame);
  EXPECT_EQ(boxes.Shown().size(), 3u);  // no failure
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(CountRows(L"ACCOUNTS"), 0);
  EXPECT_EQ(Count(L"PAYMENTS", L"OBJECT_ID = " + std::to_wstring(paymentId)), 0);
}

TEST_F(CompanyFormGui, InvoicesPageMarksPaidNowAndAYesThenNoDeletesNothing) {
  const int my = StoreCompany(L"Corvane Trading");
  const int client = StoreCompany(L"Brenner");
  const int first = StoreInvoice(L"0001/06", client, my, 0, 10);
  StoreInvoice(L"0002/06", client, my);
  CompanyFrame* frame = Open(client, kCompanyInvoicesPage);
  ASSERT_TRUE(frame);
  auto* invoices = dynamic_cast<CompanyPage2*>(frame->GetForm()->GetPage(kCompanyInvoicesPage));
  ASSERT_TRUE(invoices);
  ASSERT_EQ(invoices->GetList()->GetRowCount(), 2u);

  // "Paid" on the first invoice: paid now, at once.
  long firstRow = invoices->GetList()->GetRow(0).GetObjectId() == first ? 0 : 1;
  invoices->GetList()->SelectRow(firstRow);
  invoices->MarkPaid(true);
  EXPECT_EQ(Value(L"SELECT PAID FROM INVOICES WHERE OBJECT_ID = " + std::to_wstring(first)), L"1");
  EXPECT_EQ(Value(L"SELECT CAST(PAID_ON AS DATE) FROM INVOICES WHERE OBJECT_ID = " + std::to_wstring(first)),
            Value(L"SELECT CAST('2006-03-09' AS DATE) FROM RDB$DATABASE"));

  // Two selected, Yes then No: nothing marked, the form unchanged.
  auto* model = static_cast<wxDataViewVirtualListModel*>(invoices->GetList()->GetModel());
  wxDataViewItemArray both;
  for (unsigned i = 0; i < 2; ++i) both.Add(model->GetItem(i));
  invoices->GetList()->SetSelections(both);
  platform::MessageBoxRecorder boxes;
  boxes.QueueAnswer(platform::IDYES);
  boxes.QueueAnswer(platform::IDNO);
  invoices->DeleteSelected();
  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(invoices->GetList()->GetRowCount(), 2u);
  EXPECT_EQ(invoices->GetChanges().GetState(first), ChangeSet::kUnchanged);

  // Yes twice: both leave the list, and the database when the company is saved.
  boxes.QueueAnswer(platform::IDYES);
  boxes.QueueAnswer(platform::IDYES);
  invoices->GetList()->SetSelections(both);
  invoices->DeleteSelected();
  EXPECT_TRUE(frame->IsModified());
  EXPECT_EQ(invoices->GetList()->GetRowCount(), 0u);
  EXPECT_EQ(CountRows(L"INVOICES"), 2);
  Save(frame);
  EXPECT_EQ(CountRows(L"INVOICES"), 0);
}

// A fast double click opened two forms of one client. A rename saved in the
// first is not undone by a discount saved in the second: that save is
// refused, says the change came from another window and offers to load what
// is stored; No keeps the edit, Yes loads the renamed client, and the
// discount typed again is saved on top of the rename.
TEST_F(CompanyFormGui, TwoFormsOfOneClientKeepBothChanges) {
  const int client = StoreCompany(L"Brenner");
  CompanyFrame* first = Open(client);
  CompanyFrame* second = Open(client);
  ASSERT_TRUE(first && second);
  auto* firstDetails = ShowPage<CompanyPage1>(first->GetForm(), kCompanyDetailsPage);
  auto* secondDetails = ShowPage<CompanyPage1>(second->GetForm(), kCompanyDetailsPage);
  ASSERT_TRUE(firstDetails && secondDetails);
  firstDetails->GetNameCtrl()->SetValue(L"Brenner & Sons");
  Save(first);
  EXPECT_FALSE(first->IsModified());
  const std::wstring where = L" FROM COMPANIES WHERE OBJECT_ID = " + std::to_wstring(client);
  EXPECT_EQ(Value(L"SELECT NAME" + where), L"Brenner & Sons");

  secondDetails->GetDiscountCtrl()->SetValue(L"4.5");
  ASSERT_TRUE(second->IsModified());
  Save(second);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, StaleSaveQuestion(Invoice::StaleRowException(L"this client", true)));
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
  EXPECT_TRUE(second->IsModified());
  EXPECT_EQ(secondDetails->GetNameCtrl()->GetValue(), L"Brenner");
  EXPECT_EQ(Value(L"SELECT NAME" + where), L"Brenner & Sons");
  EXPECT_EQ(ReadDouble(L"SELECT DEFAULT_DISCOUNT" + where), 0.0);

  m_messages.QueueAnswer(platform::IDYES);
  Save(second);
  ASSERT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_FALSE(second->IsModified());
  EXPECT_EQ(secondDetails->GetNameCtrl()->GetValue(), L"Brenner & Sons");

  secondDetails->GetDiscountCtrl()->SetValue(L"4.5");
  Save(second);
  EXPECT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_FALSE(second->IsModified());
  EXPECT_EQ(Value(L"SELECT NAME" + where), L"Brenner & Sons");
  EXPECT_EQ(ReadDouble(L"SELECT DEFAULT_DISCOUNT" + where), 4.5);

  // The first form's copy is stale now in its turn; the second saves again
  // over its own save.
  secondDetails->GetNameCtrl()->SetValue(L"Brenner and Sons");
  Save(second);
  EXPECT_EQ(m_messages.Shown().size(), 2u);
  firstDetails->GetDiscountCtrl()->SetValue(L"1");
  Save(first);
  EXPECT_EQ(m_messages.Shown().size(), 3u);
  EXPECT_EQ(Value(L"SELECT NAME" + where), L"Brenner and Sons");
}

TEST_F(CompanyFormGui, FinanceViewAddsAnAccountToTheSelectedClientAndEditsOne) {
  const int company = StoreCompany(L"Brenner");
  auto* frame = new wxFrame(nullptr, wxID_ANY, L"Finance");
  auto* view = new FinancesView(frame);
  view->OnInitialUpdate();
  frame->Show();
  view->Refill();
  ASSERT_TRUE(view->SelectObject(company));
  {
    ModalScript script;
    script.Then<AccountDlg>([](AccountDlg& dialog) {
      EXPECT_EQ(dynamic_cast<wxTextCtrl*>(dialog.FindWindow(AccountDlg::kCompany))->GetValue(), L"Brenner");
      dynamic_cast<wxTextCtrl*>(dialog.FindWindow(AccountDlg::kName))->SetValue(L"Giro");
      Click(&dialog, platform::IDOK);
    });
    view->NewAccount();
    RunUntilDone(script);
  }
  const std::wstring account = Value(L"SELECT OBJECT_ID FROM ACCOUNTS WHERE NAME = 'Giro'");
  ASSERT_FALSE(account.empty());
  EXPECT_EQ(Value(L"SELECT COMPANY_OBJECT_ID FROM ACCOUNTS"), std::to_wstring(company));
  Pump();  // the finance refresh lists the new account
  ASSERT_TRUE(view->SelectObject(std::stoi(account)));
  {
    ModalScript script;
    script.Then<AccountDlg>([](AccountDlg& dialog) {
      dynamic_cast<wxTextCtrl*>(dialog.FindWindow(AccountDlg::kName))->SetValue(L"Giro main");
      Click(&dialog, platform::IDOK);
    });
    view->OnProperties();
    RunUntilDone(script);
  }
  EXPECT_EQ(Value(L"SELECT NAME FROM ACCOUNTS"), L"Giro main");
  EXPECT_EQ(CountRows(L"ACCOUNTS"), 1);
}

// Finance Info > New Account with nothing selected makes an account without
// a client: a second "Cash" is refused in the dialog, which stays open with
// what was typed, instead of failing in the database after it closed.
TEST_F(CompanyFormGui, FinanceViewRefusesASecondCashAccountInTheOpenDialog) {
  StoreAccount(L"Cash");
  auto* frame = new wxFrame(nullptr, wxID_ANY, L"Finance");
  auto* view = new FinancesView(frame);
  view->OnInitialUpdate();
  frame->Show();
  view->Refill();
  platform::MessageBoxRecorder boxes;
  bool stayedOpen = false;
  {
    ModalScript script;
    script.Then<AccountDlg>([&](AccountDlg& dialog) {
      dialog.GetNameEdit()->SetValue(L"Cash");
      Click(&dialog, platform::IDOK);
      stayedOpen = dialog.IsModal() && dialog.GetNameEdit()->GetValue() == L"Cash";
      dialog.GetNameEdit()->SetValue(L"Cash register");
      Click(&dialog, platform::IDOK);
    });
    view->NewAccount();
    RunUntilDone(script);
  }
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"There is already an account named \"Cash\" without a client.");
  EXPECT_EQ(Count(L"ACCOUNTS", L"NAME = 'Cash register' AND COMPANY_OBJECT_ID IS NULL"), 1);
  EXPECT_EQ(CountRows(L"ACCOUNTS"), 2);
}

}  // namespace
}  // namespace corvane::test
