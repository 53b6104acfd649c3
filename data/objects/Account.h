#pragma once

// One account (ACCOUNTS) of a company, or of no company (company 0).

#include <string>
#include <vector>

#include "common/Value.h"
#include "data/objects/Payment.h"
#include "data/objects/RecordObject.h"

namespace Invoice {

class Account : public RecordObject<Account, AccountRecord, &DataAccess::LoadAccount,
                                    &DataAccess::SaveAccount, &DataAccess::DeleteAccount> {
public:
  using RecordObject::RecordObject;

  // Refused while a payment names the account (kAccountUsedInPayments).
  void Delete() override;

  // The account's payments, newest first: where it pays and/or receives
  // (neither flag: every payment of the database).
  void GetPayments(std::vector<Payment>& payments, bool paying = true, bool receiving = true) const;
  // What it received minus what it paid.
  double GetBalance() const;

  std::wstring GetName() const { return m_record.name; }
  int GetCompanyId() const { return m_record.companyObjectId; }
  int GetAccountType() const { return m_record.accountType; }
  double GetOpeningDate() const { return TmToOleDate(m_record.openingDate); }  // -1.0 when not a date

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetCompanyId(int value) { Set(m_record.companyObjectId, value); }
  void SetAccountType(int value) { Set(m_record.accountType, value); }
  void SetOpeningDate(double oleDate) { Set(m_record.openingDate, OleDateToTm(oleDate)); }
};

// Accounts whose NAME contains the text (case-insensitive), by NAME.
void SearchAccounts(const std::wstring& text, std::vector<Account>& accounts);

}  // namespace Invoice
