#pragma once

// One phone number of a company (PHONES).

#include <cstdint>
#include <set>
#include <string>

#include "data/objects/RecordObject.h"

namespace Invoice {

class Phone : public RecordObject<Phone, PhoneRecord, &DataAccess::LoadPhone, &DataAccess::SavePhone,
                                  &DataAccess::DeletePhone> {
public:
  using RecordObject::RecordObject;

  std::wstring GetName() const { return m_record.name; }
  std::wstring GetNumber() const { return m_record.number; }
  std::wstring GetPhoneDisplay() const { return m_record.phoneDisplay; }
  int16_t GetCountryPart() const { return m_record.countryPart; }
  int16_t GetRegionPart() const { return m_record.regionPart; }
  int GetCompanyId() const { return m_record.companyObjectId; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetNumber(const std::wstring& value) { Set(m_record.number, value); }
  void SetPhoneDisplay(const std::wstring& value) { Set(m_record.phoneDisplay, value); }
  void SetCountryPart(int16_t value) { Set(m_record.countryPart, value); }
  void SetRegionPart(int16_t value) { Set(m_record.regionPart, value); }
  void SetCompanyId(int value) { Set(m_record.companyObjectId, value); }
};

// The distinct phone captions (NAME) of all companies.
void GetPhoneNames(std::set<std::wstring>& names);

}  // namespace Invoice
