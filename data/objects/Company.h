#pragma once

// One company (COMPANIES), client or supplier, with its contacts, accounts
// and payments.

#include <string>
#include <vector>

#include "data/objects/AsReadObject.h"

namespace Invoice {

class Account;
class Address;
class Email;
class Payment;
class Phone;
class Web;

class Company : public AsReadObject<Company, CompanyRecord, &DataAccess::LoadCompany,
                                    &DataAccess::SaveCompany, &DataAccess::DeleteCompany> {
public:
  using AsReadObject::AsReadObject;

  // What the save checks is stored as read (see AsReadObject).
  static constexpr wchar_t kStaleWhat[] = L"this client";
  static bool SameStoredValues(const CompanyRecord& a, const CompanyRecord& b);

  // Refused for the user's own company (setting MY_COMPANY_ID) and while an
  // invoice names the company as its client.
  void Delete() override;

  std::wstring GetName() const { return m_record.name; }
  int GetPriceGroupId() const { return m_record.priceGroupObjectId; }  // default price list, 0 = none
  double GetDefaultDiscount() const { return m_record.defaultDiscount; }
  bool GetSellToThisOne() const { return m_record.sellToThisOne; }
  bool GetBuyFromThisOne() const { return m_record.buyFromThisOne; }

  void SetName(const std::wstring& name) { Set(m_record.name, name); }
  void SetPriceGroupId(int priceGroupId) { Set(m_record.priceGroupObjectId, priceGroupId); }
  void SetDefaultDiscount(double percent) { Set(m_record.defaultDiscount, percent); }
  void SetSellToThisOne(bool sell) { Set(m_record.sellToThisOne, sell); }
  void SetBuyFromThisOne(bool buy) { Set(m_record.buyFromThisOne, buy); }

  // Contacts and accounts of the company, each by NAME.
  void GetAddresses(std::vector<Address>& addresses) const;
  void GetPhones(std::vector<Phone>& phones) const;
  void GetWebs(std::vector<Web>& webs) const;
  void GetEmails(std::vector<Email>& emails) const;
  void GetAccounts(std::vector<Account>& accounts) const;
  // The company's payments, newest first: where it pays and/or receives
  // (neither flag: every payment of the database).
  void GetPayments(std::vector<Payment>& payments, bool paying = true, bool receiving = true) const;
  // What it received minus what it paid.
  double GetBalance() const;
};

// Every company, by NAME.
void GetAllCompanies(std::vector<Company>& companies);
// Companies whose NAME contains the text (case-insensitive), by NAME.
void SearchCompanies(const std::wstring& text, std::vector<Company>& companies);

}  // namespace Invoice
