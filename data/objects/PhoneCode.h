#pragma once

// A country's telephone code (PHONE_CODES).

#include <string>
#include <vector>

#include "data/objects/RecordObject.h"

namespace Invoice {

class PhoneCode : public RecordObject<PhoneCode, PhoneCodeRecord, &DataAccess::LoadPhoneCode,
                                      &DataAccess::SavePhoneCode, &DataAccess::DeletePhoneCode> {
public:
  using RecordObject::RecordObject;

  std::wstring GetCountry() const { return m_record.country; }
  std::wstring GetCode() const { return m_record.code; }

  void SetCountry(const std::wstring& value) { Set(m_record.country, value); }
  void SetCode(const std::wstring& value) { Set(m_record.code, value); }
};

// Every phone code, by COUNTRY.
void GetAllPhoneCodes(std::vector<PhoneCode>& phoneCodes);

}  // namespace Invoice
