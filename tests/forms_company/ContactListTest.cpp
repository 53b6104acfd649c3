#include "forms/company/ContactList.h"

#include <gtest/gtest.h>

#include "data/ChangeSet.h"
#include "data/objects/Address.h"
#include "data/objects/Email.h"
#include "data/objects/Phone.h"
#include "data/objects/Web.h"
#include "forms/company/CompanyDetails.h"
#include "shell/ui/BaseTabForm.h"
#include "shell/ui/BaseTabFun.h"
#include "tests/forms_dialogs/DialogsFixture.h"

namespace corvane::test {
namespace {

template <class Contact>
Contact MakeContact(const std::wstring& name, int companyId) {
  Contact contact;
  contact.SetName(name);
  contact.SetCompanyId(companyId);
  return contact;
}

// A page of the save as the company form runs it, around one piece of work.
class WorkPage : public BaseTabFun {
public:
  explicit WorkPage(std::function<bool()> work) : m_work(std::move(work)) {}
  void LoadData() override {}
  bool SaveData(bool& reload) override {
    reload = false;
    return m_work();
  }

private:
  std::function<bool()> m_work;
};

class ContactListTest : public DialogsTest {
protected:
  // Details first, then the contacts, in one unit of work, as the company
  // form saves a new company.
  bool SaveNewCompany(const std::wstring& name, Invoice::Company& company, ChangeSet& contacts) {
    WorkPage details([&] {
      return CompanyDetails::Apply({name, 0, L"3"}, AmountFormat{}, company) == CompanyDetails::Result::Saved &&
             (company.Save(), true);
    });
    WorkPage contactsPage([&] {
      ContactList::AssignCompany(contacts, company.GetId());
      contacts.Apply();
      return true;
    });
    return BaseTabForm::SavePages({&details, &contactsPage}, nullptr);
  }

  void AddNewContacts(ChangeSet& contacts) {
    Invoice::Address address = MakeContact<Invoice::Address>(L"Office", 0);
    address.SetDisplayBox(L"Main Street 1\r\n1000 Ljubljana");
    contacts.Update(address);
    Invoice::Phone phone = MakeContact<Invoice::Phone>(L"Mobile", 0);
    phone.SetPhoneDisplay(L"386 41 555666");
    contacts.Update(phone);
    Invoice::Email email = MakeContact<Invoice::Email>(L"Orders", 0);
    email.SetEmail(L"orders@brenner.example");
    contacts.Update(email);
    Invoice::Web web = MakeContact<Invoice::Web>(L"Shop", 0);
    web.SetWeb(L"https://brenner.example");
    contacts.Update(web);
  }
};

TEST_F(ContactListTest, LoadsPhonesAddressesEmailsAndWebLinksEachByName) {
  const int company = StoreCompany(L"Brenner");
  const int other = StoreCompany(L"Kovac");
  StoreObject(MakeContact<Invoice::Web>(L"Shop", company));
  StoreObject(MakeContact<Invoice::Address>(L"Warehouse", company));
  StoreObject(MakeContact<Invoice::Address>(L"Office", company));
  StoreObject(MakeContact<Invoice::Email>(L"Orders", company));
  StoreObject(MakeContact<Invoice::Phone>(L"Mobile", company));
  StoreObject(MakeContact<Invoice::Phone>(L"Fax", other));

  ChangeSet changes;
  const std::vector<ContactCard> cards = ContactList::Load(company, changes);
  std::vector<std::wstring> titles;
  for (const ContactCard& card : cards) titles.push_back(card.title);
  EXPECT_EQ(titles, (std::vector<std::wstring>{L"Mobile", L"Office", L"Warehouse", L"Orders", L"Shop"}));
  EXPECT_EQ(cards[0].kind, ContactKind::Phone);
  EXPECT_EQ(cards[4].kind, ContactKind::Web);
  EXPECT_EQ(changes.Size(), 5u);
  EXPECT_TRUE(ContactList::Load(0, changes).empty());
  EXPECT_TRUE(changes.IsEmpty());
}

TEST_F(ContactListTest, TheChangeSetShowsNewContactsFirstAndNoDeletedOnes) {
  const int company = StoreCompany(L"Brenner");
  StoreObject(MakeContact<Invoice::Phone>(L"Mobile", company));
  const int office = StoreObject(MakeContact<Invoice::Address>(L"Office", company));
  ChangeSet changes;
  ContactList::Load(company, changes);
  Invoice::Email added = MakeContact<Invoice::Email>(L"Orders", company);
  changes.Update(added);
  changes.Remove(*changes.Find(office));
  const std::vector<ContactCard> cards = ContactList::FromChangeSet(changes);
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(cards[0].title, L"Orders");
  EXPECT_LT(cards[0].id, 0);
  EXPECT_EQ(cards[1].title, L"Mobile");
}

TEST_F(ContactListTest, ANewCompanysContactsAreWrittenUnderItsNewIdInOneUnitOfWork) {
  Invoice::Company company;
  ChangeSet contacts;
  AddNewContacts(contacts);
  ASSERT_TRUE(SaveNewCompany(L" Brenner ", company, contacts));
  ASSERT_NE(company.GetId(), 0);
  const std::wstring id = std::to_wstring(company.GetId());
  EXPECT_EQ(Value(L"SELECT NAME FROM COMPANIES WHERE OBJECT_ID = " + id), L"Brenner");
  for (const wchar_t* table : {L"ADDRESSES", L"PHONES", L"EMAILS", L"WEBS"})
    EXPECT_EQ(Value(std::wstring(L"SELECT CAST(COUNT(*) AS INTEGER) FROM ") + table +
                    L" WHERE COMPANY_OBJECT_ID = " + id),
              L"1")
        << table;
  EXPECT_EQ(Value(L"SELECT DISPLAY_BOX FROM ADDRESSES"), L"Main Street 1\r\n1000 Ljubljana");
}

TEST_F(ContactListTest, ARefusedSaveWritesNothing) {
  Invoice::Company company;
  ChangeSet contacts;
  AddNewContacts(contacts);
  EXPECT_FALSE(SaveNewCompany(L"   ", company, contacts));
  EXPECT_EQ(CountRows(L"COMPANIES"), 0);
  for (const wchar_t* table : {L"ADDRESSES", L"PHONES", L"EMAILS", L"WEBS"}) EXPECT_EQ(CountRows(table), 0) << table;
}

}  // namespace
}  // namespace corvane::test
