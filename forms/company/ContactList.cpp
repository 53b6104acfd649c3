#include "forms/company/ContactList.h"

#include <optional>

#include "data/ChangeSet.h"
#include "data/objects/Address.h"
#include "data/objects/Company.h"
#include "data/objects/Email.h"
#include "data/objects/Phone.h"
#include "data/objects/Web.h"

namespace {

std::optional<ContactCard> CardOf(const Invoice::Object& object) {
  if (auto* address = dynamic_cast<const Invoice::Address*>(&object))
    return ContactCard{ContactKind::Address, address->GetObjectId(), address->GetName(), address->GetDisplayBox()};
  if (auto* phone = dynamic_cast<const Invoice::Phone*>(&object))
    return ContactCard{ContactKind::Phone, phone->GetObjectId(), phone->GetName(), phone->GetPhoneDisplay()};
  if (auto* email = dynamic_cast<const Invoice::Email*>(&object))
    return ContactCard{ContactKind::Email, email->GetObjectId(), email->GetName(), email->GetEmail()};
  if (auto* web = dynamic_cast<const Invoice::Web*>(&object))
    return ContactCard{ContactKind::Web, web->GetObjectId(), web->GetName(), web->GetWeb()};
  return std::nullopt;
}

template <class Contact>
void Record(const std::vector<Contact>& contacts, ChangeSet& changes, std::vector<ContactCard>& cards) {
  for (const Contact& contact : contacts) {
    changes.Add(contact);
    if (auto card = CardOf(contact)) cards.push_back(*card);
  }
}

template <class Contact>
void SetCompany(Invoice::Object& object, int32_t companyId) {
  if (auto* contact = dynamic_cast<Contact*>(&object); contact && contact->GetCompanyId() == 0)
    contact->SetCompanyId(companyId);
}

}  // namespace

std::vector<ContactCard> ContactList::Load(int32_t companyId, ChangeSet& changes) {
  changes.Clear();
  std::vector<ContactCard> cards;
  if (companyId == 0) return cards;
  const Invoice::Company company(companyId);
  std::vector<Invoice::Phone> phones;
  company.GetPhones(phones);
  Record(phones, changes, cards);
  std::vector<Invoice::Address> addresses;
  company.GetAddresses(addresses);
  Record(addresses, changes, cards);
  std::vector<Invoice::Email> emails;
  company.GetEmails(emails);
  Record(emails, changes, cards);
  std::vector<Invoice::Web> webs;
  company.GetWebs(webs);
  Record(webs, changes, cards);
  return cards;
}

std::vector<ContactCard> ContactList::FromChangeSet(const ChangeSet& changes) {
  std::vector<ContactCard> cards;
  for (auto it = changes.begin(); it != changes.end(); ++it)
    if (const Invoice::Object* object = changes.ObjectAt(it))
      if (auto card = CardOf(*object)) cards.push_back(*card);
  return cards;
}

void ContactList::AssignCompany(ChangeSet& changes, int32_t companyId) {
  for (auto it = changes.begin(); it != changes.end(); ++it) {
    Invoice::Object* object = changes.ObjectAt(it);
    if (!object) continue;
    SetCompany<Invoice::Address>(*object, companyId);
    SetCompany<Invoice::Phone>(*object, companyId);
    SetCompany<Invoice::Email>(*object, companyId);
    SetCompany<Invoice::Web>(*object, companyId);
  }
}
