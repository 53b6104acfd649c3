// The company form's dialogs driven without showing them: built, initialised,
// filled and confirmed as a user would, on a throwaway database.
#include <memory>

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "data/ChangeSet.h"
#include "data/objects/Account.h"
#include "data/objects/Address.h"
#include "data/objects/Country.h"
#include "data/objects/CountryRef.h"
#include "data/objects/Web.h"
#include "data/objects/Phone.h"
#include "forms/company/AccountDlg.h"
#include "forms/company/CAddressDlg.h"
#include "forms/company/CPhoneDlg.h"
#include "forms/company/CWebLinkDlg.h"
#include "forms/company/ContactCards.h"
#include "data/objects/Invoice.h"
#include "platform/MessageBox.h"
#include "tests/forms_dialogs/DialogsFixture.h"

namespace corvane::test {
namespace {

class CompanyDialogsGui : public DialogsTest {
protected:
  template <class Control>
  static Control* Find(wxWindow* dialog, int id) {
    return dynamic_cast<Control*>(dialog->FindWindow(id));
  }
  int StoreAddress(const std::wstring& caption, int companyId) {
    Invoice::Address address;
    address.SetName(caption);
    address.SetCompanyId(companyId);
    return StoreObject(address);
  }
};

TEST_F(CompanyDialogsGui, PhoneNumberIsSplitBackIntoItsPartsAndAnEmptyNumberIsRefused) {
  ChangeSet changes;
  int32_t id = 0;
  {
    CPhoneDlg dialog(&changes, 0, 7, nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.GetTitle(), L"New Phone Number");
    dialog.GetCountryCombo()->SetValue(L"386");
    dialog.GetRegionCtrl()->SetValue(L"1");
    platform::MessageBoxRecorder boxes;
    dialog.OnOK();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Please, specify a telephone number.");
    EXPECT_TRUE(changes.IsEmpty());
    dialog.GetNumberCtrl()->SetValue(L"4567890");
    dialog.OnOK();
    EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
    id = dialog.GetObjectId();
  }
  ASSERT_LT(id, 0);
  auto* phone = dynamic_cast<Invoice::Phone*>(changes.Find(id));
  ASSERT_TRUE(phone);
  EXPECT_EQ(phone->GetNumber(), L"38614567890");
  EXPECT_EQ(phone->GetPhoneDisplay(), L"386 1 4567890");
  EXPECT_EQ(phone->GetCompanyId(), 7);

  CPhoneDlg again(&changes, id, 0, nullptr);
  again.OnInitDialog();
  EXPECT_EQ(again.GetTitle(), L"Edit Phone Number");
  EXPECT_EQ(again.GetCountryCombo()->GetValue(), L"386");
  EXPECT_EQ(again.GetRegionCtrl()->GetValue(), L"1");
  EXPECT_EQ(again.GetNumberCtrl()->GetValue(), L"4567890");
  again.OnOK();
  EXPECT_EQ(again.GetObjectId(), id);  // one pending change under the same key
  EXPECT_EQ(changes.Size(), 1u);
  EXPECT_EQ(dynamic_cast<Invoice::Phone*>(changes.Find(id))->GetCompanyId(), 7);
}

TEST_F(CompanyDialogsGui, APhoneWhoseJoinedPartsOverflowTheColumnIsRefused) {
  ChangeSet changes;
  CPhoneDlg dialog(&changes, 0, 7, nullptr);
  dialog.OnInitDialog();
  dialog.GetCountryCombo()->SetValue(L"386");
  dialog.GetRegionCtrl()->SetValue(L"1");
  dialog.GetNumberCtrl()->SetValue(std::wstring(45, L'9'));  // "386 1 " and 45 digits: 51 characters
  platform::MessageBoxRecorder boxes;
  dialog.OnOK();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"\"Phone\" takes at most 50 characters.");
  EXPECT_TRUE(changes.IsEmpty());

  dialog.GetNumberCtrl()->SetValue(std::wstring(44, L'9'));
  dialog.OnOK();
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  auto* phone = dynamic_cast<Invoice::Phone*>(changes.Find(dialog.GetObjectId()));
  ASSERT_TRUE(phone);
  EXPECT_EQ(phone->GetPhoneDisplay().size(), 50u);
}

TEST_F(CompanyDialogsGui, AddressDialogShowsTheStoredHandMadeBlockAndKeepsIt) {
  const int company = StoreCompany(L"Brenner");
  Invoice::Address stored;
  stored.SetName(L"Office");
  stored.SetAddressLine1(L"Main Street 1");
  stored.SetDisplayBox(L"Brenner & Co\r\nby hand");
  stored.SetDisplayEditEnabled(true);
  stored.SetCompanyId(company);
  const int id = StoreObject(stored);
  ChangeSet changes;
  changes.Add(Invoice::Address(id));

  CAddressDlg dialog(&changes, id, 0, nullptr);
  dialog.OnInitDialog();
  auto* manual = Find<wxCheckBox>(&dialog, CAddressDlg::kManualDisplay);
  auto* display = Find<wxTextCtrl>(&dialog, CAddressDlg::kDisplay);
  EXPECT_TRUE(manual->GetValue());
  EXPECT_TRUE(display->IsEnabled());
  EXPECT_EQ(display->GetValue(), L"Brenner & Co\nby hand");
  Find<wxTextCtrl>(&dialog, CAddressDlg::kLine1)->SetValue(L"Side Street 2");  // typing elsewhere
  EXPECT_EQ(display->GetValue(), L"Brenner & Co\nby hand");
  dialog.OnOK();
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  auto* recorded = dynamic_cast<Invoice::Address*>(changes.Find(id));
  ASSERT_TRUE(recorded);
  EXPECT_TRUE(recorded->GetDisplayEditEnabled());
  EXPECT_EQ(recorded->GetDisplayBox(), L"Brenner & Co\r\nby hand");
  EXPECT_EQ(recorded->GetAddressLine1(), L"Side Street 2");
}

TEST_F(CompanyDialogsGui, AddressDialogComposesAsTheUserTypesAndOffersTheCountrysCities) {
  Invoice::Country slovenia;
  slovenia.SetName(L"Slovenia");
  const int countryId = StoreObject(slovenia);
  Invoice::CountryRef city;
  city.SetName(L"Ljubljana");
  city.SetRefType(0);
  city.SetCountryId(countryId);
  StoreObject(city);

  ChangeSet changes;
  CAddressDlg dialog(&changes, 0, 12, nullptr);
  dialog.OnInitDialog();
  auto* display = Find<wxTextCtrl>(&dialog, CAddressDlg::kDisplay);
  auto* cities = Find<wxComboBox>(&dialog, CAddressDlg::kCity);
  EXPECT_FALSE(display->IsEnabled());
  EXPECT_EQ(cities->GetCount(), 0u);
  Find<wxTextCtrl>(&dialog, CAddressDlg::kZip)->SetValue(L"1000");
  Find<wxComboBox>(&dialog, CAddressDlg::kState)->SetValue(L"Osrednja");
  EXPECT_EQ(display->GetValue(), L"1000\nOsrednja");
  cities->SetValue(L"Kranj");
  Find<wxComboBox>(&dialog, CAddressDlg::kCountry)->SetValue(L"Slovenia");
  ASSERT_EQ(cities->GetCount(), 1u);
  EXPECT_EQ(cities->GetString(0), L"Ljubljana");
  EXPECT_EQ(cities->GetValue(), L"Kranj");  // the typed city stays
  EXPECT_EQ(display->GetValue(), L"1000 Kranj\nOsrednja\nSlovenia");
  dialog.OnOK();
  EXPECT_LT(dialog.GetObjectId(), 0);
  // The new city and state are stored at once, the address only in the change set.
  EXPECT_EQ(Column(L"SELECT NAME FROM COUNTRIES_REF ORDER BY NAME"),
            (std::vector<std::wstring>{L"Kranj", L"Ljubljana", L"Osrednja"}));
  EXPECT_EQ(CountRows(L"ADDRESSES"), 0);
}

TEST_F(CompanyDialogsGui, AccountDialogKeepsAStoredOpeningDateAndDatesANewOne) {
  const int company = StoreCompany(L"Brenner");
  const int stored = StoreAccount(L"Giro", company);  // opened 2006-01-02
  ChangeSet changes;
  changes.Add(Invoice::Account(stored));
  {
    AccountDlg dialog(&changes, stored, 0, nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(Find<wxTextCtrl>(&dialog, AccountDlg::kCompany)->GetValue(), L"Brenner");
    Find<wxTextCtrl>(&dialog, AccountDlg::kName)->SetValue(L"Giro main");
    dialog.OnOK();
    EXPECT_EQ(dialog.GetObjectId(), stored);
  }
  auto* edited = dynamic_cast<Invoice::Account*>(changes.Find(stored));
  ASSERT_TRUE(edited);
  EXPECT_EQ(edited->GetName(), L"Giro main");
  EXPECT_EQ(edited->GetCompanyId(), company);
  EXPECT_DOUBLE_EQ(edited->GetOpeningDate(), Ole(2006, 1, 2));

  AccountDlg fresh(&changes, 0, company, nullptr);
  fresh.OnInitDialog();
  Find<wxTextCtrl>(&fresh, AccountDlg::kName)->SetValue(L"Savings");
  fresh.OnOK();
  ASSERT_LT(fresh.GetObjectId(), 0);
  Committed([&] { changes.Apply(); });  // a new account without a date could not be stored
  EXPECT_EQ(Value(L"SELECT CAST(OPENING_DATE AS DATE) FROM ACCOUNTS WHERE NAME = 'Savings'"),
            Value(L"SELECT CAST('2006-03-09' AS DATE) FROM RDB$DATABASE"));
  EXPECT_EQ(Value(L"SELECT NAME FROM ACCOUNTS WHERE OBJECT_ID = " + std::to_wstring(stored)), L"Giro main");
}

TEST_F(CompanyDialogsGui, AnAccountWithoutANameOrWithAnotherAccountsNameIsRefusedInTheDialog) {
  const int company = StoreCompany(L"Brenner");
  const int giro = StoreAccount(L"Giro", company);
  const int other = StoreAccount(L"Giro", StoreCompany(L"Other"));  // another client's name
  ChangeSet changes;
  changes.Add(Invoice::Account(giro));
  changes.Add(Invoice::Account(other));
  struct Case {
    const wchar_t* name;
    const wchar_t* refusal;
  };
  const Case cases[] = {
      {L"", L"\"Name\" must not be empty."},
      {L"   ", L"\"Name\" must not be empty."},
      {L"Giro", L"The client already has an account named \"Giro\"."},
      {L"Giro  ", L"The client already has an account named \"Giro  \"."},
  };
  for (const Case& c : cases) {
    AccountDlg dialog(&changes, 0, company, nullptr);
    dialog.OnInitDialog();
    dialog.GetNameEdit()->SetValue(c.name);
    platform::MessageBoxRecorder boxes;
    dialog.OnOK();
    ASSERT_EQ(boxes.Shown().size(), 1u) << c.name;
    EXPECT_EQ(boxes.Shown()[0].text, c.refusal);
    EXPECT_EQ(boxes.Shown()[0].style, platform::MB_ICONINFORMATION);
    EXPECT_EQ(boxes.Shown()[0].owner, &dialog);
    EXPECT_EQ(dialog.GetObjectId(), 0);
    EXPECT_EQ(changes.Size(), 2u);
  }
  // The account itself keeps its name; a new name passes.
  AccountDlg same(&changes, giro, 0, nullptr);
  same.OnInitDialog();
  platform::MessageBoxRecorder boxes;
  same.OnOK();
  EXPECT_EQ(same.GetReturnCode(), platform::IDOK);
  AccountDlg fresh(&changes, 0, company, nullptr);
  fresh.OnInitDialog();
  fresh.GetNameEdit()->SetValue(L"Savings");
  fresh.OnOK();
  EXPECT_EQ(fresh.GetReturnCode(), platform::IDOK);
  EXPECT_TRUE(boxes.Shown().empty());
  Committed([&] { changes.Apply(); });
  EXPECT_EQ(Count(L"ACCOUNTS", L"COMPANY_OBJECT_ID = " + std::to_wstring(company)), 2);
}

// The finance view opens the dialog on an empty change set: the names the
// database holds count too, and so do two accounts without a client (the
// database key holds no client as NULL, and NULL then matches NULL).
TEST_F(CompanyDialogsGui, AnAccountNameTheDatabaseHoldsIsRefusedAlsoWithoutAClient) {
  const int company = StoreCompany(L"Brenner");
  const int giro = StoreAccount(L"Giro", company);
  StoreAccount(L"Cash");
  struct Case {
    int companyId;
    const wchar_t* name;
    const wchar_t* refusal;  // null: accepted
  };
  const Case cases[] = {
      {company, L"Giro", L"The client already has an account named \"Giro\"."},
      {company, L"Giro ", L"The client already has an account named \"Giro \"."},
      {0, L"Cash", L"There is already an account named \"Cash\" without a client."},
      {0, L"Giro", nullptr},
      {company, L"Cash", nullptr},
  };
  for (const Case& c : cases) {
    ChangeSet changes;
    AccountDlg dialog(&changes, 0, c.companyId, nullptr);
    dialog.OnInitDialog();
    dialog.GetNameEdit()->SetValue(c.name);
    platform::MessageBoxRecorder boxes;
    dialog.OnOK();
    if (!c.refusal) {
      EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK) << c.name;
      EXPECT_TRUE(boxes.Shown().empty()) << c.name;
      Committed([&] { changes.Apply(); });
      continue;
    }
    ASSERT_EQ(boxes.Shown().size(), 1u) << c.name;
    EXPECT_EQ(boxes.Shown()[0].text, c.refusal);
    EXPECT_EQ(boxes.Shown()[0].owner, &dialog);
    EXPECT_NE(dialog.GetReturnCode(), platform::IDOK);
    EXPECT_EQ(dialog.GetNameEdit()->GetValue(), c.name);  // what was typed stays
    EXPECT_TRUE(changes.IsEmpty());
  }
  EXPECT_EQ(CountRows(L"ACCOUNTS"), 4);

  // A stored account renamed in the change set keeps its name until the
  // save (new accounts are written first); one marked deleted frees it.
  ChangeSet changes;
  Invoice::Account renamed(giro);
  renamed.SetName(L"Old giro");
  changes.Update(renamed);
  platform::MessageBoxRecorder boxes;
  auto enterGiro = [&] {
    auto dialog = std::make_unique<AccountDlg>(&changes, 0, company, nullptr);
    dialog->OnInitDialog();
    dialog->GetNameEdit()->SetValue(L"Giro");
    dialog->OnOK();
    return dialog->GetReturnCode() == platform::IDOK;
  };
  EXPECT_FALSE(enterGiro());
  EXPECT_EQ(boxes.Shown().size(), 1u);
  changes.Remove(renamed);
  EXPECT_TRUE(enterGiro());
  EXPECT_EQ(boxes.Shown().size(), 1u);
  Committed([&] { changes.Apply(); });
  EXPECT_EQ(Count(L"ACCOUNTS", L"NAME = 'Giro' AND COMPANY_OBJECT_ID = " + std::to_wstring(company)), 1);
}

// One address of a client may go without a caption; a second one would
// break the database's key, so the dialog asks for a caption instead, also
// when the first was stored by another window.
TEST_F(CompanyDialogsGui, ASecondAddressWithoutACaptionIsRefusedInTheDialog) {
  const int company = StoreCompany(L"Brenner");
  StoreAddress(L"", StoreCompany(L"Other"));  // another client's does not count
  const std::wstring refusal =
      L"The client already has an address without a caption. Give this one a caption.";
  ChangeSet changes;
  auto enter = [&](const wchar_t* caption, const wchar_t* line) {
    auto dialog = std::make_unique<CAddressDlg>(&changes, 0, company, nullptr);
    dialog->OnInitDialog();
    Find<wxComboBox>(dialog.get(), CAddressDlg::kCaption)->SetValue(caption);
    Find<wxTextCtrl>(dialog.get(), CAddressDlg::kLine1)->SetValue(line);
    dialog->OnOK();
    return dialog;
  };
  platform::MessageBoxRecorder boxes;
  EXPECT_EQ(enter(L"", L"")->GetReturnCode(), platform::IDOK);  // an empty address may be stored
  EXPECT_TRUE(boxes.Shown().empty());
  for (const wchar_t* caption : {L"", L"  "}) {
    const size_t shown = boxes.Shown().size();
    auto second = enter(caption, L"Mill Lane 4");
    EXPECT_NE(second->GetReturnCode(), platform::IDOK);
    ASSERT_EQ(boxes.Shown().size(), shown + 1);
    EXPECT_EQ(boxes.Shown().back().text, refusal);
    EXPECT_EQ(boxes.Shown().back().owner, second.get());
    EXPECT_EQ(Find<wxTextCtrl>(second.get(), CAddressDlg::kLine1)->GetValue(), L"Mill Lane 4");
  }
  EXPECT_EQ(enter(L"Mill", L"Mill Lane 4")->GetReturnCode(), platform::IDOK);
  EXPECT_EQ(changes.Size(), 2u);
  Committed([&] { changes.Apply(); });
  EXPECT_EQ(Count(L"ADDRESSES", L"COMPANY_OBJECT_ID = " + std::to_wstring(company)), 2);

  // Stored meanwhile by another window, out of this change set.
  ChangeSet elsewhere;
  CAddressDlg dialog(&elsewhere, 0, company, nullptr);
  dialog.OnInitDialog();
  dialog.OnOK();
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown().back().text, refusal);
  EXPECT_TRUE(elsewhere.IsEmpty());
}

TEST_F(CompanyDialogsGui, AnAddressCaptionAnotherAddressOfTheClientHasIsRefusedInTheDialog) {
  const int company = StoreCompany(L"Brenner");
  const int homeId = StoreAddress(L"Home", company);
  ChangeSet changes;
  changes.Add(Invoice::Address(homeId));

  CAddressDlg dialog(&changes, 0, company, nullptr);
  dialog.OnInitDialog();
  auto* caption = Find<wxComboBox>(&dialog, CAddressDlg::kCaption);
  ASSERT_TRUE(caption);
  caption->SetValue(L"Home");
  Find<wxTextCtrl>(&dialog, CAddressDlg::kLine1)->SetValue(L"Main Street 1");
  platform::MessageBoxRecorder boxes;
  dialog.OnOK();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"The client already has an address captioned \"Home\".");
  EXPECT_EQ(boxes.Shown()[0].owner, &dialog);
  EXPECT_NE(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_EQ(changes.Size(), 1u);
  // The address being edited may keep its own caption; another caption passes.
  caption->SetValue(L"Office");
  dialog.OnOK();
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_EQ(boxes.Shown().size(), 1u);
  CAddressDlg again(&changes, homeId, company, nullptr);
  again.OnInitDialog();
  again.OnOK();
  EXPECT_EQ(again.GetReturnCode(), platform::IDOK);
  // Once "Home" is deleted, a new address may take its caption.
  changes.Remove(Invoice::Address(homeId));
  CAddressDlg third(&changes, 0, company, nullptr);
  third.OnInitDialog();
  Find<wxComboBox>(&third, CAddressDlg::kCaption)->SetValue(L"Home");
  third.OnOK();
  EXPECT_EQ(third.GetReturnCode(), platform::IDOK);
  Committed([&] { changes.Apply(); });
  EXPECT_EQ(Count(L"ADDRESSES", L"COMPANY_OBJECT_ID = " + std::to_wstring(company)), 2);
}

TEST_F(CompanyDialogsGui, AnAddressAnInvoiceUsesIsRefusedOnItsCardAndStays) {
  const int company = StoreCompany(L"Brenner");
  const int usedId = StoreAddress(L"Home", company);
  const int spareId = StoreAddress(L"Spare", company);
  Invoice::Invoice invoice(StoreInvoice(L"0001/06", company, 0));
  invoice.SetAddressId(usedId);
  Committed([&] { invoice.Save(); });

  ChangeSet changes;
  changes.Add(Invoice::Address(usedId));
  changes.Add(Invoice::Address(spareId));
  adr_square usedCard(usedId, L"Home", L"", nullptr);
  usedCard.SetChangeSet(&changes);
  platform::MessageBoxRecorder boxes;
  EXPECT_FALSE(usedCard.Delete());
  ASSERT_EQ(boxes.Shown().size(), 1u);  // the refusal, not the question
  EXPECT_EQ(boxes.Shown()[0].text, L"Address is used in one (or more) Invoice(s) and can not be deleted!");
  EXPECT_EQ(boxes.Shown()[0].style, platform::MB_ICONERROR);
  EXPECT_EQ(changes.GetState(usedId), ChangeSet::kUnchanged);

  // An address no invoice uses goes after the question.
  adr_square spareCard(spareId, L"Spare", L"", nullptr);
  spareCard.SetChangeSet(&changes);
  boxes.QueueAnswer(platform::IDYES);
  EXPECT_TRUE(spareCard.Delete());
  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(changes.GetState(spareId), ChangeSet::kDeleted);
  Committed([&] { changes.Apply(); });
  EXPECT_EQ(Count(L"ADDRESSES", L"COMPANY_OBJECT_ID = " + std::to_wstring(company)), 1);

  // Deleting the used address some other way is refused in the same words.
  Invoice::Address again(usedId);
  try {
    Committed([&] { again.Delete(); });
    ADD_FAILURE() << "deleted";
  } catch (const Invoice::DbException& error) {
    EXPECT_EQ(error.GetText(), L"Address is used in one (or more) Invoice(s) and can not be deleted!");
  }
}

TEST_F(CompanyDialogsGui, WebLinkDialogNeedsALinkButNoCaption) {
  ChangeSet changes;
  CWebLinkDlg dialog(&changes, 0, 3, nullptr);
  dialog.OnInitDialog();
  platform::MessageBoxRecorder boxes;
  dialog.OnOK();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"Please, specify a Web Link.");
  EXPECT_EQ(boxes.Shown()[0].style, platform::MB_ICONINFORMATION);
  dialog.GetTextCtrl()->SetValue(L"https://brenner.example");
  dialog.OnOK();
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  auto* web = dynamic_cast<Invoice::Web*>(changes.Find(dialog.GetObjectId()));
  ASSERT_TRUE(web);
  EXPECT_EQ(web->GetName(), L"");
  EXPECT_EQ(web->GetCompanyId(), 3);
}

}  // namespace
}  // namespace corvane::test
