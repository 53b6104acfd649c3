#pragma once

// One e-mail address of a company (EMAILS).

#include <set>
#include <string>

#include "data/objects/RecordObject.h"

namespace Invoice {

class Email : public RecordObject<Email, EmailRecord, &DataAccess::LoadEmail, &DataAccess::SaveEmail,
                                  &DataAccess::DeleteEmail> {
public:
  using RecordObject::RecordObject;

  std::wstring GetName() const { return m_record.name; }
  std::wstring GetEmail() const { return m_record.email; }
  int GetCompanyId() const { return m_record.companyObjectId; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetEmail(const std::wstring& value) { Set(m_record.email, value); }
  void SetCompanyId(int value) { Set(m_record.companyObjectId, value); }
};

// The distinct e-mail captions (NAME) of all companies.
void GetEmailNames(std::set<std::wstring>& names);

}  // namespace Invoice
