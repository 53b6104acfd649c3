#pragma once

// The contacts of a company as the contact page keeps them: every address,
// phone number, e-mail address and web link in one change set, and the cards
// that set shows.

#include <cstdint>
#include <string>
#include <vector>

class ChangeSet;

// What a contact with neither caption nor text shows for its caption.
inline constexpr wchar_t kEmptyContactText[] = L"(empty)";

enum class ContactKind { Address, Phone, Email, Web };

struct ContactCard {
  ContactKind kind = ContactKind::Address;
  int32_t id = 0;  // the key in the change set
  std::wstring title;
  std::wstring body;
  bool operator==(const ContactCard&) const = default;
};

class ContactList {
public:
  // Empties the change set and records the company's stored contacts in it;
  // the cards in the order phones, addresses, e-mails, web links (each by
  // NAME). Company id 0 loads nothing.
  static std::vector<ContactCard> Load(int32_t companyId, ChangeSet& changes);

  // The cards of the contacts in the change set in key order (new ones, with
  // their negative ids, first), leaving out deleted ones.
  static std::vector<ContactCard> FromChangeSet(const ChangeSet& changes);

  // Gives every contact of the change set that has no company the company's
  // id, so a new company's contacts are written under its new id.
  static void AssignCompany(ChangeSet& changes, int32_t companyId);
};
