#pragma once

// A city or state of a country (COUNTRIES_REF); REF_TYPE is "CITY" or "STATE".

#include <string>

#include "data/objects/RecordObject.h"

namespace Invoice {

class CountryRef : public RecordObject<CountryRef, CountryRefRecord, &DataAccess::LoadCountryRef,
                                       &DataAccess::SaveCountryRef, &DataAccess::DeleteCountryRef> {
public:
  using RecordObject::RecordObject;

  std::wstring GetName() const { return m_record.name; }
  std::wstring GetRefType() const { return m_record.refType; }
  int GetCountryId() const { return m_record.countriesObjectId; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetRefType(const std::wstring& value) { Set(m_record.refType, value); }
  // By kind: 0 stores "CITY", 1 "STATE", any other kind keeps the text; marks
  // the object modified in every case.
  void SetRefType(int kind);
  void SetCountryId(int value) { Set(m_record.countriesObjectId, value); }
};

}  // namespace Invoice
